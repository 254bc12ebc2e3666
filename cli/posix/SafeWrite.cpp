#include "cli/SafeWrite.h"

#include "table/InOutError.h"
#include "table/posix/ErrnoError.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace klarvon::cli {

namespace {

constexpr mode_t NewFileMode = 0666; // narrowed by the user's umask
constexpr std::string_view TemporarySuffix = ".XXXXXX";

// Closes on every exit; Close() reports what close() says, which can be the first
// news of a failed write on some file systems.
class TDescriptor {
public:
    explicit TDescriptor(int fd) : fd_(fd) {}
    ~TDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;

    int Get() const { return fd_; }
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

[[noreturn]] void ThrowErrno(const std::string& path) {
    throw InOutErrorFromErrno(errno, path);
}

// All bytes, flushed to the disk, then closed; any failure throws.
void WriteAllAndClose(TDescriptor& file, const std::string& path,
                      std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(file.Get(), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            ThrowErrno(path);
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    if (::fsync(file.Get()) != 0 || file.Close() != 0) {
        ThrowErrno(path);
    }
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

void WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, NewFileMode);
    if (fd < 0) {
        if (errno == EEXIST) {
            throw std::runtime_error("'" + path + "' already exists; give --force to replace it");
        }
        ThrowErrno(path);
    }
    TDescriptor file(fd);
    try {
        WriteAllAndClose(file, path, bytes);
    } catch (...) {
        ::unlink(path.c_str()); // ours: created above, never a file that was there before
        throw;
    }
}

void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    // Only a regular file is replaced: renaming over a device node or a FIFO would take it
    // away from whatever uses it (as root, /dev/null itself).
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        throw InOutErrorFromErrno(EACCES, path);
    }
    const std::filesystem::path target(path);
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    // A hidden name beside the target, so the rename stays within one file system.
    std::string name(1, '.');
    name += target.filename().string();
    name += TemporarySuffix;
    std::string temporary = (folder / name).string();

    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        ThrowErrno(path);
    }
    TDescriptor file(fd);
    try {
        // mkostemp makes the file private; give it the mode a plain new file would get.
        if (::fchmod(fd, NewFileMode & ~CurrentUmask()) != 0) {
            ThrowErrno(path);
        }
        WriteAllAndClose(file, temporary, bytes);
        if (::rename(temporary.c_str(), path.c_str()) != 0) {
            ThrowErrno(path);
        }
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
}

} // namespace klarvon::cli

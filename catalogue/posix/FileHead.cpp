#include "catalogue/FileHead.h"

#include "table/Errors.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace klarvon {

namespace {

EKlarvonError FileError(std::string_view what, const std::filesystem::path& path, int err) {
    return EKlarvonError(FileErrorText(what, path, std::generic_category().message(err)));
}

// Closes the descriptor on every way out of the read.
class TReadOnlyFile {
public:
    explicit TReadOnlyFile(const std::filesystem::path& path)
        // Non-blocking so that a pipe of that name gives an empty text instead of
        // hanging start-up; regular files ignore the flag.
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
    ~TReadOnlyFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    TReadOnlyFile(const TReadOnlyFile&) = delete;
    TReadOnlyFile& operator=(const TReadOnlyFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    int Descriptor() const { return fd_; }

private:
    int fd_;
};

} // namespace

std::string ReadFileHead(const std::filesystem::path& path, std::size_t limit) {
    TReadOnlyFile file(path);
    if (!file.IsOpen()) {
        throw FileError("Cannot open file", path, errno);
    }
    std::string head(limit, '\0');
    std::size_t filled = 0;
    while (filled < head.size()) {
        const auto got = ::read(file.Descriptor(), head.data() + filled, head.size() - filled);
        if (got == 0 || (got < 0 && errno == EAGAIN)) {
            break;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError("Cannot read file", path, errno);
        }
        filled += static_cast<std::size_t>(got);
    }
    head.resize(filled);
    return head;
}

} // namespace klarvon

#include "table/FileHandle.h"

#include "table/InOutError.h"
#include "table/posix/ErrnoError.h"

#include <cerrno>
#include <limits>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace klarvon {

static_assert(sizeof(off_t) == sizeof(std::int64_t), "file offsets must be 64-bit");

namespace {

constexpr std::int64_t MaxOffset = std::numeric_limits<std::int64_t>::max();

int Descriptor(std::intptr_t native) {
    return static_cast<int>(native);
}

bool IsRegularFile(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

EInOutError AccessDenied(const std::string& path) {
    return InOutErrorFromErrno(EACCES, path);
}

} // namespace

TFileHandle::~TFileHandle() {
    if (native_ >= 0) {
        ::close(static_cast<int>(native_));
    }
}

bool TFileHandle::IsOpen() const {
    return native_ >= 0;
}

void TFileHandle::Open(const std::string& path, TAccess access) {
    // Only regular files: a pipe or a device has no fixed bytes to edit, and opening some
    // devices for writing already acts on them (a watchdog arms itself), so such paths are
    // refused before they are opened.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
        throw AccessDenied(path);
    }
    int fd = -1;
    do {
        // O_NOCTTY: should the path name a terminal after all, it never becomes ours.
        fd = ::open(path.c_str(),
                    (access == TAccess::ReadOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        throw InOutErrorFromErrno(errno, path);
    }
    // The path may have been swapped for something else between stat and open.
    if (!IsRegularFile(fd)) {
        ::close(fd);
        throw AccessDenied(path);
    }
    native_ = fd;
    locked_ = false;
    path_ = path;
}

std::int64_t TFileHandle::Size() const {
    struct stat info {};
    if (::fstat(Descriptor(native_), &info) != 0) {
        throw InOutErrorFromErrno(errno, path_);
    }
    return static_cast<std::int64_t>(info.st_size);
}

std::size_t TFileHandle::ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const {
    if (offset < 0) {
        throw NegativeOffsetError(path_);
    }
    // Nothing lies beyond the largest offset, so a request reaching past it is cut there
    // rather than handing the system an offset that wraps around.
    std::size_t wanted = buffer.size();
    if (static_cast<std::uint64_t>(wanted) > static_cast<std::uint64_t>(MaxOffset - offset)) {
        wanted = static_cast<std::size_t>(MaxOffset - offset);
    }
    std::size_t done = 0;
    while (done < wanted) {
        const ssize_t got = ::pread(Descriptor(native_), buffer.data() + done, wanted - done,
                                    static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw InOutErrorFromErrno(errno, path_);
        }
        if (got == 0) {
            break; // end of file
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

void TFileHandle::WriteAt(std::int64_t offset, std::span<const std::uint8_t> bytes) {
    if (offset < 0) {
        throw NegativeOffsetError(path_);
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(Descriptor(native_), bytes.data() + done, bytes.size() - done,
                                     static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw InOutErrorFromErrno(errno, path_);
        }
        if (put == 0) {
            // The system took nothing and named no cause: there is no room.
            throw InOutErrorFromErrno(ENOSPC, path_);
        }
        done += static_cast<std::size_t>(put);
    }
}

void TFileHandle::Close() {
    if (!IsOpen()) {
        return;
    }
    const int fd = Descriptor(native_);
    native_ = -1;
    locked_ = false; // closed whatever close() says; retrying could close someone else's file
    if (::close(fd) != 0) {
        throw InOutErrorFromErrno(errno, path_);
    }
}

bool TFileHandle::TryLock() {
    // flock, not fcntl: its lock belongs to this open file, so closing some other
    // descriptor of the same file elsewhere in the process cannot drop it.
    while (::flock(Descriptor(native_), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            return false;
        }
        if (errno != EINTR) {
            throw InOutErrorFromErrno(errno, path_);
        }
    }
    locked_ = true;
    return true;
}

void TFileHandle::Unlock() noexcept {
    if (locked_) {
        ::flock(Descriptor(native_), LOCK_UN);
        locked_ = false;
    }
}

void TFileHandle::Reserve(std::int64_t offset, std::int64_t length) {
    if (length <= 0) {
        return;
    }
    int result = 0;
    do {
        result = ::fallocate(Descriptor(native_), FALLOC_FL_KEEP_SIZE, static_cast<off_t>(offset),
                             static_cast<off_t>(length));
    } while (result != 0 && errno == EINTR);
    // A file system without fallocate simply gets no reservation; the write that follows
    // still says what went wrong.
    if (result != 0 && errno != EOPNOTSUPP && errno != ENOSYS) {
        throw InOutErrorFromErrno(errno, path_);
    }
}

void TFileHandle::Truncate(std::int64_t size) {
    int result = 0;
    do {
        result = ::ftruncate(Descriptor(native_), static_cast<off_t>(size));
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        throw InOutErrorFromErrno(errno, path_);
    }
}

void TFileHandle::Flush() {
    int result = 0;
    do {
        result = ::fdatasync(Descriptor(native_));
    } while (result != 0 && errno == EINTR);
    // A file that cannot be synced (a pipe never gets here; some special file systems say
    // EINVAL) has nothing the system could lose for it.
    if (result != 0 && errno != EINVAL && errno != EROFS) {
        throw InOutErrorFromErrno(errno, path_);
    }
}

std::int64_t TFileHandle::HoleStartBefore(std::int64_t offset) const {
    // Walks the file's runs of data up to the one that holds offset; the gap before that
    // run is the hole. Where the system keeps no such map, lseek fails and offset stands.
    const int fd = Descriptor(native_);
    const auto target = static_cast<off_t>(offset);
    off_t previousHole = -1;
    off_t at = 0;
    for (;;) {
        const off_t data = ::lseek(fd, at, SEEK_DATA);
        if (data < 0 || data > target) {
            return offset;
        }
        const off_t hole = ::lseek(fd, data, SEEK_HOLE);
        if (hole < 0) {
            return offset;
        }
        if (hole > target) {
            // This run holds offset; it follows a hole unless it is the file's first.
            return previousHole >= 0 && previousHole < data
                       ? static_cast<std::int64_t>(previousHole)
                       : offset;
        }
        previousHole = hole;
        at = hole;
    }
}

EInOutError NegativeOffsetError(const std::string& path) {
    return InOutErrorFromErrno(EINVAL, path);
}

} // namespace klarvon

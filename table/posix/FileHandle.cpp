#include "table/FileHandle.h"

#include "table/InOutError.h"
#include "table/posix/KeptAttributes.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace klarvon {

static_assert(sizeof(off_t) == sizeof(std::int64_t), "file offsets must be 64-bit");

namespace {

constexpr std::int64_t MaxOffset = std::numeric_limits<std::int64_t>::max();
constexpr mode_t NewFileMode = 0666; // narrowed by the user's umask

int Descriptor(std::intptr_t native) {
    return static_cast<int>(native);
}

bool IsRegularDescriptor(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

ESystemError Failure(int errnoValue, const std::string& path) {
    return ESystemError(InOutErrorFromErrno(errnoValue, path),
                        std::generic_category().message(errnoValue));
}

ESystemError AccessDenied(const std::string& path) {
    return Failure(EACCES, path);
}

// Closes the old file once the new one has taken its place: the change is done and the
// old file was only read, so a failure to close it has nothing left to report.
void CloseReplaced(TFileHandle& held) noexcept {
    try {
        held.Close();
    } catch (...) {
        // Closed whatever the system said.
    }
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
    const bool anyKind = access == TAccess::ReadAnyKind;
    // Only regular files: a pipe or a device has no fixed bytes to edit, and opening some
    // devices for writing already acts on them (a watchdog arms itself), so such paths are
    // refused before they are opened.
    struct stat info {};
    if (!anyKind && ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) &&
        !S_ISDIR(info.st_mode)) {
        throw AccessDenied(path);
    }
    // O_NOCTTY: should the path name a terminal after all, it never becomes ours.
    // O_NONBLOCK, for a file only looked into: a pipe of that name opens at once instead of
    // waiting for a writer; regular files ignore the flag.
    const bool writes = access == TAccess::ReadWrite || access == TAccess::ReadWriteReplaceable;
    const int flags =
        (writes ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NOCTTY | (anyKind ? O_NONBLOCK : 0);
    int fd = -1;
    do {
        fd = ::open(path.c_str(), flags);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        throw Failure(errno, path);
    }
    // The path may have been swapped for something else between stat and open.
    if (!anyKind && !IsRegularDescriptor(fd)) {
        ::close(fd);
        throw AccessDenied(path);
    }
    native_ = fd;
    locked_ = false;
    path_ = path;
}

bool TFileHandle::CreateNew(const std::string& path) {
    int fd = -1;
    do {
        // O_EXCL: never an existing file, and never through a link, dangling or not.
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, NewFileMode);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (errno == EEXIST) {
            return false;
        }
        throw Failure(errno, path);
    }
    native_ = fd;
    locked_ = false;
    path_ = path;
    return true;
}

bool TFileHandle::IsRegularFile() const {
    return IsRegularDescriptor(Descriptor(native_));
}

bool TFileHandle::IsFileAt(const std::string& path) const {
    struct stat ours {};
    struct stat there {};
    if (::fstat(Descriptor(native_), &ours) != 0) {
        throw Failure(errno, path_);
    }
    return ::stat(path.c_str(), &there) == 0 && there.st_dev == ours.st_dev &&
           there.st_ino == ours.st_ino;
}

void TFileHandle::TakePermissionsOf(const TFileHandle& model) {
    KeepAttributes(Descriptor(model.native_), model.path_, Descriptor(native_), path_);
}

std::int64_t TFileHandle::Size() const {
    struct stat info {};
    if (::fstat(Descriptor(native_), &info) != 0) {
        throw Failure(errno, path_);
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
            throw Failure(errno, path_);
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
            throw Failure(errno, path_);
        }
        if (put == 0) {
            // The system took nothing and named no cause: there is no room.
            throw Failure(ENOSPC, path_);
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
        throw Failure(errno, path_);
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
            throw Failure(errno, path_);
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
        throw Failure(errno, path_);
    }
}

void TFileHandle::Truncate(std::int64_t size) {
    int result = 0;
    do {
        result = ::ftruncate(Descriptor(native_), static_cast<off_t>(size));
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        throw Failure(errno, path_);
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
        throw Failure(errno, path_);
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

void RequireRegularOrNothing(const std::string& path) {
    // Renaming over a device node or a pipe would take it away from whatever uses it (as
    // root, /dev/null itself).
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        throw AccessDenied(path);
    }
}

void MoveOver(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        throw Failure(errno, to);
    }
}

void FlushFolderOf(const std::string& path) {
    const std::filesystem::path at(path);
    const std::string folder = at.has_parent_path() ? at.parent_path().string() : ".";
    int fd = -1;
    do {
        fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    // A folder one may write in but not read (a drop box, mode -wx) cannot be opened to
    // be flushed; the rename in it is made all the same, so it is not reported as failed.
    if (fd < 0 && (errno == EACCES || errno == EPERM)) {
        return;
    }
    if (fd < 0) {
        throw Failure(errno, folder);
    }
    int result = 0;
    do {
        result = ::fsync(fd);
    } while (result != 0 && errno == EINTR);
    const int cause = errno;
    ::close(fd);
    // As for a file's flush: some file systems cannot sync a folder and have nothing to
    // lose for it.
    if (result != 0 && cause != EINVAL && cause != EROFS) {
        throw Failure(cause, folder);
    }
}

void MoveOverHeld(const std::string& from, TFileHandle& held, const std::string& to) {
    MoveOver(from, to);
    CloseReplaced(held);
}

} // namespace klarvon

#pragma once
// The system side of every file access: one open file, transferred at explicit offsets,
// while other programs stay free to read (and, for existing files, write) it too. Each
// system has its own implementation (posix/, win32/); a failed system call throws
// ESystemError, an EInOutError with the classic text that also keeps the system's own
// wording. The protocols built on it are in FileWrite.h.

#include "table/Errors.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>

namespace klarvon {

// Read-only access lets a write-protected original, or a game under a protected folder, be
// read without administrator rights; everything that may write opens read-write. Both take
// regular files only. ReadAnyKind is for a file that is only looked into (the head of
// Settings.ini): read-only, whatever kind of file it is, and never waiting for a pipe's
// writer; IsRegularFile() then says whether it has bytes to read. ReadWriteReplaceable is
// ReadWrite that lets another program (or this one) rename a new file over this one or
// delete it while it is open: the locked replace of a whole file (LockedFile.h).
enum class TAccess { ReadOnly, ReadWrite, ReadAnyKind, ReadWriteReplaceable };

// A failed file operation: what() is the classic text ("File access denied"), and
// SystemWording the system's own ("Permission denied", "Access is denied.").
class ESystemError : public EInOutError {
public:
    ESystemError(const EInOutError& classic, std::string systemWording)
        : EInOutError(classic), SystemWording(std::move(systemWording)) {}
    std::string SystemWording;
};

// What a replacement could not keep of the file it was to replace (its owner, its group,
// an extended attribute, its access control list); what() names the file and says that
// nothing was written, and Context is the file.
class EKeptAttributeError : public EFinalError {
public:
    using EFinalError::EFinalError;
};

class TFileHandle {
public:
    TFileHandle() = default;
    ~TFileHandle(); // closes without throwing; an orderly end goes through Close()
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;
    // The open file passes on, lock and all: a file looked into once is used by whoever
    // knows what it is, without opening it again.
    TFileHandle(TFileHandle&& other) noexcept
        : native_(std::exchange(other.native_, -1)), locked_(std::exchange(other.locked_, false)),
          path_(std::move(other.path_)) {}

    // An existing file, never created. With ReadOnly or ReadWrite, anything but a regular
    // file (a folder, a pipe, a device) is "File access denied".
    void Open(const std::string& path, TAccess access = TAccess::ReadWrite);
    // A new regular file, open read-write, that no other program can open until it is
    // closed (on Windows; elsewhere it is new and unknown to anyone). False, with nothing
    // touched, when anything at all is at path, a dangling link included.
    bool CreateNew(const std::string& path);
    bool IsOpen() const;
    bool IsRegularFile() const;
    // Whether the file open here is still the one at path: false once another file was
    // renamed over it, or it was deleted or renamed away.
    bool IsFileAt(const std::string& path) const;
    // Gives this file (one of our own, just created) the permissions of model: on POSIX its
    // owner and group, its extended attributes (its access control list among them) and
    // its read, write and execute bits; on Windows its hidden and system attributes. On
    // POSIX, an owner, group or attribute this file cannot be given is refused with
    // EKeptAttributeError naming model, so that the caller writes nothing.
    void TakePermissionsOf(const TFileHandle& model);
    std::int64_t Size() const;
    // Up to buffer.size() bytes at offset; fewer only where the file ends.
    std::size_t ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const;
    // All the bytes at offset, or a failure.
    void WriteAt(std::int64_t offset, std::span<const std::uint8_t> bytes);

    // Klarvon's advisory write lock on the whole file, held until Unlock or Close. Only
    // Klarvon's own programs ask for it, and readers never do, so it orders Klarvon's
    // read-change-writes without standing in anyone else's way. False when another holder
    // has it.
    bool TryLock();
    void Unlock() noexcept;

    // Gives the bytes at offset disk space before they are written, where the system can,
    // so that "Disk full" comes before any byte changed. Linux reserves a sparse file's
    // unwritten part (fallocate, keeping the size; a file system without it reserves
    // nothing). Windows has no call that gives a range inside a file its clusters without
    // writing it, so there this does nothing: a file that is not sparse or compressed (as
    // Windows makes every file unless a program asks otherwise) already has its clusters
    // and an overwrite in place needs no new space; a sparse or compressed one gets them
    // only at the write, and a full disk shows there, where the caller puts the old
    // bytes back.
    void Reserve(std::int64_t offset, std::int64_t length);
    // Cuts the file to size bytes.
    void Truncate(std::int64_t size);
    // Waits until the bytes written so far are on the disk itself, not only in the
    // system's cache, so that a change reported as saved survives a crash of the system.
    void Flush();
    // Where the run of never-written bytes (a hole) before the data around offset begins,
    // or offset itself when no hole comes before it or the system cannot tell.
    std::int64_t HoleStartBefore(std::int64_t offset) const;
    // Closed whatever the system says; a failure is still reported.
    void Close();

private:
    // A file descriptor, or a Windows HANDLE; -1 is closed on both (INVALID_HANDLE_VALUE).
    std::intptr_t native_ = -1;
    bool locked_ = false;
    std::string path_;
};

// What the system says to a position before the start of a file.
EInOutError NegativeOffsetError(const std::string& path);

// Refuses anything at path that is not a regular file (a folder, a device, a pipe) with
// "File access denied"; nothing at path passes.
void RequireRegularOrNothing(const std::string& path);

// Renames from to to, replacing what is there in one step: a reader of to finds either
// the old file or the new one, never neither and never a part.
void MoveOver(const std::string& from, const std::string& to);

// Makes the names in the folder holding path (a rename, a link, a new file or a removal
// there) as lasting as flushed bytes are: without it, a power cut after a rename can bring
// the old file back, or lose a new one, although its bytes were flushed. POSIX flushes the
// folder itself; Windows asks the same of the folder where the file system allows it,
// MoveOver being written through already.
void FlushFolderOf(const std::string& path);

// MoveOver onto the file held open (ReadWriteReplaceable) at to, then closes held, so that
// its lock is let go only once the new file is at to. Where the system refuses to rename
// over a file that is open (Wine; Windows before 10 or off NTFS), held is closed first: the
// same systems then also refuse the rename while any other program has the old file
// open, so no other Klarvon program can have taken the lock and read the old text in
// between without the rename failing.
void MoveOverHeld(const std::string& from, TFileHandle& held, const std::string& to);

} // namespace klarvon

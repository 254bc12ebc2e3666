#pragma once
// The system side of record file access: one existing regular file, opened for reading
// (and, unless asked otherwise, writing) while other programs stay free to read and write
// it too, never created, transferred at explicit offsets. Each system has its own
// implementation (posix/, win32/); every failure throws EInOutError with the text of the
// system's error number.

#include "table/Errors.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace klarvon {

// Read-only access lets a write-protected original, or a game under a protected folder, be
// read without administrator rights; everything that may write opens read-write.
enum class TAccess { ReadOnly, ReadWrite };

class TFileHandle {
public:
    TFileHandle() = default;
    ~TFileHandle(); // closes without throwing; an orderly end goes through Close()
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;

    // Anything but a regular file (a folder, a pipe, a device) is "File access denied".
    void Open(const std::string& path, TAccess access = TAccess::ReadWrite);
    bool IsOpen() const;
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

    // Gives the bytes at offset disk space before they are written, where the file system
    // can (a sparse file's unwritten part); "Disk full" then comes before any byte changed.
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

} // namespace klarvon

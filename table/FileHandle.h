#pragma once
// The system side of record file access: one existing regular file, opened for reading
// and writing while other programs stay free to read and write it too, never created and
// never truncated, transferred at explicit offsets. Each system has its own
// implementation (posix/, win32/); every failure throws EInOutError with the text of the
// system's error number.

#include "table/Errors.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace klarvon {

class TFileHandle {
public:
    TFileHandle() = default;
    ~TFileHandle(); // closes without throwing; an orderly end goes through Close()
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;

    // Anything but a regular file (a folder, a pipe, a device) is "File access denied".
    void Open(const std::string& path);
    bool IsOpen() const;
    std::int64_t Size() const;
    // Up to buffer.size() bytes at offset; fewer only where the file ends.
    std::size_t ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const;
    // All the bytes at offset, or a failure.
    void WriteAt(std::int64_t offset, std::span<const std::uint8_t> bytes);
    // Closed whatever the system says; a failure is still reported.
    void Close();

private:
#ifdef _WIN32
    void* native_ = nullptr; // HANDLE; never INVALID_HANDLE_VALUE
#else
    int native_ = -1;
#endif
    std::string path_;
};

// What the system says to a position before the start of a file.
EInOutError NegativeOffsetError(const std::string& path);

} // namespace klarvon

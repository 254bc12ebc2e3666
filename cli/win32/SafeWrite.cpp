#include "cli/SafeWrite.h"

#include "table/InOutError.h"
#include "table/win32/WideText.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include <windows.h>
// winbase.h's macro for its own ReplaceFileA/W would rename ours.
#undef ReplaceFile

namespace klarvon::cli {

namespace {

constexpr std::size_t MaxPiece = std::size_t{1} << 30; // WriteFile takes a 32-bit count
constexpr int TemporaryAttempts = 100;

// Closes on every exit; Close() reports what CloseHandle says.
class THandle {
public:
    explicit THandle(HANDLE handle) : handle_(handle) {}
    ~THandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle_);
        }
    }
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;

    HANDLE Get() const { return handle_; }
    bool Close() {
        const BOOL closed = ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed != 0;
    }

private:
    HANDLE handle_;
};

[[noreturn]] void ThrowLastError() {
    throw InOutErrorFromWindowsCode(::GetLastError());
}

HANDLE CreateNew(const std::wstring& path) {
    return ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
}

// Where the name part of a path starts: after its last separator or drive.
std::size_t NameStart(std::wstring_view path) {
    const std::size_t separator = path.find_last_of(L"\\/:");
    return separator == std::wstring_view::npos ? 0 : separator + 1;
}

// All bytes, flushed to the disk, then closed; any failure throws.
void WriteAllAndClose(THandle& file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const auto piece = static_cast<DWORD>(std::min(bytes.size(), MaxPiece));
        DWORD written = 0;
        if (!::WriteFile(file.Get(), bytes.data(), piece, &written, nullptr)) {
            ThrowLastError();
        }
        if (written == 0) {
            throw InOutErrorFromWindowsCode(ERROR_DISK_FULL);
        }
        bytes = bytes.subspan(written);
    }
    if (!::FlushFileBuffers(file.Get()) || !file.Close()) {
        ThrowLastError();
    }
}

} // namespace

void WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::wstring widePath = WidePath(path);
    const HANDLE handle = CreateNew(widePath);
    if (handle == INVALID_HANDLE_VALUE) {
        if (::GetLastError() == ERROR_FILE_EXISTS) {
            throw std::runtime_error("'" + path + "' already exists; give --force to replace it");
        }
        ThrowLastError();
    }
    THandle file(handle);
    try {
        WriteAllAndClose(file, bytes);
    } catch (...) {
        file.Close();
        ::DeleteFileW(widePath.c_str()); // ours: created above, never a file that was there before
        throw;
    }
}

void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::wstring target = WidePath(path);
    // Only a file is replaced; a folder or a device name ("NUL", "COM1") is refused.
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
        throw InOutErrorFromWindowsCode(ERROR_ACCESS_DENIED);
    }
    // A name beside the target, so the move stays on one volume; numbered by the process
    // and tried until one is free.
    const std::size_t nameStart = NameStart(target);
    const std::wstring stem = target.substr(0, nameStart) + L'.' + target.substr(nameStart) + L'.' +
                              std::to_wstring(::GetCurrentProcessId()) + L'.';
    std::wstring temporary;
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < TemporaryAttempts && handle == INVALID_HANDLE_VALUE;
         ++attempt) {
        temporary = stem + std::to_wstring(attempt);
        handle = CreateNew(temporary);
        if (handle == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) {
            ThrowLastError();
        }
    }
    if (handle == INVALID_HANDLE_VALUE) {
        ThrowLastError();
    }
    THandle file(handle);
    try {
        WriteAllAndClose(file, bytes);
        if (!::MoveFileExW(temporary.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            ThrowLastError();
        }
    } catch (...) {
        if (file.Get() != INVALID_HANDLE_VALUE) {
            file.Close();
        }
        ::DeleteFileW(temporary.c_str());
        throw;
    }
}

} // namespace klarvon::cli

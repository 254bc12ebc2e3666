#include "cli/SafeWrite.h"

#include "table/InOutError.h"

#include <algorithm>
#include <filesystem>
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

// Paths are in the ANSI code page, as main()'s arguments arrive.
HANDLE CreateNew(const std::string& path) {
    return ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
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
    const HANDLE handle = CreateNew(path);
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
        ::DeleteFileA(path.c_str()); // ours: created above, never a file that was there before
        throw;
    }
}

void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path target(path);
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    // A name beside the target, so the move stays on one volume; numbered by the process
    // and tried until one is free.
    std::string name(1, '.');
    name += target.filename().string();
    name += '.';
    name += std::to_string(::GetCurrentProcessId());
    name += '.';
    const std::string stem = (folder / name).string();
    std::string temporary;
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < TemporaryAttempts && handle == INVALID_HANDLE_VALUE;
         ++attempt) {
        temporary = stem + std::to_string(attempt);
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
        if (!::MoveFileExA(temporary.c_str(), path.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            ThrowLastError();
        }
    } catch (...) {
        if (file.Get() != INVALID_HANDLE_VALUE) {
            file.Close();
        }
        ::DeleteFileA(temporary.c_str());
        throw;
    }
}

} // namespace klarvon::cli

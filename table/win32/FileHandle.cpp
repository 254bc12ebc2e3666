#include "table/FileHandle.h"

#include "table/InOutError.h"

#include <algorithm>
#include <limits>

#include <windows.h>

namespace klarvon {

namespace {

// ReadFile and WriteFile take 32-bit counts; larger transfers go in pieces of this size.
constexpr std::size_t MaxTransfer = std::size_t{1} << 30;
constexpr std::int64_t MaxOffset = std::numeric_limits<std::int64_t>::max();
constexpr DWORD LowWordBits = 32;

HANDLE Native(void* handle) {
    return static_cast<HANDLE>(handle);
}

EInOutError LastError() {
    return InOutErrorFromWindowsCode(::GetLastError());
}

// The position of a transfer, carried in an OVERLAPPED on a synchronous handle: each
// call says where it reads or writes, so no shared file pointer is involved.
OVERLAPPED At(std::int64_t offset) {
    OVERLAPPED where{};
    const auto position = static_cast<std::uint64_t>(offset);
    where.Offset = static_cast<DWORD>(position);
    where.OffsetHigh = static_cast<DWORD>(position >> LowWordBits);
    return where;
}

} // namespace

TFileHandle::~TFileHandle() {
    if (native_ != nullptr) {
        ::CloseHandle(Native(native_));
    }
}

bool TFileHandle::IsOpen() const {
    return native_ != nullptr;
}

// The path is taken in the ANSI code page, as every path the programs have on Windows
// comes: from GetOpenFileNameA in the editor and from main()'s arguments in klarvon-cli.
void TFileHandle::Open(const std::string& path) {
    const HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        throw LastError();
    }
    // A pipe or a device ("COM1", "CON") has no fixed bytes to edit in place. (Folders do
    // not open at all without FILE_FLAG_BACKUP_SEMANTICS: "File access denied".)
    if (::GetFileType(handle) != FILE_TYPE_DISK) {
        ::CloseHandle(handle);
        throw InOutErrorFromWindowsCode(ERROR_ACCESS_DENIED);
    }
    native_ = handle;
    path_ = path;
}

std::int64_t TFileHandle::Size() const {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(Native(native_), &size)) {
        throw LastError();
    }
    return size.QuadPart;
}

std::size_t TFileHandle::ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const {
    if (offset < 0) {
        throw NegativeOffsetError(path_);
    }
    std::size_t wanted = buffer.size();
    if (static_cast<std::uint64_t>(wanted) > static_cast<std::uint64_t>(MaxOffset - offset)) {
        wanted = static_cast<std::size_t>(MaxOffset - offset);
    }
    std::size_t done = 0;
    while (done < wanted) {
        const auto piece = static_cast<DWORD>(std::min(wanted - done, MaxTransfer));
        OVERLAPPED where = At(offset + static_cast<std::int64_t>(done));
        DWORD got = 0;
        if (!::ReadFile(Native(native_), buffer.data() + done, piece, &got, &where)) {
            // A read that starts at or past the end says so instead of returning nothing.
            if (::GetLastError() == ERROR_HANDLE_EOF) {
                break;
            }
            throw LastError();
        }
        if (got == 0) {
            break; // end of file
        }
        done += got;
    }
    return done;
}

void TFileHandle::WriteAt(std::int64_t offset, std::span<const std::uint8_t> bytes) {
    if (offset < 0) {
        throw NegativeOffsetError(path_);
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto piece = static_cast<DWORD>(std::min(bytes.size() - done, MaxTransfer));
        OVERLAPPED where = At(offset + static_cast<std::int64_t>(done));
        DWORD put = 0;
        if (!::WriteFile(Native(native_), bytes.data() + done, piece, &put, &where)) {
            throw LastError();
        }
        if (put == 0) {
            // The system took nothing and named no cause: there is no room.
            throw InOutErrorFromWindowsCode(ERROR_DISK_FULL);
        }
        done += put;
    }
}

void TFileHandle::Close() {
    if (!IsOpen()) {
        return;
    }
    const HANDLE handle = Native(native_);
    native_ = nullptr; // closed whatever CloseHandle says; a second close could hit another
    if (!::CloseHandle(handle)) {
        throw LastError();
    }
}

EInOutError NegativeOffsetError(const std::string& /*path*/) {
    return InOutErrorFromWindowsCode(ERROR_NEGATIVE_SEEK);
}

} // namespace klarvon

#include "table/FileHandle.h"

#include "table/InOutError.h"
#include "table/WideText.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace klarvon {

namespace {

// ReadFile and WriteFile take 32-bit counts; larger transfers go in pieces of this size.
constexpr std::size_t MaxTransfer = std::size_t{1} << 30;
constexpr std::int64_t MaxOffset = std::numeric_limits<std::int64_t>::max();
constexpr DWORD LowWordBits = 32;

// Klarvon's write lock is a byte range far past any real file's end: Windows locks are
// mandatory, and a range over the data would make other programs' reads fail.
constexpr DWORD LockRangeOffsetHigh = 0x7FFF'FFFF;
constexpr DWORD LockRangeOffsetLow = 0xFFFF'FFF0;
constexpr DWORD LockRangeLength = 1;

HANDLE Native(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// The system's own message for the code, in the user's language whatever the ANSI code
// page.
std::string SystemWording(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string wording =
        length > 0 ? FromWide(std::wstring_view(text, length)) : "Error " + std::to_string(code);
    ::LocalFree(text);
    while (!wording.empty() && (wording.back() == '\n' || wording.back() == '\r')) {
        wording.pop_back();
    }
    return wording;
}

ESystemError Failure(DWORD code) {
    return ESystemError(InOutErrorFromWindowsCode(code), SystemWording(code));
}

ESystemError LastError() {
    return Failure(::GetLastError());
}

constexpr DWORD ShareWithOthers = FILE_SHARE_READ | FILE_SHARE_WRITE;
constexpr DWORD ShareEverything = ShareWithOthers | FILE_SHARE_DELETE;

// The attributes a replacement keeps; read-only never comes up, as a read-only file does
// not open for the change in the first place.
constexpr DWORD KeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// FileRenameInfoEx and its flags (Windows 10, version 1709), which mingw declares only for
// that target.
constexpr auto RenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
constexpr DWORD RenameReplaceIfExists = 0x1;
constexpr DWORD RenamePosixSemantics = 0x2;

// The file's volume and number, which together name it whatever its path.
bool IdentityOf(HANDLE handle, BY_HANDLE_FILE_INFORMATION& info) {
    return ::GetFileInformationByHandle(handle, &info) != 0;
}

// Renames from over to even while to is open, as long as every handle on it shares
// deletion: the old file lives on, nameless, for those handles. False where the system
// or the file system cannot (Wine, Windows before 10, FAT).
bool RenameOverOpen(const std::string& from, const std::string& to) {
    const HANDLE source = ::CreateFileW(WidePath(from).c_str(), DELETE | SYNCHRONIZE,
                                        ShareEverything, nullptr, OPEN_EXISTING, 0, nullptr);
    if (source == INVALID_HANDLE_VALUE) {
        return false;
    }
    const std::wstring target = WidePath(to);
    const std::size_t nameBytes = target.size() * sizeof(wchar_t);
    // FILE_RENAME_INFO ends in the name, so it is built in a buffer of the full length.
    std::vector<std::uint8_t> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->Flags = RenameReplaceIfExists | RenamePosixSemantics;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(buffer.data() + offsetof(FILE_RENAME_INFO, FileName), target.data(), nameBytes);
    const bool renamed = ::SetFileInformationByHandle(source, RenameInfoEx, info,
                                                      static_cast<DWORD>(buffer.size())) != 0;
    ::CloseHandle(source);
    return renamed;
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
    if (IsOpen()) {
        ::CloseHandle(Native(native_));
    }
}

bool TFileHandle::IsOpen() const {
    return Native(native_) != INVALID_HANDLE_VALUE;
}

// The path is UTF-8, as the programs keep every path; the system gets it in UTF-16.
void TFileHandle::Open(const std::string& path, TAccess access) {
    const bool anyKind = access == TAccess::ReadAnyKind;
    const bool writes = access == TAccess::ReadWrite || access == TAccess::ReadWriteReplaceable;
    const DWORD rights = writes ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    // A file only looked into, or one about to be replaced, may also be renamed or deleted
    // meanwhile.
    const DWORD sharing = anyKind || access == TAccess::ReadWriteReplaceable
                              ? ShareWithOthers | FILE_SHARE_DELETE
                              : ShareWithOthers;
    const HANDLE handle = ::CreateFileW(WidePath(path).c_str(), rights, sharing, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        throw LastError();
    }
    // A pipe or a device ("COM1", "CON") has no fixed bytes to edit in place. (Folders do
    // not open at all without FILE_FLAG_BACKUP_SEMANTICS: "File access denied".)
    if (!anyKind && ::GetFileType(handle) != FILE_TYPE_DISK) {
        ::CloseHandle(handle);
        throw Failure(ERROR_ACCESS_DENIED);
    }
    native_ = reinterpret_cast<std::intptr_t>(handle);
    locked_ = false;
    path_ = path;
}

bool TFileHandle::CreateNew(const std::string& path) {
    // No sharing: nobody opens the file before it is complete and closed.
    const HANDLE handle = ::CreateFileW(WidePath(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        if (::GetLastError() == ERROR_FILE_EXISTS) {
            return false;
        }
        throw LastError();
    }
    native_ = reinterpret_cast<std::intptr_t>(handle);
    locked_ = false;
    path_ = path;
    return true;
}

bool TFileHandle::IsRegularFile() const {
    return ::GetFileType(Native(native_)) == FILE_TYPE_DISK;
}

bool TFileHandle::IsFileAt(const std::string& path) const {
    BY_HANDLE_FILE_INFORMATION ours{};
    if (!IdentityOf(Native(native_), ours)) {
        throw LastError();
    }
    // No access rights and full sharing: the look stands in nobody's way.
    const HANDLE there = ::CreateFileW(WidePath(path).c_str(), 0, ShareEverything, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (there == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION found{};
    const bool known = IdentityOf(there, found);
    ::CloseHandle(there);
    return known && found.dwVolumeSerialNumber == ours.dwVolumeSerialNumber &&
           found.nFileIndexHigh == ours.nFileIndexHigh && found.nFileIndexLow == ours.nFileIndexLow;
}

void TFileHandle::TakePermissionsOf(const TFileHandle& model) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!IdentityOf(Native(model.native_), info)) {
        throw LastError();
    }
    const DWORD kept = info.dwFileAttributes & KeptAttributes;
    if (kept == 0) {
        return;
    }
    FILE_BASIC_INFO basic{}; // times of zero stay as they are
    basic.FileAttributes = kept;
    if (!::SetFileInformationByHandle(Native(native_), FileBasicInfo, &basic, sizeof basic)) {
        throw LastError();
    }
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
            throw Failure(ERROR_DISK_FULL);
        }
        done += put;
    }
}

void TFileHandle::Close() {
    if (!IsOpen()) {
        return;
    }
    const HANDLE handle = Native(native_);
    native_ = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
    locked_ = false; // closed whatever CloseHandle says; a second close could hit another
    if (!::CloseHandle(handle)) {
        throw LastError();
    }
}

bool TFileHandle::TryLock() {
    OVERLAPPED where{};
    where.Offset = LockRangeOffsetLow;
    where.OffsetHigh = LockRangeOffsetHigh;
    if (!::LockFileEx(Native(native_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                      LockRangeLength, 0, &where)) {
        if (::GetLastError() == ERROR_LOCK_VIOLATION || ::GetLastError() == ERROR_IO_PENDING) {
            return false;
        }
        throw LastError();
    }
    locked_ = true;
    return true;
}

void TFileHandle::Unlock() noexcept {
    if (locked_) {
        OVERLAPPED where{};
        where.Offset = LockRangeOffsetLow;
        where.OffsetHigh = LockRangeOffsetHigh;
        ::UnlockFileEx(Native(native_), 0, LockRangeLength, 0, &where);
        locked_ = false;
    }
}

// Nothing to ask for (see FileHandle.h). FILE_ALLOCATION_INFO only sets the space kept
// for the end of the file; SetFileValidData needs a privilege and fits only files that
// are not sparse; clearing the sparse flag (FSCTL_SET_SPARSE) would give every hole of
// the file its clusters, possibly gigabytes for one record; and writing the range (even
// its own bytes again) would race with other programs' writes.
void TFileHandle::Reserve(std::int64_t /*offset*/, std::int64_t /*length*/) {}

void TFileHandle::Truncate(std::int64_t size) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size;
    if (!::SetFileInformationByHandle(Native(native_), FileEndOfFileInfo, &end, sizeof end)) {
        throw LastError();
    }
}

void TFileHandle::Flush() {
    if (!::FlushFileBuffers(Native(native_))) {
        throw LastError();
    }
}

std::int64_t TFileHandle::HoleStartBefore(std::int64_t offset) const {
    return offset;
}

EInOutError NegativeOffsetError(const std::string& /*path*/) {
    return InOutErrorFromWindowsCode(ERROR_NEGATIVE_SEEK);
}

void RequireRegularOrNothing(const std::string& path) {
    // A folder or a device name ("NUL", "COM1") is refused.
    const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
        throw Failure(ERROR_ACCESS_DENIED);
    }
}

void MoveOver(const std::string& from, const std::string& to) {
    // Write-through: the move is on the disk when the call returns.
    if (!::MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        throw LastError();
    }
}

void FlushFolderOf(const std::string& path) {
    // NTFS flushes a folder opened for writing; FAT, older systems and Wine may refuse, and
    // then the folder's names reach the disk as the system gets to them (MoveOver does not
    // wait for this: it is written through).
    const std::filesystem::path folder = std::filesystem::path(WidePath(path)).parent_path();
    const HANDLE handle =
        ::CreateFileW(folder.empty() ? L"." : folder.c_str(), GENERIC_READ | GENERIC_WRITE,
                      ShareEverything, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return;
    }
    ::FlushFileBuffers(handle);
    ::CloseHandle(handle);
}

void MoveOverHeld(const std::string& from, TFileHandle& held, const std::string& to) {
    if (RenameOverOpen(from, to)) {
        CloseReplaced(held);
        return;
    }
    // See FileHandle.h: here nobody else may have the old file open either.
    held.Close();
    MoveOver(from, to);
}

} // namespace klarvon

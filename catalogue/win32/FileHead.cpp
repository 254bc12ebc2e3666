#include "catalogue/FileHead.h"

#include "table/Errors.h"
#include "table/win32/WideText.h"

#include <windows.h>

namespace klarvon {

namespace {

EKlarvonError FileError(std::string_view what, const std::filesystem::path& path, DWORD code) {
    // The system's own message for the code, in the user's language whatever the ANSI
    // code page.
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string reason =
        length > 0 ? FromWide(std::wstring_view(text, length)) : "Error " + std::to_string(code);
    ::LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) {
        reason.pop_back();
    }
    return EKlarvonError(FileErrorText(what, path, reason));
}

// Closes the handle on every way out of the read.
class TReadOnlyFile {
public:
    explicit TReadOnlyFile(const std::filesystem::path& path)
        : handle_(::CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~TReadOnlyFile() {
        if (IsOpen()) {
            ::CloseHandle(handle_);
        }
    }
    TReadOnlyFile(const TReadOnlyFile&) = delete;
    TReadOnlyFile& operator=(const TReadOnlyFile&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Handle() const { return handle_; }

private:
    HANDLE handle_;
};

} // namespace

std::string ReadFileHead(const std::filesystem::path& path, std::size_t limit) {
    TReadOnlyFile file(path);
    if (!file.IsOpen()) {
        throw FileError("Cannot open file", path, ::GetLastError());
    }
    // A pipe or a device of that name gives an empty text rather than a wait at start-up.
    if (::GetFileType(file.Handle()) != FILE_TYPE_DISK) {
        return {};
    }
    std::string head(limit, '\0');
    std::size_t filled = 0;
    while (filled < head.size()) {
        DWORD got = 0;
        if (!::ReadFile(file.Handle(), head.data() + filled,
                        static_cast<DWORD>(head.size() - filled), &got, nullptr)) {
            throw FileError("Cannot read file", path, ::GetLastError());
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    head.resize(filled);
    return head;
}

} // namespace klarvon

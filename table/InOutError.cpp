#include "table/InOutError.h"

#include "table/InOutErrorCodes.h"

#include <string>

namespace klarvon {

namespace {

// Windows' two ways of saying there is no room left.
constexpr std::uint32_t WindowsHandleDiskFull = 39; // ERROR_HANDLE_DISK_FULL
constexpr std::uint32_t WindowsDiskFull = 112;      // ERROR_DISK_FULL

// A write past the end is refused before it happens, so no system number exists for it.
// It shares 100 with the read: both say the record does not lie inside the file, and the
// text tells them apart.
constexpr int CodeWriteBeyondEnd = CodeReadBeyondEnd;

} // namespace

EInOutError InOutErrorFromCode(int code) {
    switch (code) {
    case CodeFileNotFound:
        return EInOutError(code, "File not found");
    case CodeInvalidFilename:
        return EInOutError(code, "Invalid filename");
    case CodeTooManyOpenFiles:
        return EInOutError(code, "Too many open files");
    case CodeAccessDenied:
        return EInOutError(code, "File access denied");
    case CodeReadBeyondEnd:
        return EInOutError(code, "Read beyond end of file");
    case CodeDiskFull:
        return EInOutError(code, "Disk full");
    default:
        return NumberedInOutError(code);
    }
}

EInOutError NumberedInOutError(int code) {
    return EInOutError(code, "I/O error " + std::to_string(code));
}

EInOutError InOutErrorFromWindowsCode(std::uint32_t code) {
    if (code == WindowsHandleDiskFull || code == WindowsDiskFull) {
        return InOutErrorFromCode(CodeDiskFull);
    }
    switch (code) {
    case CodeFileNotFound:
    case CodeInvalidFilename:
    case CodeTooManyOpenFiles:
    case CodeAccessDenied:
        return InOutErrorFromCode(static_cast<int>(code));
    default:
        break;
    }
    // The text shows the number as Windows gives it, unsigned, even where Code cannot.
    return EInOutError(static_cast<int>(code), "I/O error " + std::to_string(code));
}

EInOutError ReadBeyondEndOfFile() {
    return InOutErrorFromCode(CodeReadBeyondEnd);
}

EInOutError WriteBeyondEndOfFile() {
    return EInOutError(CodeWriteBeyondEnd, "Write beyond end of file");
}

} // namespace klarvon

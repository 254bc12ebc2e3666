#include "table/InOutError.h"

#include <cerrno>
#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace klarvon {

namespace {

// The classic runtime's numbers, which the user may know from other tools.
constexpr int CodeFileNotFound = 2;
constexpr int CodeInvalidFilename = 3;
constexpr int CodeTooManyOpenFiles = 4;
constexpr int CodeAccessDenied = 5;
constexpr int CodeReadBeyondEnd = 100;
constexpr int CodeDiskFull = 101;
// Windows numbers for causes that Windows reports differently from POSIX: a file held by
// another process (sharing violation) and a malformed name.
constexpr int CodeSharingViolation = 32;
constexpr int CodeBadName = 123;
// A write past the end is refused before it happens, so no system number exists for it.
// It shares 100 with the read: both say the record does not lie inside the file, and the
// text tells them apart.
constexpr int CodeWriteBeyondEnd = 100;

EInOutError Numbered(int code) {
    return EInOutError(code, "I/O error " + std::to_string(code));
}

// ENOENT does not say whether the file or a folder before it is missing; the user needs
// to know which, as the classic "File not found" / "Invalid filename" pair told them.
bool ParentFolderExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (parent.empty()) {
        parent = ".";
    }
    struct stat info {};
    return ::stat(parent.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

EInOutError InOutErrorFromErrno(int errnoValue, const std::string& path) {
    switch (errnoValue) {
    case ENOENT:
        if (ParentFolderExists(path)) {
            return EInOutError(CodeFileNotFound, "File not found");
        }
        return EInOutError(CodeInvalidFilename, "Invalid filename");
    case ENOTDIR:
        return EInOutError(CodeInvalidFilename, "Invalid filename");
    case EMFILE:
    case ENFILE:
        return EInOutError(CodeTooManyOpenFiles, "Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return EInOutError(CodeAccessDenied, "File access denied");
    case ENOSPC:
    case EDQUOT:
        return EInOutError(CodeDiskFull, "Disk full");
    case ETXTBSY:
    case EBUSY:
        return Numbered(CodeSharingViolation);
    case ENAMETOOLONG:
    case EILSEQ:
        return Numbered(CodeBadName);
    default:
        return Numbered(errnoValue);
    }
}

EInOutError ReadBeyondEndOfFile() {
    return EInOutError(CodeReadBeyondEnd, "Read beyond end of file");
}

EInOutError WriteBeyondEndOfFile() {
    return EInOutError(CodeWriteBeyondEnd, "Write beyond end of file");
}

} // namespace klarvon

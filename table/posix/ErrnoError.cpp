// errno values as the user reads them, for the POSIX side of file access.
#include "table/InOutError.h"

#include "table/InOutErrorCodes.h"

#include <cerrno>
#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace klarvon {

namespace {

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
        return InOutErrorFromCode(ParentFolderExists(path) ? CodeFileNotFound
                                                           : CodeInvalidFilename);
    case ENOTDIR:
        return InOutErrorFromCode(CodeInvalidFilename);
    case EMFILE:
    case ENFILE:
        return InOutErrorFromCode(CodeTooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return InOutErrorFromCode(CodeAccessDenied);
    case ENOSPC:
    case EDQUOT:
        return InOutErrorFromCode(CodeDiskFull);
    case ETXTBSY:
    case EBUSY:
        return NumberedInOutError(CodeSharingViolation);
    case ENAMETOOLONG:
    case EILSEQ:
        return NumberedInOutError(CodeBadName);
    default:
        return NumberedInOutError(errnoValue);
    }
}

} // namespace klarvon

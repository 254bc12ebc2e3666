#pragma once
// errno values as the user reads them, for the POSIX side of file access.

#include "table/Errors.h"

#include <string>

namespace klarvon {

// ENOENT -> "File not found" (2), or "Invalid filename" (3) when a folder on the
// path is missing; ENOTDIR -> "Invalid filename"; EMFILE/ENFILE -> "Too many open
// files" (4); EACCES/EPERM/EROFS/EISDIR -> "File access denied" (5); ENOSPC/EDQUOT
// -> "Disk full" (101); ETXTBSY/EBUSY -> "I/O error 32", as Windows names a file
// another program holds; ENAMETOOLONG/EILSEQ -> "I/O error 123", Windows' malformed
// name; anything else "I/O error <errno>".
EInOutError InOutErrorFromErrno(int errnoValue, const std::string& path);

} // namespace klarvon

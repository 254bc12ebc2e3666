#pragma once
// The system's error numbers, turned into the texts the user knows.

#include "table/Errors.h"

#include <string>

namespace klarvon {

// ENOENT -> "File not found" (2), or "Invalid filename" (3) when a folder on the
// path is missing; ENOTDIR -> "Invalid filename"; EMFILE/ENFILE -> "Too many open
// files" (4); EACCES/EPERM/EROFS/EISDIR -> "File access denied" (5); ENOSPC/EDQUOT
// -> "Disk full" (101); ETXTBSY/EBUSY -> "I/O error 32"; ENAMETOOLONG/EILSEQ ->
// "I/O error 123"; anything else "I/O error <errno>".
EInOutError InOutErrorFromErrno(int errnoValue, const std::string& path);

EInOutError ReadBeyondEndOfFile(); // "Read beyond end of file" (100)
EInOutError WriteBeyondEndOfFile(); // "Write beyond end of file": a write would grow the file

} // namespace klarvon

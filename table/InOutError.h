#pragma once
// The system's error numbers, turned into the texts the user knows.

#include "table/Errors.h"

#include <cstdint>
#include <string>

namespace klarvon {

// By the classic runtime's numbers: 2 "File not found", 3 "Invalid filename",
// 4 "Too many open files", 5 "File access denied", 100 "Read beyond end of file",
// 101 "Disk full"; any other n "I/O error n".
EInOutError InOutErrorFromCode(int code);

// "I/O error n", whatever n is: for system numbers that only share a value with the
// classic ones.
EInOutError NumberedInOutError(int code);

// A Windows error code (GetLastError) as the user reads it: 2 to 5 with their texts
// (Windows shares them with the classic runtime), both of Windows' "disk full" codes
// (ERROR_HANDLE_DISK_FULL 39, ERROR_DISK_FULL 112) as 101 "Disk full", and any other n
// as "I/O error n" (32 a file held by another program, 123 a malformed name; 100 and
// 101 are semaphore errors on Windows, not the classic end-of-file and full disk).
EInOutError InOutErrorFromWindowsCode(std::uint32_t code);

// POSIX systems only: an errno value as the user reads it. ENOENT -> "File not found" (2),
// or "Invalid filename" (3) when a folder on the path is missing; ENOTDIR -> "Invalid
// filename"; EMFILE/ENFILE -> "Too many open files" (4); EACCES/EPERM/EROFS/EISDIR ->
// "File access denied" (5); ENOSPC/EDQUOT -> "Disk full" (101); ETXTBSY/EBUSY -> "I/O error
// 32", as Windows names a file another program holds; ENAMETOOLONG/EILSEQ -> "I/O error
// 123", Windows' malformed name; anything else "I/O error <errno>".
EInOutError InOutErrorFromErrno(int errnoValue, const std::string& path);

EInOutError ReadBeyondEndOfFile();  // "Read beyond end of file" (100)
EInOutError WriteBeyondEndOfFile(); // "Write beyond end of file": a write would grow the file

} // namespace klarvon

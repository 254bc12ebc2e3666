#pragma once
// The classic runtime's numbers for failed file operations, which the user may know from
// other tools. Shared by the system mappings; EInOutError::Code carries them.

namespace klarvon {

inline constexpr int CodeFileNotFound = 2;
inline constexpr int CodeInvalidFilename = 3;
inline constexpr int CodeTooManyOpenFiles = 4;
inline constexpr int CodeAccessDenied = 5;
inline constexpr int CodeReadBeyondEnd = 100;
inline constexpr int CodeDiskFull = 101;
// Windows' numbers for causes POSIX reports differently: a file held by another program
// (a sharing violation) and a malformed name.
inline constexpr int CodeSharingViolation = 32;
// Windows' number for a region another process has locked.
inline constexpr int CodeLockViolation = 33;
inline constexpr int CodeBadName = 123;

} // namespace klarvon

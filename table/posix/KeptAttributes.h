#pragma once
// What a new file written in place of another keeps of it on POSIX systems.

#include <string>

namespace klarvon {

// Gives fd (a file of ours, just created, at path) the owner, group, extended attributes
// (a POSIX access control list is one) and read, write and execute bits of model (the file
// at modelPath it is to replace). Whatever it cannot give is refused with
// EKeptAttributeError naming modelPath; a file system that keeps no owners or no extended
// attributes has none to keep.
void KeepAttributes(int model, const std::string& modelPath, int fd, const std::string& path);

} // namespace klarvon

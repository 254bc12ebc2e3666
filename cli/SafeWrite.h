#pragma once
// Writing a whole new file so that no reader ever sees half of it, and an existing
// file is replaced only when asked.

#include <cstdint>
#include <span>
#include <string>

namespace klarvon::cli {

// Creates path with the bytes; fails, touching nothing, if anything exists there
// (a dangling link included).
void WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Writes the bytes to a temporary file beside path, then renames it over path, so
// path holds either its old contents or all the new ones. Anything at path that is not a
// regular file (a folder, a device, a FIFO) is refused with "File access denied".
void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace klarvon::cli

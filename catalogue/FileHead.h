#pragma once
// The start of a small text file, read the same way on every system.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace klarvon {

// Up to limit bytes from the start of path, read-only, leaving others free to read and
// write the file meanwhile. Failures throw EKlarvonError
// "Cannot open file "<absolute path>". <system reason>" or
// "Cannot read file "<absolute path>". <system reason>".
std::string ReadFileHead(const std::filesystem::path& path, std::size_t limit);

// The text of those failures; reason is the system's own wording.
std::string FileErrorText(std::string_view what, const std::filesystem::path& path,
                          const std::string& reason);

} // namespace klarvon

#pragma once
// Paths travel through the program as UTF-8 text. The standard library's own path type
// reads a plain std::string in the system's narrow encoding, which on Windows is the ANSI
// code page, not UTF-8; this hands it the text as UTF-8 on every system.

#include <filesystem>
#include <string>
#include <string_view>

namespace klarvon {

inline std::filesystem::path FileSystemPath(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace klarvon

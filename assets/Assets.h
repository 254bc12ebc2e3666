#pragma once
// The pictures compiled into the program, as Qt resources or, on Windows, as RCDATA
// resources of the executable (see assets/CMakeLists.txt), and a way to read one whole.

#include <cstdint>
#include <string>
#include <vector>

namespace klarvon {

// Background of the main window, 896 x 717; the window shows rows 136 and below.
inline constexpr const char* MainBackgroundAsset = ":/assets/main-background.jpg";
// Background of the About window, 1024 x 768, shown scaled down.
inline constexpr const char* AboutBackgroundAsset = ":/assets/about-background.jpg";

// The bytes of a compiled-in file. Throws std::runtime_error naming the path when the
// program carries no such file or it cannot be read.
std::vector<std::uint8_t> ReadAsset(const std::string& path);

} // namespace klarvon

#pragma once
// A static library between a test program and klarvon_assets, as the windows' libraries
// stand between the application and the pictures.

#include <cstdint>

namespace klarvon::test {

// Size of a compiled-in file, or -1 when the program does not carry it.
std::int64_t ResourceSize(const char* path);

} // namespace klarvon::test

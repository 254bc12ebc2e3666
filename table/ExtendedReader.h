#pragma once
// The one step of reading a float text that each system's C library does for us.

#include <string>

namespace klarvon {

// A normalised decimal text ("-1.5E3": digits, '.', an exponent) read into the x87 80-bit
// extended format, correctly rounded, whatever the process locale says.
long double ReadExtended(const std::string& normalised);

} // namespace klarvon

#include "table/ExtendedReader.h"

#include <cstdlib>

namespace klarvon {

// mingw-w64's strtold (its own gdtoa reader, not the system C library's, whose long double
// is only a double) is correctly rounded to the same 80-bit format and takes any number of
// digits. The programs never call setlocale on Windows, so the "C" locale's '.' holds.
long double ReadExtended(const std::string& normalised) {
    return std::strtold(normalised.c_str(), nullptr);
}

} // namespace klarvon

#pragma once
// What a command prints, collected in full before it goes out, and whether the command
// has changed a file by then: a report that cannot be printed after a change must not
// read as a change that failed.

#include <sstream>

namespace klarvon::cli {

class TReport : public std::ostringstream {
public:
    // Set by a command right after it has written a file.
    bool FileChanged = false;
};

// The line after the failure text when the report of a change could not be printed.
inline constexpr char ChangeMadeText[] =
    "The change was made; only its report could not be printed.";

} // namespace klarvon::cli

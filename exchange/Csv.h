#pragma once
// CSV cells the way RFC 4180 quotes them.

#include <string>
#include <string_view>

namespace klarvon::exchange {

// The cell as is, or in double quotes (inner quotes doubled) when it holds a comma,
// a double quote, a line break, or leading or trailing spaces that readers trim.
std::string CsvCell(std::string_view text);

} // namespace klarvon::exchange

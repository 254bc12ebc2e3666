#pragma once
// The text a failure is reported with, shared by the editor's error box and the
// command-line companion so that both say exactly the same thing.

#include <string>
#include <string_view>

namespace klarvon {

// The failure's own text, with a full stop appended when its last byte sorts after
// '.' (as unsigned bytes): "Range check error" -> "Range check error.", while a text
// that already ends in '.', '!', a space or any other byte up to '.' is left as it
// is, and so is an empty text.
std::string ErrorReportText(std::string_view message);

} // namespace klarvon

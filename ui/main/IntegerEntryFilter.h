#pragma once
// The filter on the engine-sound fields (Edit1, Edit2): while their text is not an
// integer, its last character goes.

#include <string>
#include <string_view>

namespace klarvon {

// The text with characters removed from its end until it reads as an integer (the
// integer syntax without a range check) or is empty: "12ab" -> "12", "-" -> "",
// "1a23" -> "1"; "99999" stays and fails only at apply. Filtering the result again
// changes nothing, so a window that sets the text back and is called again for that
// change leaves it alone the second time.
std::string FilterIntegerEntry(std::string_view text);

} // namespace klarvon

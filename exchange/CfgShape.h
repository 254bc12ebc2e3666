#pragma once
// Whether a text whose rows cannot be read is a vehicle audio cfg with faulty rows, or no
// such cfg at all (an INI file, a handling.cfg, a note): the user of the first needs every
// faulty row, the user of the second one sentence saying it is the wrong file.

#include <optional>
#include <string>
#include <string_view>

namespace klarvon::exchange {

// Why the text is no vehicle audio cfg, or nothing when it may be one. A cfg's data line
// has a model name and 14 values; one value more or less is still a cfg's row with a
// fault (an older cfg, a slip of the keyboard), so only a text where not one data line
// (before ";the end") has 14 to 16 words, the first starting as a model name does (a
// letter, a digit or '_'), is refused: "it has [sections] as an INI file
// does (line 1: [General])" when a line is a section's header, else "not one row has the
// 15 columns of a cfg row (a model name and 14 values): line 3 has 36". A text without
// data lines gives nothing: it is told as one that holds no rows.
std::optional<std::string> NotACfgReason(std::string_view text);

} // namespace klarvon::exchange

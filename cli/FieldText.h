#pragma once
// A field's stored value and what the editor shows for it, as the command line
// prints them. The command line always uses '.' as the decimal separator.

#include "table/VehicleAudioRecord.h"

#include <optional>
#include <string>

namespace klarvon::cli {

// Integers in decimal as their type reads them; floats in the editor's 15-digit text,
// which parses back to the same bits. Empty for a float the editor cannot show at
// all (a signalling NaN).
std::optional<std::string> StoredText(const TFieldDescriptor& field, TFieldBits bits);

// The field's bits in hexadecimal, as many digits as it has bytes: "0x3F800000".
std::string BitsHex(const TFieldDescriptor& field, TFieldBits bits);

// The 36 stored bytes in file order, two upper-case hex digits each.
std::string RecordHex(const TVehicleAudioRecord& record);

// What the editor shows: a radio button's caption, "slider N" for the horn, or the
// field's text; a float it cannot show gives the editor's error in parentheses.
std::string ShownText(const TFieldDescriptor& field, TFieldBits bits);

// One changed value for `diff`, `set` and `copy`: "a -> b". When the texts would look
// alike (0 and -0, two NaNs) or cannot be shown, both sides are given as bits.
std::string ChangeText(const TFieldDescriptor& field, TFieldBits before, TFieldBits after);

} // namespace klarvon::cli

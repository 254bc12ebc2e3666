#pragma once
// A field's stored value and what the editor or the game makes of it, as the command
// line prints and reads them. The command line always uses '.' as the decimal
// separator. Everything printed here reads back to the same bits.

#include "table/FieldLayout.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon::exchange {

// Integers in decimal as their type reads them; floats in the editor's 15-digit text
// when that reads back to the same bits, else as their bits ("0x80000000" for -0,
// infinities and NaNs, which the editor's text cannot give back).
std::string StoredText(const TLayoutField& field, TFieldBits bits);

// The field's bits in hexadecimal, as many digits as it has bytes: "0x3F800000".
std::string BitsHex(const TLayoutField& field, TFieldBits bits);

// Bytes in order, two upper-case hex digits each; RecordHex for all 36 of a record.
std::string BytesHex(std::span<const std::uint8_t> bytes);
std::string RecordHex(const TRecordBytes& bytes);

// The record's bytes at the given offsets, in their order.
std::vector<std::uint8_t> BytesAt(const TRecordBytes& record, std::span<const std::size_t> offsets);

// What the value means. In the editor's layout what the editor shows: a radio
// button's caption, "slider N" for the horn, or the field's text, and the editor's
// error in parentheses for a float it cannot show. In the game's layout the game's
// meaning where the layout names one, else the value's text.
std::string ShownText(const TLayout& layout, const TLayoutField& field, TFieldBits bits);

// One changed value for `diff`, `set` and `copy`: "a -> b" in StoredText.
std::string ChangeText(const TLayoutField& field, TFieldBits before, TFieldBits after);

// A value as `set` and `find` take it: the editor's number syntax for the field's
// type, and for a float also its bits as "0x" and exactly 8 hex digits (the form the
// other texts print), which the editor's float syntax never reads.
TFieldBits ParseValueText(const TLayoutField& field, std::string_view text);

} // namespace klarvon::exchange

#pragma once
// The value types a record's fields are stored in, and the one codec of each: its bytes
// (little-endian), its range, its text. The editor, the companion, the cfg and the
// patches all read and write values through these functions.

#include "table/RecordBytes.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace klarvon {

enum class TValueType { Int8, UInt8, Int16, Int32, Float32 };

struct TValueRange {
    std::string_view Name; // "int8", "uint8", "int16", "int32", "float32"
    std::size_t Width;     // bytes
    std::int64_t Min;      // integers only; a float32 has 0..0
    std::int64_t Max;
};

const TValueRange& RangeOf(TValueType type);
inline std::size_t TypeWidth(TValueType type) {
    return RangeOf(type).Width;
}
inline std::string_view TypeName(TValueType type) {
    return RangeOf(type).Name;
}

// The type's bytes at the start of bytes (which must hold at least its width), and
// back. Storing bits wider than the type is "Range check error": cutting them would
// store another value than the one asked for.
TFieldBits LoadBits(TValueType type, std::span<const std::uint8_t> bytes);
void StoreBits(TValueType type, TFieldBits bits, std::span<std::uint8_t> bytes);

// Whether an integer type holds the value (a float32 holds no integer as such). Every
// reader of numbers, the editor's and the cfg's, asks this one test.
bool FitsType(TValueType type, std::int64_t value);

// The integer the bits stand for, sign-extended for the signed types; and the bits of
// an integer, "Range check error" outside the type's range.
std::int64_t IntegerValue(TValueType type, TFieldBits bits);
TFieldBits BitsOfInteger(TValueType type, std::int64_t value);

float FloatValue(TFieldBits bits);
TFieldBits BitsOfFloat(float value);

// The editor's text of a value: decimal integers, floats in the 15-digit general format
// ("INF", "NAN"; a signalling NaN throws EInvalidOp).
std::string FormatValue(TValueType type, TFieldBits bits, char decimalSeparator);

// Text to bits with the editor's number syntax (TextConversions.h): integers checked
// against the type's range ("Range check error"), floats rounded to float32.
TFieldBits ParseValue(TValueType type, std::string_view text, char decimalSeparator);

} // namespace klarvon

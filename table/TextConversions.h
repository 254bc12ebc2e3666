#pragma once
// Numbers as the editor shows and reads them. Every parse either returns a value or
// throws the exception whose text the user sees (see Errors.h).

#include "table/RecordBytes.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace klarvon {

// Integer syntax: leading spaces only; at most one sign; decimal digits, or "$", "x",
// "X", "0x", "0X" and hex digits (up to a 32-bit pattern, so "$FFFFFFFF" is -1);
// nothing after the digits. Decimal must fit int32. Throws EConvertError
// "'<text>' is not a valid integer value".
std::int32_t ParseInteger(std::string_view text);

std::string FormatInteger(std::int64_t value);

// The value of one hexadecimal digit of either case, or -1 for any other character.
int HexDigitValue(char c);

// The decimal separator of texts that do not follow the user's locale: the companion's
// command line and files, and the editor where the locale's own is no single ASCII
// character.
inline constexpr char PlainDecimalSeparator = '.';

// Float syntax with the caller's decimal separator (never the process locale):
// surrounding spaces, one sign, digits with at most one separator, optional
// exponent. Parsed in extended precision, rounded to the nearest float32.
// Throws EConvertError "'<text>' is not a valid floating point value" for bad
// syntax or a value beyond extended range, EOverflow when the float32 would be
// infinite. Tiny values become denormals or zero with their sign.
float ParseFloat32(std::string_view text, char decimalSeparator);

// General format, 15 significant digits of the exactly widened value:
// "0.00499999988824129", "9.99999974737875E-5", "50", "INF", "-INF", "NAN".
// A signalling NaN throws EInvalidOp.
std::string FormatFloat32(TFieldBits bits, char decimalSeparator);

} // namespace klarvon

#include "table/TextConversions.h"

#include "table/Errors.h"
#include "table/ExtendedReader.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>

namespace klarvon {

namespace {

constexpr char Space = ' ';

// --- Integers -------------------------------------------------------------------

constexpr std::uint64_t HexPatternMax = 0xFFFF'FFFF;
constexpr std::uint64_t DecimalPositiveMax = 2'147'483'647;
constexpr std::uint64_t DecimalNegativeMax = 2'147'483'648;
constexpr unsigned DecimalBase = 10;
constexpr unsigned HexBase = 16;
constexpr int NotADigit = -1;

[[noreturn]] void ThrowInvalidInteger(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

[[noreturn]] void ThrowInvalidFloat(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c, unsigned base) {
    return IsDecimalDigit(c) || base == HexBase ? HexDigitValue(c) : NotADigit;
}

// Length of the hexadecimal prefix at the start of `text` ("$", "x", "X", "0x", "0X"),
// or 0 for decimal text.
std::size_t HexPrefixLength(std::string_view text) {
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        return 1;
    }
    if (text.starts_with("0x") || text.starts_with("0X")) {
        return 2;
    }
    return 0;
}

// --- Float text -----------------------------------------------------------------

// Exponent digits are taken only while the exponent so far is below this, so a
// runaway exponent leaves digits unread and the text is rejected.
constexpr int ExponentReadLimit = 500;

// Floats are shown with this many significant digits; the next digit decides the
// rounding, half up.
constexpr std::size_t ShownDigits = 15;

// Plain notation is used while the decimal point position E (value = 0.d1d2... x 10^E)
// lies in this range, i.e. from 0.0001 up to below 10^15.
constexpr int PlainPointMin = -3;
constexpr int PlainPointMax = 15;

// A float32 widened to double has at most 112 significant decimal digits (a
// denormal's 24-bit mantissa times 5^149), so this many digits after the first one
// is the exact expansion and no rounding happens before ours.
constexpr int ExactFractionDigits = 120;
// "d." before those digits, "e-308" at most after them.
constexpr std::size_t ExpansionLength = 2 + ExactFractionDigits + 5;

constexpr TFieldBits FloatSignBit = 0x8000'0000;
constexpr TFieldBits FloatExponentMask = 0x7F80'0000;
constexpr TFieldBits FloatMantissaMask = 0x007F'FFFF;
constexpr TFieldBits FloatQuietBit = 0x0040'0000;

// The text's number, reduced to its parts.
struct TFloatParts {
    bool Negative = false;
    std::string IntegerDigits;
    std::string FractionDigits;
    bool ExponentNegative = false;
    int Exponent = 0;
};

// Reads the float syntax; nullopt when the text does not follow it. The separator is
// a regional one, so never a digit, sign, space or 'E' that would make this ambiguous.
std::optional<TFloatParts> SplitFloatText(std::string_view text, char decimalSeparator) {
    TFloatParts parts;
    std::size_t pos = 0;
    const auto at = [&](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
    const auto takeDigits = [&](std::string& digits) {
        while (IsDecimalDigit(at(pos))) {
            digits += text[pos++];
        }
    };

    while (at(pos) == Space) {
        ++pos;
    }
    if (at(pos) == '+' || at(pos) == '-') {
        parts.Negative = at(pos++) == '-';
    }
    takeDigits(parts.IntegerDigits);
    bool hasSeparator = false;
    if (pos < text.size() && text[pos] == decimalSeparator) {
        hasSeparator = true;
        ++pos;
        takeDigits(parts.FractionDigits);
    }
    if (parts.IntegerDigits.empty() && parts.FractionDigits.empty() && !hasSeparator) {
        return std::nullopt;
    }
    if (at(pos) == 'E' || at(pos) == 'e') {
        ++pos;
        if (at(pos) == '+' || at(pos) == '-') {
            parts.ExponentNegative = at(pos++) == '-';
        }
        while (parts.Exponent < ExponentReadLimit && IsDecimalDigit(at(pos))) {
            parts.Exponent = parts.Exponent * static_cast<int>(DecimalBase) + (text[pos++] - '0');
        }
    }
    while (at(pos) == Space) {
        ++pos;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return parts;
}

static_assert(std::numeric_limits<long double>::digits == 64,
              "numbers are read through the x87 80-bit extended format");

long double ToExtended(const TFloatParts& parts) {
    std::string normalised;
    normalised += parts.Negative ? "-" : "";
    normalised += parts.IntegerDigits.empty() ? "0" : parts.IntegerDigits;
    normalised += '.';
    normalised += parts.FractionDigits.empty() ? "0" : parts.FractionDigits;
    normalised += parts.ExponentNegative ? "e-" : "e";
    normalised += std::to_string(parts.Exponent);
    return ReadExtended(normalised);
}

// The exact decimal expansion of a finite non-zero magnitude cut to ShownDigits
// significant digits (rounded half up, trailing zeros dropped), and the position of
// the decimal point before the first digit.
struct TShownDigits {
    std::string Digits;
    int Point = 0;
};

TShownDigits RoundToShownDigits(double magnitude) {
    // "d.ddd...e±x", printed exactly; to_chars ignores the process locale.
    std::array<char, ExpansionLength> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                            std::chars_format::scientific, ExactFractionDigits);
    if (error != std::errc{}) {
        throw std::logic_error("Float expansion does not fit its buffer");
    }
    const std::string_view expansion(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t exponentAt = expansion.find('e');

    // The first digit, then the fraction digits after the '.'.
    constexpr std::size_t FractionStart = 2;
    std::string digits(1, expansion[0]);
    digits += expansion.substr(FractionStart, ShownDigits - 1);
    const char decidingDigit = expansion[FractionStart + ShownDigits - 1];

    int exponent = 0;
    std::string_view exponentText = expansion.substr(exponentAt + 1);
    if (exponentText.starts_with('+')) {
        exponentText.remove_prefix(1);
    }
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    if (decidingDigit >= '5') {
        std::size_t i = ShownDigits;
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            // 9.99...9 carried into a new leading digit.
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[i - 1];
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    return {digits, exponent + 1};
}

} // namespace

std::int32_t ParseInteger(std::string_view text) {
    std::size_t pos = text.find_first_not_of(Space);
    if (pos == std::string_view::npos) {
        ThrowInvalidInteger(text);
    }
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t prefix = HexPrefixLength(text.substr(pos));
    const unsigned base = prefix > 0 ? HexBase : DecimalBase;
    const std::string_view digits = text.substr(pos + prefix);
    if (digits.empty()) {
        ThrowInvalidInteger(text);
    }

    const std::uint64_t limit = base == HexBase ? HexPatternMax
                                : negative      ? DecimalNegativeMax
                                                : DecimalPositiveMax;
    std::uint64_t magnitude = 0;
    for (const char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit == NotADigit) {
            ThrowInvalidInteger(text);
        }
        magnitude = magnitude * base + static_cast<unsigned>(digit);
        if (magnitude > limit) {
            ThrowInvalidInteger(text);
        }
    }
    // Hex text is a 32-bit pattern; a sign negates that pattern, wrapping like the
    // two's complement it is. The decimal limits above keep this exact for decimals.
    const auto pattern = static_cast<std::uint32_t>(magnitude);
    return std::bit_cast<std::int32_t>(negative ? 0U - pattern : pattern);
}

int HexDigitValue(char c) {
    constexpr int FirstLetterValue = 10;
    if (IsDecimalDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + FirstLetterValue;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + FirstLetterValue;
    }
    return NotADigit;
}

std::string FormatInteger(std::int64_t value) {
    return std::to_string(value);
}

float ParseFloat32(std::string_view text, char decimalSeparator) {
    const std::optional<TFloatParts> parts = SplitFloatText(text, decimalSeparator);
    if (!parts) {
        ThrowInvalidFloat(text);
    }
    const long double extended = ToExtended(*parts);
    if (std::isinf(extended)) {
        ThrowInvalidFloat(text);
    }
    // Round to nearest: whatever reaches 2^128 - 2^103 or beyond becomes infinite.
    const auto single = static_cast<float>(extended);
    if (std::isinf(single)) {
        throw EOverflow();
    }
    return single;
}

std::string FormatFloat32(TFieldBits bits, char decimalSeparator) {
    const bool negative = (bits & FloatSignBit) != 0;
    if ((bits & FloatExponentMask) == FloatExponentMask) {
        if ((bits & FloatMantissaMask) == 0) {
            return negative ? "-INF" : "INF";
        }
        if ((bits & FloatQuietBit) != 0) {
            return "NAN";
        }
        throw EInvalidOp();
    }
    if ((bits & ~FloatSignBit) == 0) {
        return "0";
    }

    const TShownDigits shown = RoundToShownDigits(std::fabs(double{std::bit_cast<float>(bits)}));
    const std::string& digits = shown.Digits;
    const int point = shown.Point;
    std::string text = negative ? "-" : "";
    if (point >= PlainPointMin && point <= PlainPointMax) {
        if (point <= 0) {
            text += '0';
            text += decimalSeparator;
            text.append(static_cast<std::size_t>(-point), '0');
            text += digits;
        } else {
            const auto integerDigits = static_cast<std::size_t>(point);
            text += digits.substr(0, integerDigits);
            if (digits.size() < integerDigits) {
                text.append(integerDigits - digits.size(), '0');
            } else if (digits.size() > integerDigits) {
                text += decimalSeparator;
                text += digits.substr(integerDigits);
            }
        }
    } else {
        text += digits[0];
        if (digits.size() > 1) {
            text += decimalSeparator;
            text += digits.substr(1);
        }
        text += 'E';
        text += std::to_string(point - 1);
    }
    return text;
}

} // namespace klarvon

// The float text parser and the formatter: the syntax against a pattern, the value
// against the C library's extended reader, exact error texts, and every float32 shown and
// read back to the same bits.

#include "fuzz/FuzzSupport.h"
#include "table/Errors.h"
#include "table/TextConversions.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <optional>
#include <regex>

namespace {

using namespace klarvon;
using klarvon::fuzz::Check;

constexpr std::uint32_t SignBit = 0x8000'0000;
constexpr std::uint32_t ExponentMask = 0x7F80'0000;
constexpr std::uint32_t MantissaMask = 0x007F'FFFF;
constexpr std::uint32_t QuietBit = 0x0040'0000;
// Longer texts say nothing new, and the pattern matcher recurses per character.
constexpr std::size_t MaxText = 200;
// Exponent digits are read while the exponent is below this; more make the text invalid.
constexpr std::uint64_t ExponentReadLimit = 500;

enum class TOutcome { Value, Invalid, Overflow };

struct TExpected {
    TOutcome Outcome;
    std::uint32_t Bits = 0;
};

TExpected Reference(std::string_view text, char separator) {
    // Spaces, sign, integer digits, separator and fraction digits, exponent, spaces.
    static const std::regex withPoint("^ *([+-]?)([0-9]*)(\\.([0-9]*))?([eE]([+-]?)([0-9]*))? *$");
    static const std::regex withComma("^ *([+-]?)([0-9]*)(,([0-9]*))?([eE]([+-]?)([0-9]*))? *$");
    const std::regex& syntax = separator == '.' ? withPoint : withComma;
    std::match_results<std::string_view::const_iterator> m;
    if (!std::regex_match(text.begin(), text.end(), m, syntax) ||
        (m[2].length() == 0 && !m[3].matched)) {
        return {TOutcome::Invalid};
    }
    // A runaway exponent leaves digits unread.
    std::string exponent = m[7].str();
    exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size()));
    std::uint64_t before = 0;
    for (std::size_t i = 0; i + 1 < exponent.size() && before < ExponentReadLimit; ++i) {
        before = before * 10 + static_cast<std::uint64_t>(exponent[i] - '0');
    }
    if (before >= ExponentReadLimit) {
        return {TOutcome::Invalid};
    }
    const bool negative = m[1].str() == "-";
    std::string plain = m[1].str() + (m[2].length() ? m[2].str() : "0") + "." +
                        (m[4].length() ? m[4].str() : "0") + "e" + m[6].str() +
                        (exponent.empty() ? "0" : exponent);
    const long double extended = std::strtold(plain.c_str(), nullptr);
    if (std::isinf(extended)) {
        return {TOutcome::Invalid};
    }
    const auto single = static_cast<float>(extended);
    if (std::isinf(single)) {
        return {TOutcome::Overflow};
    }
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(single);
    return {TOutcome::Value, negative ? bits | SignBit : bits};
}

void CheckParse(std::string_view text, char separator) {
    const TExpected expected = Reference(text, separator);
    try {
        const auto bits = std::bit_cast<std::uint32_t>(ParseFloat32(text, separator));
        Check(expected.Outcome == TOutcome::Value, "text read that should be refused", text);
        Check(bits == expected.Bits, "value differs from the reference", text);
    } catch (const EOverflow& error) {
        Check(expected.Outcome == TOutcome::Overflow, "overflow on a float in range", text);
        Check(fuzz::Says(error, "Floating point overflow"), "overflow text");
    } catch (const EConvertError& error) {
        Check(expected.Outcome == TOutcome::Invalid, "valid float text refused", text);
        Check(fuzz::Says(error, "'" + std::string(text) + "' is not a valid floating point value"),
              "conversion error text", error.what());
    }
}

// The editor's text for any bits, and that text read back.
void CheckFormat(std::uint32_t bits, char separator) {
    const bool special = (bits & ExponentMask) == ExponentMask;
    const bool signalling = special && (bits & MantissaMask) != 0 && (bits & QuietBit) == 0;
    std::string text;
    try {
        text = FormatFloat32(bits, separator);
    } catch (const EInvalidOp& error) {
        Check(signalling, "only a signalling NaN cannot be shown");
        Check(fuzz::Says(error, "Invalid floating point operation"), "invalid operation text");
        return;
    }
    Check(!signalling, "a signalling NaN was shown", text);
    if (special) {
        const char* name = (bits & MantissaMask) != 0 ? "NAN"
                           : (bits & SignBit) != 0    ? "-INF"
                                                      : "INF";
        Check(text == name, "special value text", text);
        return;
    }
    Check(text.find_first_not_of(std::string("-0123456789E") + separator) == std::string::npos,
          "unexpected characters", text);
    const auto back = std::bit_cast<std::uint32_t>(ParseFloat32(text, separator));
    // Zero is shown without its sign, as the editor always has.
    const std::uint32_t shown = (bits & ~SignBit) == 0 ? 0 : bits;
    Check(back == shown, "shown text does not read back to the same bits", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > MaxText) {
        return 0;
    }
    const char separator = (data[0] & 1) != 0 ? ',' : '.';
    const std::string_view text = fuzz::AsText({data + 1, size - 1});
    CheckParse(text, separator);
    try {
        const auto bits = std::bit_cast<std::uint32_t>(ParseFloat32(text, separator));
        CheckFormat(bits, separator);
    } catch (const EKlarvonError&) {
        // Refused above with the right text.
    }
    std::uint32_t bits = 0;
    std::memcpy(&bits, data + 1, std::min(size - 1, sizeof bits));
    CheckFormat(bits, separator);
    return 0;
}

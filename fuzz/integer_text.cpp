// The integer text parser against a reference written another way, with its exact error
// texts, the typed parsers' range checks, and the formatter read back.

#include "fuzz/FuzzSupport.h"
#include "table/Errors.h"
#include "table/TextConversions.h"
#include "table/ValueType.h"

#include <bit>
#include <charconv>
#include <cstring>
#include <optional>

namespace {

using namespace klarvon;
using klarvon::fuzz::Check;

// Leading spaces, a sign, a hex prefix or none, digits to the end; hex is a 32-bit
// pattern (negated by a '-'), decimal must fit int32.
std::optional<std::int32_t> ReferenceInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string_view digits = text.substr(i);
    int base = 10;
    for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (digits.starts_with(prefix)) {
            base = 16;
            digits.remove_prefix(prefix.size());
            break;
        }
    }
    std::uint64_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (digits.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    if (base == 16) {
        if (value > 0xFFFF'FFFFu) {
            return std::nullopt;
        }
        const auto pattern = static_cast<std::uint32_t>(value);
        return std::bit_cast<std::int32_t>(negative ? 0u - pattern : pattern);
    }
    const std::uint64_t limit = negative ? 2'147'483'648u : 2'147'483'647u;
    if (value > limit) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(value)
                                              : static_cast<std::int64_t>(value));
}

// A parser's answer: the value, or the exact text of what it threw.
template <typename TParse>
void CheckTyped(TParse parse, std::string_view text, std::optional<std::int32_t> expected,
                std::int64_t min, std::int64_t max) {
    const std::string invalid = "'" + std::string(text) + "' is not a valid integer value";
    try {
        const std::int64_t value = parse(text);
        Check(expected.has_value() && *expected == value, "a parser differs from the reference",
              text);
    } catch (const ERangeError& error) {
        Check(expected.has_value() && (*expected < min || *expected > max),
              "range error on a value in range", text);
        Check(fuzz::Says(error, "Range check error"), "range error text", text);
    } catch (const EConvertError& error) {
        Check(!expected.has_value(), "a valid integer refused", text);
        Check(fuzz::Says(error, invalid), "conversion error text", error.what());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText({data, size});
    const std::optional<std::int32_t> expected = ReferenceInteger(text);
    CheckTyped([](std::string_view t) { return ParseInteger(t); }, text, expected, INT32_MIN,
               INT32_MAX);
    for (const TValueType type : {TValueType::Int8, TValueType::UInt8, TValueType::Int16}) {
        CheckTyped(
            [type](std::string_view t) {
                return IntegerValue(type, ParseValue(type, t, PlainDecimalSeparator));
            },
            text, expected, RangeOf(type).Min, RangeOf(type).Max);
    }

    // Any 32-bit value, shown in decimal or typed as a hex pattern, reads back.
    std::uint32_t pattern = 0;
    std::memcpy(&pattern, data, std::min(size, sizeof pattern));
    const auto value = std::bit_cast<std::int32_t>(pattern);
    Check(ParseInteger(FormatInteger(value)) == value, "decimal text does not read back");
    char hex[16];
    std::snprintf(hex, sizeof hex, "$%X", static_cast<unsigned>(pattern));
    Check(ParseInteger(hex) == value, "hex text does not read back", hex);
    return 0;
}

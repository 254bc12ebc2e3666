#include "exchange/WrittenFloat.h"

#include "table/ValueType.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace klarvon::exchange {

namespace {

constexpr std::string_view ExponentMarks = "eE";
constexpr char DecimalPoint = '.';
// A float's integer digits (39 at most), its point, AllDecimals decimals and a sign.
constexpr std::size_t RoundedTextSize = 256;

float FloatOfBits(TFieldBits bits) {
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The exponent after an 'e', as far as it matters: clamped to what keeps the decimals
// within 0..AllDecimals.
long long ExponentOf(std::string_view text) {
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    long long exponent = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), exponent);
    if (error == std::errc::result_out_of_range) {
        return text.starts_with('-') ? -static_cast<long long>(AllDecimals)
                                     : static_cast<long long>(AllDecimals);
    }
    return exponent;
}

} // namespace

std::size_t WrittenDecimals(std::string_view text) {
    const std::size_t exponentMark = text.find_first_of(ExponentMarks);
    const std::string_view number = text.substr(0, exponentMark);
    const std::size_t point = number.find(DecimalPoint);
    long long decimals =
        point == std::string_view::npos ? 0 : static_cast<long long>(number.size() - point - 1);
    if (exponentMark != std::string_view::npos) {
        decimals -= ExponentOf(text.substr(exponentMark + 1));
    }
    return static_cast<std::size_t>(std::clamp(decimals, 0LL, static_cast<long long>(AllDecimals)));
}

bool SameAsWritten(TFieldBits value, TFieldBits written, std::size_t decimals) {
    if (value == written) {
        return true;
    }
    const float exact = FloatOfBits(value);
    if (!std::isfinite(exact)) {
        return false;
    }
    // A double holds every float exactly, so this rounds the float's own value.
    std::array<char, RoundedTextSize> text{};
    const auto printed =
        std::to_chars(text.data(), text.data() + text.size(), static_cast<double>(exact),
                      std::chars_format::fixed, static_cast<int>(std::min(decimals, AllDecimals)));
    if (printed.ec != std::errc{}) {
        return false;
    }
    float read = 0;
    const auto parsed = std::from_chars(text.data(), printed.ptr, read);
    return parsed.ec == std::errc{} && parsed.ptr == printed.ptr && BitsOfFloat(read) == written;
}

TRecordBytes AsWrittenBeside(const TRecordBytes& executable, const TRecordBytes& row,
                             std::span<const std::size_t> decimals) {
    const TLayout layout = GameLayout();
    if (decimals.size() != layout.size()) {
        return row;
    }
    TRecordBytes reconciled = row;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const TLayoutField& field = layout[i];
        if (field.Type != TValueType::Float32) {
            continue;
        }
        const TFieldBits value = ReadField(field, executable);
        if (SameAsWritten(value, ReadField(field, row), decimals[i])) {
            WriteField(field, value, reconciled);
        }
    }
    return reconciled;
}

} // namespace klarvon::exchange

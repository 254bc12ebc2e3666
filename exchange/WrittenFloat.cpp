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
// A float's integer digits (39 at most), its point, AllDecimals decimals, a sign and an
// exponent.
constexpr std::size_t RoundedTextSize = 256;
// Enough digits after the first for any float's exact value in "%e".
constexpr int ExactDigits = 120;

float FloatOfBits(TFieldBits bits) {
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The exponent after an 'e', as far as it matters: clamped to what keeps the decimals
// within their bounds.
long long ExponentOf(std::string_view text) {
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    long long exponent = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), exponent);
    if (error == std::errc::result_out_of_range) {
        return text.starts_with('-') ? -AllDecimals : AllDecimals;
    }
    return exponent;
}

using TText = std::array<char, RoundedTextSize>;

// Whether the text printed into text up to end reads back to written's bits.
bool ReadsBackTo(const TText& text, const std::to_chars_result& printed, TFieldBits written) {
    if (printed.ec != std::errc{}) {
        return false;
    }
    float read = 0;
    const auto parsed = std::from_chars(text.data(), printed.ptr, read);
    return parsed.ec == std::errc{} && parsed.ptr == printed.ptr && BitsOfFloat(read) == written;
}

// value as "%.*e" writes it with its digits down to 10^-decimals (decimals < 0): the
// exponent is the value's own, read from its exact digits.
bool SameRoundedToTens(double value, TFieldBits written, int decimals) {
    TText text{};
    const auto exact = std::to_chars(text.data(), text.data() + text.size(), value,
                                     std::chars_format::scientific, ExactDigits);
    const char* mark = std::find(text.data(), exact.ptr, 'e');
    int exponent = 0;
    std::from_chars(mark + 1 + (mark[1] == '+' ? 1 : 0), exact.ptr, exponent);
    const int digits = exponent + decimals;
    if (digits < 0) {
        return false;
    }
    const auto printed = std::to_chars(text.data(), text.data() + text.size(), value,
                                       std::chars_format::scientific, digits);
    return ReadsBackTo(text, printed, written);
}

} // namespace

int WrittenDecimals(std::string_view text) {
    const std::size_t exponentMark = text.find_first_of(ExponentMarks);
    const std::string_view number = text.substr(0, exponentMark);
    const std::size_t point = number.find(DecimalPoint);
    long long decimals =
        point == std::string_view::npos ? 0 : static_cast<long long>(number.size() - point - 1);
    if (exponentMark != std::string_view::npos) {
        decimals -= ExponentOf(text.substr(exponentMark + 1));
    }
    return static_cast<int>(std::clamp<long long>(decimals, FewestDecimals, AllDecimals));
}

bool SameAsWritten(TFieldBits value, TFieldBits written, int decimals) {
    if (value == written) {
        return true;
    }
    const float exact = FloatOfBits(value);
    if (!std::isfinite(exact)) {
        return false;
    }
    // A double holds every float exactly, so this rounds the float's own value.
    const auto wide = static_cast<double>(exact);
    if (decimals < 0) {
        return SameRoundedToTens(wide, written, decimals);
    }
    TText text{};
    const auto printed = std::to_chars(text.data(), text.data() + text.size(), wide,
                                       std::chars_format::fixed, std::min(decimals, AllDecimals));
    return ReadsBackTo(text, printed, written);
}

TRecordBytes AsWrittenBeside(const TRecordBytes& executable, const TRecordBytes& row,
                             std::span<const int> decimals) {
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

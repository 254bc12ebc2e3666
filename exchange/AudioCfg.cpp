#include "exchange/AudioCfg.h"

#include "exchange/CfgDocument.h"
#include "exchange/TextLines.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace klarvon::exchange {

namespace {

// The loader reads this uint8 of the game's as a signed byte: -1 in a cfg is 255 in the
// game, and modders write it so.
constexpr std::string_view SignedByteField = "EngineUpgrade";
constexpr std::int64_t SignedByteMin = -128;
constexpr std::int64_t ByteValues = 256;
// Fixed notation while it stays this short, else the shortest text, which may use an
// exponent (1e-45 rather than forty-odd zeros); both read back to the same float.
constexpr std::size_t LongestFixedFloat = 16;
constexpr std::size_t TextBuffer = 64;

// The loader's scanf takes a leading '+'; from_chars does not.
std::string_view WithoutPlus(std::string_view text) {
    return text.starts_with('+') && text.size() > 1 && text[1] != '-' ? text.substr(1) : text;
}

[[noreturn]] void Reject(const TLayoutField& field, std::string_view text, const char* what) {
    throw ETextError("'" + std::string(text) + "' is not " + what + " (" + std::string(field.Name) +
                     ", " + std::string(TypeName(field.Type)) + ")");
}

TFieldBits ParseCfgInteger(const TLayoutField& field, std::string_view text) {
    const std::string_view digits = WithoutPlus(text);
    const char* end = digits.data() + digits.size();
    std::int64_t value = 0;
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (stop != end || digits.empty()) {
        Reject(field, text, "an integer");
    }
    const TValueRange& range = RangeOf(field.Type);
    const bool signedByte = field.Name == SignedByteField && field.Type == TValueType::UInt8;
    const std::int64_t min = signedByte ? SignedByteMin : range.Min;
    // The loader keeps a signed byte's pattern: -1 is stored as 255.
    const std::int64_t stored =
        signedByte && value < 0 && value >= min ? value + ByteValues : value;
    if (error != std::errc{} || !FitsType(field.Type, stored)) {
        throw ETextError(std::string(text) + " is out of range for " + std::string(field.Name) +
                         " (" + std::string(TypeName(field.Type)) +
                         (signedByte ? ", or a signed byte as the loader reads it" : "") + ": " +
                         std::to_string(min) + ".." + std::to_string(range.Max) + ")");
    }
    return BitsOfInteger(field.Type, stored);
}

TFieldBits ParseCfgFloat(const TLayoutField& field, std::string_view text) {
    const std::string_view digits = WithoutPlus(text);
    const char* end = digits.data() + digits.size();
    float value = 0;
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (stop != end || digits.empty() || (error == std::errc{} && !std::isfinite(value))) {
        // A decimal comma, as many a locale writes it, is said plainly where a point reads.
        std::string pointed(text);
        std::replace(pointed.begin(), pointed.end(), ',', '.');
        float read = 0;
        const std::string_view again = WithoutPlus(pointed);
        const auto [readStop, readError] =
            std::from_chars(again.data(), again.data() + again.size(), read);
        if (pointed != text && readStop == again.data() + again.size() &&
            readError == std::errc{} && std::isfinite(read)) {
            throw ETextError("'" + std::string(text) + "' is not a finite number (" +
                             std::string(field.Name) + ", " + std::string(TypeName(field.Type)) +
                             "); write " + pointed + " with a point");
        }
        Reject(field, text, "a finite number");
    }
    if (error != std::errc{}) {
        Reject(field, text, "within the range of a float");
    }
    return BitsOfFloat(value);
}

std::string FloatText(float value) {
    std::array<char, TextBuffer> buffer{};
    char* last = buffer.data() + buffer.size();
    const auto fixed = std::to_chars(buffer.data(), last, value, std::chars_format::fixed);
    if (fixed.ec == std::errc{} &&
        static_cast<std::size_t>(fixed.ptr - buffer.data()) <= LongestFixedFloat) {
        return std::string(buffer.data(), fixed.ptr);
    }
    const auto shortest = std::to_chars(buffer.data(), last, value);
    return std::string(buffer.data(), shortest.ptr);
}

} // namespace

TFieldBits ParseCfgValue(const TLayoutField& field, std::string_view text) {
    return field.Type == TValueType::Float32 ? ParseCfgFloat(field, text)
                                             : ParseCfgInteger(field, text);
}

std::string CfgValueText(const TLayoutField& field, TFieldBits bits) {
    if (field.Type != TValueType::Float32) {
        return std::to_string(IntegerValue(field.Type, bits));
    }
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) {
        throw ETextError(std::string(field.Name) +
                         " holds a value that is not a finite number, which a "
                         "cfg row cannot hold");
    }
    return FloatText(value);
}

std::vector<TCfgRow> ParseAudioCfg(std::string_view text) {
    TCfgRowsRead read = ReadCfgRows(text);
    if (!read.Faults.empty()) {
        throw ETextErrors(std::move(read.Faults));
    }
    std::vector<TCfgRow> rows;
    rows.reserve(read.Rows.size());
    for (TCfgDocumentRow& row : read.Rows) {
        rows.push_back(std::move(row.Row));
    }
    return rows;
}

void CheckCfgModelName(std::string_view model) {
    if (model.empty()) {
        throw ETextError("a cfg row needs a model name");
    }
    if (ControlCharacterColumn(model, "") != 0) {
        throw ETextError("a model name with a control character cannot be written in a cfg row");
    }
    if (model.find(' ') != std::string_view::npos) {
        throw ETextError("'" + std::string(model) +
                         "' holds a blank, which would split the model name of a cfg row");
    }
    if (model.front() == CfgCommentMark) {
        throw ETextError("'" + std::string(model) +
                         "' starts with ';', which would make its cfg row a comment");
    }
    if (model.starts_with(CfgByteOrderMark)) {
        throw ETextError("a model name cannot start with a byte-order mark, which would be taken "
                         "for the file's");
    }
}

} // namespace klarvon::exchange

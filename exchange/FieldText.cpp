#include "exchange/FieldText.h"

#include "exchange/Captions.h"
#include "table/Errors.h"
#include "table/TextConversions.h"
#include "table/ValueCodes.h"

#include <algorithm>
#include <array>

namespace klarvon::exchange {

namespace {

constexpr std::array<char, 16> HexDigits{'0', '1', '2', '3', '4', '5', '6', '7',
                                         '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
constexpr unsigned NibbleBits = 4;
constexpr unsigned NibbleMask = 0xF;
constexpr std::string_view BitsPrefix = "0x";
constexpr std::size_t FloatHexDigits = 8;

void AppendHexByte(std::string& text, std::uint8_t byte) {
    text += HexDigits[byte >> NibbleBits];
    text += HexDigits[byte & NibbleMask];
}

} // namespace

std::string StoredText(const TLayoutField& field, TFieldBits bits) {
    if (field.Type != TValueType::Float32) {
        return FormatValue(field.Type, bits, PlainDecimalSeparator);
    }
    try {
        std::string text = FormatFloat32(bits, PlainDecimalSeparator);
        // Checked rather than assumed: the text is printed only if it gives the bits back.
        if (BitsOfFloat(ParseFloat32(text, PlainDecimalSeparator)) == bits) {
            return text;
        }
    } catch (const EKlarvonError&) {
    }
    return BitsHex(field, bits);
}

std::string BitsHex(const TLayoutField& field, TFieldBits bits) {
    std::string text(BitsPrefix);
    for (std::size_t byte = TypeWidth(field.Type); byte-- > 0;) {
        AppendHexByte(text, static_cast<std::uint8_t>(bits >> (byte * 8)));
    }
    return text;
}

std::string BytesHex(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        AppendHexByte(text, byte);
    }
    return text;
}

std::string RecordHex(const TRecordBytes& bytes) {
    return BytesHex(bytes);
}

std::vector<std::uint8_t> BytesAt(const TRecordBytes& record,
                                  std::span<const std::size_t> offsets) {
    std::vector<std::uint8_t> bytes;
    for (const std::size_t offset : offsets) {
        bytes.push_back(record[offset]);
    }
    return bytes;
}

std::string ShownText(const TLayout& layout, const TLayoutField& field, TFieldBits bits) {
    const std::optional<std::size_t> index = FieldIndex(layout, field);
    if (layout == EditorLayout() && index) {
        const auto editorField = static_cast<TField>(*index);
        if (const TChoiceTable* table = ChoiceTableOf(editorField)) {
            return std::string(ChoiceCaption(*table, DecodeChoice(*table, bits)));
        }
        if (editorField == TField::HornType) {
            return "slider " + std::to_string(DecodeHornPosition(bits));
        }
    } else if (const std::optional<std::string_view> meaning = MeaningOf(field, bits)) {
        return std::string(*meaning);
    }
    try {
        return FormatValue(field.Type, bits, PlainDecimalSeparator);
    } catch (const EKlarvonError& failure) {
        return "(" + std::string(failure.what()) + ")";
    }
}

std::string ChangeText(const TLayoutField& field, TFieldBits before, TFieldBits after) {
    return StoredText(field, before) + " -> " + StoredText(field, after);
}

TFieldBits ParseValueText(const TLayoutField& field, std::string_view text) {
    if (field.Type == TValueType::Float32 && text.starts_with(BitsPrefix) &&
        text.size() == BitsPrefix.size() + FloatHexDigits) {
        const std::string_view digits = text.substr(BitsPrefix.size());
        if (std::all_of(digits.begin(), digits.end(),
                        [](char c) { return HexDigitValue(c) >= 0; })) {
            TFieldBits bits = 0;
            for (const char c : digits) {
                bits = (bits << NibbleBits) | static_cast<TFieldBits>(HexDigitValue(c));
            }
            return bits;
        }
    }
    return ParseValue(field.Type, text, PlainDecimalSeparator);
}

} // namespace klarvon::exchange

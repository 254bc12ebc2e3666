#include "cli/FieldText.h"

#include "cli/Captions.h"
#include "table/Errors.h"
#include "table/TextConversions.h"
#include "table/ValueCodes.h"

#include <array>

namespace klarvon::cli {

namespace {

constexpr std::array<char, 16> HexDigits{'0', '1', '2', '3', '4', '5', '6', '7',
                                         '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
constexpr unsigned NibbleBits = 4;
constexpr unsigned NibbleMask = 0xF;

void AppendHexByte(std::string& text, std::uint8_t byte) {
    text += HexDigits[byte >> NibbleBits];
    text += HexDigits[byte & NibbleMask];
}

} // namespace

std::optional<std::string> StoredText(const TFieldDescriptor& field, TFieldBits bits) {
    if (field.Kind != TFieldKind::Float32) {
        return FormatInteger(IntegerValue(field, bits));
    }
    try {
        return FormatFloat32(bits, PlainDecimalSeparator);
    } catch (const EInvalidOp&) {
        return std::nullopt;
    }
}

std::string BitsHex(const TFieldDescriptor& field, TFieldBits bits) {
    std::string text = "0x";
    for (std::size_t byte = field.Width; byte-- > 0;) {
        AppendHexByte(text, static_cast<std::uint8_t>(bits >> (byte * 8)));
    }
    return text;
}

std::string RecordHex(const TVehicleAudioRecord& record) {
    std::string text;
    for (const std::uint8_t byte : EncodeRecord(record)) {
        AppendHexByte(text, byte);
    }
    return text;
}

std::string ShownText(const TFieldDescriptor& field, TFieldBits bits) {
    if (const TChoiceTable* table = ChoiceTableOf(field.Field)) {
        return std::string(ChoiceCaption(*table, DecodeChoice(*table, bits)));
    }
    if (field.Field == TField::HornType) {
        return "slider " + std::to_string(DecodeHornPosition(bits));
    }
    try {
        return FormatField(field, bits, PlainDecimalSeparator);
    } catch (const EKlarvonError& failure) {
        return "(" + std::string(failure.what()) + ")";
    }
}

std::string ChangeText(const TFieldDescriptor& field, TFieldBits before, TFieldBits after) {
    const std::optional<std::string> beforeText = StoredText(field, before);
    const std::optional<std::string> afterText = StoredText(field, after);
    if (beforeText && afterText && *beforeText != *afterText) {
        return *beforeText + " -> " + *afterText;
    }
    return BitsHex(field, before) + " -> " + BitsHex(field, after);
}

} // namespace klarvon::cli

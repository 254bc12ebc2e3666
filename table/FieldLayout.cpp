#include "table/FieldLayout.h"

#include "table/Errors.h"
#include "table/TextConversions.h"

#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>

namespace klarvon {

namespace {

constexpr unsigned BitsPerByte = 8;

constexpr std::array<TValueMeaning, 11> AudioTypeMeanings{{
    {0, "car"},
    {1, "bike"},
    {2, "bmx"},
    {3, "boat"},
    {4, "heli"},
    {5, "plane"},
    {6, "seaplane"},
    {7, "one gear"},
    {8, "train"},
    {9, "special"},
    {10, "no vehicle"},
}};

constexpr std::array<TValueMeaning, 3> BassMeanings{{{0, "normal"}, {1, "boost"}, {2, "cut"}}};

constexpr std::array<TValueMeaning, 11> HornMeanings{{
    {-1, "none"},
    {0, "bicycle bell"},
    {1, "horn 1"},
    {2, "horn 2"},
    {3, "horn 3"},
    {4, "horn 4"},
    {5, "horn 5"},
    {6, "horn 6"},
    {7, "horn 7"},
    {8, "horn 8"},
    {9, "horn 9"},
}};

constexpr std::array<TValueMeaning, 6> DoorMeanings{{
    {-1, "unset"},
    {0, "light"},
    {1, "old"},
    {2, "new"},
    {3, "truck"},
    {4, "van"},
}};

constexpr std::array<TValueMeaning, 2> StationMeanings{{{-1, "invalid"}, {13, "off"}}};

constexpr std::array<TValueMeaning, 5> RadioTypeMeanings{{
    {-1, "disabled"},
    {0, "civilian"},
    {1, "special"},
    {2, "unknown"},
    {3, "emergency"},
}};

// Offsets 1, 7, 17..19 and 29..31 are padding to the game.
constexpr std::array<TLayoutField, 14> GameFields{{
    {"VehicleAudioType", 0, TValueType::Int8, AudioTypeMeanings},
    {"PlayerBank", 2, TValueType::Int16, {}},
    {"DummyBank", 4, TValueType::Int16, {}},
    {"BassSetting", 6, TValueType::Int8, BassMeanings},
    {"BassFactor", 8, TValueType::Float32, {}},
    {"EnginePitch", 12, TValueType::Float32, {}},
    {"HornType", 16, TValueType::Int8, HornMeanings},
    {"HornPitch", 20, TValueType::Float32, {}},
    {"DoorType", 24, TValueType::Int8, DoorMeanings},
    {"EngineUpgrade", 25, TValueType::UInt8, {}},
    {"RadioStation", 26, TValueType::Int8, StationMeanings},
    {"RadioType", 27, TValueType::Int8, RadioTypeMeanings},
    {"VehicleAudioTypeForName", 28, TValueType::Int8, {}},
    {"EngineVolumeOffset", 32, TValueType::Float32, {}},
}};

constexpr std::array<std::size_t, 2> EngineBankOffsets{2, 4};

constexpr TValueType TypeOfKind(TFieldKind kind) {
    switch (kind) {
    case TFieldKind::Int16:
        return TValueType::Int16;
    case TFieldKind::Int32:
        return TValueType::Int32;
    case TFieldKind::UInt8:
        return TValueType::UInt8;
    case TFieldKind::Float32:
        break;
    }
    return TValueType::Float32;
}

constexpr std::array<TLayoutField, FieldCount> MakeEditorFields() {
    std::array<TLayoutField, FieldCount> fields{};
    for (std::size_t i = 0; i < FieldCount; ++i) {
        const TFieldDescriptor& field = RecordFields[i];
        fields[i] = {field.Name, field.Offset, TypeOfKind(field.Kind), {}};
    }
    return fields;
}

constexpr std::array<TLayoutField, FieldCount> EditorFields = MakeEditorFields();

struct TTypeInfo {
    std::string_view Name;
    std::size_t Width;
    std::int64_t Min;
    std::int64_t Max;
};

constexpr TTypeInfo InfoOf(TValueType type) {
    switch (type) {
    case TValueType::Int8:
        return {"int8", 1, std::numeric_limits<std::int8_t>::min(),
                std::numeric_limits<std::int8_t>::max()};
    case TValueType::UInt8:
        return {"uint8", 1, 0, std::numeric_limits<std::uint8_t>::max()};
    case TValueType::Int16:
        return {"int16", 2, std::numeric_limits<std::int16_t>::min(),
                std::numeric_limits<std::int16_t>::max()};
    case TValueType::Int32:
        return {"int32", 4, std::numeric_limits<std::int32_t>::min(),
                std::numeric_limits<std::int32_t>::max()};
    case TValueType::Float32:
        break;
    }
    return {"float32", 4, 0, 0};
}

constexpr bool IsSigned(TValueType type) {
    return InfoOf(type).Min < 0;
}

void RequireInside(const TLayoutField& field) {
    if (field.Offset + TypeWidth(field.Type) > RecordSize) {
        throw std::out_of_range("Field " + std::string(field.Name) + " lies outside the record");
    }
}

} // namespace

TLayout GameLayout() {
    return GameFields;
}

TLayout EditorLayout() {
    return EditorFields;
}

std::size_t TypeWidth(TValueType type) {
    return InfoOf(type).Width;
}

std::string_view TypeName(TValueType type) {
    return InfoOf(type).Name;
}

bool IsEngineBank(const TLayoutField& field) {
    return field.Type == TValueType::Int16 &&
           std::find(EngineBankOffsets.begin(), EngineBankOffsets.end(), field.Offset) !=
               EngineBankOffsets.end();
}

const TLayoutField* FindLayoutField(TLayout layout, std::string_view name) {
    const auto found =
        std::find_if(layout.begin(), layout.end(),
                     [name](const TLayoutField& field) { return field.Name == name; });
    return found == layout.end() ? nullptr : &*found;
}

std::vector<std::size_t> PadOffsets(TLayout layout) {
    std::array<bool, RecordSize> covered{};
    for (const TLayoutField& field : layout) {
        RequireInside(field);
        std::fill_n(covered.begin() + static_cast<std::ptrdiff_t>(field.Offset),
                    TypeWidth(field.Type), true);
    }
    std::vector<std::size_t> pads;
    for (std::size_t offset = 0; offset < RecordSize; ++offset) {
        if (!covered[offset]) {
            pads.push_back(offset);
        }
    }
    return pads;
}

TFieldBits ReadLayoutField(const TLayoutField& field, const TRecordBytes& bytes) {
    RequireInside(field);
    TFieldBits bits = 0;
    for (std::size_t i = 0; i < TypeWidth(field.Type); ++i) {
        bits |= TFieldBits{bytes[field.Offset + i]} << (i * BitsPerByte);
    }
    return bits;
}

void WriteLayoutField(const TLayoutField& field, TFieldBits bits, TRecordBytes& bytes) {
    RequireInside(field);
    for (std::size_t i = 0; i < TypeWidth(field.Type); ++i) {
        bytes[field.Offset + i] = static_cast<std::uint8_t>(bits >> (i * BitsPerByte));
    }
}

std::int64_t LayoutIntegerValue(const TLayoutField& field, TFieldBits bits) {
    const std::size_t width = TypeWidth(field.Type);
    const std::uint64_t value =
        width >= sizeof(TFieldBits) ? bits : bits & ((TFieldBits{1} << (width * BitsPerByte)) - 1);
    if (!IsSigned(field.Type)) {
        return static_cast<std::int64_t>(value);
    }
    // Sign-extend from the field's top bit: flip it, then subtract its weight.
    const std::int64_t signBit = std::int64_t{1} << (width * BitsPerByte - 1);
    return (static_cast<std::int64_t>(value) ^ signBit) - signBit;
}

std::optional<std::string_view> MeaningOf(const TLayoutField& field, TFieldBits bits) {
    if (field.Type == TValueType::Float32) {
        return std::nullopt;
    }
    const std::int64_t value = LayoutIntegerValue(field, bits);
    const auto found =
        std::find_if(field.Meanings.begin(), field.Meanings.end(),
                     [value](const TValueMeaning& meaning) { return meaning.Value == value; });
    if (found == field.Meanings.end()) {
        return std::nullopt;
    }
    return found->Text;
}

TFieldBits ParseLayoutField(const TLayoutField& field, std::string_view text,
                            char decimalSeparator) {
    if (field.Type == TValueType::Float32) {
        return BitsOfFloat(ParseFloat32(text, decimalSeparator));
    }
    const std::int64_t value = ParseInteger(text);
    const TTypeInfo info = InfoOf(field.Type);
    if (value < info.Min || value > info.Max) {
        throw ERangeError();
    }
    // Two's complement: the low bytes of the value.
    const std::size_t width = info.Width;
    const auto pattern = static_cast<TFieldBits>(static_cast<std::uint64_t>(value));
    return width >= sizeof(TFieldBits) ? pattern
                                       : pattern & ((TFieldBits{1} << (width * BitsPerByte)) - 1);
}

std::string FormatLayoutField(const TLayoutField& field, TFieldBits bits, char decimalSeparator) {
    if (field.Type == TValueType::Float32) {
        return FormatFloat32(bits, decimalSeparator);
    }
    return FormatInteger(LayoutIntegerValue(field, bits));
}

} // namespace klarvon

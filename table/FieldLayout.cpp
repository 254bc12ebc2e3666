#include "table/FieldLayout.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace klarvon {

namespace {

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

// In the order of TField (VehicleAudioRecord.h).
constexpr std::array<TLayoutField, 16> EditorFields{{
    {"VehicleType", 0, TValueType::Int16, {}},
    {"PowerOnSoundId", 2, TValueType::Int16, {}},
    {"PowerOffSoundId", 4, TValueType::Int16, {}},
    {"Unknown1", 6, TValueType::Int16, {}},
    {"Unknown2", 8, TValueType::Float32, {}},
    {"Unknown3", 12, TValueType::Float32, {}},
    {"HornType", 16, TValueType::Int32, {}},
    {"HornTone", 20, TValueType::Float32, {}},
    {"DoorSoundType", 24, TValueType::Int16, {}},
    {"RadioStation", 26, TValueType::UInt8, {}},
    {"RadioType", 27, TValueType::UInt8, {}},
    {"Unknown4", 28, TValueType::UInt8, {}},
    {"Unknown5", 29, TValueType::UInt8, {}},
    {"Unknown6", 30, TValueType::UInt8, {}},
    {"Unknown7", 31, TValueType::Float32, {}},
    {"Unknown8", 35, TValueType::UInt8, {}},
}};

constexpr TLayout Game{"game", "--game", GameFields};
constexpr TLayout Editor{"editor", "", EditorFields};

void RequireInside(const TLayoutField& field) {
    if (field.Offset + TypeWidth(field.Type) > RecordSize) {
        throw std::out_of_range("Field " + std::string(field.Name) + " lies outside the record");
    }
}

std::span<const std::uint8_t> BytesOf(const TLayoutField& field, const TRecordBytes& bytes) {
    RequireInside(field);
    return std::span(bytes).subspan(field.Offset, TypeWidth(field.Type));
}

} // namespace

const TLayout& GameLayout() {
    return Game;
}

const TLayout& EditorLayout() {
    return Editor;
}

const TLayoutField* FindLayoutField(const TLayout& layout, std::string_view name) {
    const auto found =
        std::find_if(layout.begin(), layout.end(),
                     [name](const TLayoutField& field) { return field.Name == name; });
    return found == layout.end() ? nullptr : &*found;
}

std::vector<std::size_t> PadOffsets(const TLayout& layout) {
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

TFieldBits ReadField(const TLayoutField& field, const TRecordBytes& bytes) {
    return LoadBits(field.Type, BytesOf(field, bytes));
}

void WriteField(const TLayoutField& field, TFieldBits bits, TRecordBytes& bytes) {
    RequireInside(field);
    StoreBits(field.Type, bits, std::span(bytes).subspan(field.Offset, TypeWidth(field.Type)));
}

std::optional<std::string_view> MeaningOf(const TLayoutField& field, TFieldBits bits) {
    if (field.Type == TValueType::Float32) {
        return std::nullopt;
    }
    const std::int64_t value = IntegerValue(field.Type, bits);
    const auto found =
        std::find_if(field.Meanings.begin(), field.Meanings.end(),
                     [value](const TValueMeaning& meaning) { return meaning.Value == value; });
    if (found == field.Meanings.end()) {
        return std::nullopt;
    }
    return found->Text;
}

} // namespace klarvon

#pragma once
// A reading of the 36 record bytes as a table of fields. There are two: the editor's
// sixteen fields and the game's own fourteen, which has one-byte fields with padding
// where the editor has wider ones, and its last float at offset 32, not 31. Every loop
// over either reading is driven by its table; bytes that no field of a reading covers
// are padding to it and are never written through it.

#include "table/GameValues.h"
#include "table/RecordBytes.h"
#include "table/ValueType.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace klarvon {

struct TLayoutField {
    std::string_view Name;
    std::size_t Offset;
    TValueType Type;
    std::span<const TValueMeaning> Meanings; // empty where the values speak for themselves

    // The same field of the same reading: name, place and type (the meanings follow).
    friend constexpr bool operator==(const TLayoutField& a, const TLayoutField& b) {
        return a.Name == b.Name && a.Offset == b.Offset && a.Type == b.Type;
    }
};

struct TLayout {
    std::string_view Name; // "editor", "game"
    // What marks the layout in text, before a field name ("--game"); empty for the
    // editor's, which is the one meant when nothing says otherwise.
    std::string_view Mark;
    std::span<const TLayoutField> Fields;

    constexpr auto begin() const { return Fields.begin(); }
    constexpr auto end() const { return Fields.end(); }
    constexpr std::size_t size() const { return Fields.size(); }
    constexpr const TLayoutField& operator[](std::size_t i) const { return Fields[i]; }

    friend constexpr bool operator==(const TLayout& a, const TLayout& b) {
        return a.Name == b.Name;
    }
};

namespace layout_tables {

// A field of the game's, with the meanings the game's value table gives its values.
constexpr TLayoutField GameField(std::string_view name, std::size_t offset, TValueType type) {
    return {name, offset, type, KnownMeanings(name)};
}

// Offsets 1, 7, 17..19 and 29..31 are padding to the game.
inline constexpr std::array<TLayoutField, 14> GameFields{{
    GameField("VehicleAudioType", 0, TValueType::Int8),
    GameField("PlayerBank", 2, TValueType::Int16),
    GameField("DummyBank", 4, TValueType::Int16),
    GameField("BassSetting", 6, TValueType::Int8),
    GameField("BassFactor", 8, TValueType::Float32),
    GameField("EnginePitch", 12, TValueType::Float32),
    GameField("HornType", 16, TValueType::Int8),
    GameField("HornPitch", 20, TValueType::Float32),
    GameField("DoorType", 24, TValueType::Int8),
    GameField("EngineUpgrade", 25, TValueType::UInt8),
    GameField("RadioStation", 26, TValueType::Int8),
    GameField("RadioType", 27, TValueType::Int8),
    GameField("VehicleAudioTypeForName", 28, TValueType::Int8),
    GameField("EngineVolumeOffset", 32, TValueType::Float32),
}};

// In the order of TField (VehicleAudioRecord.h). The editor names no values.
inline constexpr std::array<TLayoutField, 16> EditorFields{{
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

inline constexpr TLayout Game{"game", "--game", GameFields};
inline constexpr TLayout Editor{"editor", "", EditorFields};
inline constexpr std::array<TLayout, 2> All{Editor, Game};

} // namespace layout_tables

// The game's reading, in stored order: VehicleAudioType, PlayerBank, DummyBank,
// BassSetting, BassFactor, EnginePitch, HornType, HornPitch, DoorType, EngineUpgrade,
// RadioStation, RadioType, VehicleAudioTypeForName, EngineVolumeOffset.
constexpr const TLayout& GameLayout() {
    return layout_tables::Game;
}

// The editor's reading, in stored order: VehicleType, PowerOnSoundId, PowerOffSoundId,
// Unknown1..3, HornType, HornTone, DoorSoundType, RadioStation, RadioType, Unknown4..8.
// Packed with no gaps: Unknown7 is a float32 at the odd offset 31.
constexpr const TLayout& EditorLayout() {
    return layout_tables::Editor;
}

// Every reading, the editor's first.
constexpr std::span<const TLayout> Layouts() {
    return layout_tables::All;
}

// The first of the layouts that has a field of that exact name, or nullptr.
const TLayout* LayoutWithField(std::span<const TLayout> layouts, std::string_view name);

// The first of the layouts whose mark ends the text as a word of its own (after a blank,
// or all of it), or nullptr. The editor's, which has no mark, never does.
const TLayout* LayoutMarkedAtEnd(std::span<const TLayout> layouts, std::string_view text);

// Where the field stands in the layout's stored order, or none for a field it lacks.
std::optional<std::size_t> FieldIndex(const TLayout& layout, const TLayoutField& field);

// The field of that exact name, or nullptr.
const TLayoutField* FindLayoutField(const TLayout& layout, std::string_view name);

// Offsets of the bytes no field of the layout covers, ascending.
std::vector<std::size_t> PadOffsets(const TLayout& layout);

// A field's bits in a record, and back; writing touches only the field's own bytes and
// refuses bits wider than the field ("Range check error").
TFieldBits ReadField(const TLayoutField& field, const TRecordBytes& bytes);
void WriteField(const TLayoutField& field, TFieldBits bits, TRecordBytes& bytes);

// The game's meaning of a stored integer, if the layout names one (GameValues.h).
std::optional<std::string_view> MeaningOf(const TLayoutField& field, TFieldBits bits);

} // namespace klarvon

#pragma once
// A reading of the 36 record bytes as a table of fields. There are two: the editor's
// sixteen fields and the game's own fourteen, which has one-byte fields with padding
// where the editor has wider ones, and its last float at offset 32, not 31. Every loop
// over either reading is driven by its table; bytes that no field of a reading covers
// are padding to it and are never written through it.

#include "table/RecordBytes.h"
#include "table/ValueType.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace klarvon {

// What the game makes of one stored value of a field ("car", "off").
struct TValueMeaning {
    std::int64_t Value;
    std::string_view Text;
};

struct TLayoutField {
    std::string_view Name;
    std::size_t Offset;
    TValueType Type;
    std::span<const TValueMeaning> Meanings; // empty where the values speak for themselves
};

struct TLayout {
    std::string_view Name; // "editor", "game"
    // What marks the layout in text, before a field name ("--game"); empty for the
    // editor's, which is the one meant when nothing says otherwise.
    std::string_view Mark;
    std::span<const TLayoutField> Fields;

    auto begin() const { return Fields.begin(); }
    auto end() const { return Fields.end(); }
    std::size_t size() const { return Fields.size(); }
    const TLayoutField& operator[](std::size_t i) const { return Fields[i]; }

    friend bool operator==(const TLayout& a, const TLayout& b) { return a.Name == b.Name; }
};

// The game's reading, in stored order: VehicleAudioType, PlayerBank, DummyBank,
// BassSetting, BassFactor, EnginePitch, HornType, HornPitch, DoorType, EngineUpgrade,
// RadioStation, RadioType, VehicleAudioTypeForName, EngineVolumeOffset.
const TLayout& GameLayout();

// The editor's reading, in stored order: VehicleType, PowerOnSoundId, PowerOffSoundId,
// Unknown1..3, HornType, HornTone, DoorSoundType, RadioStation, RadioType, Unknown4..8.
// Packed with no gaps: Unknown7 is a float32 at the odd offset 31.
const TLayout& EditorLayout();

// The field of that exact name, or nullptr.
const TLayoutField* FindLayoutField(const TLayout& layout, std::string_view name);

// Offsets of the bytes no field of the layout covers, ascending.
std::vector<std::size_t> PadOffsets(const TLayout& layout);

// A field's bits in a record, and back; writing touches only the field's own bytes and
// refuses bits wider than the field ("Range check error").
TFieldBits ReadField(const TLayoutField& field, const TRecordBytes& bytes);
void WriteField(const TLayoutField& field, TFieldBits bits, TRecordBytes& bytes);

// The game's meaning of a stored integer, if the layout names one.
std::optional<std::string_view> MeaningOf(const TLayoutField& field, TFieldBits bits);

} // namespace klarvon

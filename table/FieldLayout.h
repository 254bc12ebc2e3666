#pragma once
// Two readings of the same 36 record bytes, each a table of fields: the editor's
// sixteen (RecordFields) and the game's own fourteen, which has one-byte fields with
// padding where the editor has wider ones, and its last float at offset 32, not 31.
// Every loop over either reading is driven by its table; bytes that no field of a
// reading covers are padding to it and are never written through it.

#include "table/VehicleAudioRecord.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon {

enum class TValueType { Int8, UInt8, Int16, Int32, Float32 };

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

using TLayout = std::span<const TLayoutField>;

// The game's reading, in stored order: VehicleAudioType, PlayerBank, DummyBank,
// BassSetting, BassFactor, EnginePitch, HornType, HornPitch, DoorType, EngineUpgrade,
// RadioStation, RadioType, VehicleAudioTypeForName, EngineVolumeOffset.
TLayout GameLayout();

// The editor's reading, the same fields as RecordFields in the same order.
TLayout EditorLayout();

std::size_t TypeWidth(TValueType type);
std::string_view TypeName(TValueType type); // "int8", "uint8", "int16", "int32", "float32"

// The game has engine sound banks 0..410; a larger bank ID is known to crash it.
inline constexpr std::int64_t LastEngineBank = 410;

// Whether the field holds an engine sound bank: the game's PlayerBank and DummyBank,
// the editor's PowerOnSoundId and PowerOffSoundId (the same bytes).
bool IsEngineBank(const TLayoutField& field);

// The field of that exact name, or nullptr.
const TLayoutField* FindLayoutField(TLayout layout, std::string_view name);

// Offsets of the bytes no field of the layout covers, ascending.
std::vector<std::size_t> PadOffsets(TLayout layout);

// A field's bytes as a little-endian number, zero-extended (floats as their bits),
// and back; writing touches only the field's own bytes.
TFieldBits ReadLayoutField(const TLayoutField& field, const TRecordBytes& bytes);
void WriteLayoutField(const TLayoutField& field, TFieldBits bits, TRecordBytes& bytes);

// The integer a field's bits stand for, sign-extended for the signed types.
std::int64_t LayoutIntegerValue(const TLayoutField& field, TFieldBits bits);

// The game's meaning of a stored integer, if the layout names one.
std::optional<std::string_view> MeaningOf(const TLayoutField& field, TFieldBits bits);

// Text to bits with the editor's number syntax (TextConversions.h): integers checked
// against the field's type ("Range check error"), floats rounded to float32.
TFieldBits ParseLayoutField(const TLayoutField& field, std::string_view text,
                            char decimalSeparator);

// The editor's text of the value: decimal integers, 15-digit floats ("INF", "NAN");
// a signalling NaN throws EInvalidOp.
std::string FormatLayoutField(const TLayoutField& field, TFieldBits bits, char decimalSeparator);

} // namespace klarvon

#pragma once
// The 36-byte audio record the game keeps per vehicle model, and the one table of
// field descriptors that every loop over its fields is driven by.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace klarvon {

inline constexpr std::size_t RecordSize = 36;
inline constexpr std::size_t FieldCount = 16;

using TRecordBytes = std::array<std::uint8_t, RecordSize>;

// A field's stored bytes as a little-endian number, zero-extended to 32 bits.
// Holding floats as bits keeps every pattern (signalling NaNs included) untouched.
using TFieldBits = std::uint32_t;

enum class TFieldKind { Int16, Int32, UInt8, Float32 };

// Fields in stored order; the enumerator is the index into RecordFields.
enum class TField : std::size_t {
    VehicleType,
    PowerOnSoundId,
    PowerOffSoundId,
    Unknown1,
    Unknown2,
    Unknown3,
    HornType,
    HornTone,
    DoorSoundType,
    RadioStation,
    RadioType,
    Unknown4,
    Unknown5,
    Unknown6,
    Unknown7,
    Unknown8,
};

struct TFieldDescriptor {
    TField Field;
    std::string_view Name;
    std::size_t Offset;
    std::size_t Width;
    TFieldKind Kind;
};

// Packed, no alignment gaps: Unknown7 is a float32 at the odd offset 31.
inline constexpr std::array<TFieldDescriptor, FieldCount> RecordFields{{
    {TField::VehicleType, "VehicleType", 0, 2, TFieldKind::Int16},
    {TField::PowerOnSoundId, "PowerOnSoundId", 2, 2, TFieldKind::Int16},
    {TField::PowerOffSoundId, "PowerOffSoundId", 4, 2, TFieldKind::Int16},
    {TField::Unknown1, "Unknown1", 6, 2, TFieldKind::Int16},
    {TField::Unknown2, "Unknown2", 8, 4, TFieldKind::Float32},
    {TField::Unknown3, "Unknown3", 12, 4, TFieldKind::Float32},
    {TField::HornType, "HornType", 16, 4, TFieldKind::Int32},
    {TField::HornTone, "HornTone", 20, 4, TFieldKind::Float32},
    {TField::DoorSoundType, "DoorSoundType", 24, 2, TFieldKind::Int16},
    {TField::RadioStation, "RadioStation", 26, 1, TFieldKind::UInt8},
    {TField::RadioType, "RadioType", 27, 1, TFieldKind::UInt8},
    {TField::Unknown4, "Unknown4", 28, 1, TFieldKind::UInt8},
    {TField::Unknown5, "Unknown5", 29, 1, TFieldKind::UInt8},
    {TField::Unknown6, "Unknown6", 30, 1, TFieldKind::UInt8},
    {TField::Unknown7, "Unknown7", 31, 4, TFieldKind::Float32},
    {TField::Unknown8, "Unknown8", 35, 1, TFieldKind::UInt8},
}};

constexpr const TFieldDescriptor& Descriptor(TField field) {
    return RecordFields[static_cast<std::size_t>(field)];
}

// One vehicle's record: each field's stored bits, indexed by TField.
// Plain value type; equality is bytewise.
struct TVehicleAudioRecord {
    std::array<TFieldBits, FieldCount> Bits{};

    TFieldBits& operator[](TField field) { return Bits[static_cast<std::size_t>(field)]; }
    TFieldBits operator[](TField field) const { return Bits[static_cast<std::size_t>(field)]; }
    friend bool operator==(const TVehicleAudioRecord&, const TVehicleAudioRecord&) = default;
};

// Field bits <-> the bytes of one field (width bytes, little-endian).
TFieldBits DecodeField(const TFieldDescriptor& field, std::span<const std::uint8_t> bytes);
void EncodeField(const TFieldDescriptor& field, TFieldBits bits, std::span<std::uint8_t> bytes);

TVehicleAudioRecord DecodeRecord(const TRecordBytes& bytes);
TRecordBytes EncodeRecord(const TVehicleAudioRecord& record);

// Typed views of a field's bits. IntegerValue sign-extends Int16 and Int32;
// BitsOfInteger keeps the low Width bytes (range checks happen before it).
std::int64_t IntegerValue(const TFieldDescriptor& field, TFieldBits bits);
TFieldBits BitsOfInteger(const TFieldDescriptor& field, std::int64_t value);
float FloatValue(TFieldBits bits);
TFieldBits BitsOfFloat(float value);

} // namespace klarvon

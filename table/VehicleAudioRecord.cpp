#include "table/VehicleAudioRecord.h"

#include <bit>
#include <stdexcept>
#include <string>

namespace klarvon {

namespace {

constexpr unsigned BitsPerByte = 8;
constexpr TFieldBits ByteMask = 0xFF;

// Every descriptor is at most four bytes wide; a wider one would silently lose bytes.
static_assert(sizeof(TFieldBits) == 4);

void RequireBytes(const TFieldDescriptor& field, std::size_t available) {
    if (available < field.Width || field.Width > sizeof(TFieldBits)) {
        throw std::out_of_range("Field " + std::string(field.Name) + " needs " +
                                std::to_string(field.Width) + " bytes, got " +
                                std::to_string(available));
    }
}

// All ones in the low Width bytes.
TFieldBits WidthMask(const TFieldDescriptor& field) {
    if (field.Width >= sizeof(TFieldBits)) {
        return ~TFieldBits{0};
    }
    return (TFieldBits{1} << (field.Width * BitsPerByte)) - 1;
}

} // namespace

TFieldBits DecodeField(const TFieldDescriptor& field, std::span<const std::uint8_t> bytes) {
    RequireBytes(field, bytes.size());
    TFieldBits bits = 0;
    for (std::size_t i = 0; i < field.Width; ++i) {
        bits |= TFieldBits{bytes[i]} << (i * BitsPerByte);
    }
    return bits;
}

void EncodeField(const TFieldDescriptor& field, TFieldBits bits, std::span<std::uint8_t> bytes) {
    RequireBytes(field, bytes.size());
    for (std::size_t i = 0; i < field.Width; ++i) {
        bytes[i] = static_cast<std::uint8_t>((bits >> (i * BitsPerByte)) & ByteMask);
    }
}

TVehicleAudioRecord DecodeRecord(const TRecordBytes& bytes) {
    TVehicleAudioRecord record;
    const std::span<const std::uint8_t> all(bytes);
    for (const TFieldDescriptor& field : RecordFields) {
        record[field.Field] = DecodeField(field, all.subspan(field.Offset, field.Width));
    }
    return record;
}

TRecordBytes EncodeRecord(const TVehicleAudioRecord& record) {
    TRecordBytes bytes{};
    const std::span<std::uint8_t> all(bytes);
    for (const TFieldDescriptor& field : RecordFields) {
        EncodeField(field, record[field.Field], all.subspan(field.Offset, field.Width));
    }
    return bytes;
}

std::int64_t IntegerValue(const TFieldDescriptor& field, TFieldBits bits) {
    const TFieldBits value = bits & WidthMask(field);
    switch (field.Kind) {
    case TFieldKind::Int16:
    case TFieldKind::Int32: {
        // Sign-extend from the field's top bit: flip it, then subtract its weight.
        const std::int64_t signBit = std::int64_t{1} << (field.Width * BitsPerByte - 1);
        return (std::int64_t{value} ^ signBit) - signBit;
    }
    case TFieldKind::UInt8:
    case TFieldKind::Float32:
        break;
    }
    // Unsigned bytes, and a float's raw pattern should anyone ask for it as a number.
    return std::int64_t{value};
}

TFieldBits BitsOfInteger(const TFieldDescriptor& field, std::int64_t value) {
    // Two's complement truncation: the low Width bytes of the value.
    return static_cast<TFieldBits>(static_cast<std::uint64_t>(value)) & WidthMask(field);
}

float FloatValue(TFieldBits bits) {
    return std::bit_cast<float>(bits);
}

TFieldBits BitsOfFloat(float value) {
    return std::bit_cast<TFieldBits>(value);
}

} // namespace klarvon

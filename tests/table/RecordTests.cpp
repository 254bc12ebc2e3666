#include "table/VehicleAudioRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <stdexcept>

namespace klarvon {
namespace {

// Byte i holds i + 1, except Unknown7 (offsets 31..34), which holds the signalling
// NaN 0x7FA00001: a float that must pass through untouched although it sits unaligned.
TRecordBytes SampleBytes() {
    TRecordBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i + 1);
    }
    bytes[31] = 0x01;
    bytes[32] = 0x00;
    bytes[33] = 0xA0;
    bytes[34] = 0x7F;
    return bytes;
}

// Written out by hand from the layout, so a wrong offset, width or byte order shows.
constexpr std::array<TFieldBits, FieldCount> SampleBits{
    0x0201, 0x0403, 0x0605, 0x0807, 0x0C0B0A09, 0x100F0E0D, 0x14131211, 0x18171615,
    0x1A19, 0x1B,   0x1C,   0x1D,   0x1E,       0x1F,       0x7FA00001, 0x24,
};

TEST(RecordLayout, DecodesEveryFieldAtItsOffsetAndEncodesBackByteExact) {
    const TRecordBytes bytes = SampleBytes();
    TVehicleAudioRecord record{bytes};
    for (std::size_t i = 0; i < FieldCount; ++i) {
        EXPECT_EQ(record[static_cast<TField>(i)], SampleBits[i]) << EditorLayout()[i].Name;
    }
    TVehicleAudioRecord rebuilt;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        rebuilt[static_cast<TField>(i)] = SampleBits[i];
    }
    EXPECT_EQ(rebuilt.Bytes, bytes);
    EXPECT_EQ(BitsOfFloat(FloatValue(record[TField::Unknown7])), 0x7FA00001U);
}

TEST(RecordLayout, ShortFieldBufferIsRefused) {
    std::array<std::uint8_t, 3> bytes{};
    const TValueType hornType = EditorField(TField::HornType).Type;
    EXPECT_THROW(LoadBits(hornType, bytes), std::out_of_range);
    EXPECT_THROW(StoreBits(hornType, 0, bytes), std::out_of_range);
}

struct TIntegerCase {
    TField Field;
    TFieldBits Bits;
    std::int64_t Value;
};

TEST(RecordLayout, IntegerViewsFollowTheFieldType) {
    const TIntegerCase cases[] = {
        {TField::PowerOnSoundId, 0xFFFF, -1},
        {TField::PowerOnSoundId, 0x8000, -32768},
        {TField::PowerOnSoundId, 0x7FFF, 32767},
        {TField::HornType, 0xFFFFFFFF, -1},
        {TField::HornType, 0x80000000, -2147483648LL},
        {TField::HornType, 0x7FFFFFFF, 2147483647},
        {TField::RadioStation, 0xFF, 255},
        {TField::Unknown8, 0x80, 128},
    };
    for (const TIntegerCase& c : cases) {
        const TLayoutField& field = EditorField(c.Field);
        EXPECT_EQ(IntegerValue(field.Type, c.Bits), c.Value) << field.Name << " " << c.Bits;
        EXPECT_EQ(BitsOfInteger(field.Type, c.Value), c.Bits) << field.Name << " " << c.Value;
    }
}

} // namespace
} // namespace klarvon

#pragma once
// The executables both window suites (Qt and Windows) open, laid out here by hand rather
// than by the code under test, and the one edit both make on them from open to
// confirmation, with the bytes it must leave.

#include "tests/support/ExeBuilder.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace klarvon::test {

inline constexpr std::size_t SignatureAt = 1000;
inline constexpr std::size_t TableAt = SignatureAt + 36;
inline constexpr std::size_t RecordSize = 36;
inline constexpr int Slots = 231;
inline constexpr std::size_t TrailingBytes = 500;

inline std::uint32_t FloatBits(float value) {
    return std::bit_cast<std::uint32_t>(value);
}

// One record's values in stored order, floats as their bits.
struct TRecordValues {
    std::int16_t VehicleType = 0;
    std::int16_t PowerOn = 0;
    std::int16_t PowerOff = 0;
    std::int16_t Unknown1 = -1;
    std::uint32_t Unknown2 = FloatBits(1.5F);
    std::uint32_t Unknown3 = FloatBits(0.25F);
    std::int32_t HornType = 0;
    std::uint32_t HornTone = FloatBits(1.0F);
    std::int16_t DoorSoundType = 0;
    std::uint8_t RadioStation = 1;
    std::uint8_t RadioType = 0;
    std::uint8_t Unknown4 = 4;
    std::uint8_t Unknown5 = 5;
    std::uint8_t Unknown6 = 6;
    std::uint32_t Unknown7 = FloatBits(0.75F);
    std::uint8_t Unknown8 = 8;
};

// The 36 bytes.
inline TBytes RecordBytes(const TRecordValues& v) {
    TBytes bytes;
    auto add = [&bytes](std::uint32_t value, std::size_t width) {
        const TBytes part = LittleEndian(value, width);
        bytes.insert(bytes.end(), part.begin(), part.end());
    };
    add(static_cast<std::uint16_t>(v.VehicleType), 2);
    add(static_cast<std::uint16_t>(v.PowerOn), 2);
    add(static_cast<std::uint16_t>(v.PowerOff), 2);
    add(static_cast<std::uint16_t>(v.Unknown1), 2);
    add(v.Unknown2, 4);
    add(v.Unknown3, 4);
    add(static_cast<std::uint32_t>(v.HornType), 4);
    add(v.HornTone, 4);
    add(static_cast<std::uint16_t>(v.DoorSoundType), 2);
    add(v.RadioStation, 1);
    add(v.RadioType, 1);
    add(v.Unknown4, 1);
    add(v.Unknown5, 1);
    add(v.Unknown6, 1);
    add(v.Unknown7, 4);
    add(v.Unknown8, 1);
    return bytes;
}

// Plain values that vary from slot to slot, so a show of the wrong slot is seen.
inline TRecordValues PlainRecord(int position) {
    TRecordValues v;
    v.VehicleType = static_cast<std::int16_t>(position % 6);
    v.PowerOn = static_cast<std::int16_t>(100 + position);
    v.PowerOff = static_cast<std::int16_t>(200 + position);
    v.HornType = position % 10;
    v.DoorSoundType = static_cast<std::int16_t>(position % 5);
    v.RadioStation = static_cast<std::uint8_t>(1 + position % 12);
    v.RadioType = position % 2 == 0 ? 0 : 3;
    v.Unknown8 = static_cast<std::uint8_t>(position);
    return v;
}

inline std::size_t RecordAt(int position) {
    return TableAt + static_cast<std::size_t>(position) * RecordSize;
}

// Filler, the signature, the 231 records, filler. cutAfter shortens the file so that
// it ends inside the last record.
inline TBytes TableExecutable(std::uint32_t seed,
                              const std::function<TRecordValues(int)>& recordOf = PlainRecord,
                              std::optional<std::size_t> cutAfter = {}) {
    TBytes bytes = Executable(TableAt + Slots * RecordSize + TrailingBytes, {SignatureAt}, seed);
    for (int position = 0; position < Slots; ++position) {
        Put(bytes, RecordAt(position), RecordBytes(recordOf(position)));
    }
    if (cutAfter) {
        bytes.resize(*cutAfter);
    }
    return bytes;
}

// A cfg of two stock models and one a mod adds, with CR LF line ends as the limit
// adjuster ships it; the editor lists the stock models in ID order, then the added one.
inline constexpr std::string_view TwoStockOneAddedCfg =
    "; two stock models and one a mod adds\r\n"
    "infernus  0   38   37   0  0.9   1          2   1.2599211  2   0  10  0   11  0\r\n"
    "landstal  0   33   32   0  0.65  1          5   1.122462   3   0  6   0   0   0\r\n"
    "mycar     0   710  37   0  0.9   1          2   1.2599211  2   0  10  0   11  0\r\n"
    ";the end\r\n";
inline constexpr int CfgInfernusLine = 1; // landstal (400) comes before infernus (411)
inline constexpr int CfgMyCarLine = 2;
inline constexpr int CfgInfernusHornType = 2;

// The one edit: slot 3, a Boat (vehicle type 3, horn type 3, horn tone 1), becomes a
// MotorBike (the second vehicle-type button), with the slider at horn type 7 and the tone
// typed as 2.5.
inline constexpr int OneEditSlot = 3;
inline constexpr int OneEditHornType = 7;

// The file after the one edit: those three fields of that record, and nothing else.
inline TBytes AfterOneEdit(TBytes bytes) {
    Put(bytes, RecordAt(OneEditSlot) + 0, LittleEndian(1, 2));                // MotorBike
    Put(bytes, RecordAt(OneEditSlot) + 16, LittleEndian(OneEditHornType, 4)); // horn type
    Put(bytes, RecordAt(OneEditSlot) + 20, LittleEndian(FloatBits(2.5F), 4)); // horn tone
    return bytes;
}

} // namespace klarvon::test

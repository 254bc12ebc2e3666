#pragma once
// How stored values become what the editor shows (a choice in a radio group, a
// slider position) and back.

#include "table/VehicleAudioRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace klarvon {

// A radio group: its rows in display order. Every row but the last matches one stored
// value and encodes to it; the last row ("other") takes every value not listed before
// it and encodes to OtherEncodesTo.
struct TChoiceTable {
    TField Field;
    std::span<const std::int32_t> ListedValues; // rows 0 .. RowCount()-2
    std::int32_t OtherEncodesTo;

    constexpr std::size_t RowCount() const { return ListedValues.size() + 1; }
};

inline constexpr std::array<std::int32_t, 8> VehicleTypeValues{0, 1, 2, 3, 4, 5, 8, 9};
inline constexpr std::array<std::int32_t, 5> DoorSoundTypeValues{0, 1, 2, 3, 4};
inline constexpr std::array<std::int32_t, 12> RadioStationValues{1, 2, 3, 4,  5,  6,
                                                                 7, 8, 9, 10, 11, 12};
inline constexpr std::array<std::int32_t, 2> RadioTypeValues{0, 3};

inline constexpr TChoiceTable VehicleTypeChoices{TField::VehicleType, VehicleTypeValues, 10};
inline constexpr TChoiceTable DoorSoundTypeChoices{TField::DoorSoundType, DoorSoundTypeValues, 255};
inline constexpr TChoiceTable RadioStationChoices{TField::RadioStation, RadioStationValues, 13};
inline constexpr TChoiceTable RadioTypeChoices{TField::RadioType, RadioTypeValues, 1};

inline constexpr std::array<const TChoiceTable*, 4> ChoiceTables{
    &VehicleTypeChoices, &DoorSoundTypeChoices, &RadioStationChoices, &RadioTypeChoices};

// The row a stored field selects (always exactly one).
std::size_t DecodeChoice(const TChoiceTable& table, TFieldBits stored);
// The bits written for a selection: the first checked row, or none at all, which
// encodes like the last row.
TFieldBits EncodeChoice(const TChoiceTable& table, std::optional<std::size_t> checkedRow);

// The horn slider: positions 0..10; 10 means "no horn" and is stored as 255.
inline constexpr int HornSliderMin = 0;
inline constexpr int HornSliderMax = 10;
inline constexpr std::int32_t HornNone = 255;

int DecodeHornPosition(TFieldBits stored);   // clamp into 0..10
TFieldBits EncodeHornPosition(int position); // 0..9 as is, 10 -> 255

} // namespace klarvon

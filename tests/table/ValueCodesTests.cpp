#include "table/ValueCodes.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace klarvon {
namespace {

struct TChoiceCase {
    const TChoiceTable* Table;
    TFieldBits Stored;
    std::size_t Row;
    TFieldBits WrittenBack;
};

TEST(ChoiceGroups, StoredValuesSelectOneRowAndWriteBackItsCode) {
    const TChoiceCase cases[] = {
        {&VehicleTypeChoices, 0, 0, 0},
        {&VehicleTypeChoices, 5, 5, 5},
        {&VehicleTypeChoices, 6, 8, 10},
        {&VehicleTypeChoices, 7, 8, 10},
        {&VehicleTypeChoices, 8, 6, 8},
        {&VehicleTypeChoices, 9, 7, 9},
        {&VehicleTypeChoices, 10, 8, 10},
        {&VehicleTypeChoices, 0xFFFF, 8, 10},
        {&DoorSoundTypeChoices, 4, 4, 4},
        {&DoorSoundTypeChoices, 5, 5, 255},
        {&DoorSoundTypeChoices, 255, 5, 255},
        {&DoorSoundTypeChoices, 257, 5, 255},    // low byte 1
        {&DoorSoundTypeChoices, 514, 5, 255},    // low byte 2
        {&DoorSoundTypeChoices, 0xFFFF, 5, 255}, // -1
        {&RadioStationChoices, 0, 12, 13},
        {&RadioStationChoices, 1, 0, 1},
        {&RadioStationChoices, 12, 11, 12},
        {&RadioStationChoices, 13, 12, 13},
        {&RadioStationChoices, 255, 12, 13},
        {&RadioTypeChoices, 0, 0, 0},
        {&RadioTypeChoices, 1, 2, 1},
        {&RadioTypeChoices, 2, 2, 1},
        {&RadioTypeChoices, 3, 1, 3},
        {&RadioTypeChoices, 255, 2, 1},
    };
    for (const TChoiceCase& c : cases) {
        const auto name = EditorField(c.Table->Field).Name;
        const std::size_t row = DecodeChoice(*c.Table, c.Stored);
        EXPECT_EQ(row, c.Row) << name << " stored " << c.Stored;
        EXPECT_EQ(EncodeChoice(*c.Table, row), c.WrittenBack) << name << " stored " << c.Stored;
    }
}

TEST(ChoiceGroups, NoSelectionWritesTheLastRowsCode) {
    for (const TChoiceTable* table : ChoiceTables) {
        EXPECT_EQ(EncodeChoice(*table, std::nullopt), EncodeChoice(*table, table->RowCount() - 1));
        EXPECT_EQ(EncodeChoice(*table, std::nullopt),
                  static_cast<TFieldBits>(table->OtherEncodesTo));
        EXPECT_THROW(EncodeChoice(*table, table->RowCount()), std::out_of_range);
    }
}

struct THornCase {
    TFieldBits Stored;
    int Position;
    TFieldBits WrittenBack;
};

TEST(HornSlider, StoredValueClampsToPositionAndTopPositionMeansNoHorn) {
    const THornCase cases[] = {
        {0, 0, 0},          {7, 7, 7},
        {9, 9, 9},          {10, 10, 255},
        {255, 10, 255},     {300, 10, 255},
        {0xFFFFFFFB, 0, 0}, // -5
        {0x80000000, 0, 0}, {0x7FFFFFFF, 10, 255},
    };
    for (const THornCase& c : cases) {
        const int position = DecodeHornPosition(c.Stored);
        EXPECT_EQ(position, c.Position) << "stored " << c.Stored;
        EXPECT_EQ(EncodeHornPosition(position), c.WrittenBack) << "stored " << c.Stored;
    }
    EXPECT_THROW(EncodeHornPosition(HornSliderMax + 1), std::out_of_range);
    EXPECT_THROW(EncodeHornPosition(HornSliderMin - 1), std::out_of_range);
}

} // namespace
} // namespace klarvon

#include "exchange/Captions.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace klarvon::exchange {

namespace {

// Rows in the order of the choice tables; the last is the "other" row.
constexpr std::array<std::string_view, 9> VehicleTypeCaptions{
    "Car", "MotorBike", "Bike", "Boat", "Helicopter", "Plane", "Train", "Trailer", "Special"};
constexpr std::array<std::string_view, 6> DoorSoundTypeCaptions{"Type 0", "Type 1", "Type 2",
                                                                "Type 3", "Type 4", "Type 5"};
constexpr std::array<std::string_view, 13> RadioStationCaptions{
    "PlayBack FM", "K-Rose",       "K-DST",  "Bounce FM", "SF-UR",
    "Los Santos",  "Radio - X",    "C S R",  "K-Jah",     "Master Sounds",
    "W C T R",     "Track Player", "Nothing"};
constexpr std::array<std::string_view, 3> RadioTypeCaptions{
    "Civilian vehicles", "Noncivilian vehicles", "Special vehicles"};

struct TCaptionedGroup {
    const TChoiceTable* Table;
    std::span<const std::string_view> Captions;
};

const std::array<TCaptionedGroup, 4> Groups{{
    {&VehicleTypeChoices, VehicleTypeCaptions},
    {&DoorSoundTypeChoices, DoorSoundTypeCaptions},
    {&RadioStationChoices, RadioStationCaptions},
    {&RadioTypeChoices, RadioTypeCaptions},
}};

static_assert(VehicleTypeCaptions.size() == VehicleTypeChoices.RowCount());
static_assert(DoorSoundTypeCaptions.size() == DoorSoundTypeChoices.RowCount());
static_assert(RadioStationCaptions.size() == RadioStationChoices.RowCount());
static_assert(RadioTypeCaptions.size() == RadioTypeChoices.RowCount());

} // namespace

const TChoiceTable* ChoiceTableOf(TField field) {
    const auto found =
        std::find_if(ChoiceTables.begin(), ChoiceTables.end(),
                     [field](const TChoiceTable* table) { return table->Field == field; });
    return found == ChoiceTables.end() ? nullptr : *found;
}

std::string_view ChoiceCaption(const TChoiceTable& table, std::size_t row) {
    for (const TCaptionedGroup& group : Groups) {
        if (group.Table->Field == table.Field && row < group.Captions.size()) {
            return group.Captions[row];
        }
    }
    throw std::out_of_range("No caption for row " + std::to_string(row) + " of " +
                            std::string(EditorField(table.Field).Name));
}

} // namespace klarvon::exchange

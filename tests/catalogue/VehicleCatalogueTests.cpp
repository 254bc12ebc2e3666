#include "catalogue/VehicleCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace klarvon {
namespace {

std::vector<std::string> FilledLines() {
    std::vector<std::string> lines;
    TVehicleCatalogue::Fill([&](const std::string& line) { lines.push_back(line); });
    return lines;
}

TEST(VehicleCatalogue, FillGives231LinesFrom400To630) {
    const auto lines = FilledLines();
    ASSERT_EQ(lines.size(), 231u);
    EXPECT_EQ(lines.front(), "      400          LANDSTAL");
    EXPECT_EQ(lines.back(), "      630          //Extra Slot");
    EXPECT_EQ(lines[212], "      612          //Extra Slot");
    EXPECT_EQ(lines[211], "      611          UTIL_TR1");
}

TEST(VehicleCatalogue, NamesAreStoredExactly) {
    struct Case {
        int Id;
        const char* Name;
    };
    const Case cases[] = {
        {401, "BRAVURA"},  {466, "GLENDALE"}, {502, "HOTRING(A)"}, {504, "BLOODRING(A)"},
        {543, "SADLER"},   {569, "FREIFLAT"}, {590, "FREIFLAT"},   {596, "POLICE_LA"},
        {604, "GLENDALE"}, {605, "SADLER"},   {606, "BAGBOX(A)"},  {610, "FARM_TR1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TVehicleCatalogue::Name(c.Id), c.Name) << c.Id;
    }
}

// The slots the game reserves without models (612..630) read "//Extra Slot", and no
// slot before them does or is blank.
TEST(VehicleCatalogue, NameTableHas233LinesEndingInExtraSlots) {
    ASSERT_EQ(TVehicleCatalogue::NameTableLines, 233u);
    for (int id = 400; id <= 630; ++id) {
        const std::string_view caption = TVehicleCatalogue::Name(id);
        if (id >= 612) {
            EXPECT_EQ(caption, "//Extra Slot") << id;
        } else {
            EXPECT_FALSE(caption.empty() || caption == "//Extra Slot") << id;
        }
    }
}

TEST(VehicleCatalogue, SlotCountAndRange) {
    EXPECT_EQ(TVehicleCatalogue::SlotCountText(), "230");
    EXPECT_THROW(TVehicleCatalogue::Name(399), std::out_of_range);
    EXPECT_THROW(TVehicleCatalogue::Name(631), std::out_of_range);
}

} // namespace
} // namespace klarvon

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

TEST(VehicleCatalogue, NameTableHas233LinesEndingInExtraSlots) {
    const auto lines = TVehicleCatalogue::NameLines();
    ASSERT_EQ(lines.size(), 233u);
    EXPECT_TRUE(std::all_of(lines.begin() + 212, lines.end(),
                            [](std::string_view l) { return l == "//Extra Slot"; }));
    EXPECT_TRUE(std::none_of(lines.begin(), lines.begin() + 212,
                             [](std::string_view l) { return l.empty() || l == "//Extra Slot"; }));
}

TEST(VehicleCatalogue, SlotCountAndRange) {
    EXPECT_EQ(TVehicleCatalogue::SlotCountText(), "230");
    EXPECT_THROW(TVehicleCatalogue::Name(399), std::out_of_range);
    EXPECT_THROW(TVehicleCatalogue::Name(631), std::out_of_range);
}

} // namespace
} // namespace klarvon

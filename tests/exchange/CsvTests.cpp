// CSV cells as dump writes them.

#include "exchange/Csv.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace klarvon::exchange {
namespace {

TEST(Csv, CellsAreQuotedOnlyWhenTheyMustBe) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"LANDSTAL", "LANDSTAL"},
        {"//Extra Slot", "//Extra Slot"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        {"Master Sounds ", "\"Master Sounds \""},
    };
    for (const auto& [text, cell] : cases) {
        EXPECT_EQ(CsvCell(text), cell) << text;
    }
}

} // namespace
} // namespace klarvon::exchange

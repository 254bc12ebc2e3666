// A text that is no vehicle audio cfg is told as such once, while a cfg with faulty rows
// keeps the list of its faults: the user of a real cfg must never be told it is the wrong
// file.
#include "exchange/CfgShape.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace klarvon::test {
namespace {

using exchange::NotACfgReason;

const std::string Row = "landstal 0 99 98 0 0.78 1.0 7 1.0 1 0 0 0 0 0.0\n";

TEST(CfgShape, RefusesOnlyTextsNoRowOfWhichIsACfgRow) {
    const struct {
        const char* Name;
        std::string Text;
        std::optional<std::string> Reason;
    } cases[] = {
        {"a cfg with a row one value short", Row + "bravura 0 1 2 0 1 1 0 1 0 0 0 0 0\n",
         std::nullopt},
        {"every row one value short (an older cfg)", "a 0 1 2 0 1 1 0 1 0 0 0 0 0\n", std::nullopt},
        {"every row one value too many", "a 0 1 2 0 1 1 0 1 0 0 0 0 0 0 0\n", std::nullopt},
        {"a row with a trailing comment", "a 0 1 2 0 1 1 0 1 0 0 0 0 0 0 ; mine\nx\n",
         std::nullopt},
        {"commas for points", "a 0 1 2 0 0,78 1,0 7 1,0 1 0 0 0 0 0,0\n", std::nullopt},
        {"a pack's model starting with a digit", "812m 0 1 2 0 1 1 0 1 0 0 0 0 0 0\nx\n",
         std::nullopt},
        {"only comments and blanks", "; nothing\n\n   \n", std::nullopt},
        {"an INI file", "; settings\n[General]\nVolume=80\n",
         "it has [sections] as an INI file does (line 2: [General])"},
        {"an INI file, indented section", "  [Audio]  \r\nRadio = on\r\n",
         "it has [sections] as an INI file does (line 1: [Audio])"},
        {"handling.cfg's cars",
         "; handling\nLANDSTAL 1700.0 5008.3 2.5 0.0 0.0 -0.3 85 0.75 0.85 0.5 5 160.0 25.0 "
         "20.0 4 D 6.2 0.60 0 30.0 1.1 0.08 0.0 0.28 -0.14 0.5 0.25 0.27 0.23 25000 20002 0 1 "
         "1 0\n",
         "not one row has the 15 columns of a cfg row (a model name and 14 values): line 2 has "
         "36"},
        {"handling.cfg's bikes, as many words as a row",
         "! BIKE 0.18 0.2 0.4 0.3 0.3 0.15 0.2 0.35 35.0 -0.2 0.9 0.2\n",
         "not one row has the 15 columns of a cfg row (a model name and 14 values): line 1 has "
         "14"},
        {"prose", "Copy the files into the game's folder.\n",
         "not one row has the 15 columns of a cfg row (a model name and 14 values): line 1 has "
         "7"},
        {"rows after the end mark do not count", "notes here\n;the end\n" + Row,
         "not one row has the 15 columns of a cfg row (a model name and 14 values): line 1 has "
         "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(NotACfgReason(c.Text), c.Reason);
    }
}

} // namespace
} // namespace klarvon::test

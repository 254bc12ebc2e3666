// The integer-entry filter of the engine-sound fields and the error box's text.

#include "ui/main/IntegerEntryFilter.h"

#include "table/ErrorReport.h"
#include "table/Errors.h"
#include "table/TextConversions.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace klarvon {
namespace {

// What the window would reach by taking one character per change notification.
std::string OneCharacterPerChange(std::string text) {
    for (;;) {
        try {
            ParseInteger(text);
            return text;
        } catch (const EConvertError&) {
            if (text.empty()) {
                return text;
            }
            text.pop_back();
        }
    }
}

TEST(IntegerEntryFilterTest, StripsFromTheEndUntilTheTextIsAnInteger) {
    const std::string EAcute = "\xC3\xA9";
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", ""},
        {"12ab", "12"},
        {"-", ""},
        {"--5", ""},
        {"1a23", "1"},
        {"99999", "99999"},
        {" 12", " 12"},
        {"12 ", "12"},
        {"12\t", "12"},
        {"1.5", "1"},
        {"$1F", "$1F"},
        {"0x", "0"},
        {"-$FFFFFFFF", "-$FFFFFFFF"},
        {"$FFFFFFFFF", "$FFFFFFFF"},
        {"2147483648", "214748364"},
        {"-2147483648", "-2147483648"},
        // Text arrives as UTF-8: a letter of two bytes goes as a whole.
        {"12" + EAcute, "12"},
        {"1" + EAcute + "23", "1"},
    };
    for (const auto& [typed, kept] : cases) {
        SCOPED_TRACE("'" + typed + "'");
        const std::string filtered = FilterIntegerEntry(typed);
        EXPECT_EQ(filtered, kept);
        EXPECT_EQ(filtered, OneCharacterPerChange(typed));
        // Setting the text back notifies the filter again; that must change nothing.
        EXPECT_EQ(FilterIntegerEntry(filtered), filtered);
    }
}

TEST(ErrorReportTextTest, FullStopOnlyAfterTextEndingAboveFullStop) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Range check error", "Range check error."},
        {"File not found", "File not found."},
        {"'' is not a valid integer value", "'' is not a valid integer value."},
        {"'12a' is not a valid integer value", "'12a' is not a valid integer value."},
        {"Ends with a quote'", "Ends with a quote'"},
        {"Already.", "Already."},
        {"Loud!", "Loud!"},
        {"Trailing space ", "Trailing space "},
        {"Slash/", "Slash/."}, // the first byte after the full stop
        {"", ""},
        {"\xCE\xF8\xE8\xE1\xEA\xE0", "\xCE\xF8\xE8\xE1\xEA\xE0."}, // 8-bit letters sort high
    };
    for (const auto& [message, shown] : cases) {
        SCOPED_TRACE("'" + message + "'");
        EXPECT_EQ(ErrorReportText(message), shown);
    }
}

} // namespace
} // namespace klarvon

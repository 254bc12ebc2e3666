// `check` on a mod pack: the findings a cfg marks as intended, exactly where the marks
// stand, the misspelt model named at its place, counts a modder can act on, and names that
// are not UTF-8 made fit for JSON rather than failing there.
#include "exchange/JsonText.h"
#include "exchange/PackCheck.h"
#include "exchange/VehicleTable.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace klarvon::test {
namespace {

using exchange::TRecordFinding;

// An added vehicle with a misspelt stock name, no horn, and a station its forced-off
// radio ignores: findings not-a-stock-model, no-horn, radio-station-ignored,
// radio-forced-off.
constexpr std::string_view Infernos = "infernos 0 38 37 1 0.9 1 12 1.06 2 0 7 2 2 0";
constexpr std::string_view Landstal = "landstal 0 99 98 0 0.78 1 7 1 2 0 8 0 0 0";

std::vector<TRecordFinding> CheckText(const std::string& text) {
    TTempDir dir;
    const std::string path = dir.File("pack.cfg");
    WriteBytes(path, TBytes(text.begin(), text.end()));
    const exchange::TVehicleTable table(path, TOpenMode::ReadOnly);
    return exchange::CheckPack(table.ReadAll(), table.Cfg());
}

std::vector<std::string> IntendedOf(const std::vector<TRecordFinding>& findings) {
    std::vector<std::string> rules;
    for (const TRecordFinding& found : findings) {
        if (found.Intended) {
            rules.emplace_back(found.Finding.Rule);
        }
    }
    return rules;
}

TEST(PackCheck, AMarkHidesTheRulesItNamesOnItsRowOrTheLineJustBefore) {
    const std::string row(Infernos);
    struct TCase {
        std::string Name;
        std::string Text;
        std::vector<std::string> Intended; // in the order of the findings
    };
    const std::vector<TCase> cases{
        {"no mark", row + "\n", {}},
        {"on the row", row + " ; klarvon: intended no-horn\n", {"no-horn"}},
        {"on the line before", "; klarvon: intended no-horn\n" + row + "\n", {"no-horn"}},
        {"two rules, a comma",
         "; klarvon: intended no-horn, radio-forced-off\n" + row + "\n",
         {"no-horn", "radio-forced-off"}},
        {"two rules, blanks, any case, a reason after",
         row + "\t;KLARVON: Intended not-a-stock-model no-horn (an import)\n",
         {"not-a-stock-model", "no-horn"}},
        {"before and on the row",
         "; klarvon: intended no-horn\n" + row + " ; klarvon: intended radio-forced-off\n",
         {"no-horn", "radio-forced-off"}},
        {"another rule hides nothing", "; klarvon: intended no-radio\n" + row + "\n", {}},
        {"two lines above, a blank between", "; klarvon: intended no-horn\n\n" + row + "\n", {}},
        {"two lines above, a comment between",
         "; klarvon: intended no-horn\n; legend\n" + row + "\n",
         {}},
        {"the row before's own mark",
         std::string(Landstal) + " ; klarvon: intended no-horn\n" + row + "\n",
         {}},
        {"without 'intended'", "; klarvon: no-horn\n" + row + "\n", {}},
        {"'intended' glued to a rule", "; klarvon: intendedno-horn\n" + row + "\n", {}},
        {"a ';' ends the list",
         row + " ; klarvon: intended no-horn; radio-forced-off is wrong\n",
         {"no-horn"}},
        {"Windows line ends", "; klarvon: intended no-horn\r\n" + row + "\r\n", {"no-horn"}},
        {"first line after a byte-order mark",
         "\xEF\xBB\xBF; klarvon: intended no-horn\n" + row + "\n",
         {"no-horn"}},
    };
    for (const TCase& c : cases) {
        const std::vector<TRecordFinding> findings = CheckText(c.Text);
        ASSERT_EQ(findings.size(), 4U) << c.Name;
        EXPECT_EQ(IntendedOf(findings), c.Intended) << c.Name;
        const bool problemLeft =
            std::find(c.Intended.begin(), c.Intended.end(), "no-horn") == c.Intended.end();
        EXPECT_EQ(exchange::HasProblem(findings), problemLeft) << c.Name;
    }
}

// A mark written when a bank was judged by its number (general-bank, not-vehicle-bank) still
// holds once its size or kind speaks for the same value, and for nothing else.
TEST(PackCheck, AnOldMarkOnABankHoldsForTheRuleThatNowSpeaksForIt) {
    struct TCase {
        std::string Row; // its findings: the one on the bank
        std::string Mark;
        std::string Rule;
        bool Intended;
    };
    const std::vector<TCase> cases{
        {"landstal 0 99 411 0 0.78 1 7 1 2 0 8 0 0 0", "not-vehicle-bank", "dummy-bank-too-big",
         true},
        {"landstal 0 99 300 0 0.78 1 7 1 2 0 8 0 0 0", "not-vehicle-bank", "dummy-bank-too-big",
         false},
        {"landstal 0 27 98 0 0.78 1 7 1 2 0 8 0 0 0", "general-bank", "player-bank-too-big", true},
        {"landstal 0 99 51 0 0.78 1 7 1 2 0 8 0 0 0", "general-bank", "bank-wrong-kind", true},
        {"landstal 0 99 51 0 0.78 1 7 1 2 0 8 0 0 0", "dummy-bank-too-big", "bank-wrong-kind",
         false},
        {"landstal 0 99 300 0 0.78 1 7 1 2 0 8 0 0 0", "general-bank", "dummy-bank-too-big", false},
        {"landstal 0 5 98 0 0.78 1 7 1 2 0 8 0 0 0", "general-bank", "bank-wrong-kind", false},
    };
    for (const TCase& c : cases) {
        const std::vector<TRecordFinding> findings =
            CheckText(c.Row + " ; klarvon: intended " + c.Mark + "\n");
        ASSERT_EQ(findings.size(), 1U) << c.Row;
        EXPECT_EQ(findings[0].Finding.Rule, c.Rule) << c.Row;
        EXPECT_EQ(findings[0].Intended, c.Intended) << c.Row << " " << c.Mark;
    }
}

TEST(PackCheck, LinesNameTheMisspeltModelAtItsColumnAndSayWhatIsIntended) {
    const std::vector<TRecordFinding> findings =
        CheckText("  " + std::string(Infernos) + " ; klarvon: intended no-horn\n");
    std::vector<std::string> lines;
    for (const TRecordFinding& found : findings) {
        lines.push_back(exchange::CheckLine("pack.cfg", found));
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "pack.cfg:1:3: note: - infernos: not a stock model: added as a new "
                         "vehicle; did you mean infernus?",
                         "pack.cfg:1:28: problem (intended): - infernos HornType: 12: no horn (-1 "
                         "is no horn, 0 the bicycle bell, 1..9 car horns)",
                         "pack.cfg:1:40: note: - infernos RadioStation: 7: the station is "
                         "ignored (only civilian radio, type 0, uses it)",
                         "pack.cfg:1:42: note: - infernos RadioType: 2: radio forced off",
                     }));
}

TEST(PackCheck, TheCountLineCountsEachRuleAndTheIntendedApart) {
    const auto finding = [](std::string_view rule, TSeverity severity, bool intended = false) {
        return TRecordFinding{{}, {rule, severity, nullptr, 0, ""}, intended};
    };
    constexpr auto P = TSeverity::Problem;
    constexpr auto N = TSeverity::Note;
    struct TCase {
        std::vector<TRecordFinding> Findings;
        bool IntendedShown;
        std::string Line;
    };
    const std::vector<TCase> cases{
        {{}, false, "0 problems, 0 notes in 246 vehicles"},
        {{finding("no-horn", P), finding("bank-never-loaded", P), finding("bank-never-loaded", P),
          finding("no-vehicle-audio", N)},
         false,
         "3 problems (2 bank-never-loaded, 1 no-horn), 1 note (1 no-vehicle-audio) in 246 "
         "vehicles"},
        {{finding("kind-differs", N), finding("general-bank", N)},
         false,
         "0 problems, 2 notes (1 general-bank, 1 kind-differs) in 246 vehicles"},
        {{finding("no-horn", P, true), finding("no-vehicle-audio", N, true),
          finding("no-vehicle-audio", N)},
         false,
         "0 problems, 1 note (1 no-vehicle-audio) in 246 vehicles; 2 marked intended (hidden; "
         "--all shows them)"},
        {{finding("no-horn", P, true), finding("no-vehicle-audio", N, true),
          finding("no-vehicle-audio", N, true)},
         true,
         "0 problems, 0 notes in 246 vehicles; 3 marked intended (2 no-vehicle-audio, 1 "
         "no-horn)"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(exchange::RuleCountLine(c.Findings, 246, c.IntendedShown), c.Line);
    }
}

TEST(JsonText, BytesOutsideUtf8AreReadAsLatin1AndUtf8StaysAsItIs) {
    struct TCase {
        std::string_view Bytes;
        std::string_view Text;
    };
    const std::vector<TCase> cases{
        {"infernus", "infernus"},
        {"caf\xE9", "caf\xC3\xA9"},                               // as Notepad saves it
        {"caf\xC3\xA9", "caf\xC3\xA9"},                           // already UTF-8
        {"\xF0\x9F\x9A\x97", "\xF0\x9F\x9A\x97"},                 // four bytes
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                         // overlong
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},             // a surrogate
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"}, // past U+10FFFF
        {"\xE2\x82", "\xC3\xA2\xC2\x82"},                         // cut short
        {"\xFF", "\xC3\xBF"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(exchange::JsonSafeText(c.Bytes), c.Text) << c.Bytes;
    }
}

} // namespace
} // namespace klarvon::test

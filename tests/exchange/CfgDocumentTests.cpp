// The cfg as a modder keeps it: after an edit, every byte but the changed numbers is as it
// was; every faulty row is listed at once; a UTF-16 file is named as such.

#include "exchange/CfgDocument.h"
#include "exchange/CfgExport.h"
#include "exchange/TextKind.h"

#include <gtest/gtest.h>

#include <regex>

namespace klarvon::exchange {
namespace {

using TChanges = std::vector<std::pair<std::string_view, std::string_view>>; // field, text

// The values of the model `from` in the document, with the given fields changed.
TCfgEdit Edit(const TCfgDocument& document, const std::string& model, std::string_view from,
              const TChanges& changes) {
    TCfgEdit edit{model, document.EffectiveRow(from)->Row.Values};
    for (const auto& [name, text] : changes) {
        const TLayoutField* field = FindLayoutField(GameLayout(), name);
        edit.Values[FieldIndex(GameLayout(), *field).value()] = ParseCfgValue(*field, text);
    }
    return edit;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

const std::string Stock = "landstal  0  99   98   0  0.78  1.0  7  1.0  2  0  8  0  0  0.0 ; stock";
const std::string Bravura = "bravura   0  100  99   0  0.78  1.0  7  1.0  2  0  8  0  0  0.0";
const std::string Mod = "LANDSTAL  1  99   98   0  0.78  1.0  7  1.0  2  0  8  0  0  0.0";
const std::string Aligned = "; vehicle sounds\n;  A         B  C    D    E\n" + Stock + "\n" +
                            Bravura + "\n\n" + Mod + "\n;the end\nnot a row after the end\n";
const std::string Tabbed = "landstal\t0\t99\t98\t0\t0.78\t1.0\t7\t1.0\t2\t0\t8\t0\t0\t0.0\n";

TEST(CfgDocument, AnEditChangesOnlyItsNumbers) {
    struct TCase {
        std::string Name;
        std::string Text;
        std::string Model; // edited with the values of the last landstal row and Changes
        TChanges Changes;
        std::string Expected;
    };
    const std::vector<TCase> cases{
        {"a number that fits keeps the columns; the last row of a model counts",
         Aligned,
         "Landstal",
         {{"PlayerBank", "410"}},
         Replaced(Aligned, Mod, "LANDSTAL  1  410  98   0  0.78  1.0  7  1.0  2  0  8  0  0  0.0")},
        {"a longer number pushes the rest only as far as it must",
         Aligned,
         "landstal",
         {{"PlayerBank", "-12345"}, {"BassFactor", "0.123456"}},
         Replaced(Aligned, Mod, "LANDSTAL  1  -12345 98 0  0.123456 1.0 7 1.0 2  0  8  0  0  0.0")},
        {"the same bits keep their text", Aligned, "landstal", {{"EnginePitch", "1"}}, Aligned},
        {"tabs stay tabs",
         Tabbed,
         "LANDSTAL",
         {{"PlayerBank", "-12345"}},
         Replaced(Tabbed, "\t99\t", "\t-12345\t")},
        {"a shorter number gives its room to the blanks, a longer one takes it",
         Stock + "\n",
         "landstal",
         {{"EngineVolumeOffset", "1"}, {"VehicleAudioType", "-100"}},
         "landstal  -100 99 98   0  0.78  1.0  7  1.0  2  0  8  0  0  1   ; stock\n"},
        {"an added model before ;the end, laid out as the last row",
         Aligned,
         "mycar",
         {{"PlayerBank", "12345"}},
         Replaced(Aligned, "\n;the end",
                  "\nmycar     1  12345 98  0  0.78  1    7  1    2  0  8  0  0  0\n;the end")},
        {"an added model at the end of a file without ;the end or a last line end",
         "; c\n" + Stock,
         "MyCar",
         {},
         "; c\n" + Stock + "\nMyCar     0  99   98   0  0.78  1    7  1    2  0  8  0  0  0\n"},
        {"an added model with tabs",
         Tabbed,
         "mycar",
         {},
         Tabbed + "mycar\t0\t99\t98\t0\t0.78\t1\t7\t1\t2\t0\t8\t0\t0\t0\n"},
    };
    for (const TCase& c : cases) {
        for (const bool crlf : {false, true}) {
            for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
                SCOPED_TRACE(c.Name + (crlf ? ", CRLF" : ", LF") + (bom.empty() ? "" : ", BOM"));
                const auto form = [&](const std::string& text) {
                    return bom + (crlf ? std::regex_replace(text, std::regex("\n"), "\r\n") : text);
                };
                const TCfgDocument document(form(c.Text));
                EXPECT_EQ(document.LineEnd(), crlf ? "\r\n" : "\n");
                const std::vector<TCfgEdit> edits{Edit(document, c.Model, "landstal", c.Changes)};
                EXPECT_EQ(document.Edited(edits), form(c.Expected));
                EXPECT_EQ(document.Edited({}), document.Text());
            }
        }
    }
}

TEST(CfgDocument, TheLastRowOfAModelCountsInAnyCase) {
    const TCfgDocument document(Aligned);
    const std::vector<const TCfgDocumentRow*> effective = document.EffectiveRows();
    ASSERT_EQ(effective.size(), 2U);
    EXPECT_EQ(document.Rows().size(), 3U);
    EXPECT_EQ(effective[0]->Row.Model, "bravura");
    EXPECT_EQ(effective[1], document.EffectiveRow("landstal"));
    EXPECT_EQ(effective[1]->Row.Line, 6U);
    EXPECT_EQ(effective[1]->ValueColumns[1], 14U);
    EXPECT_EQ(RowValues(RowBytes(effective[1]->Row)), effective[1]->Row.Values);
}

std::string Faults(const std::string& text) {
    try {
        TCfgDocument{text};
    } catch (const ETextErrors& errors) {
        return errors.Located("CFG");
    } catch (const ETextError& error) {
        return error.Located("CFG");
    }
    return "no fault";
}

TEST(CfgDocument, ListsEveryFaultyRowAndRefusesAnEmptyOne) {
    std::string many;
    std::string manyFaults;
    for (int line = 1; line <= 25; ++line) {
        many += "bad 1\n";
        manyFaults +=
            line > 20 ? ""
                      : "CFG:" + std::to_string(line) +
                            ":6: the row ends after 1 of its 14 values; PlayerBank is missing\n";
    }
    const std::string noRows = "holds no rows (a model name and 14 values)";
    const std::vector<std::pair<std::string, std::string>> cases{
        {Mod + "\nlandstal 0 99\n; fine\n" + Mod +
             "\nbravura 0 1 2 0 1 1 0 1 0 256 0 0 0 0\nx\x1B[2J\n",
         "CFG:2:14: the row ends after 2 of its 14 values; DummyBank is missing\n"
         "CFG:5:27: 256 is out of range for EngineUpgrade (uint8, or a signed byte as the loader "
         "reads it: -128..255)\n"
         "CFG:6:2: a control character where text should be"},
        {many, manyFaults + "and 5 more"},
        {"", noRows},
        {"; only a comment\r\n\r\n", noRows},
        {";the end\nlandstal 0\n", noRows},
    };
    for (const auto& [text, faults] : cases) {
        EXPECT_EQ(Faults(text), faults);
    }
}

TEST(CfgDocument, RefusesAModelOrValueARowCannotHold) {
    const TCfgDocument document(Aligned);
    const std::vector<std::pair<TCfgEdit, std::string>> cases{
        {Edit(document, "", "landstal", {}), "a cfg row needs a model name"},
        {Edit(document, "my car", "landstal", {}),
         "'my car' holds a blank, which would split the model name of a cfg row"},
        {Edit(document, ";mycar", "landstal", {}),
         "';mycar' starts with ';', which would make its cfg row a comment"},
        {Edit(document,
              "\xEF\xBB\xBF"
              "car",
              "landstal", {}),
         "a model name cannot start with a byte-order mark, which would be taken for the file's"},
        {Edit(document, "my\tcar", "landstal", {}),
         "a model name with a control character cannot be written in a cfg row"},
        {{"bravura", {0, 0, 0, 0, 0x7F800000}},
         "bravura BassFactor holds a value that is not a finite number, which a cfg row cannot "
         "hold"},
        {{"bravura", {0x100}}, "bravura VehicleAudioType: Range check error."},
    };
    for (const auto& [edit, problem] : cases) {
        SCOPED_TRACE(problem);
        try {
            document.Edited(std::vector<TCfgEdit>{edit});
            ADD_FAILURE() << "no error";
        } catch (const ETextError& error) {
            EXPECT_EQ(std::string(error.what()), problem);
        }
    }
}

// Column K as the loader reads it, a signed byte; the letters as the loader's.
TEST(CfgText, FollowsTheLoadersColumns) {
    const TLayoutField& upgrade = *FindLayoutField(GameLayout(), "EngineUpgrade");
    for (const auto& [text, bits] : std::vector<std::pair<std::string, TFieldBits>>{
             {"-128", 0x80}, {"-1", 0xFF}, {"127", 0x7F}, {"255", 0xFF}}) {
        EXPECT_EQ(ParseCfgValue(upgrade, text), bits) << text;
    }
    EXPECT_EQ(CfgValueText(upgrade, 0xFF), "255");
    EXPECT_THROW(ParseCfgValue(upgrade, "-129"), ETextError);
    EXPECT_THROW(ParseCfgValue(*FindLayoutField(EditorLayout(), "Unknown8"), "-1"), ETextError);

    TRecordBytes bytes{};
    bytes[0] = 3;
    const std::string text =
        FormatAudioCfg(std::vector<TCfgEntry>{{"mycar", bytes}}, TCfgForm::WholeFile);
    EXPECT_NE(text.find(";  A model name  B VehicleAudioType  C PlayerBank"), std::string::npos);
    EXPECT_NE(text.find("  O EngineVolumeOffset\n"), std::string::npos);
    EXPECT_TRUE(std::regex_search(text, std::regex("\n; A +B +C .* N +O\nmycar +3 +0 ")));
    EXPECT_THROW(FormatAudioCfg(std::vector<TCfgEntry>{{"", bytes}}, TCfgForm::RowsOnly),
                 ETextError);
}

std::vector<std::uint8_t> Utf16(std::string_view text, bool bigEndian, bool mark) {
    std::string units = mark ? std::string(bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
    for (const char c : text) {
        units += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return {units.begin(), units.end()};
}

TEST(TextKind, TellsTextFromUtf16AndFromExecutables) {
    const std::string row = "; Unicode\r\n" + Mod + "\r\n";
    std::vector<std::uint8_t> lettersThenRecords(300, 'A');
    lettersThenRecords.insert(lettersThenRecords.end(), 36, 0);
    const std::vector<std::pair<std::vector<std::uint8_t>, TContentKind>> cases{
        {{}, TContentKind::Text},
        {std::vector<std::uint8_t>(row.begin(), row.end()), TContentKind::Text},
        {{0xEF, 0xBB, 0xBF, 'x'}, TContentKind::Text},
        {Utf16(row, false, true), TContentKind::Utf16Text},
        {Utf16(row, true, true), TContentKind::Utf16Text},
        {Utf16(row, false, false), TContentKind::Utf16Text},
        {Utf16(row, true, false), TContentKind::Utf16Text},
        {{0x4D, 0x5A, 0x90, 0, 3, 0, 0, 0, 4, 0, 0, 0, 0xFF, 0xFF, 0, 0}, TContentKind::Binary},
        {lettersThenRecords, TContentKind::Binary},
        {{0xFF, 0xFE, 0, 0, 1, 0}, TContentKind::Binary},
        {{0}, TContentKind::Binary},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(KindOfContent(cases[i].first), cases[i].second) << "case " << i;
    }
    EXPECT_EQ(Utf16Refusal("mod.cfg"),
              "mod.cfg is UTF-16 text (\"Unicode\" in Notepad), which the limit adjuster cannot "
              "read; save it as ANSI or UTF-8");
}

} // namespace
} // namespace klarvon::exchange

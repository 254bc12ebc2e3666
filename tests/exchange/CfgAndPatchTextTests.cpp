// The cfg and patch texts on their own: what the limit adjuster's loader and a modder's
// editor produce, read exactly or refused at the right line and column.

#include "exchange/AudioCfg.h"
#include "exchange/Patch.h"
#include "table/TableLocator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace klarvon::exchange {
namespace {

constexpr std::string_view Landstal = "landstal 0 99 98 0 0.78 1.0 7 1.0 2 0 8 0 0 0.0";

const TLayoutField& Game(std::string_view name) {
    return *FindLayoutField(GameLayout(), name);
}

TEST(CfgText, ReadsThePeersSyntax) {
    struct TCase {
        std::string Name;
        std::string Text;
        std::vector<std::pair<std::size_t, std::string>> Rows; // line, model
    };
    const std::string row(Landstal);
    const std::vector<TCase> cases{
        {"comments and blank lines",
         "; name A B\n\n   \n;landstal 1 2\n" + row + "\n",
         {{5, "landstal"}}},
        {"the end stops reading", row + "\n;the end\nbroken row\n", {{1, "landstal"}}},
        {"the end without a line break", row + "\n;the end", {{1, "landstal"}}},
        {"tabs, CRLF and a byte order mark",
         "\xEF\xBB\xBFlandstal\t0\t99\t98 0 0.78 1.0 7 1.0 2 0 8 0 0 0.0\r\n",
         {{1, "landstal"}}},
        {"a trailing comment", row + " ; stock\n", {{1, "landstal"}}},
        {"duplicates kept in order",
         row + "\nLANDSTAL 1 2 3 0 1 1 0 1 0 0 0 0 0 0\n",
         {{1, "landstal"}, {2, "LANDSTAL"}}},
        {"a mod's vehicle", "mycar 0 1 2 0 1 1 0 1 0 0 0 0 0 0\n", {{1, "mycar"}}},
        {"no final line break", row, {{1, "landstal"}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::vector<TCfgRow> rows = ParseAudioCfg(c.Text);
        ASSERT_EQ(rows.size(), c.Rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].Line, c.Rows[i].first);
            EXPECT_EQ(rows[i].Model, c.Rows[i].second);
        }
    }
    const TCfgRow row0 = ParseAudioCfg(row).front();
    EXPECT_EQ(row0.Id, 400);
    EXPECT_EQ(row0.Values[1], 99U);                // PlayerBank
    EXPECT_EQ(row0.Values[4], BitsOfFloat(0.78F)); // BassFactor
    EXPECT_FALSE(ParseAudioCfg("mycar 0 1 2 0 1 1 0 1 0 0 0 0 0 0").front().Id.has_value());
}

TEST(CfgText, RefusesShortRowsAndJunkAtTheirLineAndColumn) {
    struct TCase {
        std::string Text;
        std::size_t Line;
        std::size_t Column;
        std::string Problem;
    };
    const std::vector<TCase> cases{
        {"; c\nlandstal 0 99 98 0 0.78\n", 2, 24,
         "the row ends after 5 of its 14 values; EnginePitch is missing"},
        {"landstal\n", 1, 9, "the row ends after 0 of its 14 values; VehicleAudioType is missing"},
        {"; a binary file given by mistake\nMZ\x03\x1B[2J", 2, 3,
         "a control character where text should be"},
        {std::string(Landstal) + " 5\n", 1, 49, "'5' follows the row's 14 values"},
        {"landstal 0 99x 98 0 0.78 1.0 7 1.0 2 0 8 0 0 0.0", 1, 12,
         "'99x' is not an integer (PlayerBank, int16)"},
        {"landstal 0 99 98 0 0,78 1.0 7 1.0 2 0 8 0 0 0.0", 1, 20,
         "'0,78' is not a finite number (BassFactor, float32); write 0.78 with a point"},
        {"landstal 0 99 98 0 0.78 inf 7 1.0 2 0 8 0 0 0.0", 1, 25,
         "'inf' is not a finite number (EnginePitch, float32)"},
        {"landstal 0 99 98 0 0.78 1.0 7 1.0 2 0 8 0 0 1e39", 1, 45,
         "'1e39' is not within the range of a float (EngineVolumeOffset, float32)"},
        {"landstal 128 99 98 0 0.78 1.0 7 1.0 2 0 8 0 0 0.0", 1, 10,
         "128 is out of range for VehicleAudioType (int8: -128..127)"},
        {"landstal 0 99 98 0 0.78 1.0 7 1.0 2 -129 8 0 0 0.0", 1, 37,
         "-129 is out of range for EngineUpgrade (uint8, or a signed byte as the loader reads "
         "it: -128..255)"},
        {"landstal 0 +-5 98 0 0.78 1.0 7 1.0 2 0 8 0 0 0.0", 1, 12,
         "'+-5' is not an integer (PlayerBank, int16)"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        try {
            ParseAudioCfg(c.Text);
            ADD_FAILURE() << "no error";
        } catch (const ETextErrors& errors) {
            ASSERT_EQ(errors.Errors.size(), 1U);
            const ETextError& error = errors.Errors.front();
            EXPECT_EQ(error.Line, c.Line);
            EXPECT_EQ(error.Column, c.Column);
            EXPECT_EQ(std::string(error.what()), c.Problem);
        }
    }
}

// Export then import must give back the bits: the shortest text is checked against
// from_chars for awkward floats and a sweep over all exponents and many mantissas.
TEST(CfgText, EveryFiniteFloatReadsBackToItsBits) {
    const TLayoutField& pitch = Game("EnginePitch");
    std::vector<TFieldBits> bits{
        0x80000000, 0x00000001, 0x807FFFFF,         0x00800000,
        0x7F7FFFFF, 0xFF7FFFFF, BitsOfFloat(0.78F), BitsOfFloat(1.1892071F)};
    for (TFieldBits b = 0; b < 0xFF000000U; b += 0x00F0F0F1U) {
        bits.push_back(b);
        bits.push_back(b | 0x80000000U);
    }
    for (const TFieldBits b : bits) {
        if ((b & 0x7F800000U) == 0x7F800000U) {
            EXPECT_THROW(CfgValueText(pitch, b), ETextError);
            continue;
        }
        const std::string text = CfgValueText(pitch, b);
        EXPECT_EQ(ParseCfgValue(pitch, text), b) << text;
    }
    EXPECT_EQ(CfgValueText(pitch, 0x80000000), "-0");
    EXPECT_EQ(CfgValueText(pitch, BitsOfFloat(1.1892071F)), "1.1892071");
    EXPECT_EQ(CfgValueText(Game("RadioType"), 0xFF), "-1");
    EXPECT_EQ(ParseCfgValue(Game("PlayerBank"), "+410"), 410U);
    EXPECT_EQ(ParseCfgValue(Game("PlayerBank"), "-1"), 0xFFFFU);
}

std::vector<TVehicleRecord> Table() {
    std::vector<TVehicleRecord> records;
    for (std::size_t slot = 0; slot < SlotCount; ++slot) {
        TRecordBytes bytes;
        bytes.fill(static_cast<std::uint8_t>(slot));
        records.push_back({SlotVehicle(FirstVehicleId + static_cast<int>(slot)), bytes, {}});
    }
    return records;
}

std::vector<TRecordBytes> BytesOf(const std::vector<TVehicleRecord>& records) {
    std::vector<TRecordBytes> bytes;
    for (const TVehicleRecord& record : records) {
        bytes.push_back(record.Bytes);
    }
    return bytes;
}

TEST(PatchText, RefusesWhatIsNotAPatchLineAtItsColumn) {
    struct TCase {
        std::string Line;
        std::size_t Column;
        std::string Problem;
    };
    const std::vector<TCase> cases{
        {"hello world", 1, "'hello' is not a vehicle ID (400..630)"},
        {"400 LANDSTAL Unknown1: \x1B[31m -> 2", 24, "a control character where text should be"},
        {"400 LANDSTAL Unknown1 1 -> 2", 1, "not a patch line: ID NAME FIELD: OLD -> NEW"},
        {"400 BRAVURA Unknown1: 1 -> 2", 5, "'BRAVURA' is not a name of vehicle 400"},
        {"400 LANDSTAL PlayerBank: 1 -> 2", 14,
         "'PlayerBank' is not a field of the editor's (it is one of the game's: mark it '--game')"},
        {"400 LANDSTAL pad bytes: 00 -> 01", 14,
         "only the game's fields have pad bytes ('--game pad bytes')"},
        {"400 LANDSTAL --game pad bytes: 00 -> 01", 32, "'00' is not 8 bytes in hex"},
        {"400 LANDSTAL Unknown8: 1 -> 256", 29, "Range check error. (Unknown8)"},
        {"400 LANDSTAL HornTone: 1,5 -> 1", 24,
         "'1,5' is not a valid floating point value. (HornTone)"},
        // A whole row: the game's fields, all fourteen, each within its type, added or removed.
        {"mycar row: none -> 0", 7, "a row is of the game's fields ('--game row')"},
        {"mycar --game row: none -> 0 1 2", 32, "the row ends after 3 of its 14 values, or 'none'"},
        {"mycar --game row: none -> 0 1 2 0 0 1 9 0.8 3 0 2 0 3 6 7", 57,
         "'7' follows the row's 14 values"},
        {"mycar --game row: none -> 0 1 2 0 0 1 9 0.8 3 300 2 0 3 6", 47,
         "300 is out of range for EngineUpgrade (uint8, or a signed byte as the loader reads "
         "it: -128..255)"},
        {"mycar --game row: none -> none", 19,
         "a row line adds a row or removes one: one side is 'none'"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Line);
        try {
            ParsePatch("#\n" + c.Line);
            ADD_FAILURE() << "no error";
        } catch (const ETextError& error) {
            EXPECT_EQ(error.Line, 2U);
            EXPECT_EQ(error.Column, c.Column);
            EXPECT_EQ(std::string(error.what()), c.Problem);
        }
    }
}

TEST(PatchText, AppliesInOrderAndReversesBackwards) {
    // Two lines on the same field, as a concatenation of two patches gives them.
    const TPatch patch = ParsePatch("401 BRAVURA Unknown8: 1 -> 7\n"
                                    "401 BRAVURA Unknown8: 7 -> 9\n"
                                    "401 BRAVURA --game EngineUpgrade: 1 -> 2\n");
    const std::vector<TVehicleRecord> original = Table();
    std::vector<TVehicleRecord> records = original;
    EXPECT_TRUE(ApplyPatch(patch.Changes, TPatchDirection::Forward, records).empty());
    EXPECT_EQ(records[1].Bytes[35], 9);
    EXPECT_EQ(records[1].Bytes[25], 2);
    EXPECT_TRUE(ApplyPatch(patch.Changes, TPatchDirection::Reverse, records).empty());
    EXPECT_EQ(BytesOf(records), BytesOf(original));

    // Every line is checked; the lines that fail change nothing, the others are reported
    // with what was found.
    records[1].Bytes[35] = 5;
    const std::vector<TVehicleRecord> before = records;
    const std::vector<TConflict> conflicts =
        ApplyPatch(patch.Changes, TPatchDirection::Forward, records);
    ASSERT_EQ(conflicts.size(), 2U);
    EXPECT_EQ(conflicts[0].Change->Line, 1U);
    EXPECT_EQ(conflicts[0].Found, std::vector<std::uint8_t>{5});
    EXPECT_EQ(conflicts[1].Change->Line, 2U);
    EXPECT_EQ(records[1].Bytes[35], 5);
    EXPECT_NE(BytesOf(records),
              BytesOf(before)); // the matching line was made in memory; the caller decides
}

} // namespace
} // namespace klarvon::exchange

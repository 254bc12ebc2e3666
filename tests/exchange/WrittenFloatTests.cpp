// A float a modder writes with a few decimals, against the executable's value it was
// copied from: the same value exactly when the text is that value rounded as printf
// rounds it, and a different one as soon as one written digit differs.

#include "exchange/AudioCfg.h"
#include "exchange/Patch.h"
#include "exchange/WrittenFloat.h"

#include <gtest/gtest.h>

#include <limits>

namespace klarvon::exchange {
namespace {

const TLayoutField& Game(std::string_view name) {
    return *FindLayoutField(GameLayout(), name);
}

// What a cfg row's text is read to, as the loader reads it, and whether that stands for
// the executable's value.
bool SameAsText(float value, std::string_view text) {
    return SameAsWritten(BitsOfFloat(value), ParseCfgValue(Game("HornPitch"), text),
                         WrittenDecimals(text));
}

TEST(WrittenFloat, ATextStandsForTheValueItRoundsTo) {
    struct TCase {
        float Value;
        std::string_view Text;
        bool Same;
    };
    const float pitch = 1.12246203422546F; // exactly 1.1224620342254638671875
    const std::vector<TCase> cases{
        // One to nine decimals of the same value, and the last written digit wrong.
        {pitch, "1.1", true},
        {pitch, "1.12", true},
        {pitch, "1.122", true},
        {pitch, "1.1225", true},
        {pitch, "1.12246", true},
        {pitch, "1.122462", true},
        {pitch, "1.1224620", true},
        {pitch, "1.12246203", true},
        {pitch, "1.122462034", true},
        {pitch, "1.2", false},
        {pitch, "1.13", false},
        {pitch, "1.1224", false},
        {pitch, "1.12247", false},
        {pitch, "1.12245", false},
        {pitch, "1.122463", false},
        {0.77999997F, "0.78", true},
        {0.77999997F, "0.8", true},
        {0.77999997F, "0.77", false},
        // No point: whole numbers.
        {1.0000001F, "1", true},
        {0.99999994F, "1", true},
        {1.0F, "1.", true},
        {1.4F, "2", false},
        // At the edge of rounding: the exact binary value decides, a true half goes to the
        // even digit, as printf does.
        {0.125F, "0.12", true},
        {0.125F, "0.13", false},
        {0.375F, "0.38", true},
        {0.375F, "0.37", false},
        {2.5F, "2", true},
        {2.5F, "3", false},
        {0.785F, "0.79", true}, // 0.78500002622604...
        {0.785F, "0.78", false},
        {0.345F, "0.34", true}, // 0.34499999880790710...
        {0.345F, "0.35", false},
        // The sign as printf writes it.
        {-0.0F, "-0", true},
        {-0.0F, "0", false},
        {-0.0F, "0.0", false},
        {0.0F, "-0", false},
        {-0.0001F, "-0.0", true},
        {-0.0001F, "0.0", false},
        {-1.12246203422546F, "-1.12246", true},
        {-1.12246203422546F, "1.12246", false},
        // Large and tiny values, and texts with an exponent.
        {98765.43F, "98765.4", true},
        {98765.43F, "98765.5", false},
        {98765.43F, "98765", true},
        {3.4028235e38F, "340282350000000000000000000000000000000", true},
        {1e10F, "1e10", true},
        {std::numeric_limits<float>::denorm_min(), "0", true},
        {std::numeric_limits<float>::denorm_min(), "1e-45", true},
        {std::numeric_limits<float>::denorm_min(), "0.000001", false},
        {1.5e-7F, "0.0000002", true},
        {1.5e-7F, "0.0000001", false},
        {1.23456789e-39F, "1.23457e-39", true},
        {1.23456789e-39F, "1.23458e-39", false},
        {pitch, "112246e-5", true},
        {0.0015F, "1.5e-3", true},
        {0.0015F, "1.6e-3", false},
        // "%g" rounds large values to tens and more; a text without an exponent is exact
        // to its last digit.
        {6.04366195741745E28F, "6.04366e+28", true},
        {6.04366195741745E28F, "6.04367e+28", false},
        {-6.04366195741745E28F, "-6.04366e+28", true},
        {3200672.0F, "3.20067e+06", true},
        {3200672.0F, "3.20068e+06", false},
        {3200672.0F, "3200670", false},
        {3200672.0F, "3e+06", true},
        {3200672.0F, "0.3e+07", true},
        // A value no text holds is only itself.
        {std::numeric_limits<float>::infinity(), "3.4028235e38", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Text) + " for " + std::to_string(c.Value));
        EXPECT_EQ(SameAsText(c.Value, c.Text), c.Same);
    }
    EXPECT_FALSE(
        SameAsWritten(BitsOfFloat(std::numeric_limits<float>::quiet_NaN()), BitsOfFloat(0.0F), 0));
}

TEST(WrittenFloat, CountsTheDecimalsATextWrites) {
    const std::vector<std::pair<std::string_view, int>> cases{
        {"1", 0},
        {"-0", 0},
        {"1.", 0},
        {".5", 1},
        {"+0.780", 3},
        {"1.12246", 5},
        {"1.5e-3", 4},
        {"2.5E3", -2},
        {"1e-45", 45},
        {"12e+1", -1},
        {"6.04366e+28", -23},
        {"1e999", FewestDecimals},
        {"1e-999", AllDecimals},
        {"38", 0},
        {"1.122462034", 9},
    };
    for (const auto& [text, decimals] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(WrittenDecimals(text), decimals);
    }
}

// A row beside an executable's record: the floats it writes rounded take the executable's
// bits, a float it really changes and every integer keep the row's.
TEST(WrittenFloat, ARowTakesTheExecutablesBitsOnlyWhereItRoundsThem) {
    TRecordBytes executable{};
    WriteField(Game("PlayerBank"), 38, executable);
    WriteField(Game("BassFactor"), BitsOfFloat(0.77999997F), executable);
    WriteField(Game("EnginePitch"), BitsOfFloat(1.0000001F), executable);
    WriteField(Game("HornPitch"), BitsOfFloat(1.12246203422546F), executable);
    WriteField(Game("EngineVolumeOffset"), BitsOfFloat(0.5F), executable);
    const std::string_view text = "infernus 0 39 37 0 0.78 1 7 1.12246 2 0 10 0 11 0.6";
    const TCfgRow parsed = ParseAudioCfg(text).front();
    TRecordBytes row{};
    for (std::size_t i = 0; i < CfgValueCount; ++i) {
        WriteField(GameLayout()[i], parsed.Values[i], row);
    }
    const std::vector<int> decimals{0, 0, 0, 0, 2, 0, 0, 5, 0, 0, 0, 0, 0, 1};

    const TRecordBytes seen = AsWrittenBeside(executable, row, decimals);
    EXPECT_EQ(ReadField(Game("PlayerBank"), seen), 39U);
    EXPECT_EQ(ReadField(Game("BassFactor"), seen), BitsOfFloat(0.77999997F));
    EXPECT_EQ(ReadField(Game("EnginePitch"), seen), BitsOfFloat(1.0000001F));
    EXPECT_EQ(ReadField(Game("HornPitch"), seen), BitsOfFloat(1.12246203422546F));
    EXPECT_EQ(ReadField(Game("EngineVolumeOffset"), seen), BitsOfFloat(0.6F));
    EXPECT_EQ(AsWrittenBeside(executable, row, {}), row) << "no text: bits";
}

// A patch line made on an executable finds its value in a cfg that writes it rounded, and
// leaves a float that already writes the new value as it is written.
TEST(WrittenFloat, APatchFindsACfgsRoundedFloat) {
    const TPatch patch = ParsePatch("411 INFERNUS --game HornPitch: 1.12246203422546 -> 1.5\n"
                                    "411 INFERNUS --game BassFactor: 0.779999971389771 -> "
                                    "0.800000011920929\n");
    const auto cfgRecord = [](std::string_view pitch, std::string_view bass) {
        TRecordBytes bytes{};
        WriteField(Game("HornPitch"), ParseCfgValue(Game("HornPitch"), pitch), bytes);
        WriteField(Game("BassFactor"), ParseCfgValue(Game("BassFactor"), bass), bytes);
        std::vector<int> decimals(CfgValueCount, 0);
        decimals[4] = WrittenDecimals(bass);
        decimals[7] = WrittenDecimals(pitch);
        return TVehicleRecord{SlotVehicle(411), bytes, {}, decimals};
    };
    std::vector<TVehicleRecord> records{cfgRecord("1.12246", "0.78")};
    EXPECT_TRUE(ApplyPatch(patch.Changes, TPatchDirection::Forward, records).empty());
    EXPECT_EQ(ReadField(Game("HornPitch"), records[0].Bytes), BitsOfFloat(1.5F));
    EXPECT_EQ(ReadField(Game("BassFactor"), records[0].Bytes), BitsOfFloat(0.8F));
    // Undone, the values are the executable's own.
    EXPECT_TRUE(ApplyPatch(patch.Changes, TPatchDirection::Reverse, records).empty());
    EXPECT_EQ(ReadField(Game("HornPitch"), records[0].Bytes), BitsOfFloat(1.12246203422546F));

    // A cfg that already writes the new value keeps its text; one digit off is a conflict.
    records = {cfgRecord("1.5", "0.80")};
    const TRecordBytes kept = records[0].Bytes;
    EXPECT_TRUE(ApplyPatch(patch.Changes, TPatchDirection::Reverse, records).empty());
    records = {cfgRecord("1.5", "0.80")};
    EXPECT_EQ(ApplyPatch(patch.Changes, TPatchDirection::Forward, records).size(), 2U);
    EXPECT_EQ(records[0].Bytes, kept);
    records = {cfgRecord("1.12247", "0.78")};
    EXPECT_EQ(ApplyPatch(patch.Changes, TPatchDirection::Forward, records).size(), 1U);
    // A line that only rounds leaves the cfg's text as it is written.
    const TPatch rounding = ParsePatch("411 INFERNUS HornTone: 1.12246000766754 -> 0x3F8FACD6\n");
    records = {cfgRecord("1.12246", "0.78")};
    const TRecordBytes written = records[0].Bytes;
    EXPECT_TRUE(ApplyPatch(rounding.Changes, TPatchDirection::Forward, records).empty());
    EXPECT_EQ(records[0].Bytes, written);
    // An executable's record is compared bit for bit.
    records = {cfgRecord("1.12246", "0.78")};
    records[0].Decimals.clear();
    EXPECT_EQ(ApplyPatch(patch.Changes, TPatchDirection::Forward, records).size(), 1U);
}

} // namespace
} // namespace klarvon::exchange

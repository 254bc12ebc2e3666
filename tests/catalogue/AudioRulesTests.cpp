// The game's rules on records: each rule on a value that breaks it and on one that just
// passes it, and the stock game's own rows giving no problem, so `check` neither stays
// silent about a mute car nor cries wolf on an untouched game.

#include "catalogue/AudioRules.h"
#include "catalogue/BankNames.h"
#include "catalogue/ModelNames.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace klarvon {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

struct TValue {
    std::string_view Field; // the game's name
    double Value;
};

// The game's fourteen fields in stored order, as the stock table holds them.
using TGameRow = std::array<double, 14>;

void Set(TRecordBytes& bytes, const TValue& value) {
    const TLayoutField* field = FindLayoutField(GameLayout(), value.Field);
    ASSERT_NE(field, nullptr) << value.Field;
    const TFieldBits bits =
        field->Type == TValueType::Float32
            ? BitsOfFloat(static_cast<float>(value.Value))
            : BitsOfInteger(field->Type, static_cast<std::int64_t>(value.Value));
    WriteField(*field, bits, bytes);
}

TRecordBytes RecordOf(const TGameRow& row) {
    TRecordBytes bytes{};
    for (std::size_t i = 0; i < row.size(); ++i) {
        Set(bytes, {GameLayout()[i].Name, row[i]});
    }
    return bytes;
}

// LANDSTAL (400) as the stock game has it: a car that breaks no rule.
constexpr TGameRow Landstal{0, 99, 98, 0, 0.77999997, 1.0, 7, 1.0, 2, 0, 8, 0, 0, 0.0};

struct TRuleCase {
    std::vector<TValue> Values; // over LANDSTAL's
    std::string_view Rule;      // empty: no finding at all
    std::string_view Field;     // the finding's
    TSeverity Severity = TSeverity::Problem;
    std::optional<int> Id = 400; // none: a vehicle a mod adds
    std::string_view Model = "landstal";
    const TBankFacts* Banks = &StockBankFacts();
};

// A user's own sound files, as the reader gives their facts: the stock banks, changed.
TBankFacts UsersBanks(std::size_t count = StockBankFacts().Banks.size()) {
    TBankFacts facts = StockBankFacts();
    facts.Banks.resize(count, {1000, std::nullopt});
    facts.UsersFolder = "/games/sa";
    return facts;
}

// Slots exactly as big as LANDSTAL's banks (99 player, 98 dummy), less the bytes given.
TBankFacts SlotsOfLandstal(std::uint32_t playerLess, std::uint32_t dummyLess) {
    TBankFacts facts = UsersBanks();
    facts.PlayerSlotBytes = facts.Banks[99].Bytes - playerLess;
    facts.DummySlotBytes = facts.Banks[98].Bytes - dummyLess;
    return facts;
}

constexpr auto P = TSeverity::Problem;
constexpr auto N = TSeverity::Note;
constexpr std::string_view Kind = "VehicleAudioType";
constexpr std::string_view Name = "VehicleAudioTypeForName";
constexpr std::string_view None;

TEST(AudioRules, EachRuleOnAValueThatBreaksItAndOneThatJustPassesIt) {
    const std::optional<int> added;
    const TBankFacts atSlots = SlotsOfLandstal(0, 0);
    const TBankFacts overSlots = SlotsOfLandstal(1, 0);
    const TBankFacts overDummy = SlotsOfLandstal(0, 1);
    const TBankFacts lookup153 = UsersBanks(153);
    const TBankFacts lookup800 = UsersBanks(800);
    const TBankFacts noPackage = [] {
        TBankFacts facts = UsersBanks(800);
        facts.Banks[98].Unloadable = "its package audio/SFX/GENRL is missing";
        return facts;
    }();
    const std::vector<TRuleCase> cases{
        // The kind of vehicle.
        {{{Kind, 7}}, "audio-never-starts", Kind, P},
        {{{Kind, 11}}, "audio-never-starts", Kind, P},
        {{{Kind, 9}}, "special-engine-model", Kind, P},
        {{{Kind, 9}}, "special-engine-model", Kind, P, added, "mycar"},
        {{{Kind, 9}}, None, None, P, 457, "CADDY"},
        {{{Kind, 9}}, None, None, P, 441, ""}, // the slot's own model decides
        {{{Kind, 10}}, "no-vehicle-audio", Kind, N},
        {{{Kind, 10}}, "no-vehicle-audio", Kind, N, 606, "bagboxa"},
        {{{Kind, 3}}, "kind-differs", Kind, N},
        {{{Kind, 3}}, None, None, P, added, "myboat"},
        {{{Kind, 3}}, None, None, P, 430, "predator"},

        // The sound banks.
        {{{"PlayerBank", -1}}, "engine-bank-missing", "PlayerBank", P},
        {{{Kind, 1}, {"DummyBank", -1}}, "engine-bank-missing", "DummyBank", P, added, "mybike"},
        {{{Kind, 4}, {"DummyBank", -1}}, None, None, P, 417, "leviathn"},
        {{{"PlayerBank", 710}}, "bank-710", "PlayerBank", P},
        {{{"PlayerBank", 711}}, "bank-beyond-stock", "PlayerBank", N},
        {{{"DummyBank", 32767}}, "bank-beyond-stock", "DummyBank", N},
        {{{"DummyBank", -2}}, "bank-never-loaded", "DummyBank", P},
        // Speech, mission and general banks overrun an engine slot, or are no engine.
        {{{"PlayerBank", 709}}, "player-bank-too-big", "PlayerBank", P},
        {{{"DummyBank", 411}}, "dummy-bank-too-big", "DummyBank", P},
        {{{"DummyBank", 410}}, "dummy-bank-too-big", "DummyBank", P},
        {{{"PlayerBank", 27}}, "player-bank-too-big", "PlayerBank", P},
        {{{"DummyBank", 143}}, "dummy-bank-too-big", "DummyBank", P},
        {{{"DummyBank", 26}}, "dummy-bank-too-big", "DummyBank", P},
        {{{"DummyBank", 25}}, None, None},
        {{{"PlayerBank", 5}}, "bank-wrong-kind", "PlayerBank", N},
        {{{"PlayerBank", 25}}, "bank-wrong-kind", "PlayerBank", N},
        {{{"DummyBank", 11}}, "bank-wrong-kind", "DummyBank", N},
        {{{"PlayerBank", 9}}, None, None}, // a vehicle sound of neither type
        // A boat's PlayerBank is never loaded; its DummyBank is.
        {{{Kind, 3}, {"PlayerBank", 27}}, None, None, P, 430, "predator"},
        {{{Kind, 3}, {"PlayerBank", 5}}, None, None, P, 430, "predator"},
        {{{Kind, 3}, {"DummyBank", 26}}, "dummy-bank-too-big", "DummyBank", P, 430, "predator"},
        // The user's own files: their slots, their lookup, their packages.
        {{}, None, None, P, 400, "landstal", &atSlots},
        {{}, "player-bank-too-big", "PlayerBank", P, 400, "landstal", &overSlots},
        {{}, "dummy-bank-too-big", "DummyBank", P, 400, "landstal", &overDummy},
        {{{"DummyBank", 153}}, "bank-not-in-files", "DummyBank", P, 400, "landstal", &lookup153},
        {{{"DummyBank", 152}}, "dummy-bank-too-big", "DummyBank", P, 400, "landstal", &lookup153},
        {{{"PlayerBank", 711}}, "bank-not-in-files", "PlayerBank", P, 400, "landstal", &lookup153},
        {{{"PlayerBank", 711}}, None, None, P, 400, "landstal", &lookup800},
        {{}, "bank-not-in-files", "DummyBank", P, 400, "landstal", &noPackage},
        {{{Kind, 3}, {"PlayerBank", 200}}, None, None, P, 430, "predator", &lookup153},

        // The bass.
        {{{"BassSetting", 3}}, "bass-preset-unknown", "BassSetting", N},
        {{{"BassSetting", 2}}, None, None},
        {{{"BassSetting", 1}, {"BassFactor", 3.76}}, "bass-gain-refused", "BassFactor", N},
        {{{"BassSetting", 1}, {"BassFactor", 3.75}}, None, None},
        {{{"BassSetting", 2}, {"BassFactor", -1.01}}, "bass-gain-refused", "BassFactor", N},
        {{{"BassSetting", 2}, {"BassFactor", -1.0}}, None, None},

        // Floats the game computes volumes and pitches from.
        {{{"BassFactor", NaN}}, "float-not-finite", "BassFactor", P},
        {{{"BassSetting", 1}, {"BassFactor", Infinity}}, "float-not-finite", "BassFactor", P},
        {{{"EnginePitch", Infinity}}, "float-not-finite", "EnginePitch", P},
        {{{"HornPitch", -Infinity}}, "float-not-finite", "HornPitch", P},
        {{{"EngineVolumeOffset", NaN}}, "float-not-finite", "EngineVolumeOffset", P, added, "a"},
        {{{"EngineVolumeOffset", 3.0e38}}, None, None},

        // The horn and the doors.
        {{{"HornType", 10}}, "no-horn", "HornType", P},
        {{{"HornType", -2}}, "no-horn", "HornType", P},
        {{{"HornType", 9}}, None, None},
        {{{"HornType", -1}}, None, None},
        {{{"HornPitch", 0}}, "horn-pitch-not-positive", "HornPitch", N},
        {{{"HornPitch", 1e-45}}, None, None},
        {{{"DoorType", 5}}, "no-door-sound", "DoorType", P},
        {{{"DoorType", -2}}, "no-door-sound", "DoorType", P},
        {{{"DoorType", 4}}, None, None},
        {{{"DoorType", -1}}, None, None},

        // No reader in the game: never a finding.
        {{{"EnginePitch", 0}, {"EngineUpgrade", 255}}, None, None},

        // The radio.
        {{{"RadioStation", 14}}, "radio-station-off", "RadioStation", N},
        {{{"RadioStation", -1}}, "radio-station-negative", "RadioStation", N},
        {{{"RadioStation", 0}}, None, None},
        {{{"RadioStation", 13}}, None, None},
        {{{"RadioStation", 5}, {"RadioType", 3}}, "radio-station-ignored", "RadioStation", N},
        {{{"RadioStation", 13}, {"RadioType", 3}}, None, None},
        {{{"RadioStation", 13}, {"RadioType", 4}}, "no-radio", "RadioType", P},
        {{{"RadioStation", 13}, {"RadioType", -2}}, "no-radio", "RadioType", P},
        {{{"RadioStation", 13}, {"RadioType", -1}}, None, None},
        {{{"RadioStation", 13}, {"RadioType", 2}}, "radio-forced-off", "RadioType", N},

        // The vehicle's word in pedestrians' speech.
        {{{Name, 46}}, "generic-name-in-speech", Name, N},
        {{{Name, 45}}, None, None},
        {{{Name, -1}}, None, None},
    };
    for (const TRuleCase& c : cases) {
        TRecordBytes bytes = RecordOf(Landstal);
        std::string label = (c.Id ? std::to_string(*c.Id) : "-") + " " + std::string(c.Model);
        for (const TValue& value : c.Values) {
            Set(bytes, value);
            label.append(" ").append(value.Field).append("=").append(std::to_string(value.Value));
        }
        const std::vector<TFinding> findings = CheckRecord(c.Id, c.Model, bytes, *c.Banks);
        if (c.Rule.empty()) {
            EXPECT_TRUE(findings.empty()) << label << ": " << findings.front().Rule;
            continue;
        }
        ASSERT_EQ(findings.size(), 1U) << label;
        const TFinding& finding = findings.front();
        EXPECT_EQ(finding.Rule, c.Rule) << label;
        EXPECT_EQ(finding.Field->Name, c.Field) << label;
        EXPECT_EQ(finding.Severity, c.Severity) << label;
        EXPECT_EQ(finding.Value, ReadField(*finding.Field, bytes)) << label;
        EXPECT_FALSE(finding.What.empty()) << label;
    }
}

TEST(AudioRules, FindingsComeInFieldOrderAndSayWhatTheGameDoes) {
    TRecordBytes bytes = RecordOf(Landstal);
    Set(bytes, {"RadioType", 9});
    Set(bytes, {"HornType", 12});
    Set(bytes, {"VehicleAudioType", 9});
    Set(bytes, {"PlayerBank", -1});
    // The special kind plays no car engine: its missing bank is no finding of its own.
    const std::vector<TFinding> findings = CheckRecord(400, "LANDSTAL", bytes);
    ASSERT_EQ(findings.size(), 4U);
    const std::array<std::string_view, 4> fields{"VehicleAudioType", "HornType", "RadioStation",
                                                 "RadioType"};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(findings[i].Field->Name, fields[i]);
    }
    EXPECT_EQ(findings[1].What, "no horn (-1 is no horn, 0 the bicycle bell, 1..9 car horns)");
    EXPECT_EQ(findings[0].What, "no engine sound (the special engine code knows only artict1, "
                                "artict2, artict3, petrotr, rcbandit, rctiger, caddy, rcbaron, "
                                "rcraider, rcgoblin and vortex)");
    EXPECT_EQ(SeverityName(findings[0].Severity), "problem");
    EXPECT_EQ(SeverityName(findings[2].Severity), "note");

    Set(bytes, {"VehicleAudioType", 3});
    EXPECT_EQ(CheckRecord(400, "landstal", bytes).front().What,
              "the engine code treats the vehicle as the wrong kind (the stock game gives it 0, "
              "car): wrong or no sound, a crash is possible");
}

TEST(AudioRules, BankFindingsGiveNumbersAModderCanActOn) {
    TBankFacts users = UsersBanks(153);
    users.Banks[98].Unloadable = "its package audio/SFX/GENRL is missing";
    const struct {
        std::vector<TValue> Values;
        const TBankFacts& Banks;
        std::string What;
    } cases[]{
        {{{"DummyBank", 300}},
         StockBankFacts(),
         "the bank's 96,336 bytes overrun the 74,496-byte dummy engine slot: the next slot's "
         "sounds are overwritten, a crash is possible"},
        {{{"PlayerBank", 27}},
         StockBankFacts(),
         "the bank's 383,144 bytes overrun the 290,048-byte player engine slot: the footsteps' "
         "slot after it is overwritten, a crash is possible"},
        {{{"PlayerBank", 25}},
         StockBankFacts(),
         "a dummy-type bank as PlayerBank (Buick sedan engine, dummy bank): wrong sounds, the "
         "game plays its sounds 0 to 2 as the engine"},
        {{{"PlayerBank", 5}},
         StockBankFacts(),
         "not a vehicle sound (Footsteps: tile): wrong sounds, the game plays its sounds 0 to 2 "
         "as the engine"},
        {{{"PlayerBank", 153}, {"DummyBank", 25}},
         users,
         "the bank is never loaded, silent: your BankLkup.dat holds 153 banks (0 to 152)"},
        {{}, users, "the bank is never loaded, silent: its package audio/SFX/GENRL is missing"},
    };
    for (const auto& c : cases) {
        TRecordBytes bytes = RecordOf(Landstal);
        for (const TValue& value : c.Values) {
            Set(bytes, value);
        }
        const std::vector<TFinding> findings = CheckRecord(400, "landstal", bytes, c.Banks);
        ASSERT_EQ(findings.size(), 1U) << c.What;
        EXPECT_EQ(findings[0].What, c.What);
    }
}

// A size or role typed wrong into the banks' table would have `check` cry wolf on an
// untouched game, or stay silent on a bank that overruns its slot.
TEST(AudioRules, EveryStockUsersBankFitsItsSlotAndHasItsRole) {
    const TBankFacts& stock = StockBankFacts();
    ASSERT_EQ(stock.Banks.size(), static_cast<std::size_t>(StockBankCount));
    EXPECT_TRUE(stock.UsersFolder.empty());
    for (int bank = 0; bank < StockBankCount; ++bank) {
        const TBankName& name = *StockBankName(bank);
        EXPECT_EQ(stock.Banks[static_cast<std::size_t>(bank)].Bytes, name.StockBytes) << bank;
        EXPECT_FALSE(stock.Banks[static_cast<std::size_t>(bank)].Unloadable) << bank;
        if (StockUse(bank, true)) {
            EXPECT_EQ(name.Role, TBankRole::PlayerEngine) << bank;
            EXPECT_LE(name.StockBytes, stock.PlayerSlotBytes) << bank;
        }
        if (StockUse(bank, false)) {
            EXPECT_EQ(name.Role, TBankRole::DummyEngine) << bank;
            EXPECT_LE(name.StockBytes, stock.DummySlotBytes) << bank;
        }
    }
}

// Rows as the stock game holds them (the game's fields in stored order).
struct TStockRow {
    int Id;
    std::string_view Model;
    TGameRow Values;
};

TEST(AudioRules, TheStockGamesRowsGiveNoProblem) {
    const std::vector<TStockRow> rows{
        {400, "landstal", Landstal},
        {403, "linerun", {0, 84, 83, 0, 0.0, 1.0, 9, 0.84089643, 3, 0, 2, 0, 3, 6.0}},
        {417, "leviathn", {4, 12, -1, 0, 0.69999999, 1.0, -1, 1.0, 0, 0, 3, 0, 13, 0.0}},
        {430, "predator", {3, 22, 21, 0, 0.69999999, 1.0, -1, 1.0, -1, 0, 7, 0, 19, 0.0}},
        {435, "artict1", {9, -1, -1, 0, 0.69999999, 1.0, -1, 1.0, -1, 0, 13, 1, -1, 0.0}},
        {441, "rcbandit", {9, 36, 118, 0, 0.69999999, 1.0, -1, 1.0, -1, 0, 13, 1, -1, 0.0}},
        {449, "tram", {8, 132, 133, 0, 0.69999999, 1.0, -1, 1.0, -1, 0, 13, -1, 26, 0.0}},
        {457, "caddy", {9, 64, 63, 2, 0.89999998, 1.0, 1, 1.2599211, -1, 0, 2, 0, 27, 0.0}},
        {461, "pcj600", {1, 125, 124, 2, 0.69999999, 1.1892071, 6, 1.122462, -1, 0, 7, 0, 29, 0.0}},
        {481, "bmx", {2, 19, 18, 2, 0.69999999, 1.0, 0, 1.0, -1, 0, 13, 1, 41, 0.0}},
        {519, "shamal", {5, -1, -1, 0, 0.85000002, 1.0, -1, 1.0, 0, 0, 3, 0, 28, 0.0}},
        {606, "bagboxa", {10, 130, 129, 0, 0.69999999, 1.0, -1, 1.0, -1, 0, 13, -1, -1, 0.0}},
        {611, "utiltr1", {10, -1, -1, 0, 0.69999999, 1.0, -1, 1.0, -1, 0, 13, -1, -1, 0.0}},
    };
    for (const TStockRow& row : rows) {
        for (const TFinding& finding : CheckRecord(row.Id, row.Model, RecordOf(row.Values))) {
            EXPECT_EQ(finding.Severity, TSeverity::Note)
                << row.Model << " " << finding.Field->Name << ": " << finding.Rule;
        }
    }
}

// Every model with its own stock kind and banks in place: the kinds table and the special
// models' list agree, so no stock model is told its own kind is wrong.
TEST(AudioRules, EveryModelsStockKindIsRightForIt) {
    const std::vector<std::pair<int, int>> known{
        {400, 0}, {417, 4}, {430, 3}, {435, 9},  {448, 1}, {449, 8},  {457, 9},
        {460, 5}, {481, 2}, {539, 9}, {594, 10}, {609, 0}, {611, 10},
    };
    for (const auto& [id, kind] : known) {
        EXPECT_EQ(StockAudioType(id), kind) << id;
    }
    EXPECT_EQ(StockAudioType(399), std::nullopt);
    EXPECT_EQ(StockAudioType(612), std::nullopt);
    EXPECT_EQ(StockAudioType(630), std::nullopt);

    for (int id = 400; id <= LastModelId; ++id) {
        TRecordBytes bytes = RecordOf(Landstal);
        Set(bytes, {"VehicleAudioType", static_cast<double>(StockAudioType(id).value())});
        for (const TFinding& finding : CheckRecord(id, ModelName(id), bytes)) {
            EXPECT_EQ(finding.Rule, "no-vehicle-audio") << id << " " << ModelName(id);
        }
    }
}

TEST(AudioRules, SlotsWithoutAModelAreNotChecked) {
    TRecordBytes bytes{};
    Set(bytes, {"VehicleAudioType", 7});
    Set(bytes, {"HornType", 100});
    Set(bytes, {"PlayerBank", 710});
    Set(bytes, {"DummyBank", -1});
    Set(bytes, {"HornPitch", 1});
    for (int id : {612, 630}) {
        EXPECT_TRUE(CheckRecord(id, "", bytes).empty()) << id;
    }
    EXPECT_EQ(CheckRecord(611, "utiltr1", bytes).size(), 3U);
    EXPECT_THROW(CheckRecord(631, "", bytes), std::out_of_range);
    EXPECT_THROW(CheckRecord(399, "", bytes), std::out_of_range);
}

} // namespace
} // namespace klarvon

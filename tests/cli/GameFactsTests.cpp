// The game's values as every command tells them: `show --game` names a value, `check` judges
// it and the demo writes it from one table, so a modder never reads two stories about one
// byte. The expectations below are typed from the game's facts, not from that table, so a
// wrong meaning or a span off by one in it fails here.

#include "CliProcess.h"
#include "catalogue/AudioRules.h"
#include "cli/DemoExecutable.h"
#include "exchange/FieldText.h"
#include "table/GameValues.h"
#include "table/TableLocator.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace klarvon::test {
namespace {

// What show and check say of one value of a field, on an added vehicle that is otherwise a
// sound car.
struct TFact {
    std::string_view Field;
    std::int64_t Value;
    std::string_view Shown;     // show --game's text: the meaning, or the number
    std::string_view Rule;      // check's finding about the field; empty: none
    bool WhatIsMeaning = false; // check words the finding as show names the value
};

constexpr std::string_view Kind = "VehicleAudioType";
constexpr std::string_view Word = "VehicleAudioTypeForName";

// Every known value of every field the table holds, and the values just outside each span.
const std::vector<TFact>& Facts() {
    static const std::vector<TFact> facts{
        {Kind, -1, "-1", "audio-never-starts"},
        {Kind, 0, "car", ""},
        {Kind, 1, "bike", ""},
        {Kind, 2, "bmx", ""},
        {Kind, 3, "boat", ""},
        {Kind, 4, "heli", ""},
        {Kind, 5, "plane", ""},
        {Kind, 6, "seaplane", ""},
        {Kind, 7, "one gear", "audio-never-starts"},
        {Kind, 8, "train", ""},
        {Kind, 9, "special", "special-engine-model"},
        {Kind, 10, "no vehicle", "no-vehicle-audio"},
        {Kind, 11, "11", "audio-never-starts"},

        {"PlayerBank", -2, "-2", "bank-never-loaded"},
        {"PlayerBank", -1, "-1", "engine-bank-missing"},
        {"PlayerBank", 709, "709", "player-bank-too-big"},
        {"PlayerBank", 710, "710", "bank-710"},
        {"DummyBank", -2, "-2", "bank-never-loaded"},
        {"DummyBank", -1, "-1", "engine-bank-missing"},
        {"DummyBank", 709, "709", "dummy-bank-too-big"},
        {"DummyBank", 710, "710", "bank-710"},

        {"BassSetting", -1, "-1", "bass-preset-unknown"},
        {"BassSetting", 0, "normal", ""},
        {"BassSetting", 1, "boost", ""},
        {"BassSetting", 2, "cut", ""},
        {"BassSetting", 3, "3", "bass-preset-unknown"},

        {"HornType", -2, "-2", "no-horn"},
        {"HornType", -1, "none", ""},
        {"HornType", 0, "bicycle bell", ""},
        {"HornType", 1, "horn 1", ""},
        {"HornType", 2, "horn 2", ""},
        {"HornType", 3, "horn 3", ""},
        {"HornType", 4, "horn 4", ""},
        {"HornType", 5, "horn 5", ""},
        {"HornType", 6, "horn 6", ""},
        {"HornType", 7, "horn 7", ""},
        {"HornType", 8, "horn 8", ""},
        {"HornType", 9, "horn 9", ""},
        {"HornType", 10, "10", "no-horn"},

        {"DoorType", -2, "-2", "no-door-sound"},
        {"DoorType", -1, "unset", ""},
        {"DoorType", 0, "light", ""},
        {"DoorType", 1, "old", ""},
        {"DoorType", 2, "new", ""},
        {"DoorType", 3, "truck", ""},
        {"DoorType", 4, "van", ""},
        {"DoorType", 5, "5", "no-door-sound"},

        {"RadioStation", -1, "invalid", "radio-station-negative"},
        {"RadioStation", 0, "0", ""},
        {"RadioStation", 13, "off", ""},
        {"RadioStation", 14, "14", "radio-station-off"},

        {"RadioType", -2, "-2", "no-radio"},
        {"RadioType", -1, "disabled", ""},
        {"RadioType", 0, "civilian", ""},
        {"RadioType", 1, "special", ""},
        {"RadioType", 2, "radio forced off", "radio-forced-off", true},
        {"RadioType", 3, "emergency", ""},
        {"RadioType", 4, "4", "no-radio"},

        {Word, -2, "-2", "generic-name-in-speech"},
        {Word, -1, "-1", ""},
        {Word, 45, "45", ""},
        {Word, 46, "46", "generic-name-in-speech"},
    };
    return facts;
}

const TLayoutField& GameField(std::string_view name) {
    const TLayoutField* field = FindLayoutField(GameLayout(), name);
    EXPECT_NE(field, nullptr) << name;
    return *field;
}

// A car that breaks no rule (LANDSTAL's stock values), as a mod adds it: no stock kind to
// differ from, so each finding is the value's own.
TRecordBytes SoundCar() {
    TRecordBytes bytes{};
    const auto setInteger = [&bytes](std::string_view name, std::int64_t value) {
        const TLayoutField& field = GameField(name);
        WriteField(field, BitsOfInteger(field.Type, value), bytes);
    };
    const auto setFloat = [&bytes](std::string_view name, float value) {
        WriteField(GameField(name), BitsOfFloat(value), bytes);
    };
    setInteger(Kind, 0);
    setInteger("PlayerBank", 99);
    setInteger("DummyBank", 98);
    setInteger("BassSetting", 0);
    setFloat("BassFactor", 0.78F);
    setFloat("EnginePitch", 1.0F);
    setInteger("HornType", 7);
    setFloat("HornPitch", 1.0F);
    setInteger("DoorType", 2);
    setInteger("RadioStation", 8);
    setInteger("RadioType", 0);
    setInteger(Word, 0);
    return bytes;
}

// The values to ask about: each one the table names, and each end of its span with the
// value just past it.
std::set<std::int64_t> ValuesToAsk(const TGameValues& values) {
    std::set<std::int64_t> asked{values.First - 1, values.First, values.Last, values.Last + 1};
    for (const TValueMeaning& meaning : values.Meanings) {
        asked.insert(meaning.Value);
    }
    return asked;
}

TEST(GameFacts, ShowAndCheckTellTheSameOfEveryKnownValueAndOfEachSpansEdges) {
    ASSERT_TRUE(CheckRecord(std::nullopt, "mycar", SoundCar()).empty());
    std::set<std::pair<std::string_view, std::int64_t>> asked;
    for (const TGameValues& values : GameValueTable) {
        const TLayoutField& field = GameField(values.Field);
        // The layout's names for the values are the table's own.
        EXPECT_EQ(field.Meanings.data(), values.Meanings.data()) << values.Field;
        for (const std::int64_t value : ValuesToAsk(values)) {
            SCOPED_TRACE(std::string(values.Field) + " " + std::to_string(value));
            const auto fact =
                std::find_if(Facts().begin(), Facts().end(), [&](const TFact& candidate) {
                    return candidate.Field == values.Field && candidate.Value == value;
                });
            ASSERT_NE(fact, Facts().end()) << "a value the table speaks of that no fact covers";
            asked.emplace(values.Field, value);

            const TFieldBits bits = BitsOfInteger(field.Type, value);
            const std::string shown = exchange::ShownText(GameLayout(), field, bits);
            EXPECT_EQ(shown, fact->Shown);

            TRecordBytes bytes = SoundCar();
            WriteField(field, bits, bytes);
            std::vector<TFinding> findings = CheckRecord(std::nullopt, "mycar", bytes);
            std::erase_if(findings, [&](const TFinding& f) { return f.Field->Name != field.Name; });
            if (fact->Rule.empty()) {
                EXPECT_TRUE(findings.empty()) << findings.front().Rule;
                continue;
            }
            ASSERT_EQ(findings.size(), 1U);
            EXPECT_EQ(findings.front().Rule, fact->Rule);
            if (fact->WhatIsMeaning) {
                EXPECT_EQ(findings.front().What, shown);
            }
        }
    }
    // A fact the table no longer reaches: a value it lost, or a span that shrank.
    for (const TFact& fact : Facts()) {
        EXPECT_TRUE(asked.contains({fact.Field, fact.Value}))
            << fact.Field << " " << fact.Value << " is no longer a value the table speaks of";
    }
}

TEST(GameFacts, TheDemoWritesOnlyValuesTheTableKnows) {
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        const TRecordBytes bytes = cli::DemoRecord(id).Bytes;
        for (const TGameValues& values : GameValueTable) {
            const TLayoutField& field = GameField(values.Field);
            const std::int64_t value = IntegerValue(field.Type, ReadField(field, bytes));
            EXPECT_TRUE(values.Handles(value)) << id << " " << values.Field << " " << value;
        }
        const TLayoutField& kind = GameField(Kind);
        EXPECT_TRUE(MeaningOf(kind, ReadField(kind, bytes))) << id << " has a kind with no name";
    }
}

// The same byte through the built program: FORKLIFT's radio in the demo.
TEST(GameFacts, ShowGameAndCheckWordTheForcedOffRadioAlike) {
    TTempDir dir;
    const std::string path = dir.File("demo.exe");
    ASSERT_EQ(RunCli({"demo", path}).ExitCode, 0);

    const TCliRun show = RunCli({"show", path, "530", "--game"});
    ASSERT_EQ(show.ExitCode, 0) << show.Err;
    const std::vector<std::string> lines = Lines(show.Out);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "RadioType\t2\tradio forced off"), lines.end())
        << show.Out;

    const TCliRun check = RunCli({"check", path, "530"});
    EXPECT_EQ(check.ExitCode, 0) << check.Err;
    EXPECT_NE(check.Out.find("note: 530 forklift RadioType: 2: radio forced off\n"),
              std::string::npos)
        << check.Out;
}

} // namespace
} // namespace klarvon::test

// The findings as `check` prints them and as writing commands warn: the place a modder
// must go to in the cfg, the value as the cfg writes it, the JSON a script reads, and a
// warning only for what a change breaks.

#include "exchange/Findings.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

namespace klarvon::exchange {
namespace {

const TLayoutField& Game(std::string_view name) {
    return *FindLayoutField(GameLayout(), name);
}

void SetInteger(TRecordBytes& bytes, std::string_view name, std::int64_t value) {
    WriteField(Game(name), BitsOfInteger(Game(name).Type, value), bytes);
}

void SetFloat(TRecordBytes& bytes, std::string_view name, float value) {
    WriteField(Game(name), BitsOfFloat(value), bytes);
}

// INFERNUS as the stock game has it (the game's fields in stored order): no finding.
TRecordBytes Infernus() {
    constexpr std::array<double, 14> values{0,        38, 37, 1, 0.89999998, 1.0, 8,
                                            1.122462, 2,  0,  6, 0,          2,   0.0};
    TRecordBytes bytes{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const TLayoutField& field = GameLayout()[i];
        if (field.Type == TValueType::Float32) {
            SetFloat(bytes, field.Name, static_cast<float>(values[i]));
        } else {
            SetInteger(bytes, field.Name, static_cast<std::int64_t>(values[i]));
        }
    }
    return bytes;
}

// A cfg row as "infernus  0  38 ..." places its values: column of each, in GameLayout() order.
TRecordPlace CfgPlace(std::size_t line) {
    return {-1, line, {11, 14, 18, 22, 24, 29, 31, 33, 41, 43, 45, 47, 49, 51}};
}

constexpr std::string_view NoHorn = "no horn (-1 is no horn, 0 the bicycle bell, 1..9 car horns)";

TEST(FindingText, CheckLinesNameTheVehicleTheValueAndForACfgItsPlace) {
    TRecordBytes horn = Infernus();
    SetInteger(horn, "HornType", 12);
    TRecordBytes door = Infernus();
    SetInteger(door, "DoorType", -5);
    SetInteger(door, "BassSetting", 1);
    SetFloat(door, "BassFactor", 4.5F);
    TRecordBytes poisoned = Infernus();
    SetFloat(poisoned, "EngineVolumeOffset", std::numeric_limits<float>::quiet_NaN());
    SetFloat(poisoned, "HornPitch", -std::numeric_limits<float>::infinity());

    struct TCase {
        TVehicleRecord Record;
        std::vector<std::string> Lines;
    };
    const std::vector<TCase> cases{
        {{SlotVehicle(411), horn, {4584576, 0, {}}},
         {"problem: 411 infernus HornType: 12: " + std::string(NoHorn)}},
        {{ModelVehicle("INFERNUS"), horn, CfgPlace(7)},
         {"mods.cfg:7:31: problem: 411 INFERNUS HornType: 12: " + std::string(NoHorn)}},
        {{ModelVehicle("mycar"), door, CfgPlace(12)},
         {"mods.cfg:12:24: note: - mycar BassFactor: 4.5: the radio equaliser refuses the gain, "
          "so the bass setting is ignored",
          "mods.cfg:12:41: problem: - mycar DoorType: -5: no door sound (-1 behaves like 2)"}},
        {{SlotVehicle(411), poisoned, {4584576, 0, {}}},
         {"problem: 411 infernus HornPitch: 0xFF800000: arithmetic on it poisons volumes and "
          "pitches",
          "problem: 411 infernus EngineVolumeOffset: 0x7FC00000: arithmetic on it poisons "
          "volumes and pitches"}},
        {{SlotVehicle(411), Infernus(), {4584576, 0, {}}}, {}},
    };
    for (const TCase& c : cases) {
        const std::vector<TRecordFinding> findings = CheckRecords(std::span(&c.Record, 1));
        std::vector<std::string> lines;
        for (const TRecordFinding& finding : findings) {
            lines.push_back(CheckLine("mods.cfg", finding));
        }
        EXPECT_EQ(lines, c.Lines);
        const bool problem = std::any_of(c.Lines.begin(), c.Lines.end(), [](const std::string& l) {
            return l.find("problem: ") != std::string::npos;
        });
        EXPECT_EQ(HasProblem(findings), problem) << c.Record.Vehicle.Model;
    }
}

TEST(FindingText, JsonHasOneObjectPerLineWithNullsWhereThereIsNoPlaceOrId) {
    TRecordBytes horn = Infernus();
    SetInteger(horn, "HornType", 12);
    TRecordBytes station = Infernus();
    SetInteger(station, "RadioStation", 20);
    const std::vector<TVehicleRecord> records{
        {SlotVehicle(411), horn, {4584576, 0, {}}},
        {ModelVehicle("my\"car"), station, CfgPlace(3)},
    };
    std::ostringstream out;
    WriteCheckJson("C:\\mods\\a.cfg", CheckRecords(records), out);
    EXPECT_EQ(out.str(),
              "[\n"
              "{\"file\":\"C:\\\\mods\\\\a.cfg\",\"line\":null,\"column\":null,\"id\":411,"
              "\"model\":\"infernus\",\"field\":\"HornType\",\"value\":\"12\","
              "\"severity\":\"problem\",\"rule\":\"no-horn\",\"what\":\"" +
                  std::string(NoHorn) +
                  "\",\"intended\":false},\n"
                  "{\"file\":\"C:\\\\mods\\\\a.cfg\",\"line\":3,\"column\":45,\"id\":null,"
                  "\"model\":\"my\\\"car\",\"field\":\"RadioStation\",\"value\":\"20\","
                  "\"severity\":\"note\",\"rule\":\"radio-station-off\","
                  "\"what\":\"treated as 13, radio off\",\"intended\":false}\n"
                  "]\n");

    std::ostringstream none;
    WriteCheckJson("gta_sa.exe", {}, none);
    EXPECT_EQ(none.str(), "[\n]\n");
}

TEST(FindingText, WritingCommandsWarnOnlyOfTheProblemsTheirChangeMakes) {
    const TVehicle infernus = SlotVehicle(411);
    TRecordBytes hornless = Infernus();
    SetInteger(hornless, "HornType", 12);

    struct TCase {
        std::string Name;
        TRecordBytes Before;
        std::vector<std::pair<std::string_view, std::int64_t>> Changes;
        std::vector<std::string> Warnings;
    };
    const std::vector<TCase> cases{
        {"a new problem",
         Infernus(),
         {{"HornType", 12}},
         {"warning: 411 infernus HornType: 12: " + std::string(NoHorn)}},
        {"a note is no warning", Infernus(), {{"RadioType", 2}}, {}},
        {"a problem already there, its value changed", hornless, {{"HornType", 20}}, {}},
        {"a problem already there and a new one",
         hornless,
         {{"PlayerBank", 710}},
         {"warning: 411 infernus PlayerBank: 710: likely crash: the game has 710 banks (0..709) "
          "and its range test lets 710 through"}},
        {"the same field, another rule",
         Infernus(),
         {{"PlayerBank", -2}},
         {"warning: 411 infernus PlayerBank: -2: the bank is never loaded: silent"}},
        {"a problem mended", hornless, {{"HornType", 3}}, {}},
    };
    for (const TCase& c : cases) {
        TRecordBytes after = c.Before;
        for (const auto& [name, value] : c.Changes) {
            SetInteger(after, name, value);
        }
        std::vector<std::string> warnings;
        for (const TFinding& finding : NewProblems(infernus, c.Before, after)) {
            warnings.push_back(WarningLine(infernus, finding));
        }
        EXPECT_EQ(warnings, c.Warnings) << c.Name;
    }

    // A row a command adds: every problem is new, notes are not warned of.
    TRecordBytes added = hornless;
    SetInteger(added, "VehicleAudioType", 10);
    const std::vector<TFinding> problems = Problems(ModelVehicle("mycar"), added);
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_EQ(WarningLine(ModelVehicle("mycar"), problems.front()),
              "warning: - mycar HornType: 12: " + std::string(NoHorn));
}

} // namespace
} // namespace klarvon::exchange

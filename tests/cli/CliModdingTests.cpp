// Names for IDs, the game's field layout, find, field-wise and cross-file copy, exact
// round trips and read-only reading, through the built program.

#include "CliProcess.h"
#include "TableFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <unistd.h>

namespace klarvon::test {
namespace {

constexpr int Bullet = 541;
constexpr int Infernus = 411;

// As the game stores a car with an engine upgrade; editor and game read offsets
// 16..19, 24..25 and 31..35 differently, and the pads hold odd bytes to be kept.
TRecordBytes UpgradedCar() {
    return {
        0x00, 0xAA, 0x26, 0x00, 0x25, 0x00, 0x01, 0xBB, // type 0, banks 38/37, bass 1
        0x66, 0x66, 0x66, 0x3F, 0x00, 0x00, 0x80, 0x3F, // 0.9, 1
        0xFF, 0x11, 0x22, 0x33, 0x00, 0x00, 0xC0, 0x3F, // horn -1, pads, 1.5
        0x02, 0x02, 0x0D, 0xFF, 0x07, 0x44, 0x55, 0x66, // door 2, upgrade 2, 13, -1, 7, pads
        0x00, 0x00, 0xC0, 0xC0,                         // -6 at offset 32
    };
}

TBytes FileWithBulletUpgraded() {
    return MakeTableFile(SampleSignatureOffset, [](int id) {
        return id == Bullet ? TVehicleAudioRecord{UpgradedCar()} : SampleRecord(id);
    });
}

// The file as expected after bytes at a record's offset become the given ones.
TBytes Patched(TBytes bytes, int id, std::size_t offset, const std::vector<std::uint8_t>& with) {
    std::copy(with.begin(), with.end(),
              bytes.begin() + static_cast<std::ptrdiff_t>(SampleRecordOffset(id) + offset));
    return bytes;
}

TEST(CliNames, ANameStandsForItsSlotWhereverAnIdGoes) {
    struct TCase {
        std::string Word;
        std::string FirstLine; // of show's output, or of the usage error
    };
    const std::vector<TCase> cases{
        {"infernus", "# 411 INFERNUS (infernus) at offset "},
        {"BULLET", "# 541 BULLET (bullet) at offset "},
        {"caddy", "# 457 GOLFCART (caddy) at offset "},
        {"GolfCart", "# 457 GOLFCART (caddy) at offset "},
        {"police_la", "# 596 POLICE_LA (copcarla) at offset "},
        {"glenshit", "# 604 GLENDALE (glenshit) at offset "},
        {"612", "# 612 //Extra Slot at offset "},
        {"GLENDALE", "klarvon-cli: 'GLENDALE' could mean 466 GLENDALE (glendale) or 604 "
                     "GLENDALE (glenshit); give the ID"},
        {"bulet", "klarvon-cli: 'bulet' is not a vehicle ID or name; closest model names: "
                  "bullet mule bus"},
        {"411x", "klarvon-cli: '411x' is not a vehicle ID (400..630)"},
    };
    TTempDir dir;
    const std::string path = WriteTableFile(dir, "names.exe");
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Word);
        const TCliRun run = RunCli({"show", path, c.Word});
        if (c.FirstLine.starts_with("#")) {
            ASSERT_EQ(run.ExitCode, 0) << run.Err;
            EXPECT_TRUE(Lines(run.Out)[0].starts_with(c.FirstLine)) << run.Out;
        } else {
            EXPECT_EQ(run.ExitCode, 2);
            EXPECT_EQ(run.FirstErrorLine(), c.FirstLine);
        }
    }
}

TEST(CliGameView, ShowAndDumpReadTheGamesFieldsFromTheBytes) {
    TTempDir dir;
    const TBytes bytes = FileWithBulletUpgraded();
    const std::string path = WriteTableFile(dir, "game.exe", bytes);

    const TCliRun show = RunCli({"show", path, "bullet", "--game"});
    ASSERT_EQ(show.ExitCode, 0) << show.Err;
    EXPECT_EQ(show.Out, "# 541 BULLET (bullet) at offset " +
                            std::to_string(SampleRecordOffset(Bullet)) +
                            "\n"
                            "field\tstored\tshown\n"
                            "VehicleAudioType\t0\tcar\n"
                            "PlayerBank\t38\t38 (Cobra V8 sports car engine, player bank)\n"
                            "DummyBank\t37\t37 (Cobra V8 sports car engine, dummy bank)\n"
                            "BassSetting\t1\tboost\n"
                            "BassFactor\t0x3F666666\t0.899999976158142\n"
                            "EnginePitch\t0x3F800000\t1\n"
                            "HornType\t-1\tnone\n"
                            "HornPitch\t0x3FC00000\t1.5\n"
                            "DoorType\t2\tnew\n"
                            "EngineUpgrade\t2\t2\n"
                            "RadioStation\t13\toff\n"
                            "RadioType\t-1\tdisabled\n"
                            "VehicleAudioTypeForName\t7\t7\n"
                            "EngineVolumeOffset\t0xC0C00000\t-6\n");
    // The editor's view of the same record: the door and the upgrade as one number.
    EXPECT_NE(RunCli({"show", path, "541"}).Out.find("DoorSoundType\t514\tType 5\n"),
              std::string::npos);

    const std::string header =
        "id,name,model,VehicleAudioType,PlayerBank,DummyBank,BassSetting,BassFactor,"
        "EnginePitch,HornType,HornPitch,DoorType,EngineUpgrade,RadioStation,RadioType,"
        "VehicleAudioTypeForName,EngineVolumeOffset,bytes";
    const TCliRun csv = RunCli({"dump", path, "--game"});
    ASSERT_EQ(csv.ExitCode, 0) << csv.Err;
    const std::vector<std::string> rows = Lines(csv.Out);
    ASSERT_EQ(rows.size(), 1U + SlotCount);
    EXPECT_EQ(rows[0], header);
    EXPECT_EQ(rows[1 + Bullet - FirstVehicleId],
              "541,BULLET,bullet,0,38,37,1,0.899999976158142,1,-1,1.5,2,2,13,-1,7,-6,"
              "00AA2600250001BB6666663F0000803FFF112233"
              "0000C03F02020DFF074455660000C0C0");

    const TCliRun json = RunCli({"dump", path, "--game", "--json"});
    ASSERT_EQ(json.ExitCode, 0) << json.Err;
    const nlohmann::ordered_json object =
        nlohmann::ordered_json::parse(json.Out)[Bullet - FirstVehicleId];
    std::string keys;
    for (const auto& item : object.items()) {
        keys += (keys.empty() ? "" : ",") + item.key();
    }
    // Each bank's name follows its number; the CSV's keys keep their order around them.
    EXPECT_EQ(keys, "id,name,model,VehicleAudioType,PlayerBank,PlayerBankName,DummyBank,"
                    "DummyBankName,BassSetting,BassFactor,EnginePitch,HornType,HornPitch,"
                    "DoorType,EngineUpgrade,RadioStation,RadioType,VehicleAudioTypeForName,"
                    "EngineVolumeOffset,bytes");
    EXPECT_EQ(object["PlayerBankName"], "Cobra V8 sports car engine, player bank");
    EXPECT_EQ(object["DoorType"], 2);
    EXPECT_EQ(object["RadioType"], -1);
    EXPECT_EQ(object["EngineVolumeOffset"], "-6");
}

TEST(CliGameView, SetWritesOnlyTheFieldsOwnBytesAndKeepsThePads) {
    struct TCase {
        std::vector<std::string> Assignments;
        std::size_t Offset;
        std::vector<std::uint8_t> Bytes;
    };
    const std::vector<TCase> cases{
        {{"DoorType=-1"}, 24, {0xFF}},
        {{"EngineUpgrade=0"}, 25, {0x00}},
        {{"HornType=3"}, 16, {0x03}},
        {{"RadioType=3", "RadioStation=-1"}, 26, {0xFF, 0x03}},
        {{"VehicleAudioType=-128"}, 0, {0x80}},
        {{"EngineVolumeOffset=0x80000000"}, 32, {0x00, 0x00, 0x00, 0x80}},
        {{"BassFactor=2"}, 8, {0x00, 0x00, 0x00, 0x40}},
    };
    TTempDir dir;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Assignments[0]);
        const TBytes before = FileWithBulletUpgraded();
        const std::string path = WriteTableFile(dir, "set.exe", before);
        std::vector<std::string> arguments{"set", "--game", path, "bullet"};
        arguments.insert(arguments.end(), c.Assignments.begin(), c.Assignments.end());
        const TCliRun run = RunCli(arguments);
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_EQ(ReadBytes(path), Patched(before, Bullet, c.Offset, c.Bytes));
    }
}

TEST(CliGameView, AFailingSetLeavesTheFileByteIdentical) {
    struct TCase {
        std::vector<std::string> Assignments;
        int ExitCode;
        std::string FirstErrorLine;
    };
    const std::vector<TCase> cases{
        {{"VehicleAudioType=128"}, 1, "VehicleAudioType=128: out of range -128..127"},
        {{"EngineUpgrade=-1"}, 1, "EngineUpgrade=-1: out of range 0..255"},
        {{"DoorType=1", "HornType=-129"}, 1, "HornType=-129: out of range -128..127"},
        {{"BassFactor=0x8000000"}, 1, "'0x8000000' is not a valid floating point value."},
        {{"PlayerBank=0x80000000"}, 1, "PlayerBank=0x80000000: out of range -32768..32767"},
        {{"DoorSoundType=1"},
         2,
         "klarvon-cli: 'DoorSoundType' is not a field (it is one without --game); the fields "
         "are VehicleAudioType, PlayerBank, DummyBank, BassSetting, BassFactor, EnginePitch, "
         "HornType, HornPitch, DoorType, EngineUpgrade, RadioStation, RadioType, "
         "VehicleAudioTypeForName, EngineVolumeOffset"},
    };
    TTempDir dir;
    const TBytes before = FileWithBulletUpgraded();
    const std::string path = WriteTableFile(dir, "keep.exe", before);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Assignments.back());
        std::vector<std::string> arguments{"set", path, "541", "--game"};
        arguments.insert(arguments.end(), c.Assignments.begin(), c.Assignments.end());
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(run.ExitCode, c.ExitCode);
        EXPECT_EQ(run.FirstErrorLine(), c.FirstErrorLine);
        EXPECT_EQ(ReadBytes(path), before);
    }
}

TEST(CliFind, ListsEverySlotWhoseFieldsAllMatch) {
    TTempDir dir;
    const std::string path = WriteTableFile(dir, "find.exe", FileWithBulletUpgraded());
    // SampleRecord: VehicleType is id % 11, RadioType id % 4.
    std::string both;
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        if (id != Bullet && id % 11 == 3 && id % 4 == 1) {
            both += std::to_string(id) + '\t';
        }
    }
    struct TCase {
        std::vector<std::string> Conditions;
        std::string Out; // empty: no match
    };
    const std::vector<TCase> cases{
        {{"PowerOnSoundId=411"}, "411\tINFERNUS\tinfernus\n"},
        {{"--game", "PlayerBank=38", "DoorType=2"}, "541\tBULLET\tbullet\n"},
        {{"DoorSoundType=514"}, "541\tBULLET\tbullet\n"},
        {{"PowerOnSoundId=612"}, "612\t//Extra Slot\t-\n"},
        {{"Unknown7=0xC0C00000"}, ""}, // the float at 32 is not the editor's at 31
        {{"--game", "EngineVolumeOffset=0xC0C00000"}, "541\tBULLET\tbullet\n"},
        {{"PowerOnSoundId=411", "Unknown1=0"}, ""},
        {{"PowerOnSoundId=7"}, ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Conditions.back());
        std::vector<std::string> arguments{"find", path};
        arguments.insert(arguments.end(), c.Conditions.begin(), c.Conditions.end());
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(run.Out, c.Out);
        EXPECT_EQ(run.ExitCode, c.Out.empty() ? 1 : 0);
        EXPECT_EQ(run.Err, c.Out.empty() ? "no vehicle matches\n" : "");
    }
    const TCliRun several = RunCli({"find", path, "VehicleType=3", "RadioType=1"});
    ASSERT_EQ(several.ExitCode, 0) << several.Err;
    std::string ids;
    for (const std::string& line : Lines(several.Out)) {
        ids += line.substr(0, line.find('\t') + 1);
    }
    EXPECT_EQ(ids, both);
}

TEST(CliCopy, CopiesOnlyTheNamedFieldsOrTheRecordFromAnotherFile) {
    TTempDir dir;
    const TBytes original = FileWithBulletUpgraded();
    const TRecordBytes bullet = UpgradedCar();
    const auto bulletBytes = [&bullet](std::size_t offset, std::size_t count) {
        return std::vector<std::uint8_t>(bullet.begin() + static_cast<std::ptrdiff_t>(offset),
                                         bullet.begin() +
                                             static_cast<std::ptrdiff_t>(offset + count));
    };
    // Elsewhere in its file, and with the Bullet's record as it was.
    const std::string other = WriteTableFile(dir, "other.exe", MakeTableFile(1000, [](int id) {
                                                 return id == Infernus
                                                            ? TVehicleAudioRecord{UpgradedCar()}
                                                            : SampleRecord(id);
                                             }));
    struct TCase {
        std::vector<std::string> Arguments; // after "copy FILE"
        TBytes Expected;
        std::string Out;
    };
    const std::vector<TCase> cases{
        {{"bullet", "infernus", "PowerOnSoundId", "PowerOffSoundId"},
         Patched(original, Infernus, 2, bulletBytes(2, 4)),
         "411 INFERNUS PowerOnSoundId: 411 -> 38\n411 INFERNUS PowerOffSoundId: -411 -> 37\n"},
        {{"--game", "541", "411", "DoorType"},
         Patched(original, Infernus, 24, bulletBytes(24, 1)),
         "411 INFERNUS --game DoorType: 3 -> 2\n"},
        {{"541", "411", "--game", "HornType"},
         Patched(original, Infernus, 16, {0xFF}),
         "411 INFERNUS --game HornType: 3 -> -1\n"},
        {{"infernus", "400", "--from", other},
         Patched(original, 400, 0, bulletBytes(0, RecordSize)),
         ""},
        {{"--from=" + other, "400", "400"}, original, "400 LANDSTAL: no change\n"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Arguments[0] + ' ' + c.Arguments[1]);
        const std::string path = WriteTableFile(dir, "copy.exe", original);
        std::vector<std::string> arguments{"copy", path};
        arguments.insert(arguments.end(), c.Arguments.begin(), c.Arguments.end());
        const TCliRun run = RunCli(arguments);
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_EQ(ReadBytes(path), c.Expected);
        if (!c.Out.empty()) {
            EXPECT_EQ(run.Out, c.Out);
        }
    }
    const std::string path = WriteTableFile(dir, "copy.exe", original);
    const std::string missing = dir.File("missing.exe");
    const TCliRun run = RunCli({"copy", path, "400", "401", "--from", missing});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, missing + ": file not found\n");
    EXPECT_EQ(ReadBytes(path), original);
}

// A value the game is known to choke on is written all the same, with the game's effect as
// a warning; a value that only earns a note, or a problem the file already held, is not
// this command's doing and is not warned about.
TEST(CliWarnings, AValueTheGameHasAProblemWithIsWrittenWithAWarning) {
    struct TCase {
        std::vector<std::string> Arguments; // after the command and FILE
        std::string Command;
        std::string Err;
    };
    const std::string bank710 = "likely crash: the game has 710 banks (0..709) and its range test "
                                "lets 710 through\n";
    const std::vector<TCase> cases{
        {{"400", "--game", "PlayerBank=710"},
         "set",
         "warning: 400 landstal PlayerBank: 710: " + bank710},
        {{"400", "--game", "DummyBank=300"},
         "set",
         "warning: 400 landstal DummyBank: 300: the bank's 96,336 bytes overrun the 74,496-byte "
         "dummy engine slot: the next slot's sounds are overwritten, a crash is possible\n"},
        {{"400", "--game", "PlayerBank=25", "DummyBank=25"}, "set", ""},
        {{"400", "--game", "HornType=10"},
         "set",
         "warning: 400 landstal HornType: 10: no horn (-1 is no horn, 0 the bicycle bell, 1..9 "
         "car horns)\n"},
        // SampleRecord: DoorSoundType is the ID modulo 6, so 401 holds door type 5 already.
        {{"401", "Unknown1=3"}, "set", ""},
        {{"401", "400"},
         "copy",
         "warning: 400 landstal DoorType: 5: no door sound (-1 behaves like 2)\n"},
        {{"401", "400", "Unknown1"}, "copy", ""},
    };
    TTempDir dir;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Arguments.back());
        const std::string path = WriteTableFile(dir, "bank.exe");
        std::vector<std::string> arguments{c.Command, path};
        arguments.insert(arguments.end(), c.Arguments.begin(), c.Arguments.end());
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(run.ExitCode, 0);
        EXPECT_EQ(run.Err, c.Err);
        EXPECT_NE(ReadBytes(path), MakeTableFile());
    }
}

// Odd floats in every float field of one slot: what dump and diff print must give the
// very same bytes when handed back to set.
TEST(CliRoundTrip, WhatDumpAndDiffPrintSetsBackToTheSameBytes) {
    const std::vector<std::pair<TField, TFieldBits>> odd{
        {TField::Unknown2, 0x80000000}, // -0
        {TField::Unknown3, 0x7F800000}, // INF
        {TField::HornTone, 0x7FC00001}, // a quiet NaN with a payload
        {TField::Unknown7, 0x007FFFFF}, // the largest denormal
    };
    const std::vector<std::pair<TField, TFieldBits>> more{
        {TField::Unknown2, 0xFF800000}, // -INF
        {TField::Unknown3, 0x7F800001}, // a signalling NaN
        {TField::HornTone, 0x00000001}, // the smallest denormal
        {TField::Unknown7, 0x7F7FFFFF}, // the largest float
    };
    TTempDir dir;
    for (const auto& fields : {odd, more}) {
        const TBytes original = MakeTableFile();
        const TBytes modded = MakeTableFile(SampleSignatureOffset, [&fields](int id) {
            TVehicleAudioRecord record = SampleRecord(id);
            for (const auto& [field, bits] : fields) {
                record[field] = id == 450 ? bits : record[field];
            }
            return record;
        });
        const std::string before = WriteTableFile(dir, "before.exe", original);
        const std::string after = WriteTableFile(dir, "after.exe", modded);

        // diff, each line replayed as a set.
        const std::string replayed = WriteTableFile(dir, "replay.exe", original);
        const TCliRun diff = RunCli({"diff", before, after});
        ASSERT_EQ(diff.ExitCode, 0) << diff.Err;
        for (const std::string& line : Lines(diff.Out)) {
            const std::size_t colon = line.rfind(": ");
            const std::string field =
                line.substr(line.rfind(' ', colon - 1) + 1, colon - line.rfind(' ', colon - 1) - 1);
            const std::string value = line.substr(line.rfind("-> ") + 3);
            const TCliRun set = RunCli({"set", replayed, line.substr(0, 3), field + "=" + value});
            ASSERT_EQ(set.ExitCode, 0) << line << ": " << set.Err;
        }
        EXPECT_EQ(ReadBytes(replayed), modded);

        // dump's row of the slot, every field set back at once.
        const std::string fromDump = WriteTableFile(dir, "dump.exe", original);
        const TCliRun dump = RunCli({"dump", after});
        ASSERT_EQ(dump.ExitCode, 0) << dump.Err;
        const std::vector<std::string> rows = Lines(dump.Out);
        std::vector<std::string> names;
        std::vector<std::string> cells;
        for (std::istringstream in(rows[0]); std::getline(in, names.emplace_back(), ',');) {
        }
        for (std::istringstream in(rows[1 + 450 - FirstVehicleId]);
             std::getline(in, cells.emplace_back(), ',');) {
        }
        std::vector<std::string> set{"set", fromDump, "450"};
        for (std::size_t i = 3; i + 1 < names.size() && i + 2 < cells.size(); ++i) {
            set.push_back(names[i] + "=" + cells[i]);
        }
        const TCliRun run = RunCli(set);
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_EQ(ReadBytes(fromDump), modded);
    }
}

// A write-protected original, read by a user who may not write it.
TEST(CliReadOnly, ReadingCommandsWorkOnAFileTheUserMayNotWrite) {
    if (!CliIsNative() || ::geteuid() != 0) {
        GTEST_SKIP() << "needs root to run the program as nobody";
    }
    const std::vector<std::string> asNobody{"setpriv", "--reuid=nobody", "--regid=nogroup",
                                            "--clear-groups", "--"};
    TTempDir dir;
    std::filesystem::permissions(
        dir.Path(), std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                        std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                        std::filesystem::perms::others_exec);
    const TBytes original = MakeTableFile();
    const std::string locked = WriteTableFile(dir, "original.exe", original);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
    const std::string mine = WriteTableFile(dir, "mine.exe", FileWithBulletUpgraded());
    std::filesystem::permissions(mine, std::filesystem::perms::all);

    const std::vector<std::vector<std::string>> reading{
        {"info", locked},
        {"show", locked, "400"},
        {"show", locked, "400", "--game"},
        {"dump", locked},
        {"dump", locked, "--json"},
        {"diff", locked, mine},
        {"find", locked, "PowerOnSoundId=400"},
        {"copy", mine, "541", "541", "--from", locked},
    };
    for (const auto& command : reading) {
        SCOPED_TRACE(command[0]);
        const TCliRun run = RunCli(command, "", asNobody);
        EXPECT_EQ(run.ExitCode, 0) << run.Err;
    }
    EXPECT_EQ(ReadBytes(mine), MakeTableFile()); // the copy restored the Bullet

    const TCliRun set = RunCli({"set", locked, "400", "Unknown4=1"}, "", asNobody);
    EXPECT_EQ(set.ExitCode, 1);
    EXPECT_EQ(set.Err, locked + ": access denied; is it read-only, or in use by the game?\n");
    EXPECT_EQ(ReadBytes(locked), original);
}

} // namespace
} // namespace klarvon::test

// Moving changes between files through the built program: the limit adjuster's cfg both
// ways, diff output applied and reversed as a patch, several records as one change under
// a real failure, and backups.

#include "CliProcess.h"
#include "TableFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <regex>

namespace klarvon::test {
namespace {

constexpr int Infernus = 411;

// Floats a table may hold that a cfg must carry exactly: -0, the smallest and largest
// denormals, a float that needs all its digits, the largest finite ones.
constexpr std::array<TFieldBits, 8> AwkwardFloats{0x80000000, 0x00000001, 0x807FFFFF, 0x3F47AE14,
                                                  0x3F9837F0, 0x7F7FFFFF, 0xFF7FFFFF, 0x00800000};
constexpr std::array<std::size_t, 4> GameFloatOffsets{8, 12, 20, 32};

// Every byte busy, pads included, with -1s, the door type and engine upgrade apart, and
// awkward floats in the game's float fields.
TVehicleAudioRecord OddRecord(int id) {
    TRecordBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>((id * 31 + static_cast<int>(i) * 77) % 256);
    }
    bytes[0] = 0xFF; // VehicleAudioType -1
    for (std::size_t f = 0; f < GameFloatOffsets.size(); ++f) {
        const TFieldBits bits =
            AwkwardFloats[(static_cast<std::size_t>(id) + f) % AwkwardFloats.size()];
        for (std::size_t b = 0; b < 4; ++b) {
            bytes[GameFloatOffsets[f] + b] = static_cast<std::uint8_t>(bits >> (8 * b));
        }
    }
    return TVehicleAudioRecord{bytes};
}

// The game's field bytes of 400..611 cleared, its pad bytes and the other slots kept.
TBytes GameFieldsCleared(TBytes file) {
    constexpr std::array<std::size_t, 8> Pads{1, 7, 17, 18, 19, 29, 30, 31};
    for (int id = FirstVehicleId; id <= 611; ++id) {
        for (std::size_t i = 0; i < RecordSize; ++i) {
            if (std::find(Pads.begin(), Pads.end(), i) == Pads.end()) {
                file[SampleRecordOffset(id) + i] = 0;
            }
        }
    }
    return file;
}

TEST(CliCfg, ExportThenImportGivesBackTheVeryBytes) {
    TTempDir dir;
    const TBytes odd = MakeTableFile(SampleSignatureOffset, OddRecord);
    const std::string source = WriteTableFile(dir, "odd.exe", odd);
    for (const std::string form : {"", "--rows-only"}) {
        SCOPED_TRACE(form);
        std::vector<std::string> arguments{"export-cfg", source};
        if (!form.empty()) {
            arguments.push_back(form);
        }
        const TCliRun exported = RunCli(arguments);
        ASSERT_EQ(exported.ExitCode, 0) << exported.Err;
        const std::string cfg = WriteText(dir, "odd.cfg", exported.Out);
        const std::string target = WriteTableFile(dir, "target.exe", GameFieldsCleared(odd));
        const TCliRun imported = RunCli({"import-cfg", target, cfg});
        ASSERT_EQ(imported.ExitCode, 0) << imported.Err;
        EXPECT_EQ(ReadBytes(target), odd);
    }
}

TEST(CliCfg, ExportRefusesAFloatACfgCannotHold) {
    TTempDir dir;
    const std::string path =
        WriteTableFile(dir, "nan.exe", MakeTableFile(SampleSignatureOffset, [](int id) {
                           TVehicleAudioRecord record = SampleRecord(id);
                           if (id == Infernus) {
                               record[TField::HornTone] = 0x7FC00000;
                           }
                           return record;
                       }));
    const TCliRun run = RunCli({"export-cfg", path});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "411 infernus HornPitch holds a value that is not a finite number, which a "
                       "cfg row cannot hold\n");
    EXPECT_EQ(RunCli({"export-cfg", path, "400"}).ExitCode, 0);
}

TEST(CliCfg, ImportChecksEveryRowFirstAndTheLastRowOfAModelWins) {
    const std::string first = "infernus 0 38 37 1 0.9 1 -1 1.5 2 2 13 -1 7 -6\n";
    const std::string second = "INFERNUS 1 41 40 0 1 1 3 1 1 0 5 0 0 0\n";
    const std::string unknown = "mycar 0 1 2 0 1 1 0 1 0 0 0 0 0 0\n";
    struct TCase {
        std::string Name;
        std::string Cfg;
        std::vector<std::string> Flags;
        int ExitCode;
        bool Written;
        std::string Out;
        std::string Err;
    };
    const std::vector<TCase> cases{
        {"last row wins",
         "; two rows\n" + first + second,
         {},
         0,
         true,
         "411 INFERNUS --game VehicleAudioType: 4 -> 1\n"
         "411 INFERNUS --game PlayerBank: 411 -> 41\n",
         ""},
        {"a fault in a later row",
         first + second + "bullet 0 1 2 0 1 1 0 1 0 0 0 0 0\n",
         {},
         1,
         false,
         "",
         "CFG:3:33: the row ends after 13 of its 14 values; EngineVolumeOffset is missing\n"},
        {"a model the table lacks",
         first + unknown,
         {},
         1,
         false,
         "",
         "CFG:2:1: 'mycar' is not a model of the table (400..611); --skip-unknown skips such "
         "rows\n"},
        {"skipped",
         first + unknown,
         {"--skip-unknown"},
         0,
         true,
         "",
         "skipped: CFG:2:1: 'mycar' is not a model of the table (400..611)\n"},
        {"a misspelt model",
         "infernos 0 1 2 0 1 1 0 1 0 0 0 0 0 0\n",
         {},
         1,
         false,
         "",
         "CFG:1:1: 'infernos' is not a model of the table (400..611); did you mean infernus?; "
         "--skip-unknown skips such rows\n"},
        {"dry run", first, {"--dry-run"}, 0, false, "", "dry run: nothing was written\n"},
        // A bank of the wrong type is only a note; a door type the game has no sound for is
        // a problem, written with a warning.
        {"a problem written",
         "infernus 0 40 11 1 0.9 1 -1 1.5 5 2 13 -1 7 -6\n",
         {},
         0,
         true,
         "",
         "warning: 411 infernus DoorType: 5: no door sound (-1 behaves like 2)\n"},
    };
    TTempDir dir;
    const TBytes original = MakeTableFile();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = WriteTableFile(dir, "import.exe", original);
        const std::string cfg = WriteText(dir, "CFG", c.Cfg);
        std::vector<std::string> arguments{"import-cfg", path, "CFG"};
        arguments.insert(arguments.end(), c.Flags.begin(), c.Flags.end());
        arguments[2] = cfg;
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(run.ExitCode, c.ExitCode);
        EXPECT_EQ(ReadBytes(path) != original, c.Written);
        EXPECT_TRUE(run.Out.starts_with(c.Out)) << run.Out;
        EXPECT_EQ(run.Err, std::regex_replace(c.Err, std::regex("CFG"), cfg));
    }
}

// A patch made by diff in either view, annotated by a modder, turns A into B and back.
TEST(CliPatch, ApplyAndReverseReproduceTheFilesByteForByte) {
    TTempDir dir;
    const TBytes a = MakeTableFile();
    const TBytes b = MakeTableFile(SampleSignatureOffset, [](int id) {
        return id % 50 == 0 || id == 630 ? OddRecord(id) : SampleRecord(id);
    });
    const std::string pathA = WriteTableFile(dir, "a.exe", a);
    const std::string pathB = WriteTableFile(dir, "b.exe", b);
    for (const std::vector<std::string>& view : {std::vector<std::string>{}, {"--game"}}) {
        SCOPED_TRACE(view.empty() ? "editor" : "game");
        std::vector<std::string> diff{"diff", pathA, pathB};
        diff.insert(diff.end(), view.begin(), view.end());
        const TCliRun made = RunCli(diff);
        ASSERT_EQ(made.ExitCode, 0);
        // Annotated, and with the line ends a Windows editor gives it.
        const std::string patch =
            WriteText(dir, "p.patch",
                      std::regex_replace("# from a to b\n\n" + made.Out + "\n   # the end\n",
                                         std::regex("\n"), "\r\n"));
        const std::string path = WriteTableFile(dir, "c.exe", a);

        const TCliRun applied = RunCli({"apply", path, patch});
        ASSERT_EQ(applied.ExitCode, 0) << applied.Err;
        EXPECT_EQ(applied.Out, made.Out);
        EXPECT_EQ(ReadBytes(path), b);

        const TCliRun again = RunCli({"apply", path, patch});
        EXPECT_EQ(again.ExitCode, 0);
        EXPECT_TRUE(again.Out.starts_with("already applied: ")) << again.Out;
        EXPECT_EQ(ReadBytes(path), b);

        const TCliRun reversed = RunCli({"apply", path, patch, "--reverse"});
        ASSERT_EQ(reversed.ExitCode, 0) << reversed.Err;
        EXPECT_EQ(ReadBytes(path), a);
        EXPECT_EQ(RunCli({"apply", path, patch, "--reverse"}).ExitCode, 0);
        EXPECT_EQ(ReadBytes(path), a);
    }
}

TEST(CliPatch, ConflictsAreAllListedAndNothingIsWritten) {
    TTempDir dir;
    const TBytes original = MakeTableFile();
    const std::string path = WriteTableFile(dir, "t.exe", original);
    const std::string patch = WriteText(dir, "PATCH",
                                        "400 LANDSTAL PowerOnSoundId: 400 -> 410\n"
                                        "401 BRAVURA PowerOnSoundId: 1 -> 2\n"
                                        "411 INFERNUS --game DoorType: 3 -> 2\n"
                                        "500 MESA HornType: 7 -> 8\n");
    struct TCase {
        std::vector<std::string> Flags;
        std::string Err;
    };
    const std::vector<TCase> cases{
        {{},
         "2 of 4 patch lines do not match the file; nothing was written\n"
         "conflict: PATCH:2: 401 BRAVURA PowerOnSoundId is 401, not 1\n"
         "conflict: PATCH:4: 500 MESA HornType is 8, not 7 (this line is already applied)\n"},
        {{"--reverse"},
         "3 of 4 patch lines do not match the file; nothing was written\n"
         "conflict: PATCH:1: 400 LANDSTAL PowerOnSoundId is 400, not 410 (this "
         "line is already undone)\n"
         "conflict: PATCH:2: 401 BRAVURA PowerOnSoundId is 401, not 2\n"
         "conflict: PATCH:3: 411 INFERNUS --game DoorType is 3, not 2 (this line is "
         "already undone)\n"},
    };
    for (const TCase& c : cases) {
        std::vector<std::string> arguments{"apply", path, patch, "--backup"};
        arguments.insert(arguments.end(), c.Flags.begin(), c.Flags.end());
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_EQ(run.Err, std::regex_replace(c.Err, std::regex("PATCH"), patch));
        EXPECT_EQ(ReadBytes(path), original);
        EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
    }
    const std::string broken = WriteText(dir, "BROKEN", "400 LANDSTAL Unknown8: 1 -> 2\nJUNK\n");
    EXPECT_EQ(RunCli({"apply", path, broken}).Err,
              broken + ":2:1: 'JUNK' is not a vehicle ID (400..630)\n");
    EXPECT_EQ(ReadBytes(path), original);
}

// The system refuses writes past a file size limit that lies between the first and
// the last record of the change: the records already written must be put back.
TEST(CliPatch, AFailureBetweenRecordsPutsBackTheOnesWritten) {
    if (!CliIsNative()) {
        GTEST_SKIP() << "the file size limit is set by a POSIX shell";
    }
    TTempDir dir;
    const TBytes original = MakeTableFile();
    const std::string path = WriteTableFile(dir, "t.exe", original);
    const std::string patch = WriteText(dir, "PATCH",
                                        "400 LANDSTAL Unknown8: 111 -> 1\n"
                                        "401 BRAVURA Unknown8: 110 -> 1\n"
                                        "630 //Extra Slot Unknown8: 137 -> 1\n");
    constexpr std::size_t Block = 512; // ulimit -f counts these in a POSIX shell
    const std::size_t blocks = (SampleRecordOffset(402) + Block - 1) / Block;
    ASSERT_LT(blocks * Block, SampleRecordOffset(630));
    const std::vector<std::string> limited{
        "sh", "-c", "trap '' XFSZ; ulimit -f " + std::to_string(blocks) + "; exec \"$0\" \"$@\""};
    const TCliRun run = RunCli({"apply", path, patch}, "", limited);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("put back"), std::string::npos) << run.Err;
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(RunCli({"apply", path, patch}).ExitCode, 0) << "the patch itself is sound";
}

TEST(CliBackup, EveryWritingCommandKeepsTheFirstBackup) {
    TTempDir dir;
    const std::string cfg =
        WriteText(dir, "x.cfg", "infernus 0 38 37 1 0.9 1 -1 1.5 2 2 13 -1 7 -6\n");
    const std::string patch = WriteText(dir, "x.patch", "401 BRAVURA Unknown8: 110 -> 1\n");
    const std::vector<std::vector<std::string>> commands{
        {"set", "F", "400", "Unknown8=1"},
        {"copy", "F", "400", "402"},
        {"import-cfg", "F", cfg},
        {"apply", "F", patch},
    };
    const TBytes original = MakeTableFile();
    for (const std::vector<std::string>& command : commands) {
        SCOPED_TRACE(command[0]);
        const std::string path = WriteTableFile(dir, command[0] + ".exe", original);
        std::vector<std::string> arguments = command;
        arguments[1] = path;
        arguments.push_back("--backup");
        const TCliRun made = RunCli(arguments);
        ASSERT_EQ(made.ExitCode, 0) << made.Err;
        EXPECT_EQ(made.Err, "backup: made " + path + ".bak\n");
        EXPECT_EQ(ReadBytes(path + ".bak"), original);
        const TBytes changed = ReadBytes(path);
        EXPECT_NE(changed, original);

        // A second change keeps the first backup, which still holds the original.
        const TCliRun second = RunCli({"set", path, "630", "Unknown8=7", "--backup"});
        ASSERT_EQ(second.ExitCode, 0) << second.Err;
        EXPECT_EQ(second.Err, "backup: kept " + path + ".bak, which already exists\n");
        EXPECT_EQ(ReadBytes(path + ".bak"), original);
    }
    // A backup that cannot be made stops the change.
    const std::string path = WriteTableFile(dir, "blocked.exe", original);
    std::filesystem::create_directory(path + ".bak");
    const TCliRun blocked = RunCli({"set", path, "400", "Unknown8=1", "--backup"});
    EXPECT_EQ(blocked.ExitCode, 1);
    EXPECT_EQ(ReadBytes(path), original);
}

} // namespace
} // namespace klarvon::test

// A limit adjuster's cfg as a table of its own, through the built program: a change keeps
// every byte it does not change, new models get rows, a mod's rows merge into a cfg, a
// faulty or UTF-16 file is refused whole, and diff and apply work across the two kinds.

#include "CliProcess.h"
#include "TableFiles.h"
#include "tests/support/SoundInstall.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

namespace klarvon::test {
namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

std::string WithLineEnd(std::string text, const std::string& end) {
    std::string out;
    for (const char c : text) {
        out += c == '\n' ? end : std::string(1, c);
    }
    return out;
}

// A cfg as modders keep them: a comment and legend, tab- and space-separated rows, a
// comment after a row's values, a duplicate whose last row counts, and text after the end.
const std::string Legend = "; Vehicle audio settings\n; name A B C\n";
const std::string Landstal = "landstal\t0\t99\t98\t0\t0.78\t1\t7\t1\t2\t0\t8\t0\t0\t0\n";
const std::string OldInfernus = "infernus 0 10 9 1 0.9 1 2 1 2 0 7 0 2 0\n";
const std::string Infernus = "INFERNUS   0   38   37   1   0.9   1   2   1.06   2   0   7   0   "
                             "2   0   ; loud\n";
const std::string EndMark = ";the end\n; notes after the end stay too\n";

std::string SampleCfg(bool endMark) {
    return Legend + Landstal + OldInfernus + "\n" + Infernus + (endMark ? EndMark : "");
}

// The sample in every shape modders' cfgs come in: with and without the end mark, with LF
// and with CRLF line ends; test gets the text, whether it has the mark, and its line end.
void ForEachSampleShape(
    const std::function<void(const std::string&, bool, const std::string&)>& test) {
    for (const bool endMark : {true, false}) {
        for (const std::string lineEnd : {"\n", "\r\n"}) {
            SCOPED_TRACE(std::string(endMark ? "" : "no end mark, ") +
                         (lineEnd == "\n" ? "LF" : "CRLF"));
            test(WithLineEnd(SampleCfg(endMark), lineEnd), endMark, lineEnd);
        }
    }
}

// Each change is of one number of the same width, so the file must be the old one with
// just that number replaced: any other byte that moves is a byte the modder loses.
TEST(CliCfgTable, AChangeRewritesOnlyTheNumberItChanges) {
    struct TCase {
        std::string Name;
        std::vector<std::string> Arguments; // CFG stands for the file, MOD for a mod's cfg
        std::string Mod;
        std::string From, To; // in the row that counts
    };
    const std::vector<TCase> cases{
        {"set by model name",
         {"set", "CFG", "Infernus", "--game", "PlayerBank=39"},
         "",
         "   38   ",
         "   39   "},
        {"set by ID",
         {"set", "CFG", "411", "--game", "HornType=5"},
         "",
         "   2   1.06",
         "   5   1.06"},
        {"set in tabs",
         {"set", "CFG", "landstal", "--game", "DummyBank=97"},
         "",
         "\t98\t",
         "\t97\t"},
        {"copy a field",
         {"copy", "CFG", "landstal", "infernus", "--game", "PlayerBank"},
         "",
         "   38   ",
         "   99   "},
        {"import a row",
         {"import-cfg", "CFG", "MOD"},
         "infernus 0 38 37 1 0.9 1 2 1.06 2 0 6 0 2 0\n",
         "   7   0   2",
         "   6   0   2"},
    };
    ForEachSampleShape([&cases](const std::string& before, bool, const std::string&) {
        for (const TCase& c : cases) {
            SCOPED_TRACE(c.Name);
            TTempDir dir;
            const std::string cfg = WriteText(dir, "vehicleAudio.cfg", before);
            const TCliRun run = RunCli(WithCfgFiles(c.Arguments, dir, cfg, c.Mod));
            ASSERT_EQ(run.ExitCode, 0) << run.Err;
            const std::size_t row = before.find(c.Name == "set in tabs" ? "landstal" : "INFERNUS");
            const std::string expected =
                before.substr(0, row) + Replaced(before.substr(row), c.From, c.To);
            EXPECT_EQ(ReadText(cfg), expected);
        }
    });
}

TEST(CliCfgTable, ANewModelGetsARowBeforeTheEndInTheFilesLineEnds) {
    ForEachSampleShape([](const std::string& before, bool endMark, const std::string& lineEnd) {
        TTempDir dir;
        const std::string cfg = WriteText(dir, "vehicleAudio.cfg", before);
        const TCliRun copy = RunCli({"copy", cfg, "landstal", "mycar"});
        ASSERT_EQ(copy.ExitCode, 0) << copy.Err;
        EXPECT_EQ(copy.Out, "mycar --game row: none -> 0 99 98 0 0.78 1 7 1 2 0 8 0 0 0\n");

        const std::string after = ReadText(cfg);
        const std::size_t split = endMark ? before.find(";the end") : before.size();
        ASSERT_EQ(after.substr(0, split), before.substr(0, split));
        ASSERT_EQ(after.substr(after.size() - (before.size() - split)), before.substr(split));
        const std::string row = after.substr(split, after.size() - before.size());
        EXPECT_TRUE(row.starts_with("mycar")) << row;
        EXPECT_TRUE(row.ends_with(lineEnd)) << row;
        EXPECT_EQ(row.find('\n'), row.size() - 1) << "one line";

        // The new row is a row like any other: shown, changed, compared.
        const TCliRun set = RunCli({"set", cfg, "MyCar", "--game", "HornType=3"});
        ASSERT_EQ(set.ExitCode, 0) << set.Err;
        EXPECT_EQ(set.Out, "mycar --game HornType: 7 -> 3\n");
        const TCliRun diff = RunCli({"diff", "--game", WriteText(dir, "old.cfg", before), cfg});
        EXPECT_EQ(diff.Out, "# mycar: only in " + cfg + "\n");
    });
}

TEST(CliCfgTable, ImportMergesAModsRowsIntoACfg) {
    TTempDir dir;
    const std::string cfg = WriteText(dir, "main.cfg", SampleCfg(true));
    const std::string mod = WriteText(dir, "mod.cfg",
                                      "; a mod's rows\n"
                                      "infernus 0 1 1 0 1 1 1 1 1 0 1 0 0 0\n"
                                      "bigrig 0 84 83 0 0 1 9 0.84 3 0 2 0 3 6\n"
                                      "infernus 0 40 39 1 0.9 1 2 1.06 2 0 7 0 2 0\n");
    const TCliRun run = RunCli({"import-cfg", cfg, mod});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    // In the order of the mod's rows that count.
    EXPECT_EQ(run.Out, "bigrig --game row: none -> 0 84 83 0 0 1 9 0.84 3 0 2 0 3 6\n"
                       "411 INFERNUS --game PlayerBank: 38 -> 40\n"
                       "411 INFERNUS --game DummyBank: 37 -> 39\n");
    const std::string after = ReadText(cfg);
    EXPECT_TRUE(after.starts_with(Legend + Landstal + OldInfernus)) << "an overridden row stays";
    EXPECT_TRUE(after.ends_with(EndMark));
    const TCliRun show = RunCli({"show", "--game", cfg, "bigrig"});
    EXPECT_NE(show.Out.find("EngineVolumeOffset\t0x40C00000"), std::string::npos) << show.Out;
    // Applied twice, a merge changes nothing more.
    EXPECT_EQ(RunCli({"import-cfg", cfg, mod}).Out,
              "no change: " + cfg + " already holds what " + mod + " sets\n");
}

TEST(CliCfgTable, AFaultyFileIsRefusedWholeWithEveryFaultListed) {
    TTempDir dir;
    std::string faulty = "; 23 rows, each with a fault\n";
    for (int i = 0; i < 23; ++i) {
        faulty += "car" + std::to_string(i) + " 0 1 2 0 1 1 0 1 0 0 0 0 0\n";
    }
    std::string listed;
    for (int i = 0; i < 20; ++i) {
        listed += "MOD:" + std::to_string(i + 2) + ":" + std::to_string(31 + (i >= 10)) +
                  ": the row ends after 13 of its 14 values; EngineVolumeOffset is missing\n";
    }
    const std::string utf16le = std::string("\xFF\xFE", 2) + std::string("i\0n\0f\0", 6);
    const std::string utf16 = std::string("i\0n\0f\0e\0r\0n\0u\0s\0", 16);
    struct TCase {
        std::string Name;
        std::string Mod;
        std::string Err;
    };
    const std::vector<TCase> cases{
        {"23 faulty rows", faulty, listed + "and 3 more\n"},
        {"UTF-16 with a byte-order mark", utf16le, ""},
        {"UTF-16 without one", utf16, ""},
        {"only comments", "; nothing\n\n;the end\n",
         "MOD holds no rows (a model name and 14 values)\n"},
        {"empty", "", "MOD is empty: it holds no rows (a model name and 14 values)\n"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string cfg = WriteText(dir, "main.cfg", SampleCfg(true));
        const std::string mod = WriteText(dir, "MOD", c.Mod);
        for (const auto& arguments : std::vector<std::vector<std::string>>{
                 {"import-cfg", cfg, mod}, {"set", mod, "infernus", "--game", "HornType=1"}}) {
            const TCliRun run = RunCli(arguments);
            EXPECT_EQ(run.ExitCode, 1);
            if (c.Err.empty()) {
                EXPECT_NE(run.Err.find("UTF-16"), std::string::npos) << run.Err;
                EXPECT_NE(run.Err.find("save it as ANSI or UTF-8"), std::string::npos) << run.Err;
            } else if (arguments[0] == "import-cfg") {
                std::string expected = c.Err;
                for (std::size_t at = 0; (at = expected.find("MOD", at)) != std::string::npos;
                     at += mod.size()) {
                    expected.replace(at, 3, mod);
                }
                EXPECT_EQ(run.Err, expected);
            }
            EXPECT_EQ(ReadText(cfg), SampleCfg(true));
            EXPECT_EQ(ReadText(mod), c.Mod);
        }
    }
}

// What a merge prints is a patch: reversed, it gives back the cfg as it was, byte for byte,
// the rows it added taken out again; made again, the merged cfg.
TEST(CliCfgTable, AMergesReportUndoesItAndMakesItAgain) {
    ForEachSampleShape([](const std::string& before, bool, const std::string&) {
        TTempDir dir;
        const std::string cfg = WriteText(dir, "main.cfg", before);
        const std::string mod = WriteText(dir, "mod.cfg",
                                          "bigrig 0 84 83 0 0 1 9 0.84 3 0 2 0 3 6\n"
                                          "infernus 0 40 39 1 0.9 1 2 1.06 2 0 7 0 2 0\n"
                                          "mycar 0 81 80 0 1 1 6 1.1892071 4 0 4 0 1 0\n");
        const TCliRun merge = RunCli({"import-cfg", cfg, mod});
        ASSERT_EQ(merge.ExitCode, 0) << merge.Err;
        const std::string merged = ReadText(cfg);
        const std::string patch = WriteText(dir, "merge.patch", merge.Out);

        const TCliRun undo = RunCli({"apply", cfg, patch, "--reverse"});
        ASSERT_EQ(undo.ExitCode, 0) << undo.Err;
        EXPECT_EQ(Lines(undo.Out).back(),
                  "bigrig --game row: 0 84 83 0 0 1 9 0.84 3 0 2 0 3 6 -> none");
        EXPECT_EQ(ReadText(cfg), before);
        EXPECT_TRUE(RunCli({"apply", cfg, patch, "--reverse"}).Out.starts_with("already"));
        ASSERT_EQ(RunCli({"apply", cfg, patch}).ExitCode, 0);
        EXPECT_EQ(ReadText(cfg), merged);
    });
}

// A row line never takes out a row changed since, nor adds one over another; an
// executable's slots are fixed; a model with two rows is not half removed.
TEST(CliCfgTable, ARowLineRefusesWhatItWouldDamage) {
    TTempDir dir;
    const std::string row = "0 81 80 0 1 1 6 1.1892071 4 0 4 0 1 0";
    const std::string patch =
        WriteText(dir, "row.patch", "# a car\nmycar --game row: none -> " + row + "\n");
    const std::string cfg = WriteText(dir, "main.cfg", SampleCfg(true));
    ASSERT_EQ(RunCli({"apply", cfg, patch}).ExitCode, 0);
    ASSERT_EQ(RunCli({"set", cfg, "mycar", "--game", "HornType=3"}).ExitCode, 0);
    const std::string exe = WriteTableFile(dir, "gta_sa.exe");
    const std::string twice =
        WriteText(dir, "twice.cfg", SampleCfg(false) + "mycar " + row + "\nmycar " + row + "\n");
    const std::string conflict =
        "1 of 1 patch lines do not match the file; nothing was written\nconflict: " + patch +
        ":2: mycar --game row is 0 81 80 0 1 1 3 1.1892071 4 0 4 0 1 0, not ";
    const struct {
        std::string File;
        bool Reverse;
        std::string Err;
    } cases[] = {
        {cfg, true, conflict + row + "\n"},
        {cfg, false, conflict + "none\n"},
        {exe, false,
         patch + ":2: mycar --game row: a line adding or removing a row is for a cfg; " + exe +
             " is an executable, whose slots are fixed; nothing was written\n"},
        {twice, true,
         twice + " has 2 rows for mycar, and only a model's one row is removed: delete the "
                 "others by hand first\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File + (c.Reverse ? " --reverse" : ""));
        const TBytes before = ReadBytes(c.File);
        std::vector<std::string> arguments{"apply", c.File, patch};
        if (c.Reverse) {
            arguments.emplace_back("--reverse");
        }
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_EQ(run.Err, c.Err);
        EXPECT_EQ(ReadBytes(c.File), before);
    }
}

// An executable and a cfg compared, and a patch applied to each kind.
TEST(CliCfgTable, DiffAndApplyWorkAcrossTheTwoKinds) {
    TTempDir dir;
    const std::string exe = WriteTableFile(dir, "gta_sa.exe");
    const TCliRun exported = RunCli({"export-cfg", exe});
    ASSERT_EQ(exported.ExitCode, 0) << exported.Err;
    const std::string cfg = WriteText(dir, "game.cfg", exported.Out);
    EXPECT_EQ(RunCli({"diff", "--game", exe, cfg}).Out,
              "identical: all 231 records are the same\n");

    ASSERT_EQ(RunCli({"set", cfg, "infernus", "--game", "HornType=5"}).ExitCode, 0);
    ASSERT_EQ(RunCli({"copy", cfg, "infernus", "mycar"}).ExitCode, 0);
    const TCliRun diff = RunCli({"diff", "--game", exe, cfg});
    ASSERT_EQ(diff.ExitCode, 0) << diff.Err;
    const std::vector<std::string> lines = Lines(diff.Out);
    ASSERT_EQ(lines.size(), 2U) << diff.Out;
    EXPECT_TRUE(lines[0].starts_with("411 INFERNUS --game HornType: ")) << lines[0];
    EXPECT_TRUE(lines[0].ends_with(" -> 5")) << lines[0];
    EXPECT_EQ(lines[1], "# mycar: only in " + cfg);

    // The patch makes the executable hold what the cfg holds, and undoes it again.
    const std::string patch = WriteText(dir, "mod.patch", diff.Out);
    const TBytes original = ReadBytes(exe);
    ASSERT_EQ(RunCli({"apply", exe, patch}).ExitCode, 0);
    EXPECT_EQ(RunCli({"diff", "--game", exe, cfg}).Out, "# mycar: only in " + cfg + "\n");
    ASSERT_EQ(RunCli({"apply", exe, patch, "--reverse"}).ExitCode, 0);
    EXPECT_EQ(ReadBytes(exe), original);

    // A line naming an added vehicle applies to a cfg, and is a conflict in an executable.
    const std::string added = WriteText(dir, "added.patch", "mycar --game HornType: 5 -> 4\n");
    const TCliRun toCfg = RunCli({"apply", cfg, added});
    EXPECT_EQ(toCfg.Out, "mycar --game HornType: 5 -> 4\n") << toCfg.Err;
    const TCliRun toExe = RunCli({"apply", exe, added});
    EXPECT_EQ(toExe.ExitCode, 1);
    EXPECT_NE(toExe.Err.find("is an executable, which has no slot for a vehicle a mod adds"),
              std::string::npos)
        << toExe.Err;
    EXPECT_EQ(ReadBytes(exe), original);
}

// What the game will do, at the value's place in a cfg, and an exit status a script can
// stop an installation on: 1 for a problem, 0 for notes alone.
TEST(CliCheck, NamesEachFindingAtItsValueAndExitsOnProblems) {
    TTempDir dir;
    const std::string cfg = WriteText(dir, "mod.cfg",
                                      "; sample\n"
                                      "landstal 0 99 98 0 0.78 1 7 1 2 0 8 0 0 0\n"
                                      "infernus 0 38 37 1 0.9 1 12 1.06 2 0 7 2 2 0\n"
                                      "mycar 9 41 40 0 1 1 3 1 2 0 13 1 5 0\n");
    const TCliRun all = RunCli({"check", cfg});
    EXPECT_EQ(all.ExitCode, 1);
    EXPECT_EQ(all.Out,
              cfg +
                  ":3:26: problem: 411 infernus HornType: 12: no horn (-1 is no horn, 0 the "
                  "bicycle bell, 1..9 car horns)\n" +
                  cfg +
                  ":3:38: note: 411 infernus RadioStation: 7: the station is ignored (only "
                  "civilian radio, type 0, uses it)\n" +
                  cfg + ":3:40: note: 411 infernus RadioType: 2: radio forced off\n" + cfg +
                  ":4:7: problem: - mycar VehicleAudioType: 9: no engine sound (the special "
                  "engine code knows only artict1, artict2, artict3, petrotr, rcbandit, rctiger, "
                  "caddy, rcbaron, rcraider, rcgoblin and vortex)\n"
                  "2 problems (1 no-horn, 1 special-engine-model), 2 notes (1 "
                  "radio-forced-off, 1 radio-station-ignored) in 3 vehicles\n");

    const TCliRun notes = RunCli({"check", cfg, "landstal", "411", "--json"});
    const nlohmann::json findings = nlohmann::json::parse(notes.Out);
    ASSERT_EQ(findings.size(), 3U) << notes.Out;
    EXPECT_EQ(findings[0]["line"], 3);
    EXPECT_EQ(findings[0]["column"], 26);
    EXPECT_EQ(findings[0]["rule"], "no-horn");
    EXPECT_EQ(notes.ExitCode, 1);

    EXPECT_EQ(RunCli({"check", cfg, "landstal"}).ExitCode, 0);
    EXPECT_EQ(RunCli({"check", cfg, "7"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"check", cfg, "bullet"}).ExitCode, 1) << "no row for it";
}

// The user's own sound files judge the banks where they are known, beside the file or named
// by --game-dir: their slot sizes and the banks their lookup holds. Files that cannot be
// read fail the check by name, and warn a writing command without stopping it.
TEST(CliCheck, BanksAreJudgedByTheUsersSoundFilesWhereKnown) {
    TTempDir game;
    TTestInstall install;
    install.Banks[37] = {1, {TestTone(22050, 600)}}; // 1,200 bytes of PCM
    install.BankCount = 38;                          // no bank 38
    for (int slot = 7; slot <= 16; ++slot) {
        install.SlotSizes[static_cast<std::size_t>(slot)] = 1000;
    }
    WriteSoundInstall(game.Path(), install);
    const std::string row = "landstal 0 38 37 0 0.78 1 7 1 2 0 8 0 0 0\n";
    const std::string beside = WriteText(game, "gtasa_vehicleAudioSettings.cfg", row);
    TTempDir elsewhere;
    const std::string alone = WriteText(elsewhere, "mod.cfg", row);
    const std::string judged = "banks judged by the sound files in " + game.Path().string() + "\n";

    const TCliRun stock = RunCli({"check", alone});
    EXPECT_EQ(stock.ExitCode, 0) << stock.Out;
    EXPECT_EQ(stock.Err, "");
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"check", beside},
          std::vector<std::string>{"check", alone, "--game-dir", game.Path().string()}}) {
        const TCliRun users = RunCli(arguments);
        EXPECT_EQ(users.ExitCode, 1);
        EXPECT_EQ(users.Err, judged);
        EXPECT_EQ(users.Out.substr(users.Out.find(": problem")),
                  ": problem: 400 landstal PlayerBank: 38: the bank is never loaded, silent: your "
                  "BankLkup.dat holds 38 banks (0 to 37)\n" +
                      arguments[1] +
                      ":1:15: problem: 400 landstal DummyBank: 37: the bank's 1,200 bytes overrun "
                      "the 1,000-byte dummy engine slot: the next slot's sounds are overwritten, "
                      "a crash is possible\n"
                      "2 problems (1 bank-not-in-files, 1 dummy-bank-too-big), 0 notes in 1 "
                      "vehicle\n");
    }
    const TCliRun json = RunCli({"check", beside, "--json"});
    EXPECT_EQ(nlohmann::json::parse(json.Out).size(), 2U) << json.Out;

    // A value the stock game's slot would take, but not the user's.
    const std::string other =
        WriteText(game, "other.cfg", "landstal 0 36 36 0 0.78 1 7 1 2 0 8 0 0 0\n");
    const TCliRun set = RunCli({"set", other, "landstal", "--game", "DummyBank=37"});
    EXPECT_EQ(set.ExitCode, 0);
    EXPECT_EQ(set.Err, "warning: 400 landstal DummyBank: 37: the bank's 1,200 bytes overrun the "
                       "1,000-byte dummy engine slot: the next slot's sounds are overwritten, a "
                       "crash is possible\n");

    // A lookup one byte short of whole records.
    const std::filesystem::path lookup = ConfigFile(game.Path(), "BankLkup.dat");
    std::filesystem::resize_file(lookup, std::filesystem::file_size(lookup) - 1);
    const TCliRun broken = RunCli({"check", beside});
    EXPECT_EQ(broken.ExitCode, 1);
    EXPECT_EQ(broken.Out, "");
    EXPECT_NE(broken.Err.find("BankLkup.dat"), std::string::npos) << broken.Err;
    const TCliRun written = RunCli({"set", beside, "landstal", "--game", "DummyBank=300"});
    EXPECT_EQ(written.ExitCode, 0);
    EXPECT_TRUE(written.Err.starts_with("warning: banks judged by the stock game's sizes: "))
        << written.Err;
    EXPECT_NE(written.Err.find("DummyBank: 300: the bank's 96,336 bytes"), std::string::npos)
        << written.Err;
}

} // namespace
} // namespace klarvon::test

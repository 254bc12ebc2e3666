// `check` on a mod pack through the built program: a count per rule, the problems alone, a
// pack's deliberate findings marked in its own cfg and kept there by every writing command,
// a misspelt model named wherever it would silently become a new vehicle, and JSON that a
// script can read whatever bytes a name holds.

#include "CliProcess.h"
#include "TableFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace klarvon::test {
namespace {

// Notes only: two electric cars without vehicle audio, a bank a pack's own BankLkup.dat adds.
const std::string Notes = "; a pack\n"
                          "electra 10 38 37 0 1 1 3 1 2 0 13 0 0 0\n"
                          "voltcar 10 38 37 0 1 1 3 1 2 0 13 0 0 0\n"
                          "landstal 0 714 98 0 0.78 1 7 1 2 0 8 0 0 0\n";
// A car without a horn: a problem.
const std::string Hornless = "infernus 0 38 37 1 0.9 1 12 1.12 2 0 6 0 2 0\n";
const std::string HornlessMarked =
    "infernus 0 38 37 1 0.9 1 12 1.12 2 0 6 0 2 0 ; klarvon: intended no-horn\n";
const std::string NotesCount = "3 notes (2 no-vehicle-audio, 1 bank-beyond-stock) in ";

TEST(CliPackCheck, CountsEachRuleAndExitsOneOnlyForAProblemNotMarkedIntended) {
    struct TCase {
        std::string Name;
        std::string Cfg;
        std::vector<std::string> Flags;
        int ExitCode;
        std::size_t Listed;
        std::string CountLine; // the last line
    };
    const std::vector<TCase> cases{
        {"notes only", Notes, {}, 0, 3, "0 problems, " + NotesCount + "3 vehicles"},
        {"a problem",
         Notes + Hornless,
         {},
         1,
         4,
         "1 problem (1 no-horn), " + NotesCount + "4 vehicles"},
        {"the problems alone, the notes still counted",
         Notes + Hornless,
         {"--problems"},
         1,
         1,
         "1 problem (1 no-horn), " + NotesCount + "4 vehicles"},
        {"no problem, --problems",
         Notes,
         {"--problems"},
         0,
         0,
         "0 problems, " + NotesCount + "3 vehicles"},
        {"a marked problem",
         Notes + HornlessMarked,
         {},
         0,
         3,
         "0 problems, " + NotesCount + "4 vehicles; 1 marked intended (hidden; --all shows them)"},
        {"a marked problem, --all",
         Notes + HornlessMarked,
         {"--all"},
         0,
         4,
         "0 problems, " + NotesCount + "4 vehicles; 1 marked intended (1 no-horn)"},
        {"a marked problem, --all --problems",
         Notes + HornlessMarked,
         {"--all", "--problems"},
         0,
         1,
         "0 problems, " + NotesCount + "4 vehicles; 1 marked intended (1 no-horn)"},
        {"all marked on the line before",
         "; klarvon: intended no-vehicle-audio\n"
         "electra 10 38 37 0 1 1 3 1 2 0 13 0 0 0\n"
         "; klarvon: intended no-vehicle-audio, no-horn\n"
         "voltcar 10 38 37 0 1 1 12 1 2 0 13 0 0 0\n",
         {},
         0,
         0,
         "0 problems, 0 notes in 2 vehicles; 3 marked intended (hidden; --all shows them)"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempDir dir;
        const std::string cfg = WriteText(dir, "pack.cfg", c.Cfg);
        std::vector<std::string> arguments{"check", cfg};
        arguments.insert(arguments.end(), c.Flags.begin(), c.Flags.end());
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << run.Out << run.Err;
        const std::vector<std::string> lines = Lines(run.Out);
        ASSERT_EQ(lines.size(), c.Listed + 1) << run.Out;
        EXPECT_EQ(lines.back(), c.CountLine);
        const bool hornMarked = c.Cfg.find("intended no-horn") != std::string::npos;
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            const bool intended = lines[i].find(" (intended): ") != std::string::npos;
            EXPECT_EQ(intended, hornMarked && lines[i].find("HornType: 12") != std::string::npos)
                << lines[i];
            if (c.Flags.size() == 1 && c.Flags[0] == "--problems") {
                EXPECT_NE(lines[i].find(": problem: "), std::string::npos) << lines[i];
            }
        }

        arguments.emplace_back("--json");
        const TCliRun json = RunCli(arguments);
        EXPECT_EQ(json.ExitCode, c.ExitCode) << json.Err;
        const nlohmann::json findings = nlohmann::json::parse(json.Out);
        ASSERT_EQ(findings.size(), c.Listed) << json.Out;
        for (const nlohmann::json& finding : findings) {
            EXPECT_EQ(finding["intended"], finding["rule"] == "no-horn" && hornMarked)
                << finding.dump();
        }
    }
}

// A row named one or two letters off a stock model becomes a new vehicle to the game: check
// notes it, and each command that adds such a row warns, while the row is still written.
TEST(CliPackCheck, AMisspeltModelIsNotedByCheckAndWarnedOfWhereARowIsAdded) {
    const std::string warning =
        "warning: infernos: not a stock model: added as a new vehicle; did you mean infernus?\n";
    const std::string stock = "; sounds\ninfernus 0 38 37 1 0.9 1 8 1.12 2 0 6 0 2 0\n";
    struct TCase {
        std::string Name;
        std::vector<std::string> Arguments; // CFG: the cfg, MOD: a mod's cfg
        std::string Mod;
        bool Warns;
    };
    const std::vector<TCase> cases{
        {"import-cfg adds it",
         {"import-cfg", "CFG", "MOD"},
         "infernos 0 40 39 1 0.9 1 8 1.12 2 0 6 0 2 0\n",
         true},
        {"import-cfg --dry-run",
         {"import-cfg", "CFG", "MOD", "--dry-run"},
         "infernos 0 40 39 1 0.9 1 8 1.12 2 0 6 0 2 0\n",
         true},
        {"copy adds it", {"copy", "CFG", "infernus", "infernos"}, "", true},
        {"copy to an added model near none", {"copy", "CFG", "infernus", "mycar"}, "", false},
        {"import-cfg of a stock row",
         {"import-cfg", "CFG", "MOD"},
         "infernus 0 40 39 1 0.9 1 8 1.12 2 0 6 0 2 0\n",
         false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempDir dir;
        const std::string cfg = WriteText(dir, "sounds.cfg", stock);
        const TCliRun run = RunCli(WithCfgFiles(c.Arguments, dir, cfg, c.Mod));
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_EQ(run.Err.find(warning) != std::string::npos, c.Warns) << run.Err;
    }

    // set changes rows, never adds one: a row already there is no news.
    TTempDir dir;
    const std::string cfg =
        WriteText(dir, "sounds.cfg", stock + "infernos 0 38 37 1 0.9 1 8 1.12 2 0 6 0 2 0\n");
    const TCliRun set = RunCli({"set", cfg, "infernos", "--game", "HornType=3"});
    ASSERT_EQ(set.ExitCode, 0) << set.Err;
    EXPECT_EQ(set.Err, "");

    const TCliRun check = RunCli({"check", cfg});
    EXPECT_EQ(check.ExitCode, 0) << check.Err;
    EXPECT_EQ(check.Out, cfg + ":3:1: note: - infernos: not a stock model: added as a new vehicle; "
                               "did you mean infernus?\n"
                               "0 problems, 1 note (1 not-a-stock-model) in 2 vehicles\n");
    const nlohmann::json findings = nlohmann::json::parse(RunCli({"check", cfg, "--json"}).Out);
    ASSERT_EQ(findings.size(), 1U);
    EXPECT_EQ(findings[0]["rule"], "not-a-stock-model");
    EXPECT_EQ(findings[0]["column"], 1);
    EXPECT_TRUE(findings[0]["field"].is_null());
    EXPECT_TRUE(findings[0]["value"].is_null());
}

// A mark is a comment the loader ignores; a command that rewrites a number of the row must
// leave it where it stands, or the pack's next check fails on what it had accepted.
TEST(CliPackCheck, WritingCommandsKeepTheMarksWhereTheyStand) {
    const std::string before = "; klarvon: intended no-vehicle-audio\n"
                               "electra 10 38 37 0 1 1 3 1 2 0 13 0 0 0\n"
                               "infernus 0 41 40 1 0.9 1 12 1.12 2 0 6 0 2 0 ; klarvon: intended "
                               "no-horn\n"
                               ";the end\n";
    struct TCase {
        std::string Name;
        std::vector<std::string> Arguments; // CFG: the cfg, MOD: a mod's cfg
        std::string Mod;
        std::string From; // the row's text that changes
        std::string To;
    };
    const std::vector<TCase> cases{
        {"set",
         {"set", "CFG", "electra", "--game", "PlayerBank=17"},
         "",
         "electra 10 38 37",
         "electra 10 17 37"},
        {"set on the row with the mark",
         {"set", "CFG", "infernus", "--game", "DummyBank=37"},
         "",
         "infernus 0 41 40",
         "infernus 0 41 37"},
        {"copy",
         {"copy", "CFG", "infernus", "electra", "--game", "DummyBank"},
         "",
         "electra 10 38 37",
         "electra 10 38 40"},
        {"import-cfg",
         {"import-cfg", "CFG", "MOD"},
         "infernus 0 38 40 1 0.9 1 12 1.12 2 0 6 0 2 0\n",
         "infernus 0 41 40",
         "infernus 0 38 40"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempDir dir;
        const std::string cfg = WriteText(dir, "pack.cfg", before);
        const TCliRun run = RunCli(WithCfgFiles(c.Arguments, dir, cfg, c.Mod));
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        std::string expected = before;
        expected.replace(expected.find(c.From), c.From.size(), c.To);
        EXPECT_EQ(ReadText(cfg), expected);
        const TCliRun check = RunCli({"check", cfg});
        EXPECT_EQ(check.ExitCode, 0) << check.Out;
        EXPECT_NE(check.Out.find("; 2 marked intended (hidden; --all shows them)"),
                  std::string::npos)
            << check.Out;
    }
}

// Notepad saves "café" as caf E9: every --json still gives a document a JSON reader takes,
// with the byte read as Latin-1, and an exit status that means what it says.
TEST(CliPackCheck, JsonIsValidWhateverTheBytesOfAName) {
    TTempDir dir;
    const std::string name = CliIsNative() ? "caf\xE9.cfg" : "cafe.cfg";
    const std::string cfg = WriteText(dir, name,
                                      "caf\xE9 0 38 37 1 0.9 1 12 1.12 2 0 6 0 2 0\n"
                                      "landstal 0 99 98 0 0.78 1 7 1 2 0 8 0 0 0\n");
    const std::string cafe = "caf\xC3\xA9";

    const TCliRun check = RunCli({"check", cfg, "--json"});
    EXPECT_EQ(check.ExitCode, 1) << "a problem: no horn; " << check.Err;
    const nlohmann::json findings = nlohmann::json::parse(check.Out);
    ASSERT_EQ(findings.size(), 1U) << check.Out;
    EXPECT_EQ(findings[0]["model"], cafe);
    EXPECT_EQ(findings[0]["rule"], "no-horn");
    if (CliIsNative()) {
        const std::string file = findings[0]["file"];
        EXPECT_TRUE(file.ends_with(cafe + ".cfg")) << file;
    }

    const TCliRun dump = RunCli({"dump", cfg, "--json"});
    EXPECT_EQ(dump.ExitCode, 0) << dump.Err;
    const nlohmann::json rows = nlohmann::json::parse(dump.Out);
    ASSERT_EQ(rows.size(), 2U) << dump.Out;
    EXPECT_EQ(rows[0]["model"], cafe);
    EXPECT_EQ(rows[1]["model"], "landstal");
}

} // namespace
} // namespace klarvon::test

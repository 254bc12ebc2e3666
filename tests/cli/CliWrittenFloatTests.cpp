// A modder's cfg beside the executable it was copied from, through the built program:
// floats written with fewer digits are the executable's values to diff, import-cfg and
// apply, a real change among them is the only one found, and find asks for ranges and
// either bank.

#include "CliProcess.h"
#include "TableFiles.h"
#include "cli/DemoExecutable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace klarvon::test {
namespace {

// A row's words: the model name, then the fourteen values; these are its floats.
const std::set<std::size_t> FloatWords{5, 6, 8, 14};
constexpr std::size_t HornPitchWord = 8;

std::string PrintfG(const std::string& text) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%g",
                  static_cast<double>(std::strtof(text.c_str(), nullptr)));
    return buffer.data();
}

// The cfg with every float written as "%g" writes the float (six significant digits), as a
// modder's tool or hand does; change, when given, rewrites one row's words after that.
std::string RoundedCfg(const std::string& exported, const std::string& changedModel = "",
                       std::size_t changedWord = 0, const std::string& changedText = "") {
    std::string out;
    for (const std::string& line : Lines(exported)) {
        std::istringstream in(line);
        std::vector<std::string> words;
        for (std::string word; in >> word;) {
            words.push_back(word);
        }
        if (words.empty() || words[0].front() == ';') {
            out += line + '\n';
            continue;
        }
        for (const std::size_t at : FloatWords) {
            words[at] = PrintfG(words[at]);
        }
        if (words[0] == changedModel) {
            words[changedWord] = changedText;
        }
        for (std::size_t i = 0; i < words.size(); ++i) {
            out += (i == 0 ? "" : " ") + words[i];
        }
        out += '\n';
    }
    return out;
}

// The last written digit of a float's text, one up (or down from 9).
std::string LastDigitChanged(std::string text) {
    const std::size_t at = text.find_last_of("0123456789", text.find_first_of("eE"));
    text[at] = text[at] == '9' ? '8' : static_cast<char>(text[at] + 1);
    return text;
}

std::string InfernusHornPitch(const std::string& exported) {
    for (const std::string& line : Lines(exported)) {
        if (line.starts_with("infernus ")) {
            std::istringstream in(line);
            std::vector<std::string> words;
            for (std::string word; in >> word;) {
                words.push_back(word);
            }
            return PrintfG(words[HornPitchWord]);
        }
    }
    ADD_FAILURE() << "no infernus row";
    return "";
}

struct TExecutable {
    std::string Name;
    TBytes Bytes;
};

std::vector<TExecutable> Executables() {
    return {{"sample", MakeTableFile()}, {"demo", cli::BuildDemoExecutable()}};
}

// The stock executable against a cfg of its own values written with six digits: nothing
// to list, nothing to import, bit for bit only with --exact; and one real change in the
// last written digit is the only line, and the only four bytes written.
TEST(CliWrittenFloat, AStockValuedCfgIsTheExecutable) {
    for (const TExecutable& executable : Executables()) {
        SCOPED_TRACE(executable.Name);
        TTempDir dir;
        const std::string exe = WriteTableFile(dir, "gta_sa.exe", executable.Bytes);
        const TCliRun exported = RunCli({"export-cfg", exe});
        ASSERT_EQ(exported.ExitCode, 0) << exported.Err;
        const std::string text = RoundedCfg(exported.Out);
        const std::string cfg = WriteText(dir, "mod.cfg", text);

        const std::string identical = "identical: all 231 records are the same\n";
        EXPECT_EQ(RunCli({"diff", "--game", exe, cfg}).Out, identical);
        EXPECT_EQ(RunCli({"diff", exe, cfg}).Out, identical);
        EXPECT_TRUE(RunCli({"diff", cfg, exe}).Out.starts_with("identical: ")) << "either order";
        const TCliRun exact = RunCli({"diff", "--game", "--exact", exe, cfg});
        ASSERT_EQ(exact.ExitCode, 0) << exact.Err;
        ASSERT_FALSE(exact.Out.empty());
        for (const std::string& line : Lines(exact.Out)) {
            EXPECT_TRUE(line.find("BassFactor: ") != std::string::npos ||
                        line.find("EnginePitch: ") != std::string::npos ||
                        line.find("HornPitch: ") != std::string::npos ||
                        line.find("EngineVolumeOffset: ") != std::string::npos)
                << line;
        }
        // Two cfgs are both as written: their texts' floats are compared bit for bit.
        const std::string full = WriteText(dir, "full.cfg", exported.Out);
        EXPECT_EQ(RunCli({"diff", "--game", full, cfg}).Out, exact.Out);

        const TCliRun import = RunCli({"import-cfg", exe, cfg});
        EXPECT_EQ(import.Out, "no change: " + exe + " already holds what " + cfg + " sets\n")
            << import.Err;
        EXPECT_EQ(ReadBytes(exe), executable.Bytes);

        const std::string pitch = LastDigitChanged(InfernusHornPitch(exported.Out));
        const std::string changed = WriteText(
            dir, "changed.cfg", RoundedCfg(exported.Out, "infernus", HornPitchWord, pitch));
        const TCliRun diff = RunCli({"diff", "--game", exe, changed});
        ASSERT_EQ(Lines(diff.Out).size(), 1U) << diff.Out;
        EXPECT_TRUE(diff.Out.starts_with("411 INFERNUS --game HornPitch: ")) << diff.Out;
        const TCliRun changes = RunCli({"import-cfg", exe, changed});
        EXPECT_EQ(changes.Out, diff.Out) << changes.Err;
        const TBytes after = ReadBytes(exe);
        ASSERT_EQ(after.size(), executable.Bytes.size());
        std::vector<std::size_t> written;
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (after[i] != executable.Bytes[i]) {
                written.push_back(i);
            }
        }
        ASSERT_FALSE(written.empty());
        EXPECT_LE(written.back() - written.front(), 3U) << "one float's bytes only";
        EXPECT_EQ(RunCli({"diff", "--game", exe, changed}).Out, identical);
    }
}

// A patch made between two executables applies to a cfg that writes the executable's
// values rounded, rewriting only the number it changes, and undoes again.
TEST(CliWrittenFloat, APatchFindsTheRoundedValuesOfACfg) {
    TTempDir dir;
    const std::string exe = WriteTableFile(dir, "gta_sa.exe", cli::BuildDemoExecutable());
    const std::string modded = WriteTableFile(dir, "modded.exe", cli::BuildDemoExecutable());
    ASSERT_EQ(RunCli({"set", modded, "infernus", "--game", "HornPitch=1.5"}).ExitCode, 0);
    const std::string patch =
        WriteText(dir, "pitch.patch", RunCli({"diff", "--game", exe, modded}).Out);
    const std::string exported = RunCli({"export-cfg", exe}).Out;
    const std::string cfg = WriteText(dir, "mod.cfg", RoundedCfg(exported));

    const TCliRun apply = RunCli({"apply", cfg, patch});
    ASSERT_EQ(apply.ExitCode, 0) << apply.Err;
    EXPECT_EQ(apply.Out, ReadText(patch));
    // Only that number is rewritten, the blanks after it keeping the next column.
    std::string expected = RoundedCfg(exported);
    const std::string row = "\ninfernus ";
    const std::string pitch = InfernusHornPitch(exported);
    const std::size_t at = expected.find(' ' + pitch + ' ', expected.find(row)) + 1;
    expected.replace(at, pitch.size(), "1.5" + std::string(pitch.size() - 3, ' '));
    EXPECT_EQ(ReadText(cfg), expected);
    EXPECT_TRUE(RunCli({"apply", cfg, patch}).Out.starts_with("already applied: "));
    ASSERT_EQ(RunCli({"apply", cfg, patch, "--reverse"}).ExitCode, 0);
    EXPECT_EQ(RunCli({"diff", "--game", exe, cfg}).Out,
              "identical: all 231 records are the same\n");
}

// Which rows find picks: the model names of its lines, in order.
std::vector<std::string> Found(const std::string& out) {
    std::vector<std::string> models;
    for (const std::string& line : Lines(out)) {
        models.push_back(line.substr(line.rfind('\t') + 1));
    }
    return models;
}

TEST(CliFind, RangesSeveralConditionsAndEitherBank) {
    TTempDir dir;
    const std::string cfg = WriteText(dir, "mod.cfg",
                                      "landstal 0 99 98 0 0.78 1 7 1 2 0 8 0 0 0\n"
                                      "infernus 0 38 37 1 0.9 1 2 1.06 2 0 7 0 2 0\n"
                                      "bullet 0 62 38 0 0.85 1 -1 1 2 0 7 0 2 -0\n"
                                      "mycar 0 714 715 0 1.2 1 0 1 2 0 7 0 2 0\n");
    struct TCase {
        std::vector<std::string> Arguments;
        std::vector<std::string> Models;
    };
    const std::vector<TCase> cases{
        {{"--game", "PlayerBank=700.."}, {"mycar"}},
        {{"--game", "HornType=..0"}, {"bullet", "mycar"}},
        {{"--game", "PlayerBank=38..62"}, {"infernus", "bullet"}},
        {{"PowerOnSoundId=38..62"}, {"infernus", "bullet"}},
        {{"--game", "BassFactor=0.8..0.9"}, {"infernus", "bullet"}},
        {{"--game", "BassFactor=0.9.."}, {"infernus", "mycar"}},
        {{"--game", "PlayerBank=38..62", "HornType=..0"}, {"bullet"}},
        {{"--game", "HornType=-1..1", "DummyBank=..100"}, {"bullet"}},
        {{"--bank", "38"}, {"infernus", "bullet"}},
        {{"--bank=38"}, {"infernus", "bullet"}},
        {{"--bank", "700.."}, {"mycar"}},
        {{"--bank", "98..99", "--game"}, {"landstal"}},
        {{"--bank", "38", "PowerOnSoundId=62"}, {"bullet"}},
        {{"--bank", "..700", "--game", "HornType=2.."}, {"landstal", "infernus"}},
        // A value keeps its bits; a range compares numbers, where -0 is 0.
        {{"--game", "EngineVolumeOffset=0x80000000"}, {"bullet"}},
        {{"--game", "EngineVolumeOffset=0..0"}, {"landstal", "infernus", "bullet", "mycar"}},
        {{"--game", "BassFactor=0.9"}, {"infernus"}},
        {{"--game", "PlayerBank=800.."}, {}},
    };
    for (const TCase& c : cases) {
        std::vector<std::string> arguments{"find", cfg};
        arguments.insert(arguments.end(), c.Arguments.begin(), c.Arguments.end());
        SCOPED_TRACE(arguments[2] + ' ' + arguments.back());
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(run.ExitCode, c.Models.empty() ? 1 : 0) << run.Err;
        EXPECT_EQ(Found(run.Out), c.Models);
    }

    // In an executable, --bank reads the same bytes in either layout.
    const std::string exe = WriteTableFile(dir, "gta_sa.exe");
    for (const std::string_view layout : {"", "--game"}) {
        std::vector<std::string> arguments{"find", exe, "--bank", "..-629"};
        if (!layout.empty()) {
            arguments.emplace_back(layout);
        }
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(Lines(run.Out),
                  (std::vector<std::string>{"629\t//Extra Slot\t-", "630\t//Extra Slot\t-"}))
            << run.Err;
    }
}

TEST(CliFind, ABadRangeSaysWhatIsWrong) {
    TTempDir dir;
    const std::string cfg =
        WriteText(dir, "mod.cfg", "infernus 0 38 37 1 0.9 1 2 1.06 2 0 7 0 2 0\n");
    struct TCase {
        std::vector<std::string> Arguments;
        int Exit;
        std::string Err;
    };
    const std::vector<TCase> cases{
        {{"--game", "PlayerBank=700..600"},
         1,
         "the range is empty: 700 is above 600 (LOW..HIGH, LOW.. or ..HIGH)\n"
         "in PlayerBank=700..600\n"},
        {{"--game", "HornType=.."},
         1,
         "a range needs an end: LOW..HIGH, LOW.. or ..HIGH\nin HornType=..\n"},
        {{"--game", "HornType=a..3"}, 1, "'a' is not a valid integer value.\nin HornType=a..3\n"},
        {{"--game", "BassFactor=0.5..x"},
         1,
         "'x' is not a valid floating point value.\nin BassFactor=0.5..x\n"},
        {{"--game", "BassFactor=0x7FC00000.."},
         1,
         "a range's ends must be numbers, not NaN\nin BassFactor=0x7FC00000..\n"},
        {{"--bank", "9..8"},
         1,
         "the range is empty: 9 is above 8 (LOW..HIGH, LOW.. or ..HIGH)\nin --bank 9..8\n"},
        {{"--bank", "40000"}, 1, ""},
        {{}, 2, ""},
    };
    for (const TCase& c : cases) {
        std::vector<std::string> arguments{"find", cfg};
        arguments.insert(arguments.end(), c.Arguments.begin(), c.Arguments.end());
        SCOPED_TRACE(arguments.back());
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(run.ExitCode, c.Exit);
        EXPECT_TRUE(run.Out.empty()) << run.Out;
        if (!c.Err.empty()) {
            EXPECT_EQ(run.Err, c.Err);
        } else {
            EXPECT_NE(run.Err.find(c.Exit == 2 ? "missing arguments" : "--bank 40000"),
                      std::string::npos)
                << run.Err;
        }
    }
}

} // namespace
} // namespace klarvon::test

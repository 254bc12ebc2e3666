// What the companion says when a file or a word cannot be used: the file named first, and
// what to do about it, where the user would otherwise guess.

#include "CliProcess.h"
#include "TableFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include <unistd.h>

namespace klarvon::test {
namespace {

constexpr std::size_t CfgLimit = std::size_t{16} << 20;
const std::string Landstal = "landstal 0 99 98 0 0.78 1.0 7 1.0 1 0 0 0 0 0.0\n";
const std::string Infernus = "infernus 0 38 37 1 0.9 1 2 1.06 2 0 7 0 2 0\n";
const std::string PackModel = "812m 0 41 40 1 0.85 1 3 1 2 0 7 0 2 0\n";

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A cfg of size bytes: a row, comment lines filling it, another row last.
std::string CfgOfSize(std::size_t size) {
    const std::string filler = "; " + std::string(98, 'x') + '\n';
    std::string text = Landstal;
    while (text.size() + filler.size() + Infernus.size() + 2 <= size) {
        text += filler;
    }
    text += ';' + std::string(size - text.size() - Infernus.size() - 2, 'y') + '\n';
    return text + Infernus;
}

struct TMessageCase {
    std::string Name;
    std::vector<std::string> Arguments; // "@/" stands for the test's folder
    int ExitCode;
    std::string FirstErrorLine; // "@/" as above
    bool WholeLine = true;      // else the line's start
};

TEST(CliMessages, EachFaultIsToldOnceWithTheFileItConcerns) {
    TTempDir dir;
    const std::string at = dir.Path().string() + '/';
    WriteTableFile(dir, "game.exe");
    WriteText(dir.File("mod.cfg"), "; a pack\n" + Landstal + PackModel + Infernus);
    WriteBytes(dir.File("picture.bin"), TBytes(5000, 0x00));
    WriteText(dir.File("handling.cfg"),
              "; Vehicle handling\n"
              "LANDSTAL 1700.0 5008.3 2.5 0.0 0.0 -0.3 85 0.75 0.85 0.5 5 160.0 25.0 20.0 4 D "
              "6.2 0.60 0 30.0 1.1 0.08 0.0 0.28 -0.14 0.5 0.25 0.27 0.23 25000 20002 0 1 1 0\n"
              "! BIKE 0.18 0.2 0.4 0.3 0.3 0.15 0.2 0.35 35.0 -0.2 0.9 0.2\n");
    WriteText(dir.File("game.ini"), "[General]\nVolume=80\n[Audio]\nRadio = on\n");
    WriteText(dir.File("faulty.cfg"), Landstal + Infernus + "bravura 0 1 2\n");
    WriteText(dir.File("big.cfg"), CfgOfSize(CfgLimit + 1));
    WriteText(dir.File("full.cfg"), CfgOfSize(CfgLimit - 20));
    std::filesystem::create_directory(dir.File("folder.cfg"));
    // As Notepad saves them: "UTF-8" with a byte-order mark and CR LF line ends, and
    // "Unicode", UTF-16 with its mark.
    const std::string mark = "\xEF\xBB\xBF";
    const std::string change = "400 LANDSTAL PowerOnSoundId: 400 -> 100\r\n# more\r\n";
    WriteText(dir.File("notepad.patch"), mark + change);
    std::string unicode = "\xFF\xFE";
    for (const char c : change) {
        unicode += {c, '\0'};
    }
    WriteText(dir.File("unicode.patch"), unicode);
    WriteText(dir.File("notepad.cfg"), mark + "; a pack\r\n" + PackModel + Landstal);

    const std::vector<TMessageCase> cases{
        {"a folder", {"show", "@/folder.cfg", "400"}, 1, "@/folder.cfg is a folder, not a file"},
        {"a patch in UTF-16",
         {"apply", "@/game.exe", "@/unicode.patch"},
         1,
         "@/unicode.patch is UTF-16 text (\"Unicode\" in Notepad); save it as ANSI or UTF-8"},
        {"a patch with a byte-order mark", {"apply", "@/game.exe", "@/notepad.patch"}, 0, ""},
        {"a cfg with a byte-order mark", {"import-cfg", "@/mod.cfg", "@/notepad.cfg"}, 0, ""},
        {"import-cfg, FILE missing",
         {"import-cfg", "@/none.exe", "@/mod.cfg"},
         1,
         "@/none.exe: file not found"},
        {"import-cfg, CFG missing",
         {"import-cfg", "@/game.exe", "@/none.cfg"},
         1,
         "@/none.cfg: file not found"},
        {"apply, PATCH missing",
         {"apply", "@/game.exe", "@/none.patch"},
         1,
         "@/none.patch: file not found"},
        {"neither kind",
         {"dump", "@/picture.bin"},
         1,
         "@/picture.bin is neither a gta_sa.exe nor a vehicle audio cfg: it is not text (it "
         "holds NUL bytes), and no vehicle audio table was found in it (no table signature)"},
        {"a handling.cfg",
         {"import-cfg", "@/game.exe", "@/handling.cfg"},
         1,
         "@/handling.cfg is not a vehicle audio cfg: not one row has the 15 columns of a cfg row "
         "(a model name and 14 values): line 2 has 36"},
        {"an INI file",
         {"dump", "@/game.ini"},
         1,
         "@/game.ini is not a vehicle audio cfg: it has [sections] as an INI file does (line 1: "
         "[General])"},
        {"a cfg with a faulty row keeps its list",
         {"dump", "@/faulty.cfg"},
         1,
         "@/faulty.cfg:3:14: the row ends after 3 of its 14 values; BassSetting is missing"},
        {"out of range",
         {"set", "@/mod.cfg", "infernus", "--game", "HornType=300"},
         1,
         "HornType=300: out of range -128..127"},
        {"a decimal comma",
         {"set", "@/game.exe", "400", "HornTone=1,5"},
         1,
         "HornTone=1,5: write 1.5 with a point"},
        {"a row named like an ID, by its name", {"show", "@/mod.cfg", "812m"}, 0, ""},
        {"a row named like an ID, as a model", {"show", "@/mod.cfg", "model:812m"}, 0, ""},
        {"a row named like an ID, changed",
         {"set", "@/mod.cfg", "812m", "--game", "HornType=4"},
         0,
         ""},
        {"a word that is no ID, next to a row",
         {"show", "@/mod.cfg", "812"},
         2,
         "klarvon-cli: '812' is not a vehicle ID (400..630); @/mod.cfg has a row 812m (give "
         "model:812m)"},
        {"an executable has no row 812m",
         {"show", "@/game.exe", "812m"},
         2,
         "klarvon-cli: '812m' is not a vehicle ID (400..630)"},
        {"a cfg too large to read",
         {"show", "@/big.cfg", "infernus"},
         1,
         "@/big.cfg is 16777217 bytes; a vehicle audio cfg is at most 16 MiB (16777216 bytes)"},
        {"a cfg too large to import",
         {"import-cfg", "@/game.exe", "@/big.cfg"},
         1,
         "@/big.cfg is 16777217 bytes; a vehicle audio cfg is at most 16 MiB (16777216 bytes)"},
        {"a new row would make the cfg too large",
         {"copy", "@/full.cfg", "infernus", "bullet"},
         1,
         "@/full.cfg would grow to ",
         false},
        {"an import would make the cfg too large",
         {"import-cfg", "@/full.cfg", "@/mod.cfg"},
         1,
         "@/full.cfg would grow to ",
         false},
    };
    const auto placed = [&at](std::string text) {
        for (std::size_t found = 0; (found = text.find("@/", found)) != std::string::npos;) {
            text.replace(found, 2, at);
            found += at.size();
        }
        return text;
    };
    for (const TMessageCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<std::string> arguments;
        for (const std::string& word : c.Arguments) {
            arguments.push_back(placed(word));
        }
        std::map<std::string, TBytes> before;
        for (const std::string& word : arguments) {
            if (std::filesystem::is_regular_file(word)) {
                before[word] = ReadBytes(word);
            }
        }
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << run.Err;
        const std::string expected = placed(c.FirstErrorLine);
        if (c.WholeLine) {
            EXPECT_EQ(run.FirstErrorLine(), expected);
        } else {
            EXPECT_TRUE(run.FirstErrorLine().starts_with(expected)) << run.Err;
        }
        if (c.ExitCode != 0) {
            for (const auto& [path, bytes] : before) {
                EXPECT_EQ(ReadBytes(path), bytes) << path << " was changed by a failing command";
            }
        }
    }
    // The row reached by a word that starts with a digit is the one that changed.
    const TCliRun show = RunCli({"show", "--game", dir.File("mod.cfg"), "model:812m"});
    EXPECT_NE(show.Out.find("HornType\t4\t"), std::string::npos) << show.Out;

    // A valid ID stays the ID, even beside a row of that name, which model: reaches.
    const std::string ids = dir.File("ids.cfg");
    WriteText(ids, "mesa 0 1 2 0 1 1 0 1 0 0 0 0 0 0\n500 0 3 4 0 1 1 0 1 0 0 0 0 0 0\n");
    EXPECT_EQ(Lines(RunCli({"show", ids, "500"}).Out).at(0), "# 500 MESA (mesa) at " + ids + ":1");
    EXPECT_EQ(Lines(RunCli({"show", ids, "model:500"}).Out).at(0), "# 500 at " + ids + ":2");
}

// A write-protected file, changed by a user who may not write it: named, with advice.
TEST(CliMessages, AFileTheUserMayNotWriteIsNamedWithAdvice) {
    if (!CliIsNative() || ::geteuid() != 0) {
        GTEST_SKIP() << "needs root to run the program as nobody";
    }
    const std::vector<std::string> asNobody{"setpriv", "--reuid=nobody", "--regid=nogroup",
                                            "--clear-groups", "--"};
    TTempDir dir;
    namespace fs = std::filesystem;
    fs::permissions(dir.Path(), fs::perms::owner_all | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
    const std::string exe = WriteTableFile(dir, "gta_sa.exe");
    const std::string cfg = dir.File("mod.cfg");
    WriteText(cfg, Landstal + Infernus);
    for (const std::string& path : {exe, cfg}) {
        fs::permissions(path,
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"set", exe, "400", "Unknown4=1"},
          {"import-cfg", exe, cfg},
          {"set", cfg, "infernus", "--game", "HornType=5"}}) {
        SCOPED_TRACE(words[0] + ' ' + words[1]);
        const TCliRun run = RunCli(words, "", asNobody);
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_EQ(run.Err, words[1] + ": access denied; is it read-only, or in use by the game?\n");
    }
}

} // namespace
} // namespace klarvon::test

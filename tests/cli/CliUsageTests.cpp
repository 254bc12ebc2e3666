// Help, usage errors and exit codes of the built program.

#include "CliProcess.h"
#include "TableFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace klarvon::test {
namespace {

const std::string ProgramAndVersion = std::string("klarvon-cli ") + KLARVON_VERSION;

struct TUsageCase {
    std::vector<std::string> Arguments;
    int ExitCode;
    std::string OutStart;
    std::string FirstErrorLine;
};

TEST(CliUsage, HelpAndWrongUsageHaveTheirExitCodes) {
    const std::vector<TUsageCase> cases{
        {{}, 2, "", "klarvon-cli: no command given"},
        {{"frob"}, 2, "", "klarvon-cli: unknown command 'frob'"},
        {{"--help"}, 0, ProgramAndVersion + ": ", ""},
        {{"help"}, 0, ProgramAndVersion + ": ", ""},
        {{"--version"}, 0, ProgramAndVersion + "\n", ""},
        {{"info", "--help"}, 0, "usage: klarvon-cli info FILE\n", ""},
        {{"show", "-h"}, 0, "usage: klarvon-cli show FILE ID [--game]\n", ""},
        {{"dump", "x", "--help"}, 0, "usage: klarvon-cli dump FILE [--json] [--game]\n", ""},
        {{"set", "--help"},
         0,
         "usage: klarvon-cli set FILE ID FIELD=TEXT [FIELD=TEXT ...] [--game] [--backup]\n",
         ""},
        {{"copy", "--help"},
         0,
         "usage: klarvon-cli copy FILE FROM TO [FIELD ...] [--game] [--from OTHER]\n"
         "                        [--backup]\n",
         ""},
        {{"find", "--help"},
         0,
         "usage: klarvon-cli find FILE [FIELD=VALUE ...] [--game] [--bank N]\n",
         ""},
        {{"diff", "--help"}, 0, "usage: klarvon-cli diff FILE_A FILE_B [--game] [--exact]\n", ""},
        {{"apply", "--help"}, 0, "usage: klarvon-cli apply FILE PATCH [--reverse] [--dry-run]", ""},
        {{"export-cfg", "x", "612"},
         2,
         "",
         "klarvon-cli: 612 has no model name, so a cfg cannot name it (only 400..611 can be "
         "exported)"},
        {{"import-cfg", "x"}, 2, "", "klarvon-cli: missing arguments"},
        {{"import-cfg", "x", "y", "--reverse"}, 2, "", "klarvon-cli: unknown option '--reverse'"},
        {{"apply", "x", "y", "--skip-unknown"},
         2,
         "",
         "klarvon-cli: unknown option '--skip-unknown'"},
        {{"demo", "--help"}, 0, "usage: klarvon-cli demo OUT [--force]\n", ""},
        {{"banks", "--help"}, 0, "usage: klarvon-cli banks GAME [BANK ...] [--json]\n", ""},
        {{"sounds", "-h"}, 0, "usage: klarvon-cli sounds GAME BANK [--json]\n", ""},
        {{"export-sound", "--help"},
         0,
         "usage: klarvon-cli export-sound GAME BANK [SOUND] OUT [--force]\n",
         ""},
        {{"listen", "--help"},
         0,
         "usage: klarvon-cli listen FILE ID OUT [--game-dir DIR] [--force]\n",
         ""},
        {{"banks", "g", "38", "-1"}, 2, "", "klarvon-cli: '-1' is not a bank number (0 or more)"},
        {{"sounds", "g"}, 2, "", "klarvon-cli: missing arguments"},
        {{"export-sound", "g", "38", "400", "x"},
         2,
         "",
         "klarvon-cli: '400' is not a sound number (0..399)"},
        {{"export-sound", "g", "38", "0", "x", "y"},
         2,
         "",
         "klarvon-cli: too many arguments ('y' is one too many)"},
        {{"listen", "EXE", "4OO", "x.wav"},
         2,
         "",
         "klarvon-cli: '4OO' is not a vehicle ID (400..630)"},
        {{"info"}, 2, "", "klarvon-cli: missing arguments"},
        {{"info", "a", "b"}, 2, "", "klarvon-cli: too many arguments ('b' is one too many)"},
        {{"dump", "x", "--xml"}, 2, "", "klarvon-cli: unknown option '--xml'"},
        {{"info", "x", "--json"}, 2, "", "klarvon-cli: unknown option '--json'"},
        {{"show", "EXE", "4OO"}, 2, "", "klarvon-cli: '4OO' is not a vehicle ID (400..630)"},
        {{"show", "x", "-400"},
         2,
         "",
         "klarvon-cli: '-400' is not a vehicle ID or name; closest model names: at400 bf400 pony"},
        {{"copy", "x", "400", "401", "--from"},
         2,
         "",
         "klarvon-cli: option '--from' needs a value"},
        {{"copy", "x", "400", "401", "--from=a", "--from", "b"},
         2,
         "",
         "klarvon-cli: option '--from' is given twice"},
        {{"show", "x", "400", "--from=a"}, 2, "", "klarvon-cli: unknown option '--from=a'"},
        {{"find", "x"}, 2, "", "klarvon-cli: missing arguments"},
        {{"find", "x", "PlayerBank=38"},
         2,
         "",
         "klarvon-cli: 'PlayerBank' is not a field (it is one with --game); the fields are "
         "VehicleType, PowerOnSoundId, PowerOffSoundId, Unknown1, Unknown2, Unknown3, HornType, "
         "HornTone, DoorSoundType, RadioStation, RadioType, Unknown4, Unknown5, Unknown6, "
         "Unknown7, Unknown8"},
        {{"copy", "x", "400", "401", "HornType", "HornType"},
         2,
         "",
         "klarvon-cli: field 'HornType' is named twice"},
        {{"copy", "EXE", "400", "631"}, 2, "", "klarvon-cli: '631' is not a vehicle ID (400..630)"},
        {{"diff", "x"}, 2, "", "klarvon-cli: missing arguments"},
        {{"demo"}, 2, "", "klarvon-cli: missing arguments"},
        // After "--" a word is a file name, however it looks.
        {{"info", "--", "--help"}, 1, "", "--help: file not found"},
    };
    // A word that is no vehicle ID may name a cfg's row, so it is judged with a file at hand.
    TTempDir dir;
    const std::string exe = WriteTableFile(dir, "usage.exe");
    for (const TUsageCase& c : cases) {
        std::string trace;
        std::vector<std::string> arguments = c.Arguments;
        for (std::string& word : arguments) {
            trace += word + ' ';
            word = word == "EXE" ? exe : word;
        }
        SCOPED_TRACE(trace);
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(run.ExitCode, c.ExitCode);
        EXPECT_TRUE(run.Out.starts_with(c.OutStart)) << run.Out;
        EXPECT_EQ(run.FirstErrorLine(), c.FirstErrorLine);
        if (c.ExitCode == 2) {
            EXPECT_EQ(run.Out, "");
            EXPECT_NE(run.Err.find("usage:"), std::string::npos);
        }
    }
}

TEST(CliUsage, ACommandsUsageErrorShowsItsSynopsis) {
    TTempDir dir;
    EXPECT_EQ(RunCli({"show", WriteTableFile(dir, "usage.exe"), "7"}).Err,
              "klarvon-cli: '7' is not a vehicle ID (400..630)\n"
              "usage: klarvon-cli show FILE ID [--game]\n"
              "Try 'klarvon-cli show --help' for more.\n");
}

// The option lines are what the manual page lists: every option of the synopsis, its
// value named, the help texts in one column; none for a command without options.
TEST(CliUsage, HelpEndsWithALineForEachOption) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"copy", "\noptions:\n"
                 "  --game        the game's fields in place of the editor's\n"
                 "  --from OTHER  take FROM's record from OTHER (an executable or cfg, only "
                 "read)\n"
                 "  --backup      first copy FILE to FILE.bak, unless that exists\n"},
        {"demo", "\noptions:\n  --force  replace the file written if it exists\n"},
    };
    for (const auto& [command, options] : cases) {
        const std::string help = RunCli({command, "--help"}).Out;
        EXPECT_TRUE(help.ends_with(options)) << help;
    }
    EXPECT_EQ(RunCli({"info", "--help"}).Out.find("options:"), std::string::npos);
}

// A help line wider than a console window as it opens (80 columns, cmd.exe's too) wraps
// in the middle of a word. Characters are counted, not bytes.
TEST(CliUsage, EveryHelpFitsEightyColumns) {
    const std::string program = RunCli({"--help"}).Out;
    std::vector<std::vector<std::string>> helps{{"--help"}};
    for (const std::string& line : Lines(program)) {
        const std::string prefix = "  klarvon-cli ";
        if (line.starts_with(prefix) && line[prefix.size()] != '-') {
            helps.push_back(
                {line.substr(prefix.size(), line.find(' ', prefix.size()) - prefix.size()),
                 "--help"});
        }
    }
    EXPECT_EQ(helps.size(), 17U) << program;
    for (const std::vector<std::string>& arguments : helps) {
        const TCliRun run = RunCli(arguments);
        ASSERT_EQ(run.ExitCode, 0) << arguments[0];
        for (const std::string& line : Lines(run.Out)) {
            const auto characters = std::count_if(line.begin(), line.end(), [](char c) {
                return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
            });
            EXPECT_LE(characters, 80) << arguments[0] << ": " << line;
        }
    }
}

// The commands of the guide's and the README's examples, as a user copies them into a
// Linux shell or cmd.exe: cmd.exe has no grep, head or tail, passes single quotes on as
// part of the word, takes '#' and what follows as arguments, and a '\' at a line's end
// for a path. A cfg printed with '>' over the one mods were merged into is lost.
TEST(CliDocs, EveryCommandWorksInCmdToo) {
    if (!CliIsNative()) {
        GTEST_SKIP() << "the docs are read where they were built";
    }
    const std::vector<std::pair<std::string, std::string>> faults{
        {"grep", "grep, which cmd.exe does not have: use find or findstr"},
        {"| head", "head, which cmd.exe does not have"},
        {"| tail", "tail, which cmd.exe does not have"},
        {" '", "a single-quoted argument, which cmd.exe does not unquote"},
        {" # ", "a '#' comment after the command, arguments to cmd.exe"},
    };
    std::size_t commands = 0;
    for (const std::string name : {"docs/cli.md", "README.md"}) {
        std::ifstream file(std::string(KLARVON_SOURCE_DIR) + "/" + name);
        ASSERT_TRUE(file) << name;
        bool inBlock = false;
        std::size_t number = 0;
        for (std::string line; std::getline(file, line);) {
            ++number;
            if (line.starts_with("```")) {
                inBlock = !inBlock;
                continue;
            }
            // A block's lines, and outside blocks the commands quoted in the text.
            std::vector<std::string> found;
            if (inBlock && line.starts_with("$ ")) {
                found.push_back(line.substr(2));
                EXPECT_TRUE(found.back().starts_with("klarvon-cli ") ||
                            found.back().starts_with("cd "))
                    << name << ":" << number << ": " << line << "\nnot a command of cmd.exe";
            } else if (inBlock) {
                found.push_back(line);
            } else {
                for (std::size_t at = 0;
                     (at = line.find("`klarvon-cli ", at)) != std::string::npos;) {
                    const std::size_t end = std::min(line.find('`', at + 1), line.size());
                    found.push_back(line.substr(at + 1, end - at - 1));
                    at = end;
                }
            }
            for (const std::string& command : found) {
                if (!command.starts_with("klarvon-cli ")) {
                    continue;
                }
                ++commands;
                const std::string place = name + ":" + std::to_string(number) + ": " + command;
                for (const auto& [word, fault] : faults) {
                    EXPECT_EQ(command.find(word), std::string::npos) << place << "\n" << fault;
                }
                EXPECT_FALSE(command.ends_with("\\")) << place << "\na '\\' continuation";
                EXPECT_FALSE(command.find("export-cfg") != std::string::npos &&
                             command.find('>') != std::string::npos)
                    << place << "\nexport-cfg with '>': use --output, which keeps an existing cfg";
            }
        }
    }
    EXPECT_GT(commands, 50U) << "the blocks were not found";
}

} // namespace
} // namespace klarvon::test

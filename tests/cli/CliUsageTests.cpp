// Help, usage errors and exit codes of the built program.

#include "CliProcess.h"
#include "TableFiles.h"

#include <gtest/gtest.h>

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
         "usage: klarvon-cli copy FILE FROM TO [FIELD ...] [--game] [--from OTHER] [--backup]\n",
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
                 "  --from OTHER  take the record of FROM from OTHER (an executable or a cfg), "
                 "only read\n"
                 "  --backup      first copy FILE to FILE.bak, unless that exists\n"},
        {"demo", "\noptions:\n  --force  replace an existing OUT\n"},
    };
    for (const auto& [command, options] : cases) {
        const std::string help = RunCli({command, "--help"}).Out;
        EXPECT_TRUE(help.ends_with(options)) << help;
    }
    EXPECT_EQ(RunCli({"info", "--help"}).Out.find("options:"), std::string::npos);
}

} // namespace
} // namespace klarvon::test

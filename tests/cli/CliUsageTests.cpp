// Help, usage errors and exit codes of the built program.

#include "CliProcess.h"

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
        {{"show", "-h"}, 0, "usage: klarvon-cli show FILE ID\n", ""},
        {{"dump", "x", "--help"}, 0, "usage: klarvon-cli dump FILE [--json]\n", ""},
        {{"set", "--help"}, 0, "usage: klarvon-cli set FILE ID FIELD=TEXT [FIELD=TEXT ...]\n", ""},
        {{"copy", "--help"}, 0, "usage: klarvon-cli copy FILE FROM_ID TO_ID\n", ""},
        {{"diff", "--help"}, 0, "usage: klarvon-cli diff FILE_A FILE_B\n", ""},
        {{"demo", "--help"}, 0, "usage: klarvon-cli demo OUT [--force]\n", ""},
        {{"info"}, 2, "", "klarvon-cli: missing arguments"},
        {{"info", "a", "b"}, 2, "", "klarvon-cli: too many arguments ('b' is one too many)"},
        {{"dump", "x", "--xml"}, 2, "", "klarvon-cli: unknown option '--xml'"},
        {{"info", "x", "--json"}, 2, "", "klarvon-cli: unknown option '--json'"},
        {{"show", "x", "abc"}, 2, "", "klarvon-cli: 'abc' is not a vehicle ID (400..630)"},
        {{"show", "x", "-400"}, 2, "", "klarvon-cli: '-400' is not a vehicle ID (400..630)"},
        {{"copy", "x", "400", "631"}, 2, "", "klarvon-cli: '631' is not a vehicle ID (400..630)"},
        {{"diff", "x"}, 2, "", "klarvon-cli: missing arguments"},
        {{"demo"}, 2, "", "klarvon-cli: missing arguments"},
        // After "--" a word is a file name, however it looks.
        {{"info", "--", "--help"}, 1, "", "File not found."},
    };
    for (const TUsageCase& c : cases) {
        std::string trace;
        for (const std::string& word : c.Arguments) {
            trace += word + ' ';
        }
        SCOPED_TRACE(trace);
        const TCliRun run = RunCli(c.Arguments);
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
    EXPECT_EQ(RunCli({"show", "x", "7"}).Err, "klarvon-cli: '7' is not a vehicle ID (400..630)\n"
                                              "usage: klarvon-cli show FILE ID\n"
                                              "Try 'klarvon-cli show --help' for more.\n");
}

} // namespace
} // namespace klarvon::test

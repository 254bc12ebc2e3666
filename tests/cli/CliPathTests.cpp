// File names in any script, and output that goes nowhere. On Linux these are plain bytes;
// the same suite run against the Windows build (under Wine) checks that no name is bent
// through a code page on its way to the file or back into a message.

#include "CliProcess.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace klarvon::test {
namespace {

// Cyrillic, Latin-1, a name the ANSI conversion would turn into another ("Lodz"), and one
// outside the Basic Multilingual Plane (a surrogate pair in UTF-16).
const char* const Names[] = {"Игры", "café", "Łódź", "𝄞 ноты"};

TEST(CliPaths, EveryCommandOpensFilesNamedInAnyScript) {
    for (const char* name : Names) {
        SCOPED_TRACE(name);
        TTempDir dir;
        const std::filesystem::path folder = dir.Path() / name;
        std::filesystem::create_directory(folder);
        const std::string file = (folder / (std::string(name) + ".exe")).string();
        const std::string other = (folder / "gta_sa.exe").string();
        const struct {
            std::vector<std::string> Arguments;
            std::string OutStart;
        } steps[] = {
            {{"demo", file}, "wrote " + file + ": "},
            {{"demo", "--force", file}, "wrote " + file + ": "},
            {{"demo", other}, "wrote " + other + ": "},
            {{"info", file}, "size: "},
            {{"show", file, "400"}, "# 400 "},
            {{"dump", file}, "id,"},
            {{"set", file, "400", "Unknown4=7"}, "400 LANDSTAL Unknown4: 0 -> 7\n"},
            {{"find", file, "Unknown4=7"}, "400\tLANDSTAL\t"},
            {{"copy", file, "400", "401"}, "401 "},
            {{"copy", other, "400", "400", "--from", file}, "400 LANDSTAL Unknown4: 0 -> 7\n"},
            {{"diff", other, file}, "401 "},
        };
        for (const auto& step : steps) {
            SCOPED_TRACE(step.Arguments.front());
            const TCliRun run = RunCli(step.Arguments);
            EXPECT_EQ(run.ExitCode, 0) << run.Err;
            EXPECT_EQ(run.Out.substr(0, step.OutStart.size()), step.OutStart);
        }
        // Nothing left beside the files (the replace writes a temporary one first).
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                                std::filesystem::directory_iterator()),
                  2);

        // The commands that read a cfg or a patch, and a backup beside such a file.
        const std::string cfg = (folder / (std::string(name) + ".cfg")).string();
        const std::string patch = (folder / (std::string(name) + ".patch")).string();
        ASSERT_EQ(RunCli({"export-cfg", file}, cfg).ExitCode, 0);
        ASSERT_EQ(RunCli({"diff", other, file}, patch).ExitCode, 0);
        for (const std::vector<std::string>& arguments :
             {std::vector<std::string>{"apply", other, patch, "--backup"},
              {"apply", other, patch, "--reverse", "--backup"},
              {"import-cfg", other, cfg, "--backup"}}) {
            SCOPED_TRACE(arguments.front());
            const TCliRun run = RunCli(arguments);
            EXPECT_EQ(run.ExitCode, 0) << run.Err;
        }
        EXPECT_TRUE(std::filesystem::is_regular_file(other + ".bak"));

        // Messages name the file exactly as it was given.
        EXPECT_EQ(RunCli({"demo", file}).Err,
                  "'" + file + "' already exists; give --force to replace it.\n");
        const std::string missing = (folder / ("нет " + std::string(name))).string();
        EXPECT_EQ(RunCli({"diff", file, missing}).Err, missing + ": file not found\n");
    }
}

// "klarvon-cli dump x.exe | more", quit before the end: no message about the pipe, and a
// status that does not claim success.
TEST(CliOutput, APipeClosedByItsReaderEndsQuietly) {
    TTempDir dir;
    const std::string file = dir.File("gta_sa.exe");
    ASSERT_EQ(RunCli({"demo", file}).ExitCode, 0);
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"dump", file}, {"--help"}}) {
        SCOPED_TRACE(arguments.front());
        const TCliRun run = RunCli(arguments, ClosedPipe);
        EXPECT_NE(run.ExitCode, 0);
        EXPECT_EQ(run.Err, "");
    }
}

} // namespace
} // namespace klarvon::test

// The companion under real faults around a change: a report that cannot be printed after
// the file was written, and demo --force aimed at something that is not a regular file.

#include "CliProcess.h"
#include "TableFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace klarvon::test {
namespace {

TEST(CliFault, ChangeWhoseReportCannotBePrintedSaysItWasMade) {
    const struct {
        const char* Name;
        std::vector<std::string> Arguments; // the file's path goes after the command
    } cases[] = {
        {"set", {"set", "", "400", "PowerOnSoundId=7"}},
        {"copy", {"copy", "", "401", "400"}},
        {"demo", {"demo", "--force", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempDir dir;
        const std::string path = WriteTableFile(dir, "gta_sa.exe");
        const TBytes before = ReadBytes(path);
        std::vector<std::string> arguments = c.Arguments;
        for (std::string& word : arguments) {
            if (word.empty()) {
                word = path;
            }
        }
        const TCliRun run = RunCli(arguments, "/dev/full");
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_EQ(run.Err, "Disk full.\nThe change was made; only its report could not be "
                           "printed.\n");
        EXPECT_NE(ReadBytes(path), before);
    }
    // A command that changes nothing says nothing of a change.
    TTempDir dir;
    const TCliRun show = RunCli({"show", WriteTableFile(dir, "gta_sa.exe"), "400"}, "/dev/full");
    EXPECT_EQ(show.ExitCode, 1);
    EXPECT_EQ(show.Err, "Disk full.\n");
}

TEST(CliFault, DemoForceReplacesOnlyRegularFiles) {
    TTempDir dir;
    const std::string fifo = dir.File("pipe.exe");
    const std::string device = dir.File("null.exe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    // A character device like /dev/null, made here so that nothing real is at stake.
    ASSERT_EQ(::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    for (const std::string& path : {fifo, device}) {
        SCOPED_TRACE(path);
        const TCliRun run = RunCli({"demo", "--force", path});
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_EQ(run.Err, "File access denied.\n");
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_TRUE(std::filesystem::is_character_file(device));
}

} // namespace
} // namespace klarvon::test

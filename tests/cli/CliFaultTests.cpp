// The companion under real faults around a change: a report that cannot be printed after
// the file was written, and demo --force aimed at something that is not a regular file.

#include "CliProcess.h"
#include "TableFiles.h"
#include "Tracing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

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
        {"copy", {"copy", "", "401", "400", "Unknown1"}},
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

// A patch of 51 records, killed at its first, second or twentieth write to the file: the
// file holds the old table or the new one, never some records of each.
TEST(CliFault, AChangeOfManyRecordsIsAllOrNoneWhenTheProcessIsKilled) {
    if (!CanTrace()) {
        GTEST_SKIP() << "strace cannot trace the program here";
    }
    TTempDir dir;
    const TBytes before = MakeTableFile();
    const TBytes after = MakeTableFile(SampleSignatureOffset, [](int id) {
        TVehicleAudioRecord record = SampleRecord(id);
        if (id % 4 == 0 && id <= 600) {
            record[TField::Unknown5] = record[TField::Unknown5] ^ 0xFFU;
        }
        return record;
    });
    const TCliRun diff = RunCli(
        {"diff", WriteTableFile(dir, "old.exe", before), WriteTableFile(dir, "new.exe", after)});
    ASSERT_EQ(Lines(diff.Out).size(), 51U) << diff.Out;
    const std::string patch = dir.File("mod.patch");
    std::ofstream(patch) << diff.Out;

    for (const int write : {1, 2, 20}) {
        SCOPED_TRACE(write);
        const std::string path = WriteTableFile(dir, "gta_sa.exe", before);
        RunCli({"apply", path, patch}, "",
               Traced({"-f", "-o", "/dev/null", "-e",
                       "inject=pwrite64:signal=KILL:when=" + std::to_string(write)}));
        const TBytes now = ReadBytes(path);
        EXPECT_TRUE(now == before || now == after) << "some records were changed, others not";
    }
}

// The change is on the disk, not only in the system's cache, before the companion says
// it was made.
TEST(CliFault, AChangeIsFlushedToTheDiskBeforeItIsReported) {
    if (!CanTrace()) {
        GTEST_SKIP() << "strace cannot trace the program here";
    }
    TTempDir dir;
    const std::string path = WriteTableFile(dir, "gta_sa.exe");
    const std::string log = dir.File("calls.log");
    const TCliRun run = RunCli({"set", path, "400", "PowerOnSoundId=7"}, "",
                               Traced({"-f", "-o", log, "-e", "trace=pwrite64,fdatasync,write"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    std::ifstream calls(log);
    std::vector<std::string> order;
    for (std::string line; std::getline(calls, line);) {
        for (const char* call : {"pwrite64(", "fdatasync(", "write(1,"}) {
            if (line.find(call) != std::string::npos) {
                order.emplace_back(call);
            }
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{"pwrite64(", "fdatasync(", "write(1,"}));
}

// A cfg is changed by writing a whole new file beside it and renaming it over the old one:
// killed at the write, the flush or the rename itself, the process leaves the old cfg
// whole, and a run that is not killed leaves the new one.
TEST(CliFault, ACfgChangeKilledAtAnyStepLeavesTheOldFileWhole) {
    if (!CanTrace()) {
        GTEST_SKIP() << "strace cannot trace the program here";
    }
    TTempDir dir;
    const std::string before = "; sounds\r\ninfernus 0 38 37 1 0.9 1 2 1.06 2 0 7 0 2 0\r\n";
    const std::string after = "; sounds\r\ninfernus 0 38 37 1 0.9 1 5 1.06 2 0 7 0 2 0\r\n";
    for (const std::string step : {"pwrite64", "fdatasync", "rename,renameat,renameat2", ""}) {
        SCOPED_TRACE(step);
        const std::string path = dir.File("vehicleAudio.cfg");
        WriteBytes(path, TBytes(before.begin(), before.end()));
        const std::vector<std::string> prefix =
            step.empty()
                ? std::vector<std::string>{}
                : Traced({"-f", "-o", "/dev/null", "-e", "inject=" + step + ":signal=KILL:when=1"});
        RunCli({"set", path, "infernus", "--game", "HornType=5"}, "", prefix);
        const TBytes now = ReadBytes(path);
        EXPECT_EQ(std::string(now.begin(), now.end()), step.empty() ? after : before);
    }
}

// A command opens the file it was given once, whichever kind it is: what tells an
// executable from a cfg is read through the handle that then reads (and changes) it.
TEST(CliFault, ACommandOpensItsFileOnce) {
    if (!CanTrace()) {
        GTEST_SKIP() << "strace cannot trace the program here";
    }
    TTempDir dir;
    const std::string exe = WriteTableFile(dir, "gta_sa.exe");
    const std::string cfg = dir.File("vehicleAudio.cfg");
    const std::string text = "; sounds\ninfernus 0 38 37 1 0.9 1 2 1.06 2 0 7 0 2 0\n";
    WriteBytes(cfg, TBytes(text.begin(), text.end()));
    const std::vector<std::vector<std::string>> commands{
        {"dump", exe},
        {"dump", cfg},
        {"set", exe, "400", "PowerOnSoundId=7"},
        {"set", cfg, "infernus", "--game", "HornType=5"},
    };
    const std::string log = dir.File("calls.log");
    for (const std::vector<std::string>& words : commands) {
        SCOPED_TRACE(words[0] + ' ' + words[1]);
        const TCliRun run = RunCli(words, "", Traced({"-f", "-o", log, "-e", "trace=open,openat"}));
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        std::ifstream calls(log);
        int opens = 0;
        for (std::string line; std::getline(calls, line);) {
            opens += line.find('"' + words[1] + '"') != std::string::npos ? 1 : 0;
        }
        EXPECT_EQ(opens, 1);
    }
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

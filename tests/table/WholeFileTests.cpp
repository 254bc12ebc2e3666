// Whole files: a new file never takes the place of one that is there, a replacement
// leaves nothing of itself behind, and a read fails with the texts the user is shown.

#include "table/Errors.h"
#include "table/FileRead.h"
#include "table/FileWrite.h"
#include "tests/support/ExpectError.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace klarvon::test {
namespace {

using namespace std::chrono_literals;

const TBytes OldBytes{'o', 'l', 'd'};
const TBytes NewBytes{'n', 'e', 'w', '!'};

std::size_t EntriesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

// Only the caller knows how a taken name can be overcome; a backup's temporary file has
// no --force to offer.
TEST(WholeFile, ATakenNameIsKeptAndRefusedWithTheCallersOwnAdvice) {
    const TTempDir dir;
    const std::string path = dir.File("taken.exe");
    const struct {
        std::string Advice;
        std::string Text;
    } cases[] = {
        {"", "'" + path + "' already exists"},
        {"give --force to replace it", "'" + path + "' already exists; give --force to replace it"},
    };
    for (const auto& c : cases) {
        WriteBytes(path, OldBytes);
        ExpectError<EKlarvonError>([&] { WriteNewFile(path, NewBytes, c.Advice); }, c.Text);
        EXPECT_EQ(ReadBytes(path), OldBytes);
    }
}

TEST(WholeFile, AReplacementLeavesOnlyTheWholeNewFile) {
    const TTempDir dir;
    const std::string path = dir.File("demo.exe");
    WriteBytes(path, OldBytes);
    ReplaceFile(path, NewBytes);
    EXPECT_EQ(ReadBytes(path), NewBytes);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);

    ExpectError<EInOutError>([&] { ReplaceFile(dir.File("no-folder/demo.exe"), NewBytes); },
                             "Invalid filename");
    std::filesystem::create_directory(dir.File("folder"));
    ExpectError<EInOutError>([&] { ReplaceFile(dir.File("folder"), NewBytes); },
                             "File access denied");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder")));
    EXPECT_EQ(EntriesIn(dir.Path()), 2u);
}

// What a killed run left beside the file is removed by the next replacement, and nothing
// else: not a name that only looks like ours, not a folder or a link, and not a temporary
// young enough to be a live writer's.
TEST(FileWrite, AReplacementRemovesOnlyItsOwnOldLeftovers) {
    const TTempDir dir;
    const std::string path = dir.File("vehicleAudio.cfg");
    const auto old = std::filesystem::file_time_type::clock::now() - LeftoverAge - 1min;
    const struct {
        std::string Name;
        bool Removed;
    } cases[] = {
        {".vehicleAudio.cfg.0", true},
        {".vehicleAudio.cfg.4294967295", true},
        {".vehicleAudio.cfg.12345678901", false},
        {".vehicleAudio.cfg.", false},
        {".vehicleAudio.cfg.1a", false},
        {".vehicleAudio.cfg.1.bak", false},
        {"vehicleAudio.cfg.1", false},
        {"..vehicleAudio.cfg.1", false},
        {".vehicleAudio.cfg", false},
        {".vehicleAudio.cfgx.1", false},
        {".vehicleAudio.cf.1", false},
        {".other.cfg.1", false},
    };
    for (const auto& c : cases) {
        WriteBytes(dir.File(c.Name), OldBytes);
        std::filesystem::last_write_time(dir.File(c.Name), old);
    }
    WriteBytes(dir.File(".vehicleAudio.cfg.77"), OldBytes); // written just now
    std::filesystem::create_directory(dir.File(".vehicleAudio.cfg.78"));
    std::error_code unchanged; // Windows may refuse to date a folder; it is kept all the same
    std::filesystem::last_write_time(dir.File(".vehicleAudio.cfg.78"), old, unchanged);
#ifndef _WIN32
    std::filesystem::create_symlink(".other.cfg.1", dir.File(".vehicleAudio.cfg.79"));
#endif
    WriteBytes(path, OldBytes);
    ReplaceFile(path, NewBytes);
    EXPECT_EQ(ReadBytes(path), NewBytes);
    for (const auto& c : cases) {
        EXPECT_EQ(std::filesystem::exists(dir.File(c.Name)), !c.Removed) << c.Name;
    }
    for (const char* kept : {".vehicleAudio.cfg.77", ".vehicleAudio.cfg.78"}) {
        EXPECT_TRUE(std::filesystem::exists(dir.File(kept))) << kept;
    }
#ifndef _WIN32
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File(".vehicleAudio.cfg.79")));
#endif
}

// Every failure of a text file names it, with the text as the user reads it.
TEST(WholeFile, TextFileFailuresNameTheFile) {
    const TTempDir dir;
    const std::string large = dir.File("large.cfg");
    WriteBytes(large, {});
    std::filesystem::resize_file(large, LargestTextFile + 1); // sparse: no disk room needed
    const struct {
        std::string Path;
        std::string Text;
    } cases[] = {
        {large, "The file is too large to be a text file of settings (over 16 MiB)"},
        {dir.File("missing.cfg"), "File not found."},
    };
    for (const auto& c : cases) {
        const auto failure = ExpectError<EFinalError>([&] { ReadTextFile(c.Path); }, c.Text);
        if (failure) {
            EXPECT_EQ(failure->Context, c.Path);
        }
    }
}

TEST(WholeFile, TheHeadOfAFileIsAtMostTheLimit) {
    const TTempDir dir;
    const std::string path = dir.File("Settings.ini");
    WriteBytes(path, NewBytes);
    EXPECT_EQ(ReadFileHead(path, 2), "ne");
    EXPECT_EQ(ReadFileHead(path, 100), "new!");
}

#ifndef _WIN32
// A pipe named Settings.ini must not hold up the editor's start waiting for a writer.
TEST(WholeFile, TheHeadOfAPipeIsEmptyAtOnce) {
    const TTempDir dir;
    const std::string path = dir.File("Settings.ini");
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    auto head = std::async(std::launch::async, [&] { return ReadFileHead(path, 100); });
    if (head.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "waited for a writer";
        ::close(::open(path.c_str(), O_RDWR)); // a writer comes and goes, freeing the reader
    }
    EXPECT_EQ(head.get(), "");
}
#endif

} // namespace
} // namespace klarvon::test

// Record writes under real faults: another Klarvon writing at the same time, a full disk
// under a sparse file, a write refused part-way by the system, and another program
// cutting the file short while a record is written. Each is caused for real.

#include "support/RecordFiles.h"
#include "table/Errors.h"
#include "table/RecordFile.h"
#include "table/TableLocator.h"
#include "tests/support/ExeBuilder.h"
#include "tests/support/ExpectError.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace klarvon {
namespace {

using test::ReadWholeRecord;
using test::TBytes;
using test::WriteRecord;
using test::WriteWholeRecord;
using namespace std::chrono_literals;

constexpr std::int64_t Page = 4096;

TVehicleAudioRecord Numbered(TFieldBits first) {
    TVehicleAudioRecord record;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        record[static_cast<TField>(i)] = (first + static_cast<TFieldBits>(i)) & 0x7F;
    }
    return record;
}

std::string FileOf(const test::TTempDir& dir, std::size_t size) {
    const std::string path = dir.File("gta_sa.exe");
    test::WriteBytes(path, test::Filler(size, 5));
    return path;
}

// Two processes, each adding one to its own field of the same record over and over: with
// read-change-write under the lock, neither ever puts back a value the other replaced.
TEST(WriteLock, ConcurrentReadChangeWritesLoseNoUpdate) {
    constexpr int Rounds = 2000;
    test::TTempDir dir;
    const std::string path = FileOf(dir, 1000);
    WriteWholeRecord(path, 200, TRecordBytes{});
    const auto bump = [&path](TField field) {
        for (int i = 0; i < Rounds; ++i) {
            // A generous wait: each change is flushed to the disk while the lock is held, and
            // on a busy disk the other process may hold it for long stretches; this test is
            // about lost updates, the wait's limit has a test of its own.
            TRecordFile writer(path, TOpenMode::Change, 60s);
            TVehicleAudioRecord record{writer.ReadRecord(200)};
            record[field] = record[field] + 1;
            WriteRecord(writer, 200, record.Bytes);
            writer.Close();
        }
    };
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            bump(TField::PowerOnSoundId);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    bump(TField::PowerOffSoundId);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const TVehicleAudioRecord record{ReadWholeRecord(path, 200)};
    EXPECT_EQ(record[TField::PowerOnSoundId], TFieldBits{Rounds});
    EXPECT_EQ(record[TField::PowerOffSoundId], TFieldBits{Rounds});
}

// A small file system of its own, so that it can be filled.
class TSmallFileSystem {
public:
    explicit TSmallFileSystem(const test::TTempDir& dir) : where_(dir.File("small")) {
        std::filesystem::create_directory(where_);
        mounted_ = ::mount("tmpfs", where_.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~TSmallFileSystem() {
        if (mounted_) {
            ::umount(where_.c_str());
        }
    }
    TSmallFileSystem(const TSmallFileSystem&) = delete;
    TSmallFileSystem& operator=(const TSmallFileSystem&) = delete;

    bool Mounted() const { return mounted_; }
    std::string File(const std::string& name) const { return where_ + "/" + name; }

    // Takes every free block.
    void Fill() const {
        const int fd = ::open(File("filler").c_str(), O_WRONLY | O_CREAT, 0644);
        const std::array<char, 4096> block{};
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        ::close(fd);
    }

private:
    std::string where_;
    bool mounted_ = false;
};

TEST(FullDisk, RecordOverAnUnwrittenPageIsWrittenWholeOrNotAtAll) {
    test::TTempDir dir;
    const TSmallFileSystem small(dir);
    if (!small.Mounted()) {
        GTEST_SKIP() << "mounting a tmpfs needs root";
    }
    // Page 0 holds data; page 1 is a hole; the record starts 10 bytes before the hole.
    const std::string path = small.File("gta_sa.exe");
    constexpr std::int64_t Offset = Page - 10;
    {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0644);
        const TBytes data = test::Filler(static_cast<std::size_t>(Page), 7);
        ASSERT_EQ(::write(fd, data.data(), data.size()), static_cast<ssize_t>(Page));
        ASSERT_EQ(::ftruncate(fd, 4 * Page), 0);
        ::close(fd);
    }
    small.Fill();
    const TBytes before = test::ReadBytes(path);

    const auto error = test::ExpectError<EInOutError>(
        [&] { WriteWholeRecord(path, Offset, Numbered(9).Bytes); }, "Disk full");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->Code, 101);
    EXPECT_EQ(test::ReadBytes(path), before) << "a torn record was left behind";
}

// The system refuses writes at and past a size limit (RLIMIT_FSIZE, EFBIG), whatever the
// file's own size: a real failure in the middle of a change of several records.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST(SeveralRecords, FailurePartWayPutsBackWhatWasWritten) {
    constexpr std::int64_t Limit = 2 * Page;
    const struct {
        const char* Name;
        std::vector<std::int64_t> Offsets;
        const char* Text;
    } cases[] = {
        {"second record past the limit",
         {100, 1000, Limit + 100},
         "I/O error 27; the records written were put back as they were"},
        {"one record cut by the limit",
         {Limit - 20},
         "I/O error 27; the record was put back as it was"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        test::TTempDir dir;
        const std::string path = FileOf(dir, static_cast<std::size_t>(4 * Page));
        const TBytes before = test::ReadBytes(path);
        std::vector<TRecordChange> changes;
        for (const std::int64_t offset : c.Offsets) {
            changes.push_back({offset, ReadWholeRecord(path, offset),
                               Numbered(static_cast<TFieldBits>(offset)).Bytes});
        }
        {
            const TFileSizeLimit limit(static_cast<rlim_t>(Limit));
            TRecordFile writer(path, TOpenMode::Change);
            test::ExpectError<EInOutError>([&] { writer.Commit(changes); }, c.Text);
        }
        EXPECT_EQ(test::ReadBytes(path), before);
    }
}

// Another program cuts the file short at a moment spread over the write. Whichever comes
// first, the file ends up as that program left it: never grown back out to the record.
TEST(ShortenedFile, WriteNeverGrowsTheFileBack) {
    constexpr std::int64_t Size = 64 * Page;
    constexpr std::int64_t CutTo = 8 * Page;
    constexpr std::int64_t Offset = 40 * Page + 100;
    constexpr int Rounds = 400;
    test::TTempDir dir;
    const std::string path = dir.File("gta_sa.exe");
    int grown = 0;
    for (int round = 0; round < Rounds; ++round) {
        test::WriteBytes(path, test::Filler(static_cast<std::size_t>(Size), 1));
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            char start = 0;
            ::close(go[1]);
            if (::read(go[0], &start, 1) != 1) {
                ::_exit(1);
            }
            // A delay of a few microseconds more each round, so the cut lands everywhere
            // from before the write's checks to after its last step.
            for (int spin = 0; spin < (round % 40) * 150; ++spin) {
                asm volatile("" ::: "memory"); // keeps the loop from being optimised away
            }
            ::_exit(::truncate(path.c_str(), CutTo) == 0 ? 0 : 1);
        }
        ::close(go[0]);
        ASSERT_EQ(::write(go[1], "x", 1), 1);
        ::close(go[1]);
        try {
            WriteWholeRecord(path, Offset, Numbered(3).Bytes);
        } catch (const EInOutError& error) {
            // The cut came before the write looked, or the write saw it afterwards.
            EXPECT_TRUE(std::string(error.what()) == "Write beyond end of file" ||
                        std::string(error.what()) == "Read beyond end of file")
                << error.what();
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (std::filesystem::file_size(path) != static_cast<std::uintmax_t>(CutTo)) {
            ++grown;
        }
    }
    EXPECT_EQ(grown, 0) << "of " << Rounds << " races";
}

} // namespace
} // namespace klarvon

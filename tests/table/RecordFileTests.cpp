// Reading and writing one record in place: exact bytes, failures that leave the file as
// it was, and the texts the user reads for each cause.

#include "support/RecordFiles.h"
#include "table/Errors.h"
#include "table/RecordFile.h"
#include "table/TableLocator.h"
#include "tests/support/ExeBuilder.h"
#include "tests/support/ExpectError.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace klarvon {
namespace {

using test::BitsOf;
using test::ReadRecord;
using test::ReadWholeRecord;
using test::RecordOf;
using test::TBitsArray;
using test::TBytes;
using test::WriteRecord;
using test::WriteWholeRecord;
using namespace std::chrono_literals;

// Stored order and widths as the game lays them out, written out independently of the
// field table under test.
constexpr std::array<std::size_t, FieldCount> Widths{2, 2, 2, 2, 4, 4, 4, 4,
                                                     2, 1, 1, 1, 1, 1, 4, 1};

// One of everything: negative int16s, signalling NaNs (one at the unaligned offset 31),
// a horn type of 255, all-ones and all-zero bytes.
constexpr TBitsArray Sample{0x0102,     0x8001,     0x0304,     0xFFFF, 0x3BA3D70A, 0x7F800001,
                            0x000000FF, 0xC0490FDB, 0x00FF,     0x0D,   0x03,       0x80,
                            0x00,       0xFF,       0x7FA00000, 0x5A};
constexpr TBitsArray Edited{0x0009,     0x7FFF,     0x0100,     0x0001, 0x42480000, 0x00000000,
                            0x00000007, 0x40666666, 0x0002,     0x01,   0x00,       0x11,
                            0x22,       0x33,       0x3F800000, 0x44};
constexpr std::uint8_t Untouched = 0xA5;

TBytes Encode(const TBitsArray& bits) {
    TBytes bytes;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        const TBytes field = test::LittleEndian(bits[i], Widths[i]);
        bytes.insert(bytes.end(), field.begin(), field.end());
    }
    return bytes;
}

TVehicleAudioRecord Filled(std::uint8_t byte) {
    TVehicleAudioRecord record;
    record.Bytes.fill(byte);
    return record;
}

// A file of size filler bytes with the sample record at offset (cut off where it
// does not fit).
std::string SampleFile(const test::TTempDir& dir, std::size_t size, std::size_t offset) {
    TBytes bytes = test::Filler(size, 3);
    test::Put(bytes, offset, Encode(Sample));
    const std::string path = dir.File("gta_sa.exe");
    test::WriteBytes(path, bytes);
    return path;
}

TEST(ReadRecord, DeliversEveryFieldInStoredOrder) {
    test::TTempDir dir;
    const std::string path = SampleFile(dir, 1000, 501);
    TVehicleAudioRecord current = Filled(Untouched);
    std::vector<TField> heard;
    ReadRecord(path, 501, current, [&](TField field) {
        // Each field is in current by the time it is announced.
        EXPECT_EQ(current[field], Sample[static_cast<std::size_t>(field)]);
        heard.push_back(field);
    });
    EXPECT_EQ(BitsOf(current), Sample);
    ASSERT_EQ(heard.size(), FieldCount);
    for (std::size_t i = 0; i < FieldCount; ++i) {
        EXPECT_EQ(heard[i], static_cast<TField>(i));
    }
    EXPECT_EQ(BitsOf(ReadWholeRecord(path, 501)), Sample);
}

TEST(ReadRecord, CutByTheEndDeliversTheWholeFieldsBeforeTheCut) {
    // bytes of the record inside the file -> fields that fit whole
    const struct {
        std::size_t BytesInFile;
        std::size_t Delivered;
    } cases[] = {{0, 0},  {1, 0},  {2, 1},   {7, 3},   {8, 4},   {11, 4},
                 {12, 5}, {26, 9}, {27, 10}, {31, 14}, {34, 14}, {35, 15}};
    test::TTempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.BytesInFile);
        const std::string path = SampleFile(dir, 100 + c.BytesInFile, 100);
        const std::size_t filesBefore = test::OpenFileCount();
        TVehicleAudioRecord current = Filled(Untouched);
        std::size_t heard = 0;

        const auto error = test::ExpectError<EInOutError>(
            [&] { ReadRecord(path, 100, current, [&](TField) { ++heard; }); },
            "Read beyond end of file");
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->Code, 100);
        EXPECT_EQ(heard, c.Delivered);
        for (std::size_t i = 0; i < FieldCount; ++i) {
            EXPECT_EQ(BitsOf(current)[i],
                      i < c.Delivered ? Sample[i] : BitsOf(Filled(Untouched))[i])
                << i;
        }
        EXPECT_EQ(test::OpenFileCount(), filesBefore) << "file left open";
        test::ExpectError<EInOutError>([&] { ReadWholeRecord(path, 100); },
                                       "Read beyond end of file");
    }
}

TEST(WriteRecord, ValueWiderThanItsFieldWritesNothing) {
    // Stored as is it would be cut to the field's width, a different number.
    const struct {
        TField Field;
        TFieldBits Bits;
    } cases[] = {{TField::RadioStation, 0x100}, {TField::VehicleType, 0xFFFFFFFF}};
    test::TTempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<std::size_t>(c.Field));
        const std::string path = SampleFile(dir, 300, 100);
        const TBytes before = test::ReadBytes(path);
        test::ExpectError<ERangeError>(
            [&] {
                TVehicleAudioRecord record = RecordOf(Edited);
                record[c.Field] = c.Bits;
                WriteWholeRecord(path, 100, record.Bytes);
            },
            "Range check error");
        EXPECT_EQ(test::ReadBytes(path), before);
    }
}

TEST(WriteRecord, WritesExactlyTheRecordsBytes) {
    test::TTempDir dir;
    const std::string path = SampleFile(dir, 300, 133);
    const TBytes original = test::ReadBytes(path);

    // Fields written back as they were read come back bit for bit, signalling NaNs too.
    TVehicleAudioRecord current;
    ReadRecord(path, 133, current);
    WriteWholeRecord(path, 133, current.Bytes);
    EXPECT_EQ(test::ReadBytes(path), original);

    // Changed fields land in their own bytes, and nothing outside the record moves.
    TBitsArray expectedBits = Sample;
    for (std::size_t i : {0, 6, 7, 14, 15}) {
        expectedBits[i] = Edited[i];
    }
    TRecordFile writer(path, TOpenMode::Change);
    EXPECT_EQ(BitsOf(writer.ReadRecord(133)), Sample);
    WriteRecord(writer, 133, RecordOf(expectedBits).Bytes);
    writer.Close();
    TBytes expected = original;
    test::Put(expected, 133, Encode(expectedBits));
    EXPECT_EQ(test::ReadBytes(path), expected);

    WriteWholeRecord(path, 133, RecordOf(Edited).Bytes);
    test::Put(expected, 133, Encode(Edited));
    EXPECT_EQ(test::ReadBytes(path), expected);
}

TEST(WriteRecord, RecordReachingPastTheEndIsNotWritten) {
    constexpr std::int64_t Size = 500;
    test::TTempDir dir;
    for (std::int64_t offset : {Size - 35, Size - 1, Size, Size + 100}) {
        SCOPED_TRACE(offset);
        const std::string path = SampleFile(dir, Size, 0);
        const TBytes before = test::ReadBytes(path);
        test::ExpectError<EInOutError>(
            [&] { WriteWholeRecord(path, offset, RecordOf(Edited).Bytes); },
            "Write beyond end of file");
        EXPECT_EQ(test::ReadBytes(path), before); // same size, same bytes
    }
    // The last whole record of the file is writable.
    const std::string path = SampleFile(dir, Size, 0);
    WriteWholeRecord(path, Size - 36, RecordOf(Edited).Bytes);
    EXPECT_EQ(BitsOf(ReadWholeRecord(path, Size - 36)), Edited);
    EXPECT_EQ(std::filesystem::file_size(path), static_cast<std::uintmax_t>(Size));
}

TEST(RecordFile, FileReplacedOnDiskIsReadAnew) {
    test::TTempDir dir;
    const std::string path = SampleFile(dir, 200, 40);
    TVehicleAudioRecord current;
    ReadRecord(path, 40, current);
    EXPECT_EQ(BitsOf(current), Sample);

    // Another program puts a new file in its place, as an installer or a copy would.
    TBytes replacement = test::Filler(200, 9);
    test::Put(replacement, 40, Encode(Edited));
    test::WriteBytes(dir.File("new.exe"), replacement);
    std::filesystem::rename(dir.File("new.exe"), path);

    ReadRecord(path, 40, current);
    EXPECT_EQ(BitsOf(current), Edited);
    WriteWholeRecord(path, 40, RecordOf(Sample).Bytes);
    test::Put(replacement, 40, Encode(Sample));
    EXPECT_EQ(test::ReadBytes(path), replacement);
}

TEST(WriteLock, SecondWriterWaitsThenGivesUpWhileReadersGoOn) {
    test::TTempDir dir;
    const std::string path = SampleFile(dir, 1000, 100);
    const TBytes before = test::ReadBytes(path);
    {
        TRecordFile first(path, TOpenMode::Change);
        test::ExpectError<EInOutError>([&] { TRecordFile second(path, TOpenMode::Change, 50ms); },
                                       "Another Klarvon program is changing this file");
        // Reading is never held up by a writer.
        EXPECT_NO_THROW(ReadWholeRecord(path, 100, TOpenMode::ReadOnly));
        EXPECT_NO_THROW(TTableLocator::Locate(path, {}, TAccess::ReadOnly));
        // A writer that already holds the lock is still free to write.
        WriteRecord(first, 100, RecordOf(Edited).Bytes);
    }
    // Released with the first writer: the next one gets in at once.
    TRecordFile next(path, TOpenMode::Change, 0ms);
    WriteRecord(next, 100, RecordOf(Sample).Bytes);
    next.Close();
    EXPECT_EQ(ReadWholeRecord(path, 100), RecordOf(Sample).Bytes);
    EXPECT_EQ(test::ReadBytes(path), before);
}

// Each way of naming a file that cannot be opened, through every operation that opens.
TEST(RecordFile, OpenFailuresCarryTheUsersTexts) {
    test::TTempDir dir;
    std::filesystem::create_directory(dir.File("folder"));
    test::WriteBytes(dir.File("plain"), TBytes(100, 0));
    struct TCase {
        std::string Path;
        int Code;
        const char* Text;
    };
    std::vector<TCase> cases{
        {dir.File("folder"), 5, "File access denied"},
        {dir.File("missing.exe"), 2, "File not found"},
        {dir.File("no-folder/gta_sa.exe"), 3, "Invalid filename"},
        {dir.File("no-folder/deeper/gta_sa.exe"), 3, "Invalid filename"},
        {dir.File("plain/gta_sa.exe"), 3, "Invalid filename"}, // a file where a folder should be
        {"", 3, "Invalid filename"},
    };
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0644), 0);
    cases.push_back({dir.File("pipe"), 5, "File access denied"}); // no file to edit in place
#endif
    const std::vector<std::function<void(const std::string&)>> operations{
        [](const std::string& path) { TTableLocator::Locate(path); },
        [](const std::string& path) {
            TVehicleAudioRecord current;
            ReadRecord(path, 0, current);
        },
        [](const std::string& path) { ReadWholeRecord(path, 0); },
        [](const std::string& path) { TRecordFile writer(path, TOpenMode::Change); },
        [](const std::string& path) { WriteWholeRecord(path, 0, RecordOf(Edited).Bytes); },
    };
    for (const auto& c : cases) {
        for (std::size_t op = 0; op < operations.size(); ++op) {
            SCOPED_TRACE(c.Path + ", operation " + std::to_string(op));
            const auto error =
                test::ExpectError<EInOutError>([&] { operations[op](c.Path); }, c.Text);
            ASSERT_TRUE(error.has_value());
            EXPECT_EQ(error->Code, c.Code);
        }
    }
    // Nothing was created on the way.
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing.exe")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("no-folder")));
#ifndef _WIN32
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("pipe")));
#endif
}

TEST(RecordFile, ReadOnlyFileCannotEvenBeShown) {
    namespace fs = std::filesystem;
    test::TTempDir dir;
    fs::permissions(dir.Path(), fs::perms(0755));
    const std::string path = SampleFile(dir, 300, 100);
    const TBytes before = test::ReadBytes(path);
    // On Windows, taking every write permission away sets the read-only attribute.
    const struct {
        fs::perms Mode;
        const char* Expected;
    } cases[] = {
        {fs::perms(0444), "throws: File access denied"},
        {fs::perms(0666), "opened"}, // the same user gets in once the file may be written
    };
    const std::vector<std::function<void()>> operations{
        [&] { TTableLocator::Locate(path); },
        [&] {
            TVehicleAudioRecord current;
            ReadRecord(path, 100, current);
        },
        [&] { WriteWholeRecord(path, 100, RecordOf(Sample).Bytes); },
    };
    for (const auto& c : cases) {
        fs::permissions(path, c.Mode);
        for (std::size_t op = 0; op < operations.size(); ++op) {
            SCOPED_TRACE(std::to_string(static_cast<unsigned>(c.Mode)) + ", operation " +
                         std::to_string(op));
            EXPECT_EQ(test::OutcomeForAnOrdinaryUser([&] {
                          operations[op]();
                          return std::string("opened");
                      }),
                      c.Expected);
        }
    }
    // Opened for reading only, the same file reads in both modes.
    const std::vector<std::function<void()>> readers{
        [&] { TTableLocator::Locate(path, {}, TAccess::ReadOnly); },
        [&] { ReadWholeRecord(path, 100, TOpenMode::ReadOnly); },
    };
    for (const auto& c : cases) {
        fs::permissions(path, c.Mode);
        for (const auto& reader : readers) {
            EXPECT_EQ(test::OutcomeForAnOrdinaryUser([&] {
                          reader();
                          return std::string("opened");
                      }),
                      "opened");
        }
    }
    EXPECT_EQ(test::ReadBytes(path), before);
}

#ifdef _WIN32
// Another program (a running game, an open hex editor) holding the file without sharing
// it: Windows' sharing violation, shown by its number. The file is left as it was.
TEST(RecordFile, FileHeldWithoutSharingIsIOError32) {
    test::TTempDir dir;
    const std::string path = SampleFile(dir, 300, 100);
    const TBytes before = test::ReadBytes(path);
    const struct {
        DWORD Access;
        DWORD Share;
    } holders[] = {
        {GENERIC_READ, 0},
        {GENERIC_READ, FILE_SHARE_READ}, // shares reading only: our writing open is refused
    };
    const std::vector<std::function<void()>> operations{
        [&] { TTableLocator::Locate(path); },
        [&] {
            TVehicleAudioRecord current;
            ReadRecord(path, 100, current);
        },
        [&] { WriteWholeRecord(path, 100, RecordOf(Edited).Bytes); },
    };
    for (const auto& holder : holders) {
        const HANDLE held = ::CreateFileA(path.c_str(), holder.Access, holder.Share, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        for (std::size_t op = 0; op < operations.size(); ++op) {
            SCOPED_TRACE("share " + std::to_string(holder.Share) + ", operation " +
                         std::to_string(op));
            const auto error = test::ExpectError<EInOutError>(operations[op], "I/O error 32");
            ASSERT_TRUE(error.has_value());
            EXPECT_EQ(error->Code, 32);
        }
        ::CloseHandle(held);
    }
    // Once the other program lets go, the file opens as usual.
    EXPECT_EQ(BitsOf(ReadWholeRecord(path, 100)), Sample);
    EXPECT_EQ(test::ReadBytes(path), before);
}
#endif

} // namespace
} // namespace klarvon

// Files past 2 GiB and 4 GiB, made sparse so they take no disk: offsets must not wrap,
// and the search must not hold the file in memory.

#include "support/RecordFiles.h"
#include "table/Errors.h"
#include "table/RecordFile.h"
#include "table/TableLocator.h"
#include "tests/support/ExeBuilder.h"
#include "tests/support/ExpectError.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace klarvon {
namespace {

using test::ReadRecord;
using test::ReadWholeRecord;
using test::WriteWholeRecord;

using test::TBytes;

constexpr std::int64_t GiB = std::int64_t{1} << 30;
constexpr std::int64_t LargeSize = 4 * GiB + 4096;
#ifndef _WIN32
// Far below the file's size: the search's buffers are all that may be added to the
// test program's own few MiB.
constexpr long MemoryLimitKiB = 64 * 1024;
#endif

TEST(LargeFile, LocateFindsTheSignatureAnywhereWithSmallMemory) {
    const std::int64_t positions[] = {
        LargeSize - 1000, // near the end: found after one chunk
        4 * GiB - 18,     // across the 4 GiB line
        2 * GiB - 18,     // across the 2 GiB line
        1000,             // near the start: the whole file is searched
    };
    test::TTempDir dir;
    const std::string path = dir.File("gta_sa.exe");
    for (std::int64_t position : positions) {
        SCOPED_TRACE(position);
        test::SparseFile(path, static_cast<std::uint64_t>(LargeSize));
        test::WriteAt(path, static_cast<std::uint64_t>(position), test::SignatureBytes());

        const auto locate = [&] {
            const TTableLocation location = TTableLocator::Locate(path);
            return std::to_string(location.FileSize) + " " +
                   std::to_string(location.SignatureOffset) + " " +
                   std::to_string(location.SearchBase) + " " +
                   std::to_string(TTableLocator::RecordOffset(location, 230)) + " " +
                   (IsRejected(location) ? "rejected" : "accepted");
        };
        const std::string expected = std::to_string(LargeSize) + " " + std::to_string(position) +
                                     " " + std::to_string(position + 36 - 14400) + " " +
                                     std::to_string(position + 36 + 36 * 230) + " accepted";
#ifdef _WIN32
        // No fork to measure the search's memory alone; the offsets are what can go wrong
        // with a different C library, and those are checked.
        EXPECT_EQ(locate(), expected);
#else
        // In a child of its own, so its peak memory is the search's alone.
        const test::TChildResult result = test::RunInChild(locate, /*asNobody=*/false);
        EXPECT_EQ(result.Output, expected);
        EXPECT_LT(result.MaxResidentKiB, MemoryLimitKiB);
#endif
    }
}

TEST(LargeFile, RecordsPastFourGiB) {
    test::TTempDir dir;
    const std::string path = dir.File("gta_sa.exe");
    test::SparseFile(path, static_cast<std::uint64_t>(LargeSize));
    const std::int64_t offset = 4 * GiB + 7;

    TVehicleAudioRecord record;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        record[static_cast<TField>(i)] = static_cast<TFieldBits>(i + 1);
    }
    WriteWholeRecord(path, offset, record.Bytes);
    TVehicleAudioRecord current;
    ReadRecord(path, offset, current);
    EXPECT_EQ(current, record);
    // Nothing landed 4 GiB lower, where a wrapped 32-bit offset would have put it.
    EXPECT_EQ(ReadWholeRecord(path, 7), TRecordBytes{});

    test::ExpectError<EInOutError>([&] { WriteWholeRecord(path, LargeSize - 20, record.Bytes); },
                                   "Write beyond end of file");
    test::ExpectError<EInOutError>([&] { ReadRecord(path, LargeSize - 20, current); },
                                   "Read beyond end of file");
}

} // namespace
} // namespace klarvon

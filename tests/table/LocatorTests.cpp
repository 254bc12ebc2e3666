// Finding the table: the known release by its size, any other file by the last copy of
// the signature, searched in bounded chunks with the same answer as a whole-file scan.

#include "table/Errors.h"
#include "table/RecordFile.h"
#include "table/TableLocator.h"
#include "tests/support/ExeBuilder.h"
#include "tests/support/ExpectError.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace klarvon {
namespace {

using test::TBytes;

constexpr std::int64_t RecordStride = 36;
constexpr std::int64_t LastPosition = 230; // ID 630

struct TLocateCase {
    const char* Name;
    std::size_t Size;
    std::vector<std::size_t> Signatures; // written in this order, a later one over an earlier
    bool Known;
    std::int64_t SignatureOffset;
    bool Rejected;
    std::int64_t FirstRecord; // offset of ID 400 when not rejected
};

TEST(Locate, DecidesByKnownSizeOrLastSignature) {
    const std::int64_t knownFirst = 4569776 + 14400;
    const TLocateCase cases[] = {
        {"known size whatever the contents", 14383616, {1000}, true, -1, false, knownFirst},
        {"one byte over the known size is searched", 14383617, {5000}, false, 5000, false, 5036},
        {"signature at 1000", 20000, {1000}, false, 1000, false, 1036},
        {"twice: the second wins", 20000, {15000, 1000}, false, 15000, false, 15036},
        {"at 9 is not believed", 20000, {9}, false, 9, true, 0},
        {"at 0 is not believed", 20000, {0}, false, 0, true, 0},
        {"at 10 is accepted", 20000, {10}, false, 10, false, 46},
        {"last 36 bytes of the file", 20000, {19964}, false, 19964, false, 20000},
        {"cut off by the end", 20000, {19965}, false, -1, true, 0},
        {"cut off after a whole one", 20000, {1000, 19980}, false, 1000, false, 1036},
        {"no signature", 20000, {}, false, -1, true, 0},
        {"empty file", 0, {}, false, -1, true, 0},
        {"shorter than a signature", 35, {0}, false, -1, true, 0},
    };
    test::TTempDir dir;
    for (const TLocateCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TBytes bytes = test::Filler(c.Size, 7);
        for (std::size_t offset : c.Signatures) {
            test::Put(bytes, offset, test::SignatureBytes());
        }
        const std::string path = dir.File("gta_sa.exe");
        test::WriteBytes(path, bytes);

        std::vector<std::int64_t> sizesHeard;
        const TTableLocation location =
            TTableLocator::Locate(path, [&](std::int64_t size) { sizesHeard.push_back(size); });

        EXPECT_EQ(sizesHeard, std::vector<std::int64_t>{static_cast<std::int64_t>(c.Size)});
        EXPECT_EQ(location.FileSize, static_cast<std::int64_t>(c.Size));
        EXPECT_EQ(location.Known, c.Known);
        EXPECT_EQ(location.VersionText, c.Known ? "v1.0 us" : "Unknown");
        EXPECT_EQ(IsRejected(location), c.Rejected);
        if (!c.Known) {
            EXPECT_EQ(location.SignatureOffset, c.SignatureOffset);
            EXPECT_EQ(location.SearchBase, c.SignatureOffset + 36 - 14400);
        }
        if (!c.Rejected) {
            EXPECT_EQ(TTableLocator::RecordOffset(location, 0), c.FirstRecord);
            EXPECT_EQ(TTableLocator::RecordOffset(location, LastPosition),
                      c.FirstRecord + RecordStride * LastPosition);
        }
    }
}

TEST(Locate, PositionOutsideTheListIsRefused) {
    // -1 is a list with nothing selected: it must not name the bytes before the table.
    TTableLocation location;
    for (int position : {-1, -400, 231, 100000}) {
        SCOPED_TRACE(position);
        test::ExpectError<ERangeError>([&] { TTableLocator::RecordOffset(location, position); },
                                       "Range check error");
    }
}

TEST(FindLastSignature, WholeMatchesOnly) {
    const TBytes signature = test::SignatureBytes();
    TBytes lastByteWrong = signature;
    lastByteWrong.back() = 0x01;
    TBytes twoBackToBack = signature;
    twoBackToBack.insert(twoBackToBack.end(), signature.begin(), signature.end());
    TBytes backslashes(100, 0x5C);
    test::Put(backslashes, 40, signature);
    const struct {
        const char* Name;
        TBytes Bytes;
        std::int64_t Expected;
    } cases[] = {
        {"empty", {}, -1},
        {"35 bytes of it", TBytes(signature.begin(), signature.end() - 1), -1},
        {"exactly the signature", signature, 0},
        {"last byte differs", lastByteWrong, -1},
        {"two back to back", twoBackToBack, 36},
        {"among false starts", backslashes, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(TTableLocator::FindLastSignature(c.Bytes), c.Expected);
    }
}

// The search's filter keys on the "fff" of the float 3.6 inside the signature: among many
// copies of that float and near-misses, at every start within a 16-byte block, only a
// whole signature counts.
TEST(FindLastSignature, AmongLookalikesAtEveryAlignment) {
    const TBytes signature = test::SignatureBytes();
    TBytes floats;
    for (int i = 0; i < 40; ++i) {
        floats.insert(floats.end(), {0x66, 0x66, 0x66, 0x40});
    }
    TBytes nearMiss = signature;
    nearMiss[0] = 0x5D;
    for (std::size_t shift = 0; shift < 16; ++shift) {
        for (std::size_t p = 0; p + 36 <= floats.size(); p += 7) {
            TBytes bytes(shift, 0x66);
            bytes.insert(bytes.end(), floats.begin(), floats.end());
            test::Put(bytes, shift + p, signature);
            const std::span<const std::uint8_t> view(bytes.data() + shift, floats.size());
            ASSERT_EQ(TTableLocator::FindLastSignature(view), static_cast<std::int64_t>(p))
                << "shift " << shift << ", at " << p;
            if (p + 72 <= floats.size()) {
                test::Put(bytes, shift + p + 36, nearMiss);
                ASSERT_EQ(TTableLocator::FindLastSignature(view), static_cast<std::int64_t>(p));
            }
        }
    }
}

// Every start position, whole or cut off, with chunks from the smallest allowed size up:
// the chunked file search must agree with the scan of the whole buffer.
TEST(FindLastSignatureInFile, SmallChunksAgreeWithWholeBufferEverywhere) {
    constexpr std::size_t Size = 300;
    const std::size_t chunkSizes[] = {36, 37, 50, 71, 128, 299, 300, 4096};
    test::TTempDir dir;
    const std::string path = dir.File("exe");
    for (std::size_t first = 0; first < Size; ++first) {
        // A second copy somewhere before the first one, so "last wins" crosses chunks too.
        // (It is overwritten in part when it lies less than 36 bytes before.)
        const std::size_t earlier = first / 3;
        const TBytes bytes =
            test::Executable(Size, {earlier, first}, static_cast<std::uint32_t>(first));
        std::int64_t expected = -1;
        if (first + 36 <= Size) {
            expected = static_cast<std::int64_t>(first);
        } else if (earlier + 36 <= first) {
            expected = static_cast<std::int64_t>(earlier);
        }
        ASSERT_EQ(TTableLocator::FindLastSignature(bytes), expected) << first;
        test::WriteBytes(path, bytes);
        TRecordFile file(path);
        for (std::size_t chunk : chunkSizes) {
            ASSERT_EQ(TTableLocator::FindLastSignatureInFile(file, Size, chunk), expected)
                << "signatures at " << earlier << " and " << first << ", chunk " << chunk;
        }
    }
}

// The real chunk size on a file of a few chunks: signatures on and around every place
// where a chunk could begin, counted from either end.
TEST(FindLastSignatureInFile, MatchesStraddlingChunkBoundaries) {
    constexpr std::int64_t Chunk = static_cast<std::int64_t>(SearchChunkSize);
    constexpr std::int64_t Size = 3 * Chunk + 1000;
    const TBytes filler = test::Filler(static_cast<std::size_t>(Size), 11);
    test::TTempDir dir;
    const std::string path = dir.File("exe");
    test::WriteBytes(path, filler);

    std::set<std::int64_t> positions;
    for (std::int64_t k = 1; k <= 3; ++k) {
        for (std::int64_t boundary :
             {k * Chunk, Size - k * Chunk, Size - k * Chunk + 35 * (k - 1)}) {
            for (std::int64_t delta : {-36, -35, -18, -1, 0, 1}) {
                const std::int64_t p = boundary + delta;
                if (p >= 0 && p + 36 <= Size) {
                    positions.insert(p);
                }
            }
        }
    }
    for (std::int64_t p : positions) {
        TBytes bytes = filler;
        test::Put(bytes, static_cast<std::size_t>(p), test::SignatureBytes());
        test::WriteAt(path, static_cast<std::uint64_t>(p), test::SignatureBytes());

        const TTableLocation location = TTableLocator::Locate(path);
        EXPECT_EQ(location.SignatureOffset, TTableLocator::FindLastSignature(bytes)) << p;
        EXPECT_EQ(location.SignatureOffset, p);

        test::WriteAt(path, static_cast<std::uint64_t>(p),
                      TBytes(filler.begin() + p, filler.begin() + p + 36));
    }
}

TEST(FindLastSignatureInFile, FileShorterThanTheSearchFails) {
    // As if another program cut the file after its size was taken.
    test::TTempDir dir;
    const std::string path = dir.File("exe");
    test::WriteBytes(path, test::Executable(5000, {100}));
    TRecordFile file(path);
    for (std::size_t chunk : {std::size_t{64}, std::size_t{1000}, SearchChunkSize}) {
        SCOPED_TRACE(chunk);
        const auto error = test::ExpectError<EInOutError>(
            [&] { TTableLocator::FindLastSignatureInFile(file, 5100, chunk); },
            "Read beyond end of file");
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->Code, 100);
    }
}

} // namespace
} // namespace klarvon

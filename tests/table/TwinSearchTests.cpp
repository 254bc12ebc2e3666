// The signature search's candidate filter: every implementation this processor can run
// (the plain-integer one everywhere, the vector ones where they apply) held to the same
// answers, and the one the search uses among them.

#include "table/TwinSearch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace klarvon {
namespace {

constexpr std::uint8_t F = 0x66;
constexpr std::uint8_t Other = 0x20;
// Several vector steps and the ragged ends around them.
constexpr std::size_t Size = 700;
// Every start of a buffer within a vector step's alignment, and then some.
constexpr std::size_t Shifts = 40;

struct TShiftedBuffer {
    std::vector<std::uint8_t> Storage = std::vector<std::uint8_t>(Size + Shifts, Other);
    std::uint8_t* Data(std::size_t shift) { return Storage.data() + shift; }
};

bool IsEvenAddress(const std::uint8_t* at) {
    return reinterpret_cast<std::uintptr_t>(at) % 2 == 0;
}

// Runs check(search, data) for every implementation and every shift of the buffer.
template <typename TCheck> void ForEachSearchAndShift(std::size_t shifts, TCheck check) {
    for (const TTwinSearchImplementation& search : TwinSearchImplementations()) {
        for (std::size_t shift = 0; shift < shifts; ++shift) {
            SCOPED_TRACE(testing::Message() << search.Name << ", shift " << shift);
            TShiftedBuffer buffer;
            check(search.Search, buffer.Data(shift));
        }
    }
}

TEST(FindLastAlignedTwin, TheChosenOneIsAmongThoseTested) {
    TShiftedBuffer buffer;
    buffer.Storage[301] = buffer.Storage[302] = buffer.Storage[303] = F;
    const std::size_t found = FindLastAlignedTwin(buffer.Data(0), Size - 1, F);
    EXPECT_TRUE(found == 301 || found == 302);
    for (const TTwinSearchImplementation& implementation : TwinSearchImplementations()) {
        EXPECT_EQ(implementation.Search(buffer.Data(0), Size - 1, F), found) << implementation.Name;
    }
}

TEST(FindLastAlignedTwin, OnlyPairsAtEvenAddressesAreFound) {
    ForEachSearchAndShift(Shifts, [](TTwinSearch search, std::uint8_t* data) {
        for (std::size_t p = 0; p + 1 < Size; ++p) {
            data[p] = data[p + 1] = F;
            const std::size_t expected = IsEvenAddress(data + p) ? p : Size - 1;
            ASSERT_EQ(search(data, Size - 1, F), expected) << "pair at " << p;
            data[p] = data[p + 1] = Other;
        }
    });
}

TEST(FindLastAlignedTwin, EveryRunOfThreeIsFoundAboveAnEarlierOne) {
    ForEachSearchAndShift(Shifts, [](TTwinSearch search, std::uint8_t* data) {
        data[3] = data[4] = data[5] = F; // an earlier run, never the answer below
        for (std::size_t p = 8; p + 3 <= Size; ++p) {
            data[p] = data[p + 1] = data[p + 2] = F;
            const std::size_t found = search(data, Size - 1, F);
            ASSERT_TRUE(found == p || found == p + 1) << "run at " << p << ", found " << found;
            data[p] = data[p + 1] = data[p + 2] = Other;
        }
    });
}

TEST(FindLastAlignedTwin, CountBoundsThePositionsNotTheSecondByte) {
    ForEachSearchAndShift(2, [](TTwinSearch search, std::uint8_t* data) {
        const std::size_t p = IsEvenAddress(data + 400) ? 400 : 401;
        data[p] = data[p + 1] = F;
        EXPECT_EQ(search(data, p + 1, F), p); // its second byte lies at count
        EXPECT_EQ(search(data, p, F), p);     // not found: count itself
        EXPECT_EQ(search(data, 0, F), 0U);    // nothing to search
    });
}

} // namespace
} // namespace klarvon

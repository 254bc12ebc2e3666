// The signature search's candidate filter, built once with the implementation the build
// chose and once with the portable one, so both are held to the same answers.

#include "table/TwinSearch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace klarvon {
namespace {

constexpr std::uint8_t F = 0x66;
constexpr std::size_t Size = 300;
// Every start of a buffer within a 16-byte block, and then some.
constexpr std::size_t Shifts = 40;

struct TShiftedBuffer {
    std::vector<std::uint8_t> Storage = std::vector<std::uint8_t>(Size + Shifts, 0x20);
    std::uint8_t* Data(std::size_t shift) { return Storage.data() + shift; }
};

bool IsEvenAddress(const std::uint8_t* at) {
    return reinterpret_cast<std::uintptr_t>(at) % 2 == 0;
}

TEST(FindLastAlignedTwin, OnlyPairsAtEvenAddressesAreFound) {
    for (std::size_t shift = 0; shift < Shifts; ++shift) {
        TShiftedBuffer buffer;
        std::uint8_t* data = buffer.Data(shift);
        for (std::size_t p = 0; p + 1 < Size; ++p) {
            data[p] = F;
            data[p + 1] = F;
            const std::size_t expected = IsEvenAddress(data + p) ? p : Size - 1;
            ASSERT_EQ(FindLastAlignedTwin(data, Size - 1, F), expected)
                << "shift " << shift << ", pair at " << p;
            data[p] = data[p + 1] = 0x20;
        }
    }
}

TEST(FindLastAlignedTwin, EveryRunOfThreeIsFoundAboveAnEarlierOne) {
    for (std::size_t shift = 0; shift < Shifts; ++shift) {
        TShiftedBuffer buffer;
        std::uint8_t* data = buffer.Data(shift);
        data[3] = data[4] = data[5] = F; // an earlier run, never the answer below
        for (std::size_t p = 8; p + 3 <= Size; ++p) {
            data[p] = data[p + 1] = data[p + 2] = F;
            const std::size_t found = FindLastAlignedTwin(data, Size - 1, F);
            ASSERT_TRUE(found == p || found == p + 1) << "shift " << shift << ", run at " << p;
            data[p] = data[p + 1] = data[p + 2] = 0x20;
        }
    }
}

TEST(FindLastAlignedTwin, CountBoundsThePositionsNotTheSecondByte) {
    for (std::size_t shift = 0; shift < 2; ++shift) {
        TShiftedBuffer buffer;
        std::uint8_t* data = buffer.Data(shift);
        const std::size_t p = IsEvenAddress(data + 200) ? 200 : 201;
        data[p] = data[p + 1] = F;
        EXPECT_EQ(FindLastAlignedTwin(data, p + 1, F), p); // second byte beyond count
        EXPECT_EQ(FindLastAlignedTwin(data, p, F), p);     // not found: count itself
        EXPECT_EQ(FindLastAlignedTwin(data, 0, F), 0U);    // nothing to search
    }
}

} // namespace
} // namespace klarvon

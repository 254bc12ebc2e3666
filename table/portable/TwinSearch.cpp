// Four aligned words at a time in a plain 64-bit integer: for targets without a vector
// unit we know, and for the ends of the buffers the vector loops leave.

#include "table/TwinSearch.h"

#include <cstring>

namespace klarvon {

namespace {

using TWords = std::uint64_t;
constexpr std::size_t StepSize = sizeof(TWords);
constexpr TWords LowBits = 0x0001'0001'0001'0001;
constexpr TWords HighBits = 0x8000'8000'8000'8000;
constexpr std::size_t NotFound = static_cast<std::size_t>(-1);

bool IsTwinAt(const std::uint8_t* data, std::size_t p, std::uint8_t value) {
    const auto address = reinterpret_cast<std::uintptr_t>(data + p);
    return address % 2 == 0 && data[p] == value && data[p + 1] == value;
}

// Positions [from, to) one by one, from the top.
std::size_t FindLastTwinSlowly(const std::uint8_t* data, std::size_t from, std::size_t to,
                               std::uint8_t value) {
    for (std::size_t p = to; p > from; --p) {
        if (IsTwinAt(data, p - 1, value)) {
            return p - 1;
        }
    }
    return NotFound;
}

// Non-zero when some 16-bit lane of the words is zero. A borrow may also mark a lane
// above a true zero, never a step without one; the caller checks each lane anyway.
TWords MayHoldZeroLane(TWords words) {
    return (words - LowBits) & ~words & HighBits;
}

} // namespace

std::size_t FindLastAlignedTwinPortable(const std::uint8_t* data, std::size_t count,
                                        std::uint8_t value) {
    // The top positions one by one down to an 8-byte boundary of the address, so that
    // the words below hold aligned lanes only.
    const auto address = reinterpret_cast<std::uintptr_t>(data);
    std::size_t end =
        count < StepSize ? 0 : ((address + count) & ~std::uintptr_t{StepSize - 1}) - address;
    if (const std::size_t found = FindLastTwinSlowly(data, end, count, value); found != NotFound) {
        return found;
    }
    TWords pattern = 0;
    std::memset(&pattern, value, sizeof pattern);
    for (; end >= StepSize; end -= StepSize) {
        TWords words = 0;
        std::memcpy(&words, data + end - StepSize, StepSize);
        if (MayHoldZeroLane(words ^ pattern) != 0) {
            if (const std::size_t found = FindLastTwinSlowly(data, end - StepSize, end, value);
                found != NotFound) {
                return found;
            }
        }
    }
    const std::size_t found = FindLastTwinSlowly(data, 0, end, value);
    return found == NotFound ? count : found;
}

} // namespace klarvon

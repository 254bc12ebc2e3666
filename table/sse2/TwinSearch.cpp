// Eight aligned words per instruction with SSE2, which every x86-64 processor has.

#include "table/TwinSearch.h"

#include <emmintrin.h>

namespace klarvon {

namespace {

constexpr std::size_t BlockSize = 16;
constexpr std::size_t StepSize = 4 * BlockSize;
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

__m128i TwinsInBlock(const std::uint8_t* at, __m128i twin) {
    return _mm_cmpeq_epi16(_mm_load_si128(reinterpret_cast<const __m128i*>(at)), twin);
}

} // namespace

std::size_t FindLastAlignedTwin(const std::uint8_t* data, std::size_t count, std::uint8_t value) {
    // The top positions one by one down to a step boundary of the address, so that the
    // loads below are aligned and their 16-bit lanes are the aligned words.
    const auto address = reinterpret_cast<std::uintptr_t>(data);
    std::size_t end =
        count < StepSize ? 0 : ((address + count) & ~std::uintptr_t{StepSize - 1}) - address;
    if (const std::size_t found = FindLastTwinSlowly(data, end, count, value); found != NotFound) {
        return found;
    }
    const __m128i twin = _mm_set1_epi8(static_cast<char>(value));
    for (; end >= StepSize; end -= StepSize) {
        const std::uint8_t* at = data + end - StepSize;
        // Almost every step has none: one test for four blocks, a closer look otherwise.
        const __m128i any =
            _mm_or_si128(_mm_or_si128(TwinsInBlock(at, twin), TwinsInBlock(at + BlockSize, twin)),
                         _mm_or_si128(TwinsInBlock(at + 2 * BlockSize, twin),
                                      TwinsInBlock(at + 3 * BlockSize, twin)));
        if (_mm_movemask_epi8(any) != 0) {
            return FindLastTwinSlowly(data, end - StepSize, end, value);
        }
    }
    const std::size_t found = FindLastTwinSlowly(data, 0, end, value);
    return found == NotFound ? count : found;
}

} // namespace klarvon

#pragma once
// The backward candidate filter of the signature search. One implementation per
// instruction set (sse2/ or portable/), chosen by the build.

#include <cstddef>
#include <cstdint>

namespace klarvon {

// The last position p < count whose address is even and where data[p] and data[p + 1] are
// both value, or count when there is none. data must hold count + 1 bytes. Any three equal
// bytes in a row contain such a pair, so a search for a run of three misses none of them.
// Whole aligned words are compared, two bytes at a time, which is what makes this fast.
std::size_t FindLastAlignedTwin(const std::uint8_t* data, std::size_t count, std::uint8_t value);

} // namespace klarvon

#pragma once
// The backward candidate filter of the signature search. One implementation per
// instruction set, chosen by the build (x86/ or portable/) and, on x86, by the processor.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace klarvon {

// The last position p < count whose address is even and where data[p] and data[p + 1] are
// both value, or count when there is none. data must hold count + 1 bytes. Any three equal
// bytes in a row contain such a pair, so a search for a run of three misses none of them.
// Whole aligned words are compared, many at a time, which is what makes this fast.
std::size_t FindLastAlignedTwin(const std::uint8_t* data, std::size_t count, std::uint8_t value);

// The plain-integer implementation, built everywhere.
std::size_t FindLastAlignedTwinPortable(const std::uint8_t* data, std::size_t count,
                                        std::uint8_t value);

using TTwinSearch = std::size_t (*)(const std::uint8_t*, std::size_t, std::uint8_t);

struct TTwinSearchImplementation {
    std::string_view Name;
    TTwinSearch Search;
};

// Every implementation this processor can run, so each can be held to the same answers.
std::vector<TTwinSearchImplementation> TwinSearchImplementations();

} // namespace klarvon

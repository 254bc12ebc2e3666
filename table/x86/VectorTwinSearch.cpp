// Eight aligned words per instruction with SSE2, which every x86-64 processor has, or
// sixteen with AVX2 where the processor has that. The ends of the buffer that are not
// whole aligned steps go to the plain-integer search.

#include "table/TwinSearch.h"

#include <immintrin.h>

namespace klarvon {

namespace {

// Both loops test this many bytes at once and look closer only where a step has a pair.
constexpr std::size_t StepSize = 128;

// The part of [0, count) below the last step boundary of the address, in whole steps.
std::size_t AlignedEnd(const std::uint8_t* data, std::size_t count) {
    const auto address = reinterpret_cast<std::uintptr_t>(data);
    return count < StepSize ? 0 : ((address + count) & ~std::uintptr_t{StepSize - 1}) - address;
}

// The last pair in [from, to), or NotFound.
constexpr std::size_t NotFound = static_cast<std::size_t>(-1);
std::size_t FindLastTwinIn(const std::uint8_t* data, std::size_t from, std::size_t to,
                           std::uint8_t value) {
    const std::size_t found = FindLastAlignedTwinPortable(data + from, to - from, value);
    return found == to - from ? NotFound : from + found;
}

__m128i TwinsIn16(const std::uint8_t* at, __m128i twin) {
    return _mm_cmpeq_epi16(_mm_load_si128(reinterpret_cast<const __m128i*>(at)), twin);
}

bool StepHasTwinSse2(const std::uint8_t* at, __m128i twin) {
    const __m128i low =
        _mm_or_si128(_mm_or_si128(TwinsIn16(at, twin), TwinsIn16(at + 16, twin)),
                     _mm_or_si128(TwinsIn16(at + 32, twin), TwinsIn16(at + 48, twin)));
    const __m128i high =
        _mm_or_si128(_mm_or_si128(TwinsIn16(at + 64, twin), TwinsIn16(at + 80, twin)),
                     _mm_or_si128(TwinsIn16(at + 96, twin), TwinsIn16(at + 112, twin)));
    return _mm_movemask_epi8(_mm_or_si128(low, high)) != 0;
}

[[gnu::target("avx2")]] __m256i TwinsIn32(const std::uint8_t* at, __m256i twin) {
    return _mm256_cmpeq_epi16(_mm256_load_si256(reinterpret_cast<const __m256i*>(at)), twin);
}

[[gnu::target("avx2")]] bool StepHasTwinAvx2(const std::uint8_t* at, __m256i twin) {
    const __m256i any =
        _mm256_or_si256(_mm256_or_si256(TwinsIn32(at, twin), TwinsIn32(at + 32, twin)),
                        _mm256_or_si256(TwinsIn32(at + 64, twin), TwinsIn32(at + 96, twin)));
    return _mm256_testz_si256(any, any) == 0;
}

std::size_t FindLastAlignedTwinSse2(const std::uint8_t* data, std::size_t count,
                                    std::uint8_t value) {
    std::size_t end = AlignedEnd(data, count);
    if (const std::size_t found = FindLastTwinIn(data, end, count, value); found != NotFound) {
        return found;
    }
    const __m128i twin = _mm_set1_epi8(static_cast<char>(value));
    for (; end >= StepSize; end -= StepSize) {
        if (StepHasTwinSse2(data + end - StepSize, twin)) {
            return FindLastTwinIn(data, end - StepSize, end, value);
        }
    }
    const std::size_t found = FindLastTwinIn(data, 0, end, value);
    return found == NotFound ? count : found;
}

// The same loop as above with the wider test.
[[gnu::target("avx2")]] std::size_t FindLastAlignedTwinAvx2(const std::uint8_t* data,
                                                            std::size_t count, std::uint8_t value) {
    std::size_t end = AlignedEnd(data, count);
    if (const std::size_t found = FindLastTwinIn(data, end, count, value); found != NotFound) {
        return found;
    }
    const __m256i twin = _mm256_set1_epi8(static_cast<char>(value));
    for (; end >= StepSize; end -= StepSize) {
        if (StepHasTwinAvx2(data + end - StepSize, twin)) {
            return FindLastTwinIn(data, end - StepSize, end, value);
        }
    }
    const std::size_t found = FindLastTwinIn(data, 0, end, value);
    return found == NotFound ? count : found;
}

bool HasAvx2() {
    return __builtin_cpu_supports("avx2") != 0;
}

} // namespace

std::size_t FindLastAlignedTwin(const std::uint8_t* data, std::size_t count, std::uint8_t value) {
    return HasAvx2() ? FindLastAlignedTwinAvx2(data, count, value)
                     : FindLastAlignedTwinSse2(data, count, value);
}

std::vector<TTwinSearchImplementation> TwinSearchImplementations() {
    std::vector<TTwinSearchImplementation> implementations{
        {"sse2", FindLastAlignedTwinSse2}, {"portable", FindLastAlignedTwinPortable}};
    if (HasAvx2()) {
        implementations.push_back({"avx2", FindLastAlignedTwinAvx2});
    }
    return implementations;
}

} // namespace klarvon

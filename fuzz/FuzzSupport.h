#pragma once
// What the fuzz targets share: failing loudly, and turning the fuzzer's bytes into the
// inputs the code under test expects.

#include "table/TableLocator.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon::fuzz {

// A broken promise: libFuzzer records the input and the run fails.
inline void Check(bool held, std::string_view promise, std::string_view detail = {}) {
    if (!held) {
        std::fprintf(stderr, "broken: %.*s\n%.*s\n", static_cast<int>(promise.size()),
                     promise.data(), static_cast<int>(detail.size()), detail.data());
        std::abort();
    }
}

// Whether an error says exactly text. what() is a C string, so a text with a NUL byte in
// it (which no command line or edit box can hold) is compared up to that byte.
inline bool Says(const std::exception& error, const std::string& text) {
    return std::string_view(error.what()) == std::string_view(text.c_str());
}

inline std::string_view AsText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// Bytes in which the signature, its beginnings and its ends are easy to come by: an input
// byte from 0xC0 up stands for the first (b & 0x3F) % 37 bytes of the signature, one from
// 0x80 up for its bytes from (b & 0x3F) % 36 on, any other byte for itself.
inline std::vector<std::uint8_t> StitchSignatures(std::span<const std::uint8_t> input) {
    constexpr std::uint8_t PrefixCode = 0xC0;
    constexpr std::uint8_t SuffixCode = 0x80;
    constexpr std::uint8_t LengthMask = 0x3F;
    constexpr std::size_t Size = TableSignature.size();
    std::vector<std::uint8_t> bytes;
    for (const std::uint8_t b : input) {
        if (b >= PrefixCode) {
            const std::size_t length = (b & LengthMask) % (Size + 1);
            bytes.insert(bytes.end(), TableSignature.begin(), TableSignature.begin() + length);
        } else if (b >= SuffixCode) {
            const std::size_t from = (b & LengthMask) % Size;
            bytes.insert(bytes.end(), TableSignature.begin() + from, TableSignature.end());
        } else {
            bytes.push_back(b);
        }
    }
    return bytes;
}

// The obvious search: every start from the last one down, compared in full.
inline std::int64_t NaiveLastSignature(std::span<const std::uint8_t> bytes) {
    const std::size_t size = TableSignature.size();
    for (std::size_t p = bytes.size() + 1; p-- > size;) {
        const std::size_t start = p - size;
        if (std::equal(TableSignature.begin(), TableSignature.end(), bytes.begin() + start)) {
            return static_cast<std::int64_t>(start);
        }
    }
    return -1;
}

} // namespace klarvon::fuzz

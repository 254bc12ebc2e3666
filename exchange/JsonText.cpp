#include "exchange/JsonText.h"

#include <cstdint>

namespace klarvon::exchange {

namespace {

constexpr std::uint8_t FirstMultiByteLead = 0xC2; // 0xC0 and 0xC1 begin only overlong forms
constexpr std::uint8_t LastLead = 0xF4;           // later leads pass U+10FFFF
constexpr std::uint8_t ContinuationMask = 0xC0;
constexpr std::uint8_t ContinuationBits = 0x80;
constexpr std::uint8_t FirstNonAscii = 0x80;
constexpr std::uint8_t LowSixBits = 0x3F;

bool IsContinuation(std::uint8_t byte) {
    return (byte & ContinuationMask) == ContinuationBits;
}

// The length of the well-formed UTF-8 sequence at the start of bytes, or 0 where the first
// byte begins none (the ranges of the Unicode standard's table of well-formed sequences).
std::size_t SequenceLength(std::string_view bytes) {
    const auto byte = [&bytes](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < FirstNonAscii) {
        return 1;
    }
    if (lead < FirstMultiByteLead || lead > LastLead) {
        return 0;
    }
    const std::size_t length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (bytes.size() < length) {
        return 0;
    }
    // The second byte's range is narrower after the leads whose full range would allow
    // overlong forms, surrogates or code points past U+10FFFF.
    const std::uint8_t second = byte(1);
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead == 0xE0) {
        low = 0xA0;
    } else if (lead == 0xED) {
        high = 0x9F;
    } else if (lead == 0xF0) {
        low = 0x90;
    } else if (lead == 0xF4) {
        high = 0x8F;
    }
    if (second < low || second > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(byte(i))) {
            return 0;
        }
    }
    return length;
}

void AppendLatin1(std::string& out, std::uint8_t byte) {
    out += static_cast<char>(FirstMultiByteLead | (byte >> 6));
    out += static_cast<char>(ContinuationBits | (byte & LowSixBits));
}

} // namespace

std::string JsonSafeText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = SequenceLength(bytes);
        if (length == 0) {
            AppendLatin1(out, static_cast<std::uint8_t>(bytes[0]));
            bytes.remove_prefix(1);
        } else {
            out.append(bytes.substr(0, length));
            bytes.remove_prefix(length);
        }
    }
    return out;
}

} // namespace klarvon::exchange

#include "table/Utf16Text.h"

#include <array>
#include <cstdint>

namespace klarvon {

namespace {

constexpr char32_t Replacement = 0xFFFD;
constexpr char32_t LastCodePoint = 0x10FFFF;
constexpr char32_t FirstHighSurrogate = 0xD800;
constexpr char32_t FirstLowSurrogate = 0xDC00;
constexpr char32_t PastLowSurrogates = 0xE000;
constexpr char32_t FirstSupplementary = 0x10000;
constexpr unsigned SurrogateBits = 10;
constexpr char32_t SurrogatePayload = 0x3FF;
constexpr unsigned ContinuationBits = 6;
constexpr std::uint8_t ContinuationMask = 0xC0;
constexpr std::uint8_t ContinuationTag = 0x80;
constexpr std::uint8_t ContinuationPayload = 0x3F;

// A sequence by its lead byte: how long, the payload bits of the lead, the smallest code
// point it may carry (anything less is overlong).
struct TSequence {
    std::uint8_t LeadFirst;
    std::uint8_t LeadLast;
    std::size_t Length;
    std::uint8_t LeadPayload;
    char32_t Smallest;
};

constexpr std::array<TSequence, 4> Sequences{{
    {0x00, 0x7F, 1, 0x7F, 0x0},
    {0xC2, 0xDF, 2, 0x1F, 0x80},
    {0xE0, 0xEF, 3, 0x0F, 0x800},
    {0xF0, 0xF4, 4, 0x07, FirstSupplementary},
}};

// The code point starting at text[at] and its length, or nullopt for a broken sequence.
struct TDecoded {
    char32_t CodePoint;
    std::size_t Length;
};

std::optional<TDecoded> DecodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<std::uint8_t>(text[at]);
    for (const TSequence& sequence : Sequences) {
        if (lead < sequence.LeadFirst || lead > sequence.LeadLast) {
            continue;
        }
        if (text.size() - at < sequence.Length) {
            return std::nullopt;
        }
        char32_t codePoint = lead & sequence.LeadPayload;
        for (std::size_t i = 1; i < sequence.Length; ++i) {
            const auto next = static_cast<std::uint8_t>(text[at + i]);
            if ((next & ContinuationMask) != ContinuationTag) {
                return std::nullopt;
            }
            codePoint = (codePoint << ContinuationBits) | (next & ContinuationPayload);
        }
        if (codePoint < sequence.Smallest || codePoint > LastCodePoint) {
            return std::nullopt;
        }
        return TDecoded{codePoint, sequence.Length};
    }
    return std::nullopt;
}

void AppendUtf16(std::u16string& out, char32_t codePoint) {
    if (codePoint < FirstSupplementary) {
        out += static_cast<char16_t>(codePoint);
        return;
    }
    const char32_t offset = codePoint - FirstSupplementary;
    out += static_cast<char16_t>(FirstHighSurrogate + (offset >> SurrogateBits));
    out += static_cast<char16_t>(FirstLowSurrogate + (offset & SurrogatePayload));
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    // From the longest form down: the first whose range holds the code point.
    for (auto sequence = Sequences.rbegin(); sequence != Sequences.rend(); ++sequence) {
        if (codePoint < sequence->Smallest) {
            continue;
        }
        const std::size_t trail = sequence->Length - 1;
        const auto leadTag =
            static_cast<std::uint8_t>(sequence->LeadFirst & ~sequence->LeadPayload);
        out += static_cast<char>(leadTag | (codePoint >> (ContinuationBits * trail)));
        for (std::size_t i = trail; i > 0; --i) {
            out +=
                static_cast<char>(ContinuationTag | ((codePoint >> (ContinuationBits * (i - 1))) &
                                                     ContinuationPayload));
        }
        return;
    }
}

std::optional<std::u16string> Decode(std::string_view text, bool replaceBroken) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const auto decoded = DecodeAt(text, at);
        if (!decoded) {
            if (!replaceBroken) {
                return std::nullopt;
            }
            out += static_cast<char16_t>(Replacement);
            ++at;
            continue;
        }
        AppendUtf16(out, decoded->CodePoint);
        at += decoded->Length;
    }
    return out;
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= FirstHighSurrogate && unit < FirstLowSurrogate;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= FirstLowSurrogate && unit < PastLowSurrogates;
}

} // namespace

std::string Utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        char32_t unit = text[at];
        if (IsHighSurrogate(unit) && at + 1 < text.size() && IsLowSurrogate(text[at + 1])) {
            unit = FirstSupplementary + ((unit - FirstHighSurrogate) << SurrogateBits) +
                   (text[at + 1] - FirstLowSurrogate);
            ++at;
        }
        AppendUtf8(out, unit);
    }
    return out;
}

std::optional<std::u16string> Utf16FromUtf8(std::string_view text) {
    return Decode(text, false);
}

std::u16string DisplayUtf16(std::string_view text) {
    return *Decode(text, true);
}

} // namespace klarvon

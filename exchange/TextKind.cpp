#include "exchange/TextKind.h"

#include "table/Errors.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace klarvon::exchange {

namespace {

constexpr std::array<std::uint8_t, 2> LittleEndianMark{0xFF, 0xFE};
constexpr std::array<std::uint8_t, 2> BigEndianMark{0xFE, 0xFF};
// Enough characters to see the pattern; a cfg's legend alone is longer.
constexpr std::size_t SampleSize = 1024;

bool StartsWith(std::span<const std::uint8_t> bytes, const std::array<std::uint8_t, 2>& mark) {
    return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

// Whether the bytes read as UTF-16 characters: no NUL character (two NUL bytes on a
// character's place), which no text holds and every executable header does, and, unless a
// byte-order mark has said so already, at least half the characters ASCII in one byte order
// (one NUL byte and one other), as a cfg's are.
bool LooksLikeUtf16(std::span<const std::uint8_t> bytes, bool marked) {
    const std::size_t size = std::min(bytes.size(), SampleSize) / 2 * 2;
    std::size_t littleEndian = 0;
    std::size_t bigEndian = 0;
    for (std::size_t i = 0; i < size; i += 2) {
        const bool lowZero = bytes[i] == 0;
        const bool highZero = bytes[i + 1] == 0;
        if (lowZero && highZero) {
            return false;
        }
        littleEndian += !lowZero && highZero ? 1 : 0;
        bigEndian += lowZero && !highZero ? 1 : 0;
    }
    const std::size_t characters = size / 2;
    return marked || (characters > 0 && 2 * std::max(littleEndian, bigEndian) >= characters);
}

std::string Utf16RefusalWhy(std::string_view source, std::string_view why) {
    return std::string(source) + " is UTF-16 text (\"Unicode\" in Notepad)" + std::string(why) +
           "; save it as ANSI or UTF-8";
}

} // namespace

TContentKind KindOfContent(std::span<const std::uint8_t> bytes) {
    if (StartsWith(bytes, LittleEndianMark) || StartsWith(bytes, BigEndianMark)) {
        return LooksLikeUtf16(bytes.subspan(LittleEndianMark.size()), true)
                   ? TContentKind::Utf16Text
                   : TContentKind::Binary;
    }
    if (std::find(bytes.begin(), bytes.end(), std::uint8_t{0}) == bytes.end()) {
        return TContentKind::Text;
    }
    return LooksLikeUtf16(bytes, false) ? TContentKind::Utf16Text : TContentKind::Binary;
}

std::string Utf16Refusal(std::string_view source) {
    return Utf16RefusalWhy(source, ", which the limit adjuster cannot read");
}

std::string_view PlainText(std::string_view text, std::string_view source) {
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    if (KindOfContent(bytes) == TContentKind::Utf16Text) {
        throw EFinalError(Utf16RefusalWhy(source, ""));
    }
    return text.starts_with(Utf8ByteOrderMark) ? text.substr(Utf8ByteOrderMark.size()) : text;
}

} // namespace klarvon::exchange

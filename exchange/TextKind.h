#pragma once
// Telling a cfg from an executable by what a file holds, not by its name: a cfg is text and
// has no NUL bytes, an executable always has some near its start. A text saved as UTF-16
// (Notepad's "Unicode") has NUL bytes too, but in a pattern of its own, and is named as
// such, since the loader cannot read it either. Any other text read (a patch) goes through
// PlainText, which names UTF-16 the same way and skips a UTF-8 byte-order mark.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace klarvon::exchange {

enum class TContentKind { Text, Utf16Text, Binary };

// What the first bytes of a file (or all of them) say it is: a UTF-16 byte-order mark, or
// NUL bytes between the characters of text, is Utf16Text; any other NUL byte is Binary;
// no NUL byte at all (an empty file included) is Text.
TContentKind KindOfContent(std::span<const std::uint8_t> bytes);

// What the user reads for a UTF-16 cfg: "SOURCE is UTF-16 text (...); save it as ANSI or
// UTF-8 ...".
std::string Utf16Refusal(std::string_view source);

// UTF-8's byte-order mark, which Notepad puts first in a text it saves as "UTF-8".
inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// The text that a reader of any other text of source (a patch) reads: what follows a UTF-8
// byte-order mark, so that a mark an editor added is no fault of the first line. A UTF-16
// text throws EFinalError "SOURCE is UTF-16 text (...); save it as ANSI or UTF-8", which
// that reader would otherwise report as a fault of its first character.
std::string_view PlainText(std::string_view text, std::string_view source);

} // namespace klarvon::exchange

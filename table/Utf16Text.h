#pragma once
// Text crossing into a system that speaks UTF-16 (Windows) while the program keeps UTF-8
// inside. Windows also allows names that are not valid UTF-16 (a surrogate without its
// partner); such a name travels inside in the generalised UTF-8 form (WTF-8: the lone
// surrogate as its own three bytes) and reaches the system again unchanged, so every
// name a user can create opens.

#include <optional>
#include <string>
#include <string_view>

namespace klarvon {

// Never fails: a lone surrogate becomes its three-byte form.
std::string Utf8FromUtf16(std::u16string_view text);

// The exact inverse for paths: nullopt when text holds a byte sequence that is neither
// UTF-8 nor a lone surrogate's form (cut short, overlong, past U+10FFFF).
std::optional<std::u16string> Utf16FromUtf8(std::string_view text);

// For messages: as Utf16FromUtf8, with each byte of a broken sequence shown as U+FFFD.
std::u16string DisplayUtf16(std::string_view text);

} // namespace klarvon

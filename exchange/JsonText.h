#pragma once
// Text for a JSON string from bytes that need not be UTF-8: a model name as Notepad saves
// it in a cfg ("caf\xE9"), a file name on a system that takes any bytes. JSON holds only
// Unicode, so such a name must become characters before it is written, never fail there.

#include <string>
#include <string_view>

namespace klarvon::exchange {

// The bytes as UTF-8: what is already well-formed UTF-8 (no overlong form, no surrogate,
// nothing above U+10FFFF) stays as it is, and every other byte is read as Latin-1, the
// character U+0000..U+00FF of its value (0xE9 is "é", as "\u00e9" in JSON), so "caf\xE9"
// is written "café" and plain ASCII never changes.
std::string JsonSafeText(std::string_view bytes);

} // namespace klarvon::exchange

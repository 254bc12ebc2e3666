#pragma once
// Windows only: paths and messages as the Windows API's wide ("W") functions take them.
// Inside, the programs keep every path and text in UTF-8; it becomes UTF-16 only here, on
// its way to the system, and what the system hands back becomes UTF-8 once.

#include "table/InOutError.h"
#include "table/Utf16Text.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <string_view>

namespace klarvon {

// A path that is not UTF-8, or that holds a NUL (the system would read only up to it),
// is refused as Windows refuses a malformed name: "I/O error 123".
inline std::wstring WidePath(std::string_view path) {
    const auto wide = Utf16FromUtf8(path);
    if (!wide || path.find('\0') != std::string_view::npos) {
        throw InOutErrorFromWindowsCode(ERROR_INVALID_NAME);
    }
    return std::wstring(wide->begin(), wide->end());
}

// What the system hands back (a path, a message), once, as UTF-8.
inline std::string FromWide(std::wstring_view path) {
    return Utf8FromUtf16(std::u16string(path.begin(), path.end()));
}

// Text for a window or the console; broken bytes show as U+FFFD.
inline std::wstring WideText(std::string_view text) {
    const std::u16string wide = DisplayUtf16(text);
    return std::wstring(wide.begin(), wide.end());
}

} // namespace klarvon

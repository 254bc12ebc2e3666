#pragma once
// A key pressed on the focused window, as the keyboard posts it: down, the character it
// types (none for a key that types nothing), up.
#include <windows.h>

namespace klarvon::test {

inline void Key(WPARAM key, wchar_t character) {
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 0);
    if (character != 0) {
        PostMessageW(focus, WM_CHAR, character, 0);
    }
    PostMessageW(focus, WM_KEYUP, key, 0);
}

} // namespace klarvon::test

// The user's hand on the Windows side: the messages a control receives from the system
// when the user acts, sent to its window, which turns them into its own notifications.
#include "tests/controls/Driver.h"
#include "ui/controls/win32/ControlImpl.h"

#include <commctrl.h>

namespace klarvon::test {
namespace {

HWND HandleOf(const TControl& control) {
    return control.Impl().Handle;
}

void ClickAt(HWND window, int x, int y) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// The command id of the item with this caption in a menu or one of its drop-downs.
bool FindCommand(HMENU menu, const std::wstring& caption, UINT& id) {
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
        HMENU dropDown = GetSubMenu(menu, position);
        if (dropDown != nullptr) {
            if (FindCommand(dropDown, caption, id)) {
                return true;
            }
        } else if (caption == text) {
            id = GetMenuItemID(menu, position);
            return true;
        }
    }
    return false;
}

} // namespace

void PrepareForInput(TForm&) {}

void Click(TControl& control) {
    // Thrown inside the window procedure, a handler's failure is caught before it leaves it.
    SendMessageW(HandleOf(control), BM_CLICK, 0, 0);
}

void ClickLine(TListBox& list, int line) {
    RECT bounds{};
    SendMessageW(HandleOf(list), LB_GETITEMRECT, static_cast<WPARAM>(line),
                 reinterpret_cast<LPARAM>(&bounds));
    ClickAt(HandleOf(list), bounds.left + 5, (bounds.top + bounds.bottom) / 2);
}

void Press(TControl& control, TKey key) {
    const WPARAM code = key == TKey::Up ? VK_UP : VK_HOME;
    SendMessageW(HandleOf(control), WM_KEYDOWN, code, 0);
    SendMessageW(HandleOf(control), WM_KEYUP, code, 0);
}

void Type(TEdit& edit, std::string_view text) {
    for (const wchar_t c : Widen(text)) {
        SendMessageW(HandleOf(edit), WM_CHAR, c, 0);
    }
}

void Choose(TForm& form, TMenuItem& item) {
    UINT id = 0;
    if (FindCommand(GetMenu(form.Impl().Handle), Widen(item.Caption()), id)) {
        SendMessageW(form.Impl().Handle, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    }
}

void CloseByUser(TForm& form) {
    SendMessageW(form.Impl().Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool Showing(const TForm& form) {
    return IsWindowVisible(form.Impl().Handle) != FALSE;
}

int TextWidth(const TLabel& label, std::string_view text) {
    return klarvon::TextWidth(label.Impl(), Widen(text));
}

bool DeliverUntil(const std::function<bool()>& done, int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (;;) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done()) {
            return true;
        }
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(5);
    }
}

} // namespace klarvon::test

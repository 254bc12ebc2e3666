#pragma once
// The Windows side of the platform seam: how a request becomes a Windows dialog. Exposed
// so the window tests can drive the dialogs the system does not supply.

#include "ui/controls/Platform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

namespace klarvon {

// The message dialog for requests a system message box cannot show (buttons other than
// one "OK"): modal, centred on the screen, the default button focused, Esc pressing the
// request's Esc button or nothing, the close box always closing it. Returns the index of
// the button pressed, or MessageBoxClosed.
int ShowMessageDialog(const TMessageBoxRequest& request, HWND owner);

// The window class of that dialog (the system's dialog class), for finding it while it shows.
inline constexpr wchar_t MessageDialogClass[] = L"#32770";

// The list dialog: modal, centred on its owner (on the screen without one), resizable.
// Its controls, by id: the header (a STATIC), the lines (a LISTBOX), the select button
// (IDOK, the default, usable only with a line selected) and the close button (IDCANCEL).
// Returns the index of the line chosen, or ListDialogClosed. Of the same window class.
int ShowListDialog(const TListDialogRequest& request, HWND owner);
inline constexpr int ListHeaderId = 200;
inline constexpr int ListLinesId = 201;

} // namespace klarvon

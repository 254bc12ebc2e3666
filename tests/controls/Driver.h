#pragma once
// What a user does to the controls, done the way each platform delivers it (qt/Driver.cpp
// through Qt's own input events, win32/Driver.cpp through the messages the controls send),
// so that the control layer's promises are written once, in its own vocabulary.

#include "ui/controls/ExtCtrls.h"
#include "ui/controls/Forms.h"
#include "ui/controls/Menus.h"
#include "ui/controls/StdCtrls.h"

#include <functional>
#include <string_view>

namespace klarvon::test {

enum class TKey { Up, Home };

// Makes the form ready for input: Qt delivers it only to a shown window, the Windows side
// takes its messages hidden (and Wine without a window manager waits two seconds for every
// shown window that goes away).
void PrepareForInput(TForm& form);

// A click of the left button: on a button's face, a check box's or radio button's box.
void Click(TControl& control);
// A click on one line of a list.
void ClickLine(TListBox& list, int line);
// A key pressed and released while the control has the focus.
void Press(TControl& control, TKey key);
// Characters typed into an edit field at its caret.
void Type(TEdit& edit, std::string_view text);
// The item chosen from the form's menu.
void Choose(TForm& form, TMenuItem& item);
// The form's close box.
void CloseByUser(TForm& form);

bool Showing(const TForm& form);
// The width of a text in the label's own font.
int TextWidth(const TLabel& label, std::string_view text);

// Delivers the events that arrive, as the program's loop would, until done() holds or
// the time is up; false when the time ran out.
bool DeliverUntil(const std::function<bool()>& done, int milliseconds);

} // namespace klarvon::test

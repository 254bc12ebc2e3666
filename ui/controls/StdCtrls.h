#pragma once
// The standard controls. Each is created with its parent (TForm::Add<T>(parent, name))
// and exposes only what the windows use.
//
//   TButton      Caption, OnClick, Click() (runs OnClick as a press would).
//   TLabel       Caption; AutoSize (on by default): a later caption change fits the
//                width to the text, so a longer text is never clipped; Spread: the
//                characters are spaced out to fill the width (a scale under a slider);
//                OnClick.
//   TEdit        Text (= Caption), SelStart/SetSelStart (caret), OnChange on every
//                change of the text, typed or set by the program. No length limit.
//   TCheckBox    Checked, OnClick on every change of Checked, clicked or set.
//   TRadioButton Checked; radio buttons with the same parent form one exclusive group,
//                none checked until one is; SetChecked(false) clears the group's choice.
//   TListBox     AddItem, Clear, Count, Item, ItemIndex (the selected line, -1 for none),
//                OnClick when the user changes the selection (mouse or keyboard); the
//                program's own changes (SetItemIndex, Clear, AddItem) do not fire it.
//   TGroupBox    a titled frame holding controls; Caption is the title.

#include "ui/controls/Controls.h"

#include <functional>
#include <string>
#include <string_view>

namespace klarvon {

class TButton : public TControl {
public:
    TButton(TWinControl& parent, std::string_view name);

    void Click();

    std::function<void()> OnClick;
};

class TLabel : public TControl {
public:
    TLabel(TWinControl& parent, std::string_view name);

    void SetAutoSize(bool autoSize);
    // Fits the width to the caption now, whatever AutoSize says.
    void FitToCaption();
    void SetSpread(bool spread);

    std::function<void()> OnClick;

private:
    bool autoSize_ = true;
};

class TEdit : public TControl {
public:
    TEdit(TWinControl& parent, std::string_view name);

    std::string Text() const { return Caption(); }
    void SetText(std::string_view text) { SetCaption(text); }
    // Caret position in characters from the start of the text.
    int SelStart() const;
    void SetSelStart(int position);

    std::function<void()> OnChange;
};

class TCheckBox : public TControl {
public:
    TCheckBox(TWinControl& parent, std::string_view name);

    bool Checked() const;
    void SetChecked(bool checked);

    std::function<void()> OnClick;
};

class TRadioButton : public TControl {
public:
    TRadioButton(TWinControl& parent, std::string_view name);

    bool Checked() const;
    void SetChecked(bool checked);
};

class TListBox : public TControl {
public:
    TListBox(TWinControl& parent, std::string_view name);

    void AddItem(std::string_view text);
    void Clear();
    int Count() const;
    std::string Item(int index) const;
    int ItemIndex() const;
    void SetItemIndex(int index);

    std::function<void()> OnClick;
};

class TGroupBox : public TWinControl {
public:
    TGroupBox(TWinControl& parent, std::string_view name);
};

} // namespace klarvon

#pragma once
// The main menu of a form and its items.
//
//   TMainMenu  the menu bar of its form; created once per form (TForm::Add<TMainMenu>).
//   TMenuItem  a top-level item (parent: the TMainMenu) or a command under one (parent:
//              a top-level TMenuItem). Caption, Enabled, Checked, Checkable (whether a
//              check mark can show), OnClick, Click(). Choosing an item never changes
//              its check mark by itself: OnClick decides, and sees the mark as it was.
//              Captions carry no accelerators unless they contain '&'.

#include "ui/controls/Controls.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace klarvon {

struct TMenuImpl;

class TMainMenu : public TComponent {
public:
    TMainMenu(TForm& owner, std::string_view name);
    ~TMainMenu() override;

    TForm& Owner() const { return *owner_; }
    TMenuImpl& Impl() const { return *impl_; }

private:
    TForm* owner_;
    std::unique_ptr<TMenuImpl> impl_;
};

class TMenuItem : public TComponent {
public:
    TMenuItem(TMainMenu& menu, std::string_view name);
    TMenuItem(TMenuItem& parent, std::string_view name);
    ~TMenuItem() override;

    std::string Caption() const;
    void SetCaption(std::string_view caption);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Checkable() const;
    void SetCheckable(bool checkable);
    bool Checked() const;
    void SetChecked(bool checked);

    void Click();

    std::function<void()> OnClick;

    TMenuImpl& Impl() const { return *impl_; }

private:
    std::unique_ptr<TMenuImpl> impl_;
};

} // namespace klarvon

#include "ui/controls/Menus.h"
#include "ui/controls/Forms.h"
#include "ui/controls/win32/ControlImpl.h"

#include <map>

namespace klarvon {

// A menu bar, or an item: the menu it stands in, its drop-down (top-level items) and how
// it is found there. Top-level items are found by position, commands by their id. The
// menus are destroyed with their form's window.
struct TMenuImpl {
    HWND Form = nullptr;
    HMENU Bar = nullptr;       // the main menu
    HMENU Container = nullptr; // the menu the item stands in
    HMENU DropDown = nullptr;  // a top-level item's drop-down
    UINT Key = 0;              // position in the bar (top-level items) or command id
    UINT By = MF_BYCOMMAND;
    bool Checkable = false;
};

namespace {

// Below the child windows' ids, above the dialog commands.
UINT gNextCommandId = 100;

std::map<UINT, TMenuItem*>& Commands() {
    static std::map<UINT, TMenuItem*> commands;
    return commands;
}

void Insert(HMENU menu, UINT id, HMENU dropDown) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING | (dropDown != nullptr ? MIIM_SUBMENU : 0U);
    info.fType = MFT_STRING;
    info.wID = id;
    info.hSubMenu = dropDown;
    wchar_t empty[] = L"";
    info.dwTypeData = empty;
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

void Changed(const TMenuImpl& item) {
    if (item.Container == GetMenu(item.Form)) {
        DrawMenuBar(item.Form);
    }
}

} // namespace

void FireMenuCommand(UINT id) {
    const auto found = Commands().find(id);
    if (found != Commands().end()) {
        FireEvent(found->second->OnClick);
    }
}

TMainMenu::TMainMenu(TForm& owner, std::string_view name)
    : TComponent(name), owner_(&owner), impl_(std::make_unique<TMenuImpl>()) {
    impl_->Form = owner.Impl().Handle;
    impl_->Bar = CreateMenu();
    SetMenu(impl_->Form, impl_->Bar);
    MenuBarChanged(impl_->Form);
}

TMainMenu::~TMainMenu() = default;

TMenuItem::TMenuItem(TMainMenu& menu, std::string_view name)
    : TComponent(name), impl_(std::make_unique<TMenuImpl>()) {
    impl_->Form = menu.Impl().Form;
    impl_->Container = menu.Impl().Bar;
    impl_->DropDown = CreatePopupMenu();
    impl_->Key = static_cast<UINT>(GetMenuItemCount(impl_->Container));
    impl_->By = MF_BYPOSITION;
    Insert(impl_->Container, gNextCommandId++, impl_->DropDown);
    MenuBarChanged(impl_->Form);
}

TMenuItem::TMenuItem(TMenuItem& parent, std::string_view name)
    : TComponent(name), impl_(std::make_unique<TMenuImpl>()) {
    impl_->Form = parent.Impl().Form;
    impl_->Container = parent.Impl().DropDown;
    impl_->Key = gNextCommandId++;
    Insert(impl_->Container, impl_->Key, nullptr);
    Commands().emplace(impl_->Key, this);
}

TMenuItem::~TMenuItem() {
    if (impl_->By == MF_BYCOMMAND) {
        Commands().erase(impl_->Key);
    }
}

std::string TMenuItem::Caption() const {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    GetMenuItemInfoW(impl_->Container, impl_->Key, impl_->By == MF_BYPOSITION, &info);
    std::wstring text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    GetMenuItemInfoW(impl_->Container, impl_->Key, impl_->By == MF_BYPOSITION, &info);
    text.resize(info.cch);
    return Narrow(text);
}

void TMenuItem::SetCaption(std::string_view caption) {
    std::wstring text = Widen(caption);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = text.data();
    SetMenuItemInfoW(impl_->Container, impl_->Key, impl_->By == MF_BYPOSITION, &info);
    Changed(*impl_);
}

bool TMenuItem::Enabled() const {
    return (GetMenuState(impl_->Container, impl_->Key, impl_->By) & (MF_GRAYED | MF_DISABLED)) == 0;
}

void TMenuItem::SetEnabled(bool enabled) {
    EnableMenuItem(impl_->Container, impl_->Key, impl_->By | (enabled ? MF_ENABLED : MF_GRAYED));
    Changed(*impl_);
}

bool TMenuItem::Checkable() const {
    return impl_->Checkable;
}
void TMenuItem::SetCheckable(bool checkable) {
    impl_->Checkable = checkable;
}

bool TMenuItem::Checked() const {
    return (GetMenuState(impl_->Container, impl_->Key, impl_->By) & MF_CHECKED) != 0;
}

void TMenuItem::SetChecked(bool checked) {
    if (checked) {
        impl_->Checkable = true;
    }
    CheckMenuItem(impl_->Container, impl_->Key, impl_->By | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// Choosing an item never changes its mark by itself (Windows leaves marks alone), so the
// handler sees the mark as it was.
void TMenuItem::Click() {
    FireEvent(OnClick);
}

} // namespace klarvon

#include "ui/controls/Menus.h"
#include "ui/controls/Forms.h"
#include "ui/controls/qt/ControlImpl.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

namespace klarvon {

// Owned by the form's window, like the controls' widgets.
struct TMenuImpl {
    QMenuBar* Bar = nullptr;   // the main menu
    QMenu* Menu = nullptr;     // a top-level item's drop-down
    QAction* Action = nullptr; // an item
};

TMainMenu::TMainMenu(TForm& owner, std::string_view name)
    : TComponent(name), owner_(&owner), impl_(std::make_unique<TMenuImpl>()) {
    auto* window = static_cast<QMainWindow*>(owner.Impl().Widget);
    impl_->Bar = window->menuBar();
    impl_->Bar->setObjectName(ToQt(name));
}

TMainMenu::~TMainMenu() = default;

namespace {

void Connect(QAction* action, TMenuItem& item) {
    QObject::connect(action, &QAction::triggered, action, [&item, action] {
        // Qt flips a checkable action's mark before telling; the handler is the one to
        // decide the mark, and sees it as it was.
        if (action->isCheckable()) {
            const QSignalBlocker quiet(action);
            action->setChecked(!action->isChecked());
        }
        FireEvent(item.OnClick);
    });
}

} // namespace

TMenuItem::TMenuItem(TMainMenu& menu, std::string_view name)
    : TComponent(name), impl_(std::make_unique<TMenuImpl>()) {
    QMenu* dropDown = menu.Impl().Bar->addMenu(QString());
    dropDown->setObjectName(ToQt(name));
    impl_->Menu = dropDown;
    impl_->Action = dropDown->menuAction();
    impl_->Action->setObjectName(ToQt(name));
    Connect(impl_->Action, *this);
}

TMenuItem::TMenuItem(TMenuItem& parent, std::string_view name)
    : TComponent(name), impl_(std::make_unique<TMenuImpl>()) {
    impl_->Action = parent.Impl().Menu->addAction(QString());
    impl_->Action->setObjectName(ToQt(name));
    Connect(impl_->Action, *this);
}

TMenuItem::~TMenuItem() = default;

std::string TMenuItem::Caption() const {
    return FromQt(impl_->Action->text());
}
void TMenuItem::SetCaption(std::string_view caption) {
    impl_->Action->setText(ToQt(caption));
}
bool TMenuItem::Enabled() const {
    return impl_->Action->isEnabled();
}
void TMenuItem::SetEnabled(bool enabled) {
    impl_->Action->setEnabled(enabled);
}
bool TMenuItem::Checkable() const {
    return impl_->Action->isCheckable();
}
void TMenuItem::SetCheckable(bool checkable) {
    impl_->Action->setCheckable(checkable);
}
bool TMenuItem::Checked() const {
    return impl_->Action->isChecked();
}

void TMenuItem::SetChecked(bool checked) {
    if (checked) {
        impl_->Action->setCheckable(true);
    }
    impl_->Action->setChecked(checked);
}

void TMenuItem::Click() {
    impl_->Action->trigger();
}

} // namespace klarvon

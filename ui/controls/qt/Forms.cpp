#include "ui/controls/Forms.h"
#include "table/TextConversions.h"
#include "ui/controls/Platform.h"
#include "ui/controls/qt/ClassicStyle.h"
#include "ui/controls/qt/ControlImpl.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QLocale>
#include <QMainWindow>
#include <QScreen>
#include <QWindow>

#include <stdexcept>

namespace klarvon {
namespace {

TApplication* gApplication = nullptr;
// The first form created: closing it ends the program.
TForm* gMainForm = nullptr;

class TFormWindow : public QMainWindow {
public:
    TForm* Form = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        if (Form == nullptr) {
            return;
        }
        FireEvent(Form->OnClose);
        if (Form == gMainForm) {
            Application().Terminate();
        }
    }
};

std::unique_ptr<TControlImpl> MakeFormImpl(std::string_view name) {
    if (gApplication == nullptr) {
        throw std::logic_error("A window needs the application to exist first");
    }
    auto impl = std::make_unique<TControlImpl>();
    auto* window = new TFormWindow;
    window->setObjectName(ToQt(name));
    auto* client = new QWidget(window);
    window->setCentralWidget(client);
    // The window is exactly as big as its menu bar and client area, never resizable.
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    impl->Widget = window;
    impl->Client = client;
    impl->CaptionProperty = "windowTitle";
    impl->FillsBackground = true;
    return impl;
}

} // namespace

TForm::TForm(std::string_view name, TForm* owner)
    : TWinControl(nullptr, this, name, MakeFormImpl(name)), owner_(owner) {
    static_cast<TFormWindow*>(Impl().Widget)->Form = this;
    if (gMainForm == nullptr) {
        gMainForm = this;
    }
    SetBorderIcons({});
    SetFont(TFont{});
}

TForm::~TForm() {
    if (gMainForm == this) {
        gMainForm = nullptr;
    }
    // Widgets tell nothing while they are taken down: the handlers they would call
    // belong to a window that is already half gone.
    QWidget* window = Impl().Widget;
    static_cast<TFormWindow*>(window)->Form = nullptr;
    window->blockSignals(true);
    for (QObject* child : window->findChildren<QObject*>()) {
        child->blockSignals(true);
    }
    delete window;
}

void TForm::Register(std::unique_ptr<TComponent> component) {
    byName_.emplace(component->Name(), component.get());
    components_.push_back(std::move(component));
}

TComponent* TForm::FindComponent(std::string_view name) const {
    const auto found = byName_.find(name);
    return found != byName_.end() ? found->second : nullptr;
}

int TForm::ClientWidth() const {
    return Impl().Client->width();
}
int TForm::ClientHeight() const {
    return Impl().Client->height();
}

void TForm::SetClientSize(int width, int height) {
    Impl().Client->setFixedSize(width, height);
    Impl().Widget->layout()->activate();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (icons.Minimize) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (icons.Maximize) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    Impl().Widget->setWindowFlags(flags);
}

void TForm::SetAlphaBlendValue(int alpha) {
    Impl().Widget->setWindowOpacity(alpha / 255.0);
}

void TForm::Show() {
    QWidget& window = *Impl().Widget;
    window.layout()->activate();
    QRect area;
    if (position_ == TFormPosition::ScreenCenter && window.screen() != nullptr) {
        area = window.screen()->availableGeometry();
    } else if (position_ == TFormPosition::OwnerFormCenter && owner_ != nullptr) {
        area = owner_->Impl().Widget->frameGeometry();
    }
    if (area.isValid()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(area.center());
        window.move(frame.topLeft());
    }
    if (owner_ != nullptr) {
        // Kept above its owner without becoming part of it: a disabled owner must not
        // take this window's input with it.
        window.winId();
        window.windowHandle()->setTransientParent(owner_->Impl().Widget->window()->windowHandle());
    }
    window.show();
    window.activateWindow();
}

void TForm::Close() {
    Impl().Widget->close();
}

struct TApplicationImpl {
    std::unique_ptr<QApplication> OwnApp; // null when a QApplication already existed
};

TApplication::TApplication(int& argc, char** argv) : impl_(std::make_unique<TApplicationImpl>()) {
    if (gApplication != nullptr) {
        throw std::logic_error("The program has one application object");
    }
    if (QApplication::instance() == nullptr) {
        impl_->OwnApp = std::make_unique<QApplication>(argc, argv);
    }
    ApplyClassicLook(*static_cast<QApplication*>(QApplication::instance()));
    // The program ends with its main window, not with whichever window closes last.
    QApplication::setQuitOnLastWindowClosed(false);
    gApplication = this;
}

TApplication::~TApplication() {
    gApplication = nullptr;
}

int TApplication::ParamCount() const {
    return static_cast<int>(QCoreApplication::arguments().size()) - 1;
}

std::string TApplication::ParamStr(int index) const {
    const QStringList arguments = QCoreApplication::arguments();
    if (index < 0 || index >= arguments.size()) {
        return {};
    }
    return arguments.at(index).toStdString();
}

int TApplication::Run() {
    if (terminated_) {
        return 0;
    }
    return QApplication::exec();
}

void TApplication::Terminate() {
    terminated_ = true;
    QMetaObject::invokeMethod(
        QApplication::instance(), [] { QApplication::exit(0); }, Qt::QueuedConnection);
}

TApplication& Application() {
    if (gApplication == nullptr) {
        throw std::logic_error("The application does not exist yet");
    }
    return *gApplication;
}

char DecimalSeparator() {
    const QString separator = QLocale().decimalPoint();
    if (separator.size() == 1 && separator.at(0).unicode() < 0x80) {
        return static_cast<char>(separator.at(0).unicode());
    }
    return PlainDecimalSeparator;
}

} // namespace klarvon

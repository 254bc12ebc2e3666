#include "ui/controls/Controls.h"
#include "ui/controls/Forms.h"
#include "ui/controls/qt/ControlImpl.h"

#include <QApplication>
#include <QFontMetrics>

namespace klarvon {

QWidget* ClientOf(TWinControl* parent) {
    return parent != nullptr ? parent->Impl().Client : nullptr;
}

QColor ToQColor(TColor color) {
    if (!color.IsSystem()) {
        return {color.Red(), color.Green(), color.Blue()};
    }
    const QPalette palette = QApplication::palette();
    switch (color.Role()) {
    case TSystemColor::BtnFace:
        return palette.color(QPalette::Button);
    case TSystemColor::MenuBar:
        return palette.color(QPalette::Window);
    case TSystemColor::InfoBk:
        return palette.color(QPalette::ToolTipBase);
    case TSystemColor::Window:
        return palette.color(QPalette::Base);
    case TSystemColor::WindowText:
        return palette.color(QPalette::WindowText);
    }
    return palette.color(QPalette::Window);
}

QFont ToQFont(const TFont& font) {
    QFont result(font.Name.empty() ? QString::fromLatin1(DesignFontFamily) : ToQt(font.Name));
    result.setPixelSize(font.PixelHeight);
    result.setBold(font.Bold);
    result.setUnderline(font.Underline);
    return result;
}

void FireEvent(const std::function<void()>& handler) {
    Application().Invoke(handler);
}

TComponent::~TComponent() = default;

TControl::TControl(TWinControl* parent, std::string_view name, std::unique_ptr<TControlImpl> impl)
    : TComponent(name), parent_(parent), impl_(std::move(impl)) {
    if (parent_ != nullptr) {
        impl_->Widget->show();
    }
}

TControl::~TControl() = default;

int TControl::Left() const {
    return impl_->Widget->x();
}
int TControl::Top() const {
    return impl_->Widget->y();
}
int TControl::Width() const {
    return impl_->Widget->width();
}
int TControl::Height() const {
    return impl_->Widget->height();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    impl_->Widget->setGeometry(left, top, width, height);
}

bool TControl::Enabled() const {
    return !impl_->Widget->testAttribute(Qt::WA_ForceDisabled);
}
void TControl::SetEnabled(bool enabled) {
    impl_->Widget->setEnabled(enabled);
}

bool TControl::Visible() const {
    return !impl_->Widget->isHidden();
}

std::string TControl::Caption() const {
    if (impl_->CaptionProperty == nullptr) {
        return FromQt(impl_->Caption);
    }
    return FromQt(impl_->Widget->property(impl_->CaptionProperty).toString());
}

void TControl::SetCaption(std::string_view caption) {
    const QString text = ToQt(caption);
    if (impl_->CaptionProperty == nullptr) {
        impl_->Caption = text;
    } else {
        impl_->Widget->setProperty(impl_->CaptionProperty, text);
    }
    if (impl_->AutoSize) {
        QWidget& widget = *impl_->Widget;
        widget.resize(widget.fontMetrics().horizontalAdvance(text), widget.height());
    }
}

void TControl::SetColor(TColor color) {
    color_ = color;
    QWidget& widget = *impl_->Widget;
    QPalette palette = widget.palette();
    palette.setColor(impl_->BackgroundRole, ToQColor(color));
    widget.setPalette(palette);
    widget.setAutoFillBackground(impl_->FillsBackground);
}

void TControl::SetFont(const TFont& font) {
    font_ = font;
    QWidget& widget = *impl_->Widget;
    widget.setFont(ToQFont(font));
    if (font.Color == clWindowText) {
        return;
    }
    // Disabled text keeps the style's own grey.
    QPalette palette = widget.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(group, role, ToQColor(font.Color));
        }
    }
    widget.setPalette(palette);
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor == TCursor::HandPoint) {
        impl_->Widget->setCursor(Qt::PointingHandCursor);
    } else {
        impl_->Widget->unsetCursor();
    }
}

TWinControl::TWinControl(TWinControl* parent, TForm* form, std::string_view name,
                         std::unique_ptr<TControlImpl> impl)
    : TControl(parent, name, std::move(impl)), form_(form) {
    if (Impl().Client == nullptr) {
        Impl().Client = Impl().Widget;
    }
}

} // namespace klarvon

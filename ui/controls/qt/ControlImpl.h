#pragma once
// What a control is on Qt: its widget, the widget its children go into, and the
// property that holds its caption. Private to the Qt implementation.

#include "ui/controls/Controls.h"

#include <QPalette>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace klarvon {

// The window font. "MS Sans Serif" 8 pt of the design is a narrow bitmap face; Liberation
// Sans Narrow at the same 11 px height is the installed face that keeps every caption
// inside its control at the designed size.
inline constexpr char DesignFontFamily[] = "Liberation Sans Narrow";
inline constexpr int DesignFontPixels = 11;

// The widgets belong to their window, which the form deletes before the controls that
// point at them, so a control never outlives its widget.
struct TControlImpl {
    QWidget* Widget = nullptr;
    QWidget* Client = nullptr;             // where children go; null for plain controls
    const char* CaptionProperty = nullptr; // "text", "title", "windowTitle"; null: kept here
    QString Caption;                       // for controls that do not show one
    QPalette::ColorRole BackgroundRole = QPalette::Window;
    bool FillsBackground = false; // paints its own background when coloured
    bool AutoSize = false;        // width follows the caption
};

inline QString ToQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) {
    return text.toUtf8().toStdString();
}

// The widget a child of parent goes into.
QWidget* ClientOf(TWinControl* parent);

// A control's impl around a new widget, named as the control.
template <class W>
std::unique_ptr<TControlImpl> MakeImpl(TWinControl* parent, std::string_view name,
                                       const char* captionProperty) {
    auto impl = std::make_unique<TControlImpl>();
    auto* widget = new W(ClientOf(parent));
    widget->setObjectName(ToQt(name));
    impl->Widget = widget;
    impl->CaptionProperty = captionProperty;
    return impl;
}

template <class W> W* WidgetOf(const TControl& control) {
    return static_cast<W*>(control.Impl().Widget);
}

QColor ToQColor(TColor color);
QFont ToQFont(const TFont& font);

// Runs an event handler the way every event runs: through TApplication::Invoke.
void FireEvent(const std::function<void()>& handler);

} // namespace klarvon

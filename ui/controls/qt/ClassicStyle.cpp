#include "ui/controls/qt/ClassicStyle.h"
#include "ui/controls/qt/ControlImpl.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

namespace klarvon {
namespace {

// Windows' own tooltip background, which the panels of the design are painted with.
const QColor ClassicInfoBackground(0xFF, 0xFF, 0xE1);
const QColor ClassicGrayText(0x80, 0x80, 0x80);

// Fusion, except that a group box has the classic etched frame with its title set into
// the top line. The windows place a group's first control 16 pixels down, which leaves
// room below a title drawn that way and none below Fusion's title bar.
class TClassicStyle : public QProxyStyle {
public:
    TClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || box == nullptr) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QPalette& palette = option->palette;
        const int titleHeight = option->fontMetrics.height();
        const QRect frame = option->rect.adjusted(0, titleHeight / 2, -1, -1);
        painter->save();
        painter->setPen(palette.color(QPalette::Mid));
        painter->drawRect(frame.adjusted(0, 0, -1, -1));
        painter->setPen(palette.color(QPalette::Light));
        painter->drawRect(frame.adjusted(1, 1, 0, 0));
        if (!box->text.isEmpty()) {
            const QRect title(TitleLeft, 0,
                              option->fontMetrics.horizontalAdvance(box->text) + 2 * TitlePad,
                              titleHeight);
            painter->fillRect(title, palette.brush(QPalette::Window));
            proxy()->drawItemText(painter, title, Qt::AlignCenter | Qt::TextShowMnemonic, palette,
                                  (option->state & State_Enabled) != 0, box->text,
                                  QPalette::WindowText);
        }
        painter->restore();
    }

private:
    static constexpr int TitleLeft = 6;
    static constexpr int TitlePad = 2;
};

} // namespace

void ApplyClassicLook(QApplication& app) {
    auto* style = new TClassicStyle;
    app.setStyle(style);
    QPalette palette = style->standardPalette();
    palette.setColor(QPalette::ToolTipBase, ClassicInfoBackground);
    palette.setColor(QPalette::ToolTipText, Qt::black);
    // The classic grey of unavailable text: Fusion's own is too faint on the yellow panels.
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, ClassicGrayText);
    }
    QApplication::setPalette(palette);
    QApplication::setFont(ToQFont(TFont{}));
}

} // namespace klarvon

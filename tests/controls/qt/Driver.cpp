// The user's hand on the Qt side: Qt Test's mouse and key events on the controls' widgets.
#include "tests/controls/Driver.h"
#include "ui/controls/qt/ControlImpl.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTest>
#include <QWindow>

#include <stdexcept>

namespace klarvon::test {

void PrepareForInput(TForm& form) {
    form.Show();
    if (!QTest::qWaitForWindowExposed(form.Impl().Widget)) {
        throw std::runtime_error("the form was never shown");
    }
}

void Click(TControl& control) {
    QWidget* widget = control.Impl().Widget;
    // A push button takes the click anywhere; a check box or radio button on its box,
    // since a wide one takes no click beyond its text.
    const bool onTheBox = widget->inherits("QCheckBox") || widget->inherits("QRadioButton");
    const QPoint at = onTheBox ? QPoint(6, widget->height() / 2) : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void ClickLine(TListBox& list, int line) {
    auto* view = WidgetOf<QListWidget>(list);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualItemRect(view->item(line)).center());
}

void Press(TControl& control, TKey key) {
    QTest::keyClick(control.Impl().Widget, key == TKey::Up ? Qt::Key_Up : Qt::Key_Home);
}

void Type(TEdit& edit, std::string_view text) {
    QTest::keyClicks(edit.Impl().Widget, ToQt(text));
}

void Choose(TForm& form, TMenuItem& item) {
    form.Impl().Widget->findChild<QAction*>(ToQt(item.Name()))->trigger();
}

void CloseByUser(TForm& form) {
    // As the close box does: through the window, not the widget's own close().
    form.Impl().Widget->windowHandle()->close();
}

bool Showing(const TForm& form) {
    return form.Impl().Widget->isVisible();
}

int TextWidth(const TLabel& label, std::string_view text) {
    return label.Impl().Widget->fontMetrics().horizontalAdvance(ToQt(text));
}

bool DeliverUntil(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (done()) {
            return true;
        }
        if (clock.elapsed() >= milliseconds) {
            return false;
        }
        QTest::qSleep(5);
    }
}

} // namespace klarvon::test

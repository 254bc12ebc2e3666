// The Qt side's own parts of the control layer, beyond the contract both sides keep
// (tests/controls): Qt's message box, list dialog and file dialog as the layer sets them
// up and as the user answers them, the locale's decimal separator, and a picture cut short.
#include "tests/ui/UiTests.h"
#include "ui/controls/Dialogs.h"
#include "ui/controls/ExtCtrls.h"
#include "ui/controls/Forms.h"
#include "ui/controls/JpegDecoder.h"
#include "ui/controls/qt/NativeDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

namespace klarvon::test {
namespace {

// Runs act on the list dialog once it shows modally, as the user would; a dialog that
// act left open is closed after a while, so that a fault fails the test, not hangs it.
int AnswerListDialog(const TListDialogRequest& request,
                     const std::function<void(TListDialog&)>& act) {
    const std::unique_ptr<TPlatformDialogs> native = MakeNativePlatformDialogs();
    std::function<void()> whenShown;
    whenShown = [&] {
        auto* dialog = dynamic_cast<TListDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            QTimer::singleShot(10, whenShown);
            return;
        }
        act(*dialog);
        QTimer::singleShot(2000, dialog, [dialog] { dialog->reject(); });
    };
    QTimer::singleShot(0, whenShown);
    return native->ShowListDialog(request);
}

QListWidget* LinesOf(TListDialog& dialog) {
    return dialog.findChild<QListWidget*>(QStringLiteral("ListLines"));
}

QPushButton* ButtonOf(TListDialog& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}

QPoint LineCentre(TListDialog& dialog, int line) {
    QListWidget* lines = LinesOf(dialog);
    return lines->visualItemRect(lines->item(line)).center();
}

void ClickLine(TListDialog& dialog, int line) {
    QTest::mouseClick(LinesOf(dialog)->viewport(), Qt::LeftButton, {}, LineCentre(dialog, line));
}

void PressKey(TListDialog& dialog, Qt::Key key) {
    QWidget* focus = dialog.focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &dialog, key);
}

} // namespace

class QtControlTests : public QObject {
    Q_OBJECT

private slots:
    // The Qt box itself: Esc does nothing without an Esc button, the close box always
    // closes, and an Esc button answers Esc.
    void qtMessageBoxKeys() {
        TMessageBoxDialog unknown(
            MessageDlgRequest("Unknown gta_sa.exe", TMsgDlgType::Error, {.Yes = true}));
        QCOMPARE(unknown.windowTitle(), QStringLiteral("Error"));
        QCOMPARE(unknown.icon(), QMessageBox::Critical);
        unknown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&unknown));
        QTest::keyClick(&unknown, Qt::Key_Escape);
        QVERIFY(unknown.isVisible());
        unknown.close();
        QVERIFY(!unknown.isVisible());
        QCOMPARE(unknown.Answer(), MessageBoxClosed);

        TMessageBoxDialog saved(
            MessageDlgRequest("Saved successful.", TMsgDlgType::Information, {.OK = true}));
        QCOMPARE(saved.icon(), QMessageBox::Information);
        QCOMPARE(saved.defaultButton()->text(), QStringLiteral("OK"));
        saved.show();
        QVERIFY(QTest::qWaitForWindowExposed(&saved));
        QTest::keyClick(&saved, Qt::Key_Escape);
        QVERIFY(!saved.isVisible());
        QCOMPARE(saved.Answer(), 0);
    }

    // "Write anyway?": Enter, where the focus is when the box shows, must answer No.
    void qtMessageBoxDefaultButton() {
        TMessageBoxDialog box(MessageDlgRequest("PlayerBank: 710: likely crash",
                                                TMsgDlgType::Warning, {.Yes = true, .No = true},
                                                TMsgDlgBtn::No));
        QVERIFY(box.defaultButton() != nullptr);
        QCOMPARE(box.defaultButton()->text(), QStringLiteral("&No"));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QWidget* focus = box.focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &box, Qt::Key_Return);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.Answer(), 1);
    }

    void qtListDialogLooksAsAsked() {
        const TListDialogRequest request =
            ListDlgRequest("Check", "2 problems, 3 notes in 231 vehicles",
                           {"400 Landstalker: PlayerBank: 710: likely crash", "Привет: note"},
                           "Select", "Закрыть");
        TListDialog dialog(request, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Check"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("ListHeader"))->text(),
                 QStringLiteral("2 problems, 3 notes in 231 vehicles"));
        QListWidget* lines = LinesOf(dialog);
        QCOMPARE(lines->count(), 2);
        QCOMPARE(lines->item(1)->text(), QStringLiteral("Привет: note"));
        QCOMPARE(ButtonOf(dialog, "ListSelect")->text(), QStringLiteral("Select"));
        QCOMPARE(ButtonOf(dialog, "ListClose")->text(), QStringLiteral("Закрыть"));
        // Lines of about a hundred characters fit.
        QVERIFY(dialog.width() >= 600);
        QVERIFY(dialog.height() >= 300);
    }

    void qtListDialogAnswers_data() {
        QTest::addColumn<std::function<void(TListDialog&)>>("act");
        QTest::addColumn<int>("answer");
        // As a mouse delivers a double click: a press and release, then the second press.
        QTest::newRow("double click") << std::function<void(TListDialog&)>([](TListDialog& d) {
            ClickLine(d, 1);
            QTest::mouseDClick(LinesOf(d)->viewport(), Qt::LeftButton, {}, LineCentre(d, 1));
        }) << 1;
        QTest::newRow("select button") << std::function<void(TListDialog&)>([](TListDialog& d) {
            ClickLine(d, 2);
            QTest::mouseClick(ButtonOf(d, "ListSelect"), Qt::LeftButton);
        }) << 2;
        QTest::newRow("Enter on a line") << std::function<void(TListDialog&)>([](TListDialog& d) {
            QCOMPARE(d.focusWidget(), LinesOf(d));
            ClickLine(d, 0);
            PressKey(d, Qt::Key_Return);
        }) << 0;
        QTest::newRow("Enter without a line, then Esc")
            << std::function<void(TListDialog&)>([](TListDialog& d) {
                   QVERIFY(!ButtonOf(d, "ListSelect")->isEnabled());
                   PressKey(d, Qt::Key_Return);
                   QVERIFY(d.isVisible());
                   PressKey(d, Qt::Key_Escape);
               })
            << int{ListDialogClosed};
        QTest::newRow("close button with a line selected")
            << std::function<void(TListDialog&)>([](TListDialog& d) {
                   ClickLine(d, 1);
                   QTest::mouseClick(ButtonOf(d, "ListClose"), Qt::LeftButton);
               })
            << int{ListDialogClosed};
        QTest::newRow("close box") << std::function<void(TListDialog&)>([](TListDialog& d) {
            ClickLine(d, 1);
            d.windowHandle()->close();
        }) << int{ListDialogClosed};
    }

    void qtListDialogAnswers() {
        QFETCH(std::function<void(TListDialog&)>, act);
        QFETCH(int, answer);
        const TListDialogRequest request =
            ListDlgRequest("Check", "1 problem, 2 notes in 3 vehicles",
                           {"first", "second", "third"}, "Select", "Close");
        QCOMPARE(AnswerListDialog(request, act), answer);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void qtOpenDialog() {
        TOpenDialogRequest request;
        request.Title = "Select your gta_sa.exe";
        request.Filters = {{"gta_sa.exe", "*gta_sa.exe"}};
        const std::unique_ptr<QFileDialog> dialog = MakeFileDialog(request);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Select your gta_sa.exe"));
        QCOMPARE(dialog->nameFilters(),
                 QStringList{"gta_sa.exe (*[gG][tT][aA]_[sS][aA].[eE][xX][eE])"});
        QVERIFY(dialog->testOption(QFileDialog::HideNameFilterDetails));
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(AnyCasePattern(QStringLiteral("*.ini")), QStringLiteral("*.[iI][nN][iI]"));
    }

    // A picture cut short in the program's resources (a missing one: the contract).
    void pictureCutShort() {
        TForm form("Probe");
        auto& image = form.Add<TImage>(form, "Picture");
        QVERIFY_THROWS_EXCEPTION(EJpegError, image.LoadFromResource(":/tests/truncated.jpg"));
        QVERIFY(!image.HasPicture());
    }

    void decimalSeparator_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<char>("separator");
        QTest::newRow("English") << QLocale(QLocale::English) << '.';
        QTest::newRow("German") << QLocale(QLocale::German) << ',';
        QTest::newRow("Arabic digits fall back") << QLocale(QLocale::Arabic, QLocale::Egypt) << '.';
    }

    void decimalSeparator() {
        QFETCH(QLocale, locale);
        QFETCH(char, separator);
        const QLocale previous;
        QLocale::setDefault(locale);
        const char actual = DecimalSeparator();
        QLocale::setDefault(previous);
        QCOMPARE(actual, separator);
    }
};

namespace {
const TRegisterUiTest<QtControlTests> registered;
} // namespace

} // namespace klarvon::test

#include "QtControlTests.moc"

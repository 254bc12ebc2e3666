// The Qt side's own parts of the control layer, beyond the contract both sides keep
// (tests/controls): Qt's message box and file dialog as the layer sets them up, the
// locale's decimal separator, and a picture cut short.
#include "tests/ui/UiTests.h"
#include "ui/controls/Dialogs.h"
#include "ui/controls/ExtCtrls.h"
#include "ui/controls/Forms.h"
#include "ui/controls/JpegDecoder.h"
#include "ui/controls/qt/NativeDialogs.h"

#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace klarvon::test {

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

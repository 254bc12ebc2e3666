// The control layer's promises that the windows build on: which changes fire events and
// which do not, the radio groups, the menu's check marks, the error box at the event
// boundary, message dialogs with and without Esc, pictures that cannot be loaded.
#include "tests/ui/AnsweringDialogs.h"
#include "tests/ui/UiTests.h"
#include "ui/controls/Dialogs.h"
#include "ui/controls/ExtCtrls.h"
#include "ui/controls/Forms.h"
#include "ui/controls/JpegDecoder.h"
#include "ui/controls/Menus.h"
#include "ui/controls/StdCtrls.h"
#include "ui/controls/qt/ControlImpl.h"
#include "ui/controls/qt/NativeDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <stdexcept>

Q_DECLARE_METATYPE(klarvon::TMsgDlgType)

namespace klarvon::test {

class ControlLayerTests : public QObject {
    Q_OBJECT

private:
    TAnsweringDialogs answers_;
    std::unique_ptr<TPlatformDialogsOverride> seam_;
    std::unique_ptr<TForm> form_;

    QWidget* Widget(const TControl& control) const { return control.Impl().Widget; }

private slots:
    void init() {
        answers_ = TAnsweringDialogs();
        seam_ = std::make_unique<TPlatformDialogsOverride>(answers_);
        form_ = std::make_unique<TForm>("Probe");
        form_->SetClientSize(300, 200);
        form_->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form_->Impl().Widget));
    }

    void cleanup() {
        form_.reset();
        seam_.reset();
    }

    // The program's own changes to the list are not the user's choice; the user's are.
    void listTellsOnlyTheUsersChoice() {
        auto& list = form_->Add<TListBox>(*form_, "List");
        list.SetBounds(0, 0, 200, 150);
        int clicks = 0;
        list.OnClick = [&] { ++clicks; };
        for (const char* line : {"400", "401", "402"})
            list.AddItem(line);
        list.SetItemIndex(1);
        list.Clear();
        QCOMPARE(clicks, 0);
        QCOMPARE(list.ItemIndex(), -1);

        for (const char* line : {"400", "401", "402"})
            list.AddItem(line);
        auto* view = static_cast<QListWidget*>(Widget(list));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualItemRect(view->item(2)).center());
        QCOMPARE(clicks, 1);
        QCOMPARE(list.ItemIndex(), 2);
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(clicks, 2);
        QCOMPARE(list.ItemIndex(), 1);
    }

    void editTellsEveryChange() {
        auto& edit = form_->Add<TEdit>(*form_, "Edit");
        edit.SetBounds(0, 0, 100, 21);
        QStringList seen;
        edit.OnChange = [&] { seen << QString::fromStdString(edit.Text()); };
        edit.SetText("12");
        QTest::keyClicks(Widget(edit), "3");
        QCOMPARE(seen, (QStringList{"12", "123"}));
        edit.SetSelStart(1);
        QCOMPARE(edit.SelStart(), 1);
    }

    // A handler that rewrites its own text runs again for the rewrite, as a filter that
    // takes one character at a time needs.
    void editHandlerMayRewriteItsText() {
        auto& edit = form_->Add<TEdit>(*form_, "Edit");
        edit.OnChange = [&] {
            const std::string text = edit.Text();
            if (!text.empty() && (text.back() < '0' || text.back() > '9'))
                edit.SetText(text.substr(0, text.size() - 1));
        };
        edit.SetText("12ab");
        QCOMPARE(edit.Text(), std::string("12"));
    }

    void radioGroupCanBeLeftWithoutChoice() {
        auto& a = form_->Add<TRadioButton>(*form_, "A");
        auto& b = form_->Add<TRadioButton>(*form_, "B");
        QVERIFY(!a.Checked() && !b.Checked());
        a.SetChecked(true);
        b.SetChecked(true);
        QVERIFY(!a.Checked() && b.Checked());
        b.SetChecked(false);
        QVERIFY(!a.Checked() && !b.Checked());
        a.SetChecked(true);
        QVERIFY(a.Checked() && !b.Checked());
    }

    void checkBoxTellsClicksAndProgramChanges() {
        auto& box = form_->Add<TCheckBox>(*form_, "Box");
        box.SetBounds(0, 0, 100, 17);
        int clicks = 0;
        box.OnClick = [&] { ++clicks; };
        box.SetChecked(true);
        box.SetChecked(true);
        QTest::mouseClick(Widget(box), Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(clicks, 2);
        QVERIFY(!box.Checked());
    }

    void sliderTellsOnlyRealMoves() {
        auto& slider = form_->Add<TTrackBar>(*form_, "Slider");
        int changes = 0;
        slider.OnChange = [&] { ++changes; };
        slider.SetPosition(4);
        slider.SetPosition(4);
        slider.SetPosition(99);
        QCOMPARE(slider.Position(), 10);
        QCOMPARE(changes, 2);
    }

    // The check mark is the handler's to set; choosing the item does not flip it.
    void menuItemLeavesItsMarkToTheHandler() {
        auto& menu = form_->Add<TMainMenu>(*form_, "Menu");
        auto& settings = form_->Add<TMenuItem>(menu, "Settings1");
        auto& item = form_->Add<TMenuItem>(settings, "Show1");
        item.SetCheckable(true);
        item.Click();
        QVERIFY(!item.Checked());
        bool seenBefore = true;
        item.OnClick = [&] {
            seenBefore = item.Checked();
            item.SetChecked(!item.Checked());
        };
        item.Click();
        QVERIFY(!seenBefore);
        QVERIFY(item.Checked());
        item.Click();
        QVERIFY(!item.Checked());
    }

    void labelGrowsWithItsCaption() {
        auto& label = form_->Add<TLabel>(*form_, "Size");
        label.SetCaption("_");
        label.SetBounds(8, 32, 6, 13);
        label.SetCaption("14383616");
        const auto* widget = static_cast<QLabel*>(Widget(label));
        QVERIFY(widget->width() >=
                widget->fontMetrics().horizontalAdvance(QStringLiteral("14383616")));
        QCOMPARE(label.Left(), 8);
    }

    // A failing handler ends in the one error box and the program goes on.
    void failingHandlerEndsInTheErrorBox_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("shown");
        QTest::newRow("range") << 0 << "Range check error.";
        QTest::newRow("own full stop") << 1 << "Saved.";
        QTest::newRow("not a std::exception") << 2 << "Unknown error.";
    }

    void failingHandlerEndsInTheErrorBox() {
        QFETCH(int, kind);
        QFETCH(QString, shown);
        auto& button = form_->Add<TButton>(*form_, "Button");
        button.SetBounds(0, 0, 80, 25);
        button.OnClick = [kind] {
            if (kind == 0)
                throw std::range_error("Range check error");
            if (kind == 1)
                throw std::runtime_error("Saved.");
            throw 42;
        };
        QTest::mouseClick(Widget(button), Qt::LeftButton);
        QCOMPARE(answers_.Boxes.size(), std::size_t{1});
        const TMessageBoxRequest& box = answers_.Boxes.front();
        QCOMPARE(box.Title, Application().Title());
        QCOMPARE(QString::fromStdString(box.Text), shown);
        QCOMPARE(box.Icon, TMessageIcon::Error);
        QCOMPARE(box.Buttons, std::vector<std::string>{"OK"});
    }

    void handlerMayReplaceItself() {
        auto& button = form_->Add<TButton>(*form_, "Button");
        int runs = 0;
        button.OnClick = [&] {
            ++runs;
            button.OnClick = [&] { runs += 10; };
        };
        button.Click();
        button.Click();
        QCOMPARE(runs, 11);
    }

    void messageDialogs_data() {
        QTest::addColumn<TMsgDlgType>("type");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("no");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<int>("escape");
        QTest::newRow("unknown exe")
            << TMsgDlgType::Error << true << false << false << "Error" << QStringList{"&Yes"} << -1;
        QTest::newRow("saved") << TMsgDlgType::Information << false << false << true
                               << "Information" << QStringList{"OK"} << 0;
        QTest::newRow("yes or no") << TMsgDlgType::Confirmation << true << true << false
                                   << "Confirmation" << QStringList{"&Yes", "&No"} << 1;
    }

    void messageDialogs() {
        QFETCH(TMsgDlgType, type);
        QFETCH(bool, yes);
        QFETCH(bool, no);
        QFETCH(bool, ok);
        QFETCH(QString, title);
        QFETCH(QStringList, buttons);
        QFETCH(int, escape);
        const TMsgDlgButtons offered{.Yes = yes, .No = no, .OK = ok};
        const TMessageBoxRequest request = MessageDlgRequest("Text", type, offered);
        QCOMPARE(QString::fromStdString(request.Title), title);
        QStringList captions;
        for (const std::string& caption : request.Buttons)
            captions << QString::fromStdString(caption);
        QCOMPARE(captions, buttons);
        QCOMPARE(request.DefaultButton, 0);
        QCOMPARE(request.EscapeButton, escape);

        answers_.BoxAnswer = MessageBoxClosed;
        QCOMPARE(MessageDlg("Text", type, offered), TModalResult::Cancel);
        answers_.BoxAnswer = 0;
        QCOMPARE(MessageDlg("Text", type, offered), yes ? TModalResult::Yes : TModalResult::OK);
    }

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

    void pictureThatCannotBeLoaded() {
        auto& image = form_->Add<TImage>(*form_, "Picture");
        QVERIFY_THROWS_EXCEPTION(EJpegError, image.LoadFromResource(":/tests/truncated.jpg"));
        QVERIFY(!image.HasPicture());
        try {
            image.LoadFromResource(":/tests/no-such-picture.jpg");
            QFAIL("a missing picture loaded");
        } catch (const std::runtime_error& error) {
            QVERIFY(QString::fromUtf8(error.what()).contains("no-such-picture.jpg"));
        }
        QVERIFY(!image.HasPicture());
    }

    void closingTellsTheForm() {
        int closes = 0;
        form_->OnClose = [&] { ++closes; };
        form_->Close();
        QCOMPARE(closes, 1);
        QVERIFY(!form_->Impl().Widget->isVisible());
    }

    void timerRunsWhileEnabled() {
        auto& timer = form_->Add<TTimer>(*form_, "Timer");
        int ticks = 0;
        timer.OnTimer = [&] {
            ++ticks;
            timer.SetEnabled(false);
        };
        timer.SetInterval(10);
        QVERIFY(!timer.Enabled());
        timer.SetEnabled(true);
        QTRY_COMPARE(ticks, 1);
        QVERIFY(!timer.Enabled());
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
const TRegisterUiTest<ControlLayerTests> registered;
} // namespace

} // namespace klarvon::test

#include "ControlLayerTests.moc"

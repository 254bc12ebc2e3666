// The About window on the real control layer, offscreen: its design, and how opening and
// closing it lock and free the main window. Beeps, message boxes and the shell are
// answered by the test.

#include "ui/About/TForm2.h"
#include "ui/controls/Platform.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon {
namespace {

class TAnsweringDialogs : public TPlatformDialogs {
public:
    bool ExecuteOpenDialog(const TOpenDialogRequest&, std::string&) override { return false; }
    int ShowMessageBox(const TMessageBoxRequest& request) override {
        Messages.push_back(request.Text);
        return 0;
    }
    void Beep() override { ++Beeps; }
    void ShellOpen(const std::string& target) override { Opened.push_back(target); }

    int Beeps = 0;
    std::vector<std::string> Opened;
    std::vector<std::string> Messages;
};

QWidget* WindowOf(const TForm& form) {
    // Every window is named as its form; the About window is Form2.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QString::fromStdString(form.Name())) {
            return widget;
        }
    }
    return nullptr;
}

enum class TCloseBy { CloseButton, CloseBox };

} // namespace

class TAboutTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dialogs_ = std::make_unique<TAnsweringDialogs>();
        seam_ = std::make_unique<TPlatformDialogsOverride>(*dialogs_);
        main_ = std::make_unique<TForm>("Form1");
        main_->SetClientSize(400, 300);
        main_->Show();
        about_ = std::make_unique<TForm2>(*main_);
    }

    void cleanup() {
        about_.reset();
        main_.reset();
        seam_.reset();
        dialogs_.reset();
    }

    void controlsFollowTheDesign() {
        struct TExpected {
            const char* Name;
            int Left, Top, Width, Height;
            std::string Caption;
            const char* Face; // nullptr: the window font
            TColor Color;
            bool Underline;
        };
        const char* bookman = "URW Bookman";
        const char* gothic = "URW Gothic";
        const std::vector<TExpected> expected = {
            {"Image2", -18, 0, 235, 241, "", nullptr, clWindowText, false},
            {"Label1", 16, 0, 133, 18, "Klarvon", bookman, clFuchsia, true},
            {"Label2", 24, 32, 61, 18, "Coded by:", bookman, clFuchsia, true},
            {"Label3", 40, 54, 70, 18, std::string(AboutAuthorFirstName), bookman, clFuchsia,
             false},
            {"Label4", 56, 70, 60, 18, std::string(AboutAuthorSurname), bookman, clFuchsia, false},
            {"Label5", 24, 96, 71, 18, "Thanks to:", bookman, clFuchsia, true},
            {"Label6", 40, 118, 64, 18, std::string(AboutContributor), bookman, clFuchsia, false},
            {"Label7", 16, 150, 120, 17, std::string(AboutCreditLine), gothic, clWhite, false},
            {"Button1", 40, 168, 81, 25, "Close", nullptr, clWindowText, false},
        };
        const auto& components = about_->Components();
        QCOMPARE(components.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const TExpected& e = expected[i];
            const auto* control = dynamic_cast<const TControl*>(components[i].get());
            QVERIFY2(control != nullptr, e.Name);
            QCOMPARE(control->Name(), std::string(e.Name));
            QCOMPARE(control->Left(), e.Left);
            QCOMPARE(control->Top(), e.Top);
            // Labels may only grow, where the stand-in face is wider than the design's.
            if (std::string_view(e.Name).starts_with("Label")) {
                QVERIFY2(control->Width() >= e.Width, e.Name);
            } else {
                QCOMPARE(control->Width(), e.Width);
            }
            QCOMPARE(control->Height(), e.Height);
            if (!e.Caption.empty()) {
                QCOMPARE(control->Caption(), e.Caption);
            }
            const TFont& font = control->Font();
            QCOMPARE(font.Name, std::string(e.Face != nullptr ? e.Face : ""));
            QVERIFY2(font.Color == e.Color, e.Name);
            QCOMPARE(font.Underline, e.Underline);
            if (e.Face != nullptr) {
                QCOMPARE(font.PixelHeight, 13);
                // The stand-in face must be installed, or the window silently falls back.
                const auto* widget = WindowOf(*about_)->findChild<QWidget*>(e.Name);
                QVERIFY2(widget != nullptr, e.Name);
                const QString family = QFontInfo(widget->font()).family();
                QVERIFY2(family.startsWith(QString(e.Face)), qPrintable(family));
                // No caption is clipped.
                const int textWidth = QFontMetrics(widget->font())
                                          .horizontalAdvance(QString::fromStdString(e.Caption));
                QVERIFY2(textWidth <= control->Width(), e.Name);
            }
        }
        QVERIFY(about_->Image2->Stretch());
        QVERIFY(about_->Image2->HasPicture());
        QVERIFY(dialogs_->Messages.empty());
    }

    void windowStartsHiddenWithItsFrame() {
        QCOMPARE(about_->Caption(), std::string("A B O U T"));
        QCOMPARE(about_->ClientWidth(), 165);
        QCOMPARE(about_->ClientHeight(), 194);
        QVERIFY(!about_->Visible());
        QCOMPARE(dialogs_->Beeps, 0);

        const Qt::WindowFlags flags = WindowOf(*about_)->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    void openingBeepsShowsCentredAndLocksTheMainWindow() {
        about_->Open();
        QCOMPARE(dialogs_->Beeps, 1);
        QVERIFY(about_->Visible());
        QVERIFY(!main_->Enabled());

        QWidget* window = WindowOf(*about_);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QPoint offset =
            window->frameGeometry().center() - WindowOf(*main_)->frameGeometry().center();
        // Within a frame's width: the frame is only known once the window shows.
        QVERIFY2(qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 3, "not centred on the main window");
        // The locked main window must not take the About window's input with it.
        QVERIFY(window->isEnabled());
        QVERIFY(window->findChild<QPushButton*>("Button1")->isEnabled());
        QVERIFY(!WindowOf(*main_)->isEnabled());
    }

    void closingFreesTheMainWindowWithOneBeep_data() {
        QTest::addColumn<int>("closeBy");
        QTest::newRow("Close button") << static_cast<int>(TCloseBy::CloseButton);
        QTest::newRow("close box") << static_cast<int>(TCloseBy::CloseBox);
    }

    void closingFreesTheMainWindowWithOneBeep() {
        QFETCH(int, closeBy);
        // Twice: the window is kept and opens again as the same window.
        for (int round = 1; round <= 2; ++round) {
            about_->Open();
            QWidget* window = WindowOf(*about_);
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const int beepsBefore = dialogs_->Beeps;

            if (static_cast<TCloseBy>(closeBy) == TCloseBy::CloseButton) {
                QTest::mouseClick(window->findChild<QPushButton*>("Button1"), Qt::LeftButton);
            } else {
                window->close(); // what the close box asks for
            }

            QCOMPARE(dialogs_->Beeps, beepsBefore + 1);
            QVERIFY(!about_->Visible());
            QVERIFY(main_->Enabled());
            QVERIFY(WindowOf(*main_)->isEnabled());
            QVERIFY(WindowOf(*main_)->isVisible());
        }
        QVERIFY(dialogs_->Opened.empty());
    }

    void authorNameOpensThePageAndKeepsTheWindow() {
        about_->Open();
        QWidget* window = WindowOf(*about_);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const int beepsAfterOpening = dialogs_->Beeps;

        QTest::mouseClick(window->findChild<QLabel*>("Label3"), Qt::LeftButton);
        QCOMPARE(dialogs_->Opened, std::vector<std::string>{std::string(AboutAuthorPage)});
        QVERIFY(about_->Visible());
        QVERIFY(!main_->Enabled());
        QCOMPARE(dialogs_->Beeps, beepsAfterOpening);

        // The other names are not links.
        QTest::mouseClick(window->findChild<QLabel*>("Label4"), Qt::LeftButton);
        QTest::mouseClick(window->findChild<QLabel*>("Label1"), Qt::LeftButton);
        QCOMPARE(dialogs_->Opened.size(), std::size_t{1});
    }

private:
    std::unique_ptr<TAnsweringDialogs> dialogs_;
    std::unique_ptr<TPlatformDialogsOverride> seam_;
    std::unique_ptr<TForm> main_;
    std::unique_ptr<TForm2> about_;
};

} // namespace klarvon

int main(int argc, char** argv) {
    klarvon::TApplication application(argc, argv);
    klarvon::TAboutTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "AboutTests.moc"

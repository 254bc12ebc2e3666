// The main window as it stands at start-up, checked widget by widget against the design
// written out a second time in tests/support, so that a slip in either copy shows.
#include "tests/support/AnsweringDialogs.h"
#include "tests/support/MainWindowDesign.h"
#include "tests/ui/UiTests.h"
#include "ui/controls/qt/ControlImpl.h"
#include "ui/main/TForm1.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace klarvon::test {
namespace {

QString CaptionOf(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        return group->title();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    return {};
}

// The width a caption needs in its control: the text, plus for a radio button or check
// box the indicator and its gap, for a push button its margins and frame, for a group
// box the title's indent and padding on both sides.
int NeededWidth(const QWidget* widget, const QString& caption) {
    const int text = widget->fontMetrics().horizontalAdvance(caption);
    const QStyle* style = widget->style();
    if (qobject_cast<const QRadioButton*>(widget) != nullptr) {
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, widget) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, widget) + text;
    }
    if (qobject_cast<const QCheckBox*>(widget) != nullptr) {
        return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget) + text;
    }
    if (qobject_cast<const QAbstractButton*>(widget) != nullptr) {
        return 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget) +
                    style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget)) +
               text;
    }
    if (qobject_cast<const QGroupBox*>(widget) != nullptr) {
        return 2 * 8 + text;
    }
    return text;
}

} // namespace

class MainWindowTests : public QObject {
    Q_OBJECT

private:
    TAnsweringDialogs answers_;
    std::unique_ptr<TPlatformDialogsOverride> seam_;
    std::unique_ptr<TForm1> form_;
    QMainWindow* window_ = nullptr;

    QWidget* Control(const char* name) const { return window_->findChild<QWidget*>(name); }

    QWidget* Container(const char* name) const {
        return QByteArray(name) == "Form1" ? window_->centralWidget() : Control(name);
    }

private slots:
    void initTestCase() {
        seam_ = std::make_unique<TPlatformDialogsOverride>(answers_);
        form_ = std::make_unique<TForm1>();
        window_ = qobject_cast<QMainWindow*>(form_->Impl().Widget);
        QVERIFY(window_ != nullptr);
        form_->Show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }

    void cleanupTestCase() {
        form_.reset();
        seam_.reset();
    }

    void startsWithoutComplaint() { QVERIFY(answers_.Boxes.empty()); }

    void controls_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(std::size(Design)); ++row) {
            QTest::newRow(Design[row].Name) << row;
        }
    }

    void controls() {
        QFETCH(int, row);
        const TExpectedControl& expected = Design[row];
        QWidget* widget = Control(expected.Name);
        QVERIFY2(widget != nullptr, expected.Name);
        QCOMPARE(widget->parentWidget(), Container(expected.Parent));
        QCOMPARE(widget->geometry(),
                 QRect(expected.Left, expected.Top, expected.Width, expected.Height));
        QCOMPARE(CaptionOf(widget), QString::fromUtf8(expected.Caption));
        QCOMPARE(!widget->testAttribute(Qt::WA_ForceDisabled), expected.Enabled);
        QVERIFY(!widget->isHidden());
    }

    // Creation order is drawing order: within each parent the children stand in the
    // order of the design, the picture first and so behind everything.
    void creationOrder() {
        QStringList all;
        for (const TExpectedControl& expected : Design) {
            all << QString::fromLatin1(expected.Name);
        }
        for (const TExpectedControl& container : Design) {
            QStringList expectedChildren;
            for (const TExpectedControl& child : Design) {
                if (QByteArray(child.Parent) == container.Name) {
                    expectedChildren << QString::fromLatin1(child.Name);
                }
            }
            QStringList actualChildren;
            for (const QObject* child : Container(container.Name)->children()) {
                if (all.contains(child->objectName())) {
                    actualChildren << child->objectName();
                }
            }
            QCOMPARE(actualChildren, expectedChildren);
        }
        QStringList top;
        for (const QObject* child : window_->centralWidget()->children()) {
            top << child->objectName();
        }
        QCOMPARE(top, (QStringList{"Image1", "ListBox1", "Panel1", "Panel3", "Panel4"}));
    }

    void captionsFit_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(std::size(Design)); ++row) {
            if (*Design[row].Caption != '\0') {
                QTest::newRow(Design[row].Name) << row;
            }
        }
    }

    void captionsFit() {
        QFETCH(int, row);
        const TExpectedControl& expected = Design[row];
        const QWidget* widget = Control(expected.Name);
        const QString caption = CaptionOf(widget);
        QCOMPARE(QFontInfo(widget->font()).family(), QString::fromLatin1(DesignFontFamily));
        QCOMPARE(widget->font().pixelSize(), DesignFontPixels);
        QVERIFY2(NeededWidth(widget, caption) <= widget->width(),
                 qPrintable(QStringLiteral("needs %1 of %2")
                                .arg(NeededWidth(widget, caption))
                                .arg(widget->width())));
        QVERIFY(widget->fontMetrics().height() <= widget->height());
    }

    void startState() {
        for (int n = 1; n <= 31; ++n) {
            QVERIFY(!form_->RadioButton(n).Checked());
        }
        for (int n = 1; n <= 3; ++n) {
            QVERIFY(!form_->CheckBox(n).Checked());
        }
        QCOMPARE(form_->ListBox1->Count(), 0);
        for (const QLineEdit* edit : window_->findChildren<QLineEdit*>()) {
            QVERIFY(edit->maxLength() > 32767);
        }

        const auto* slider = qobject_cast<QSlider*>(Control("TrackBar1"));
        QCOMPARE(slider->orientation(), Qt::Horizontal);
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), 10);
        QCOMPARE(slider->value(), 0);
        QCOMPARE(slider->singleStep(), 1);
        QCOMPARE(slider->pageStep(), 2);
        QCOMPARE(slider->tickInterval(), 1);
        QCOMPARE(slider->tickPosition(), QSlider::TicksBelow);
    }

    // Four groups: checking one button of each leaves one checked in each.
    void radioGroupsAreIndependent() {
        for (const int n : {3, 12, 20, 30}) {
            form_->RadioButton(n).SetChecked(true);
        }
        form_->RadioButton(5).SetChecked(true);
        int checked = 0;
        for (int n = 1; n <= 31; ++n) {
            checked += form_->RadioButton(n).Checked() ? 1 : 0;
        }
        QCOMPARE(checked, 4);
        QVERIFY(form_->RadioButton(5).Checked() && !form_->RadioButton(3).Checked());
        for (const int n : {5, 12, 20, 30}) {
            form_->RadioButton(n).SetChecked(false);
        }
    }

    void colours() {
        const QPalette palette = QApplication::palette();
        const QColor info = palette.color(QPalette::ToolTipBase);
        for (const char* name : {"Panel1", "Panel2", "Panel3", "Panel4"}) {
            const QWidget* panel = Control(name);
            QVERIFY2(panel->autoFillBackground(), name);
            QCOMPARE(panel->palette().color(QPalette::Window), info);
        }
        QCOMPARE(Control("ListBox1")->palette().color(QPalette::Base), info);
        QCOMPARE(window_->palette().color(QPalette::Window), palette.color(QPalette::Window));

        for (const char* name : {"Panel1", "Panel3", "Panel4"}) {
            const auto* panel = qobject_cast<QFrame*>(Control(name));
            QCOMPARE(panel->frameShadow(), QFrame::Sunken);
            QVERIFY(panel->frameWidth() > 0);
        }
        QCOMPARE(qobject_cast<QFrame*>(Control("Panel2"))->frameWidth(), 0);
    }

    // Only the column at x = 424 of the unknown-variables group lies inside Panel1.
    void panel1HidesTheUnknownFields() {
        QVERIFY(Control("GroupBox7")->visibleRegion().boundingRect().width() <= 1);
        QVERIFY(Control("Edit4")->visibleRegion().isEmpty());
    }

    void background() {
        QVERIFY(form_->Image1->HasPicture());
        QCOMPARE(form_->Image1->PictureWidth(), 896);
        QCOMPARE(form_->Image1->PictureHeight(), 717);
        QVERIFY(!form_->Image1->Stretch());
    }

    void window() {
        QCOMPARE(window_->objectName(), QStringLiteral("Form1"));
        QCOMPARE(window_->windowTitle(),
                 QStringLiteral("Klarvon for GTA San Andreas") + QString(39, QLatin1Char(' ')) +
                     QString::fromUtf8(CaptionCredit.data(), CaptionCredit.size()));
        QCOMPARE(window_->centralWidget()->size(), QSize(631, 417));
        QCOMPARE(form_->ClientWidth(), 631);
        QCOMPARE(form_->OuterWidth(), 639);
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QCOMPARE(window_->height(), 417 + window_->menuBar()->height());
        QCOMPARE(window_->windowOpacity(), 245 / 255.0);

        const Qt::WindowFlags flags = window_->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));

        const QPoint offCentre =
            window_->frameGeometry().center() - window_->screen()->availableGeometry().center();
        // Centred before the frame is known: off by at most the frame's own thickness.
        QVERIFY(offCentre.manhattanLength() <= 4);
    }

    // The caption once a file is open: its name, then for a file shown read-only the word on
    // why in the window's language; the run of spaces gives them its room, letter by letter,
    // and the credit stays at the end.
    void captionNamesTheFileAndWhyItIsReadOnly() {
        struct TCase {
            int Gap;
            std::string_view File;
            std::string_view Mark;
            std::string Expected;
        };
        const TEditorTexts& english = EditorTexts("Eng");
        const TEditorTexts& russian = EditorTexts("Rus");
        const std::string title = "Klarvon for GTA San Andreas";
        const std::string credit(CaptionCredit);
        const auto spaces = [](int count) { return std::string(std::size_t(count), ' '); };
        const TCase cases[] = {
            {NarrowCaptionGap, "", "", title + spaces(39) + credit},
            {NarrowCaptionGap, "gta_sa.exe", "", title + " - gta_sa.exe" + spaces(13) + credit},
            {WideCaptionGap, "gta_sa.exe", english.ReadOnlyMark,
             title + " - gta_sa.exe (read-only)" + spaces(30) + credit},
            {WideCaptionGap, "gta_sa.exe", english.InUseMark,
             title + " - gta_sa.exe (read-only: in use by another program)" + spaces(3) + credit},
            {WideCaptionGap, "gta_sa.exe", russian.ReadOnlyMark,
             title + " - gta_sa.exe (только чтение)" + spaces(22) + credit},
            {NarrowCaptionGap, "gta_sa.exe", russian.InUseMark,
             title + " - gta_sa.exe (только чтение: файл занят другой программой)" + spaces(3) +
                 credit},
        };
        for (const TCase& c : cases) {
            QCOMPARE(MainCaption(c.Gap, c.File, c.Mark), c.Expected);
        }
    }

    void menu_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(std::size(MenuDesign)); ++row) {
            QTest::newRow(MenuDesign[row].Name) << row;
        }
    }

    void menu() {
        QFETCH(int, row);
        const TExpectedMenuItem& expected = MenuDesign[row];
        const auto* action = window_->findChild<QAction*>(expected.Name);
        QVERIFY(action != nullptr);
        QCOMPARE(action->text(), QString::fromLatin1(expected.Caption));
        QCOMPARE(action->isCheckable(), expected.Checkable);
        QVERIFY(!action->isChecked());
        QCOMPARE(action->isEnabled(), !expected.StartsDisabled);
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(!action->text().contains(QLatin1Char('&')));
        const QWidget* holder = QByteArray(expected.Menu).isEmpty()
                                    ? static_cast<QWidget*>(window_->menuBar())
                                    : window_->findChild<QMenu*>(expected.Menu);
        QVERIFY(holder->actions().contains(const_cast<QAction*>(action)));
    }

    void menuOrder() {
        QStringList top;
        for (const QAction* action : window_->menuBar()->actions()) {
            top << action->objectName();
        }
        QCOMPARE(top, (QStringList{"Programme1", "Settings1", "Sounds1", "About1"}));
        QStringList sounds;
        for (const QAction* action : window_->findChild<QMenu*>("Sounds1")->actions()) {
            sounds << action->objectName();
        }
        QCOMPARE(sounds, (QStringList{"Testdrive1", "Horn1", "Doors1", "Stop1", "Gamefolder1"}));
        QStringList help;
        for (const QAction* action : window_->findChild<QMenu*>("About1")->actions()) {
            help << action->objectName();
        }
        QCOMPARE(help, (QStringList{"IDofEngineSound1", "Help1", "About2"}));
        QStringList actions;
        for (const QAction* action : window_->findChild<QMenu*>("Programme1")->actions()) {
            actions << action->objectName();
        }
        QCOMPARE(actions, (QStringList{"Openexe1", "Opencfg1", "Saveexe1", "Undoapply1", "Check1",
                                       "Exit1"}));
    }

    void timer() {
        const auto* timer = window_->findChild<QTimer*>("Timer1");
        QVERIFY(timer != nullptr);
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(!timer->isActive());
    }

    void openDialog() {
        answers_.ChosenFile.clear();
        QVERIFY(!form_->OpenDialog1->Execute());
        QCOMPARE(answers_.OpenRequests.size(), std::size_t{1});
        const TOpenDialogRequest& request = answers_.OpenRequests.back();
        QCOMPARE(request.Title, std::string("Select your gta_sa.exe"));
        QCOMPARE(request.Filters.size(), std::size_t{2});
        QCOMPARE(request.Filters[0].Name, std::string("gta_sa.exe"));
        QCOMPARE(request.Filters[0].Pattern, std::string("*gta_sa.exe"));
        // A renamed executable, or a cfg, can be chosen too.
        QCOMPARE(request.Filters[1].Name, std::string("All files"));
        QCOMPARE(request.Filters[1].Pattern, std::string("*"));
        QVERIFY(request.HideReadOnly);
        QCOMPARE(form_->OpenDialog1->FileName(), std::string());

        answers_.ChosenFile = "/games/sa/gta_sa.exe";
        QVERIFY(form_->OpenDialog1->Execute());
        QCOMPARE(form_->OpenDialog1->FileName(), answers_.ChosenFile);
        // A cancelled second run keeps the first choice.
        answers_.ChosenFile.clear();
        QVERIFY(!form_->OpenDialog1->Execute());
        QCOMPARE(form_->OpenDialog1->FileName(), std::string("/games/sa/gta_sa.exe"));
        QCOMPARE(answers_.OpenRequests.back().FileName, std::string("/games/sa/gta_sa.exe"));
    }
};

namespace {
const TRegisterUiTest<MainWindowTests> registered;
} // namespace

} // namespace klarvon::test

#include "MainWindowTests.moc"

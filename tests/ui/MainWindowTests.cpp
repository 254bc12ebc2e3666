// The main window as it stands at start-up, checked widget by widget against the design
// written out here a second time, so that a slip in either copy shows.
#include "tests/ui/AnsweringDialogs.h"
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

struct TExpectedControl {
    const char* Name;
    const char* Parent;
    int Left, Top, Width, Height;
    const char* Caption;
    bool Enabled;
};

constexpr bool On = true;
constexpr bool Off = false;

// Creation order, parent, bounds, design caption and enabled state of every control.
const TExpectedControl Design[] = {
    {"Image1", "Form1", 0, -136, 953, 553, "", On},
    {"ListBox1", "Form1", 8, 24, 185, 305, "", Off},
    {"Panel1", "Form1", 200, 8, 425, 401, "", Off},
    {"GroupBox1", "Panel1", 104, 8, 105, 169, "Type of vehicle ", On},
    {"RadioButton1", "GroupBox1", 8, 16, 65, 17, "  Car", On},
    {"RadioButton2", "GroupBox1", 8, 32, 89, 17, "  MotorBike", On},
    {"RadioButton3", "GroupBox1", 8, 48, 73, 17, "  Bike", On},
    {"RadioButton4", "GroupBox1", 8, 64, 65, 17, "  Boat", On},
    {"RadioButton5", "GroupBox1", 8, 80, 89, 17, "  Helicopter", On},
    {"RadioButton6", "GroupBox1", 8, 96, 73, 17, "  Plane", On},
    {"RadioButton7", "GroupBox1", 8, 112, 73, 17, "  Train", On},
    {"RadioButton8", "GroupBox1", 8, 128, 73, 17, "  Trailer", On},
    {"RadioButton9", "GroupBox1", 8, 144, 89, 17, "  Special", On},
    {"GroupBox2", "Panel1", 216, 8, 97, 169, "Engine sounds", On},
    {"Label2", "GroupBox2", 8, 16, 45, 13, "Power on", On},
    {"Label3", "GroupBox2", 8, 56, 45, 13, "Power off", On},
    {"Label17", "GroupBox2", 8, 104, 55, 13, "Sound ID is", On},
    {"Label18", "GroupBox2", 16, 120, 49, 13, "using here", On},
    {"Edit1", "GroupBox2", 8, 32, 73, 21, "", Off},
    {"Edit2", "GroupBox2", 8, 72, 73, 21, "", Off},
    {"CheckBox1", "GroupBox2", 16, 144, 57, 17, "Editing", On},
    {"GroupBox4", "Panel1", 320, 8, 97, 169, "Door sounds", On},
    {"Label16", "GroupBox4", 8, 16, 57, 13, "Open/Close", On},
    {"RadioButton10", "GroupBox4", 8, 32, 57, 17, "Type 0", On},
    {"RadioButton11", "GroupBox4", 8, 48, 57, 17, "Type 1", On},
    {"RadioButton12", "GroupBox4", 8, 64, 57, 17, "Type 2", On},
    {"RadioButton13", "GroupBox4", 8, 80, 57, 17, "Type 3", On},
    {"RadioButton14", "GroupBox4", 8, 96, 57, 17, "Type 4", On},
    {"RadioButton15", "GroupBox4", 8, 112, 57, 17, "Type 5", On},
    {"GroupBox3", "Panel1", 8, 184, 201, 209, "Horn", On},
    {"Label4", "GroupBox3", 80, 16, 24, 13, "Type", On},
    {"Label5", "GroupBox3", 8, 84, 21, 13, "Bike", On},
    {"Label15", "GroupBox3", 168, 84, 14, 13, "No", On},
    {"Label6", "GroupBox3", 16, 68, 165, 13, "0   1   2   3    4   5   6   7   8    9  10", On},
    {"Label7", "GroupBox3", 80, 104, 25, 13, "Tone", On},
    {"Label8", "GroupBox3", 16, 152, 98, 13, "Tone is float variable", On},
    {"Label9", "GroupBox3", 16, 168, 180, 13, "' E-** ' =  ' x10 raised to the -** power  '", On},
    {"TrackBar1", "GroupBox3", 8, 32, 177, 33, "", On},
    {"Edit3", "GroupBox3", 16, 120, 161, 21, "", Off},
    {"CheckBox2", "GroupBox3", 16, 184, 121, 17, "Editing", On},
    {"GroupBox5", "Panel1", 216, 184, 201, 209, "Radio", On},
    {"Label19", "GroupBox5", 8, 16, 80, 13, "Main radiostation", On},
    {"Label20", "GroupBox5", 8, 136, 24, 13, "Type", On},
    {"RadioButton16", "GroupBox5", 8, 32, 81, 17, "PlayBack FM", On},
    {"RadioButton17", "GroupBox5", 8, 48, 81, 17, "K-Rose", On},
    {"RadioButton18", "GroupBox5", 8, 64, 81, 17, "K-DST", On},
    {"RadioButton19", "GroupBox5", 8, 80, 81, 17, "Bounce FM", On},
    {"RadioButton20", "GroupBox5", 8, 96, 81, 17, "SF-UR", On},
    {"RadioButton21", "GroupBox5", 8, 112, 81, 17, "Los Santos", On},
    {"RadioButton22", "GroupBox5", 96, 32, 81, 17, "Radio - X", On},
    {"RadioButton23", "GroupBox5", 96, 48, 81, 17, "C S R", On},
    {"RadioButton24", "GroupBox5", 96, 64, 81, 17, "K-Jah", On},
    {"RadioButton25", "GroupBox5", 96, 80, 89, 17, "Master Sounds ", On},
    {"RadioButton26", "GroupBox5", 96, 96, 65, 17, "W C T R", On},
    {"RadioButton27", "GroupBox5", 96, 112, 81, 17, "Track Player", On},
    {"RadioButton28", "GroupBox5", 96, 128, 81, 17, "Nothing", On},
    {"Panel2", "GroupBox5", 8, 152, 177, 49, "", On},
    {"RadioButton29", "Panel2", 0, 0, 169, 17, "Civilian vehicles", On},
    {"RadioButton30", "Panel2", 0, 16, 177, 17, "Noncivilian vehicles", On},
    {"RadioButton31", "Panel2", 0, 32, 177, 17, "Special vehicles", On},
    {"GroupBox6", "Panel1", 8, 8, 89, 169, "Exe information", On},
    {"Label21", "GroupBox6", 8, 16, 60, 13, "Size (bytes) :", On},
    {"Label22", "GroupBox6", 8, 32, 6, 13, "_", On},
    {"Label23", "GroupBox6", 8, 96, 65, 13, "Vehicle slots :", On},
    {"Label24", "GroupBox6", 8, 112, 6, 13, "_", On},
    {"Label25", "GroupBox6", 8, 56, 41, 13, "Version :", On},
    {"Label26", "GroupBox6", 8, 72, 6, 13, "_", On},
    {"GroupBox7", "Panel1", 424, 8, 153, 385, "Unknown variables", On},
    {"Label10", "GroupBox7", 8, 16, 94, 13, "Unknown1 (Integer)", On},
    {"Label11", "GroupBox7", 8, 56, 81, 13, "Unknown2 (float)", On},
    {"Label12", "GroupBox7", 8, 96, 81, 13, "Unknown3 (float)", On},
    {"Label13", "GroupBox7", 8, 136, 81, 13, "Unknown4 (byte)", On},
    {"Label14", "GroupBox7", 8, 176, 81, 13, "Unknown5 (byte)", On},
    {"Label27", "GroupBox7", 8, 216, 81, 13, "Unknown6 (byte)", On},
    {"Label28", "GroupBox7", 8, 256, 94, 13, "Unknown7 (Integer)", On},
    {"Label29", "GroupBox7", 8, 296, 81, 13, "Unknown8 (byte)", On},
    {"Edit4", "GroupBox7", 8, 32, 129, 21, "", Off},
    {"Edit5", "GroupBox7", 8, 72, 129, 21, "", Off},
    {"Edit6", "GroupBox7", 8, 112, 129, 21, "", Off},
    {"Edit7", "GroupBox7", 8, 152, 129, 21, "", Off},
    {"Edit8", "GroupBox7", 8, 192, 129, 21, "", Off},
    {"Edit9", "GroupBox7", 8, 232, 129, 21, "", Off},
    {"Edit10", "GroupBox7", 8, 272, 129, 21, "", Off},
    {"Edit11", "GroupBox7", 8, 312, 129, 21, "", Off},
    {"CheckBox3", "GroupBox7", 8, 344, 121, 17, "Editing", On},
    {"Panel3", "Form1", 8, 336, 185, 73, "", On},
    {"Button2", "Panel3", 6, 40, 91, 25, "Apply Changes", Off},
    {"Button1", "Panel3", 6, 8, 91, 25, "Open gta_sa.exe", On},
    {"Button3", "Panel3", 104, 8, 75, 25, "About", On},
    {"Button4", "Panel3", 104, 40, 75, 25, "Exit", On},
    {"Panel4", "Form1", 8, 8, 185, 17, "", On},
    {"Label1", "Panel4", 8, 2, 122, 13, "Vehicle ID , Vehicle name", On},
};

struct TExpectedMenuItem {
    const char* Name;
    const char* Menu; // the top-level item it drops from; empty for a top-level item
    const char* Caption;
    bool Checkable;
};

const TExpectedMenuItem MenuDesign[] = {
    {"Programme1", "", "Actions", false},
    {"Openexe1", "Programme1", "Open exe", false},
    {"Saveexe1", "Programme1", "Save exe", false},
    {"Exit1", "Programme1", "Exit", false},
    {"Settings1", "", "Settings", false},
    {"ShowUnknown1", "Settings1", "Show Unknown", true},
    {"About1", "", "Help", false},
    {"IDofEngineSound1", "About1", "ReadMe", false},
    {"Help1", "About1", "Help", false},
    {"About2", "About1", "About", false},
};

QString CaptionOf(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    return {};
}

// The width a caption needs in its control: the text, plus for a radio button or check
// box the indicator and its gap, for a push button its margins and frame, for a group
// box the title's indent and padding on both sides.
int NeededWidth(const QWidget* widget, const QString& caption) {
    const int text = widget->fontMetrics().horizontalAdvance(caption);
    const QStyle* style = widget->style();
    if (qobject_cast<const QRadioButton*>(widget) != nullptr)
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, widget) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, widget) + text;
    if (qobject_cast<const QCheckBox*>(widget) != nullptr)
        return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget) + text;
    if (qobject_cast<const QAbstractButton*>(widget) != nullptr)
        return 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget) +
                    style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget)) +
               text;
    if (qobject_cast<const QGroupBox*>(widget) != nullptr)
        return 2 * 8 + text;
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
        for (int row = 0; row < static_cast<int>(std::size(Design)); ++row)
            QTest::newRow(Design[row].Name) << row;
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
        for (const TExpectedControl& expected : Design)
            all << QString::fromLatin1(expected.Name);
        for (const TExpectedControl& container : Design) {
            QStringList expectedChildren;
            for (const TExpectedControl& child : Design) {
                if (QByteArray(child.Parent) == container.Name)
                    expectedChildren << QString::fromLatin1(child.Name);
            }
            QStringList actualChildren;
            for (const QObject* child : Container(container.Name)->children()) {
                if (all.contains(child->objectName()))
                    actualChildren << child->objectName();
            }
            QCOMPARE(actualChildren, expectedChildren);
        }
        QStringList top;
        for (const QObject* child : window_->centralWidget()->children())
            top << child->objectName();
        QCOMPARE(top, (QStringList{"Image1", "ListBox1", "Panel1", "Panel3", "Panel4"}));
    }

    void captionsFit_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(std::size(Design)); ++row) {
            if (*Design[row].Caption != '\0')
                QTest::newRow(Design[row].Name) << row;
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
        for (int n = 1; n <= 31; ++n)
            QVERIFY(!form_->RadioButton(n).Checked());
        for (int n = 1; n <= 3; ++n)
            QVERIFY(!form_->CheckBox(n).Checked());
        QCOMPARE(form_->ListBox1->Count(), 0);
        for (const QLineEdit* edit : window_->findChildren<QLineEdit*>())
            QVERIFY(edit->maxLength() > 32767);

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
        for (const int n : {3, 12, 20, 30})
            form_->RadioButton(n).SetChecked(true);
        form_->RadioButton(5).SetChecked(true);
        int checked = 0;
        for (int n = 1; n <= 31; ++n)
            checked += form_->RadioButton(n).Checked() ? 1 : 0;
        QCOMPARE(checked, 4);
        QVERIFY(form_->RadioButton(5).Checked() && !form_->RadioButton(3).Checked());
        for (const int n : {5, 12, 20, 30})
            form_->RadioButton(n).SetChecked(false);
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

    void menu_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(std::size(MenuDesign)); ++row)
            QTest::newRow(MenuDesign[row].Name) << row;
    }

    void menu() {
        QFETCH(int, row);
        const TExpectedMenuItem& expected = MenuDesign[row];
        const auto* action = window_->findChild<QAction*>(expected.Name);
        QVERIFY(action != nullptr);
        QCOMPARE(action->text(), QString::fromLatin1(expected.Caption));
        QCOMPARE(action->isCheckable(), expected.Checkable);
        QVERIFY(!action->isChecked());
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(!action->text().contains(QLatin1Char('&')));
        const QWidget* holder = QByteArray(expected.Menu).isEmpty()
                                    ? static_cast<QWidget*>(window_->menuBar())
                                    : window_->findChild<QMenu*>(expected.Menu);
        QVERIFY(holder->actions().contains(const_cast<QAction*>(action)));
    }

    void menuOrder() {
        QStringList top;
        for (const QAction* action : window_->menuBar()->actions())
            top << action->objectName();
        QCOMPARE(top, (QStringList{"Programme1", "Settings1", "About1"}));
        QStringList help;
        for (const QAction* action : window_->findChild<QMenu*>("About1")->actions())
            help << action->objectName();
        QCOMPARE(help, (QStringList{"IDofEngineSound1", "Help1", "About2"}));
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
        QCOMPARE(request.Filters.size(), std::size_t{1});
        QCOMPARE(request.Filters[0].Name, std::string("gta_sa.exe"));
        QCOMPARE(request.Filters[0].Pattern, std::string("*gta_sa.exe"));
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

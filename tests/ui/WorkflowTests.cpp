// The editor's workflow on small generated executables: open, show, edit, apply, the
// confirmation, the toggles, the entry filter, the menus and the error box, driven the
// way a user drives them, with the dialogs answered by the test.
#include "catalogue/Language.h"
#include "cli/DemoExecutable.h"
#include "table/TextConversions.h"
#include "tests/support/AnsweringDialogs.h"
#include "tests/support/ExeBuilder.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowTestFiles.h"
#include "tests/ui/UiTests.h"
#include "tests/ui/WorkingFolder.h"
#include "ui/About/TForm2.h"
#include "ui/controls/qt/ControlImpl.h"
#include "ui/main/TForm1.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

#include <cstring>
#include <fstream>
#include <memory>

namespace klarvon::test {
namespace {

// Slots holding values the editor's choices and conversions cannot produce themselves.
enum TOddSlot : int {
    VehicleTypeSix = 5,
    DoorSound514 = 6,
    RadioType255 = 7,
    NegativeZero = 8,
    InfiniteTone = 9,
    QuietNan = 10,
    HornOutOfRange = 11,
    RadioStationZero = 12,
    SignallingNan = 13,
};

TRecordValues OddRecord(int position) {
    TRecordValues v = PlainRecord(position);
    switch (position) {
    case VehicleTypeSix:
        v.VehicleType = 6;
        break;
    case DoorSound514:
        v.DoorSoundType = 514;
        break;
    case RadioType255:
        v.RadioType = 255;
        break;
    case NegativeZero:
        v.Unknown2 = 0x80000000U;
        break;
    case InfiniteTone:
        v.HornTone = 0x7F800000U;
        break;
    case QuietNan:
        v.Unknown7 = 0x7FC00000U;
        break;
    case HornOutOfRange:
        v.HornType = 77;
        break;
    case RadioStationZero:
        v.RadioStation = 0;
        break;
    case SignallingNan:
        v.Unknown3 = 0x7F800001U;
        break;
    default:
        break;
    }
    return v;
}

std::string Spaces(int count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

} // namespace

class WorkflowTests : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TWorkingFolder> folder_;
    TAnsweringDialogs answers_;
    std::unique_ptr<TPlatformDialogsOverride> seam_;
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<TForm2> about_;
    std::string exe_;
    TBytes original_;

    void MakeWindows() {
        about_.reset();
        form_.reset();
        form_ = std::make_unique<TForm1>();
        about_ = std::make_unique<TForm2>(*form_);
        form_->Form2 = about_.get();
        form_->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form_->Impl().Widget));
    }

    std::string WriteExe(const std::string& name, const TBytes& bytes) {
        const std::string path = folder_->File(name);
        WriteBytes(path, bytes);
        return path;
    }

    void Open(const std::string& path) {
        answers_.ChosenFile = path;
        form_->Button(1).Click();
    }

    QListWidget* List() const { return static_cast<QListWidget*>(form_->ListBox1->Impl().Widget); }
    QLineEdit* EditWidget(int n) const {
        return static_cast<QLineEdit*>(form_->Edit(n).Impl().Widget);
    }

    // As the user clicks a radio button or check box: on its indicator, since a wide
    // control takes no click beyond its text.
    static void ClickOn(const TControl& box) {
        QWidget* widget = box.Impl().Widget;
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    }

    // As the user picks a line: the list hears its own selection change.
    void Select(int position) { List()->setCurrentRow(position); }

    // The apply's one-second timer, fired at once.
    void FireTimer() { Application().Invoke(form_->Timer1->OnTimer); }

    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const TMessageBoxRequest& box : answers_.Boxes) {
            texts.push_back(box.Text);
        }
        return texts;
    }

    std::string Decimal(std::string_view text) const {
        std::string result(text);
        for (char& c : result) {
            if (c == '.') {
                c = DecimalSeparator();
            }
        }
        return result;
    }

private slots:
    void init() {
        folder_ = std::make_unique<TWorkingFolder>();
        QVERIFY(folder_->Entered());
        answers_ = TAnsweringDialogs();
        seam_ = std::make_unique<TPlatformDialogsOverride>(answers_);
        MakeWindows();
        original_ = TableExecutable(7, OddRecord);
        exe_ = WriteExe("gta_sa.exe", original_);
    }

    void cleanup() {
        about_.reset();
        form_.reset();
        seam_.reset();
        folder_.reset();
    }

    void wholeRoadOfOneEdit() {
        Open(exe_);
        QCOMPARE(form_->Label(22).Caption(), std::to_string(original_.size()));
        QCOMPARE(form_->Label(26).Caption(), std::string("Unknown"));
        QCOMPARE(form_->Label(24).Caption(), std::string("230"));
        QCOMPARE(form_->ListBox1->Count(), Slots);
        QCOMPARE(form_->ListBox1->ItemIndex(), -1);
        QVERIFY(form_->ListBox1->Enabled());
        QVERIFY(!form_->Button(2).Enabled());

        Select(OneEditSlot);
        QVERIFY(form_->Panel(1).Enabled());
        QVERIFY(form_->Button(2).Enabled());
        QCOMPARE(form_->Edit(1).Text(), std::string("103"));
        QCOMPARE(form_->Edit(2).Text(), std::string("203"));
        QCOMPARE(form_->Edit(3).Text(), std::string("1"));
        QCOMPARE(form_->TrackBar1->Position(), 3);
        QVERIFY(form_->RadioButton(4).Checked()); // VehicleType 3: Boat

        // A radio choice, the slider and a float, as the user makes them.
        ClickOn(form_->RadioButton(2));
        QVERIFY(form_->RadioButton(2).Checked());
        form_->TrackBar1->SetPosition(OneEditHornType);
        ClickOn(form_->CheckBox(2));
        QVERIFY(form_->Edit(3).Enabled());
        EditWidget(3)->clear();
        QTest::keyClicks(EditWidget(3), QString::fromStdString(Decimal("2.5")));

        QElapsedTimer clock;
        clock.start();
        form_->Button(2).Click();
        QVERIFY(form_->Timer1->Enabled());
        QVERIFY(!form_->ListBox1->Enabled());
        QVERIFY(!form_->Button(2).Enabled());

        QVERIFY(ReadBytes(exe_) == AfterOneEdit(original_));
        QVERIFY(answers_.Boxes.empty());

        QTRY_COMPARE_WITH_TIMEOUT(answers_.Boxes.size(), std::size_t{1}, 3000);
        QVERIFY2(clock.elapsed() >= 900, "the confirmation came too early");
        const TMessageBoxRequest& box = answers_.Boxes.front();
        QCOMPARE(box.Text, std::string("Saved successful."));
        QCOMPARE(box.Title, std::string("Information"));
        QCOMPARE(box.Icon, TMessageIcon::Information);
        QCOMPARE(box.Buttons, std::vector<std::string>{"OK"});
        QVERIFY(!form_->Timer1->Enabled());
        QVERIFY(form_->ListBox1->Enabled());
        QVERIFY(form_->Button(2).Enabled());
    }

    void cancelChangesNothing() {
        answers_.ChosenFile.clear();
        form_->Button(1).Click();
        QCOMPARE(form_->Label(22).Caption(), std::string("_"));
        QVERIFY(!form_->ListBox1->Enabled());
        QCOMPARE(form_->ListBox1->Count(), 0);

        Open(exe_);
        Select(4);
        answers_.ChosenFile.clear();
        form_->Openexe1->Click();
        QCOMPARE(answers_.OpenRequests.size(), std::size_t{3});
        QCOMPARE(form_->ListBox1->ItemIndex(), 4);
        QVERIFY(form_->Button(2).Enabled());
        QCOMPARE(form_->Label(22).Caption(), std::to_string(original_.size()));
    }

    void reopenKeepsThePanelAndDisablesApply() {
        Open(exe_);
        Select(4);
        const TBytes second = TableExecutable(8, OddRecord, TableAt + Slots * RecordSize + 40);
        const std::string secondPath = WriteExe("second_gta_sa.exe", second);
        Open(secondPath);
        QCOMPARE(form_->Label(22).Caption(), std::to_string(second.size()));
        QCOMPARE(form_->ListBox1->Count(), Slots);
        QCOMPARE(form_->ListBox1->ItemIndex(), -1);
        QVERIFY(!form_->Button(2).Enabled());
        QVERIFY(form_->Panel(1).Enabled());
        QCOMPARE(form_->Edit(1).Text(), std::string("104"));
    }

    void arrowKeysShowEachRecord() {
        Open(exe_);
        Select(20);
        for (int position = 21; position <= 23; ++position) {
            QTest::keyClick(List(), Qt::Key_Down);
            QCOMPARE(form_->ListBox1->ItemIndex(), position);
            QCOMPARE(form_->Edit(1).Text(), std::to_string(100 + position));
            QCOMPARE(form_->Edit(11).Text(), std::to_string(position));
        }
        QTest::keyClick(List(), Qt::Key_Up);
        QCOMPARE(form_->Edit(2).Text(), std::to_string(200 + 22));
        QVERIFY(form_->Button(2).Enabled());
    }

    void integerEntryFilter_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caretAfter");
        QTest::newRow("letters after digits") << "" << 0 << "12ab"
                                              << "12" << 2;
        QTest::newRow("a lone minus") << "" << 0 << "-"
                                      << "" << 0;
        QTest::newRow("minus typed in front") << "12" << 0 << "-"
                                              << "-12" << 1;
        QTest::newRow("beyond int16 stays") << "" << 0 << "99999"
                                            << "99999" << 5;
        QTest::newRow("letter in the middle") << "123" << 1 << "x"
                                              << "1" << 1;
    }

    void integerEntryFilter() {
        QFETCH(QString, start);
        QFETCH(int, caret);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(int, caretAfter);
        Open(exe_);
        Select(0);
        ClickOn(form_->CheckBox(1));
        QVERIFY(form_->Edit(1).Enabled() && form_->Edit(2).Enabled());
        for (int n : {1, 2}) {
            QLineEdit* edit = EditWidget(n);
            edit->setText(start);
            edit->setCursorPosition(caret);
            QTest::keyClicks(edit, typed);
            QCOMPARE(edit->text(), expected);
            QCOMPARE(edit->cursorPosition(), caretAfter);
        }
    }

    // Values that convert to nothing writable: the error box, the whole file unchanged,
    // the timer off and apply still usable.
    void failedApplyWritesNothing_data() {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("Edit7 300") << 7 << "300"
                                   << "Range check error.";
        QTest::newRow("Edit1 99999") << 1 << "99999"
                                     << "Range check error.";
        QTest::newRow("Edit1 empty") << 1 << ""
                                     << "'' is not a valid integer value.";
    }

    void failedApplyWritesNothing() {
        QFETCH(int, edit);
        QFETCH(QString, text);
        QFETCH(QString, message);
        Open(exe_);
        Select(2);
        ClickOn(form_->RadioButton(1));
        EditWidget(edit)->setText(text);
        form_->Saveexe1->Click();
        QCOMPARE(BoxTexts(), std::vector<std::string>{message.toStdString()});
        QCOMPARE(answers_.Boxes.front().Title, std::string("Klarvon tests"));
        QCOMPARE(answers_.Boxes.front().Icon, TMessageIcon::Error);
        QVERIFY(ReadBytes(exe_) == original_);
        QVERIFY(!form_->Timer1->Enabled());
        QVERIFY(form_->ListBox1->Enabled());
        QVERIFY(form_->Button(2).Enabled());
    }

    void saveExeWhileApplyIsDisabledDoesNothing() {
        Open(exe_);
        form_->Saveexe1->Click();
        Select(SignallingNan);
        answers_.Boxes.clear();
        form_->Saveexe1->Click();
        QVERIFY(answers_.Boxes.empty());
        QVERIFY(!form_->Timer1->Enabled());
        QVERIFY(ReadBytes(exe_) == original_);
    }

    // A show cut short leaves the form with two vehicles' values: it reports why and
    // apply stays off, even after a whole record was shown before it.
    void failedShowKeepsApplyDisabled_data() {
        QTest::addColumn<bool>("cut");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("message");
        QTest::newRow("signalling NaN")
            << false << int(SignallingNan) << "Invalid floating point operation.";
        QTest::newRow("record past the end") << true << Slots - 1 << "Read beyond end of file.";
    }

    void failedShowKeepsApplyDisabled() {
        QFETCH(bool, cut);
        QFETCH(int, position);
        QFETCH(QString, message);
        const TBytes bytes =
            cut ? TableExecutable(9, OddRecord, RecordAt(Slots - 1) + 20) : original_;
        const std::string path = WriteExe("shown_gta_sa.exe", bytes);
        Open(path);
        Select(1);
        QVERIFY(form_->Button(2).Enabled());
        Select(position);
        QCOMPARE(BoxTexts(), std::vector<std::string>{message.toStdString()});
        QVERIFY(!form_->Button(2).Enabled());
        QVERIFY(ReadBytes(path) == bytes);
    }

    // An open or a show while the confirmation waits: when it closes, Apply comes back only
    // for a record of the list as it is now, read whole.
    void applyAfterConfirmationNeedsAWholeRecordOfTheList_data() {
        QTest::addColumn<bool>("otherFile");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("applicable");
        QTest::newRow("same file, nothing selected") << false << -1 << false;
        QTest::newRow("other file, nothing selected") << true << -1 << false;
        QTest::newRow("show that fails") << false << int(SignallingNan) << false;
        QTest::newRow("whole record") << true << 5 << true;
    }

    void applyAfterConfirmationNeedsAWholeRecordOfTheList() {
        QFETCH(bool, otherFile);
        QFETCH(int, position);
        QFETCH(bool, applicable);
        Open(exe_);
        Select(2);
        form_->Button(2).Click();
        QVERIFY(form_->Timer1->Enabled());
        Open(otherFile ? WriteExe("other_gta_sa.exe", original_) : exe_);
        if (position >= 0) {
            Select(position);
        }
        FireTimer();
        QCOMPARE(BoxTexts().back(), std::string("Saved successful."));
        QCOMPARE(form_->Button(2).Enabled(), applicable);
        QVERIFY(ReadBytes(exe_) == original_);
    }

    // Every slot applied as shown, odd values and all: not one byte changes.
    void untouchedAppliesKeepTheFile() {
        Open(exe_);
        for (int position = 0; position < Slots; ++position) {
            if (position == SignallingNan) {
                continue;
            }
            Select(position);
            QVERIFY2(form_->Button(2).Enabled(), qPrintable(QString::number(position)));
            form_->Button(2).Click();
            QVERIFY2(form_->Timer1->Enabled(), qPrintable(QString::number(position)));
            FireTimer();
        }
        QCOMPARE(answers_.Boxes.size(), std::size_t{Slots - 1});
        for (const TMessageBoxRequest& box : answers_.Boxes) {
            QCOMPARE(box.Text, std::string("Saved successful."));
        }
        QVERIFY(ReadBytes(exe_) == original_);
    }

    // The companion changes the record shown while the user edits it in the window: the
    // apply writes nothing rather than put back the companion's field as it was shown.
    void applyNeverUndoesAnotherProgramsChange() {
        Open(exe_);
        Select(2);
        ClickOn(form_->RadioButton(1));
        QProcess companion;
        companion.start(QStringLiteral(KLARVON_CLI_PATH),
                        {"set", QString::fromStdString(exe_), "402", "Unknown5=77"});
        QVERIFY(companion.waitForFinished(10000));
        QCOMPARE(companion.exitCode(), 0);
        const TBytes changed = ReadBytes(exe_);
        QVERIFY(changed != original_);

        form_->Button(2).Click();
        QCOMPARE(BoxTexts(),
                 std::vector<std::string>{"This vehicle's record was changed by another "
                                          "program after it was shown; select it "
                                          "again."});
        QVERIFY(ReadBytes(exe_) == changed);
        QVERIFY(!form_->Timer1->Enabled());

        // Shown again, the record carries the companion's value, and the user's edit goes in
        // beside it.
        Select(3);
        Select(2);
        QCOMPARE(form_->Edit(8).Text(), std::string("77"));
        ClickOn(form_->RadioButton(1));
        form_->Button(2).Click();
        QCOMPARE(answers_.Boxes.size(), std::size_t{1});
        QVERIFY(form_->Timer1->Enabled());
        const TBytes both = ReadBytes(exe_);
        QCOMPARE(both[TableAt + 2 * RecordSize + 29], std::uint8_t{77});
        QCOMPARE(both[TableAt + 2 * RecordSize], std::uint8_t{0}); // VehicleType: Car
    }

    // A control changed and changed back counts as untouched; one that is changed
    // writes its code, and the fields beside it keep their odd values.
    void changedBackIsUntouched() {
        Open(exe_);
        Select(DoorSound514);
        ClickOn(form_->RadioButton(11));
        ClickOn(form_->RadioButton(15));
        form_->Button(2).Click();
        QVERIFY(ReadBytes(exe_) == original_);
        FireTimer();

        Select(RadioType255);
        form_->TrackBar1->SetPosition(10);
        form_->Button(2).Click();
        TBytes expected = original_;
        Put(expected, RecordAt(RadioType255) + 16, LittleEndian(255, 4));
        QVERIFY(ReadBytes(exe_) == expected);
    }

    void showUnknownToggles() {
        struct TWidth {
            bool Checked;
            int Outer;
            int Panel;
            int Gap;
        };
        for (const TWidth& width : {TWidth{true, 799, 585, 80}, TWidth{false, 639, 425, 39}}) {
            form_->ShowUnknown1->Click();
            QCOMPARE(form_->ShowUnknown1->Checked(), width.Checked);
            QCOMPARE(form_->OuterWidth(), width.Outer);
            QCOMPARE(form_->Panel(1).Width(), width.Panel);
            QCOMPARE(form_->Caption(), "Klarvon for GTA San Andreas" + Spaces(width.Gap) +
                                           std::string(CaptionCredit));
        }
    }

    void editingCheckBoxesUnlockTheirEdits() {
        struct TToggle {
            int CheckBox;
            int FirstEdit;
            int LastEdit;
        };
        for (const TToggle& toggle : {TToggle{1, 1, 2}, TToggle{2, 3, 3}, TToggle{3, 4, 11}}) {
            for (bool checked : {true, false}) {
                form_->CheckBox(toggle.CheckBox).SetChecked(checked);
                for (int n = 1; n <= 11; ++n) {
                    const bool inside = n >= toggle.FirstEdit && n <= toggle.LastEdit;
                    if (inside) {
                        QCOMPARE(form_->Edit(n).Enabled(), checked);
                    } else {
                        QVERIFY(!form_->Edit(n).Enabled());
                    }
                }
            }
        }
    }

    void shellRequests() {
        form_->IDofEngineSound1->Click();
        form_->Help1->Click();
        QCOMPARE(answers_.ShellTargets.size(), std::size_t{2});
        QCOMPARE(answers_.ShellTargets[0], std::string("ReadMe.txt"));
        QVERIFY(answers_.ShellTargets[1].ends_with("/dev/enginesounds.htm"));
        QVERIFY(answers_.ShellTargets[1].starts_with("https://"));
    }

    void openFailureLeavesTheListEmpty() {
        answers_.ChosenFile = folder_->File("missing_gta_sa.exe");
        form_->Button(1).Click();
        QCOMPARE(BoxTexts(), std::vector<std::string>{"File not found."});
        QCOMPARE(form_->ListBox1->Count(), 0);
        QVERIFY(!form_->Button(2).Enabled());
    }

    void russianCaptionsAndConfirmation() {
        {
            std::ofstream settings(folder_->File("Settings.ini"), std::ios::binary);
            settings << "Language=Rus\r\nEng\r\n";
        }
        MakeWindows();
        QVERIFY(IsRussian(form_->Language()));
        for (const TCaption& caption : RussianCaptions()) {
            const TComponent* component = form_->FindComponent(caption.Control);
            QVERIFY(component != nullptr);
            const auto* control = dynamic_cast<const TControl*>(component);
            const auto* item = dynamic_cast<const TMenuItem*>(component);
            const std::string shown = control != nullptr ? control->Caption() : item->Caption();
            QCOMPARE(shown, std::string(caption.Text));
        }
        QCOMPARE(form_->Label(26).Caption(), std::string("_"));

        Open(exe_);
        Select(0);
        form_->Button(2).Click();
        FireTimer();
        QCOMPARE(BoxTexts(), std::vector<std::string>{"Сохранено успешно."});
    }

    void settingsFolderIsNoFile() {
        // A folder of that name is no settings file: English, and nothing to report.
        QVERIFY(std::filesystem::create_directory(folder_->Path() / "Settings.ini") ||
                std::filesystem::is_directory(folder_->Path() / "Settings.ini"));
        MakeWindows();
        QCOMPARE(form_->Language(), std::string("Eng"));
        QCOMPARE(form_->Button(1).Caption(), std::string("Open gta_sa.exe"));
        QVERIFY(answers_.Boxes.empty());
    }

    void unopenableSettingsAreReportedAndLeaveEnglish() {
        // A link to itself exists but cannot be opened, even by root.
        std::filesystem::create_symlink("Settings.ini", folder_->Path() / "Settings.ini");
        MakeWindows();
        QCOMPARE(answers_.Boxes.size(), std::size_t{1});
        const std::string text = answers_.Boxes.front().Text;
        QVERIFY2(text.starts_with("Cannot open file \"" + folder_->File("Settings.ini") + "\". "),
                 text.c_str());
        QCOMPARE(answers_.Boxes.front().Icon, TMessageIcon::Error);
        QVERIFY(form_->Language().empty());
        QCOMPARE(form_->Button(1).Caption(), std::string("Open gta_sa.exe"));
        QVERIFY(form_->Visible());
    }

    void aboutOpensAndCloses() {
        for (TMenuItem* viaMenu : {static_cast<TMenuItem*>(nullptr), form_->About2}) {
            answers_.Beeps = 0;
            if (viaMenu != nullptr) {
                viaMenu->Click();
            } else {
                form_->Button(3).Click();
            }
            QCOMPARE(answers_.Beeps, 1);
            QVERIFY(about_->Visible());
            QVERIFY(!form_->Enabled());
            about_->Close();
            QVERIFY(!about_->Visible());
            QVERIFY(form_->Enabled());
            QCOMPARE(answers_.Beeps, 2);
        }
    }

    // The companion's demo file is what a new user opens first: every slot shows whole,
    // the engine sound IDs are the invented ones, and applying untouched keeps the file.
    void demoFileOpensInTheEditor() {
        const TBytes demo = cli::BuildDemoExecutable();
        const std::string path = WriteExe("demo_gta_sa.exe", demo);
        Open(path);
        QVERIFY(answers_.Boxes.empty());
        QCOMPARE(form_->Label(26).Caption(), std::string("Unknown"));
        QCOMPARE(form_->ListBox1->Count(), Slots);
        for (int position = 0; position < Slots; ++position) {
            Select(position);
            const TVehicleAudioRecord expected = cli::DemoRecord(400 + position);
            QVERIFY2(form_->Button(2).Enabled(), qPrintable(QString::number(position)));
            QCOMPARE(form_->Edit(1).Text(),
                     FormatInteger(IntegerValue(EditorField(TField::PowerOnSoundId).Type,
                                                expected[TField::PowerOnSoundId])));
            if (position % 23 == 0) {
                form_->Button(2).Click();
                FireTimer();
            }
        }
        QVERIFY(answers_.Boxes.size() == 11);
        QVERIFY(ReadBytes(path) == demo);
    }

    // Last: the application cannot be brought back once told to end.
    void rejectedFileEndsTheApplication() {
        // An executable has NUL bytes (a file without any is read as a cfg).
        TBytes other = Filler(5000, 3);
        other[2] = 0;
        const std::string path = WriteExe("other_gta_sa.exe", other);
        QVERIFY(!Application().Terminated());
        Open(path);
        QCOMPARE(answers_.Boxes.size(), std::size_t{1});
        const TMessageBoxRequest& box = answers_.Boxes.front();
        QCOMPARE(box.Text, std::string("Unknown gta_sa.exe"));
        QCOMPARE(box.Title, std::string("Error"));
        QCOMPARE(box.Icon, TMessageIcon::Error);
        QCOMPARE(box.Buttons, std::vector<std::string>{"&Yes"});
        QCOMPARE(box.EscapeButton, -1);
        QVERIFY(Application().Terminated());
        // The open ran to its end all the same.
        QCOMPARE(form_->Label(26).Caption(), std::string("Unknown"));
        QCOMPARE(form_->Label(24).Caption(), std::string("230"));
        QCOMPARE(form_->ListBox1->Count(), Slots);
    }
};

namespace {
const TRegisterUiTest<WorkflowTests> registered;
} // namespace

} // namespace klarvon::test

#include "WorkflowTests.moc"

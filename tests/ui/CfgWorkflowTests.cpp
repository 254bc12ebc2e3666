// The editor on the limit adjuster's cfg and the safety nets of an apply: opening a cfg
// either way or from the command line, an apply that changes the file exactly as the
// companion's `set` does, the stale and pad-byte refusals, a file the user may not write,
// the warning before a value the game has a problem with, undo, and the check window.
// Dialogs are answered by the test; the companion runs as the user would run it.
#include "catalogue/VehicleCatalogue.h"
#include "table/ValueCodes.h"
#include "tests/support/AnsweringDialogs.h"
#include "tests/support/ExeBuilder.h"
#include "tests/support/NobodyFileAccess.h"
#include "tests/support/SoundInstall.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowTestFiles.h"
#include "tests/ui/UiTests.h"
#include "tests/ui/WorkingFolder.h"
#include "ui/controls/qt/ControlImpl.h"
#include "ui/main/TForm1.h"

#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>

namespace klarvon::test {
namespace {

// Stock rows and one added vehicle, with CRLF line ends, comments and odd spacing, all of
// which an apply must keep.
constexpr std::string_view CfgText =
    "; the sounds of a small mod\r\n"
    "landstal  0   33   32   0  0.65  1          5   1.122462   3   0  6   0   0   0\r\n"
    "infernus  0   38   37   0  0.9   1          2   1.2599211  2   0  10  0   11  0 ; fast\r\n"
    "\r\n"
    "mycar     0   38   37   0  0.9   1          2   1.2599211  2   0  10  0   11  0\r\n"
    ";the end\r\n";

constexpr int LandstalLine = 0;
constexpr int InfernusLine = 1;
constexpr int MyCarLine = 2;
constexpr int InfernusSlot = 11; // in an executable's list
constexpr int NoButton = 1;      // of a Yes/No box

TBytes Bytes(std::string_view text) {
    return TBytes(text.begin(), text.end());
}

} // namespace

class CfgWorkflowTests : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TWorkingFolder> folder_;
    TAnsweringDialogs answers_;
    std::unique_ptr<TPlatformDialogsOverride> seam_;
    std::unique_ptr<TForm1> form_;
    std::string cfg_;

    std::string Write(const std::string& name, const TBytes& bytes) {
        const std::string path = folder_->File(name);
        WriteBytes(path, bytes);
        return path;
    }

    void OpenCfg(const std::string& path) {
        answers_.ChosenFile = path;
        form_->Opencfg1->Click();
    }
    void OpenExe(const std::string& path) {
        answers_.ChosenFile = path;
        form_->Button(1).Click();
    }

    QListWidget* List() const { return static_cast<QListWidget*>(form_->ListBox1->Impl().Widget); }
    void Select(int position) { List()->setCurrentRow(position); }
    void FireTimer() { Application().Invoke(form_->Timer1->OnTimer); }
    static void ClickOn(const TControl& box) {
        QWidget* widget = box.Impl().Widget;
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    }
    void Type(int edit, const char* text) {
        static_cast<QLineEdit*>(form_->Edit(edit).Impl().Widget)->setText(text);
    }
    void Apply() {
        form_->Button(2).Click();
        if (form_->Timer1->Enabled()) {
            FireTimer();
        }
    }

    static void Companion(const QStringList& arguments) {
        QProcess companion;
        companion.start(QStringLiteral(KLARVON_CLI_PATH), arguments);
        QVERIFY(companion.waitForFinished(10000));
        QCOMPARE(companion.exitCode(), 0);
    }

    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const TMessageBoxRequest& box : answers_.Boxes) {
            texts.push_back(box.Text);
        }
        return texts;
    }

private slots:
    void init() {
        folder_ = std::make_unique<TWorkingFolder>();
        QVERIFY(folder_->Entered());
        answers_ = TAnsweringDialogs();
        seam_ = std::make_unique<TPlatformDialogsOverride>(answers_);
        form_ = std::make_unique<TForm1>();
        form_->Show();
        cfg_ = Write("gtasa_vehicleAudioSettings.cfg", Bytes(CfgText));
    }

    void cleanup() {
        form_.reset();
        seam_.reset();
        folder_.reset();
    }

    // Either menu opens a cfg, told by its content: stock models as slots, then the added
    // vehicle by its model name; the caption names the file.
    void cfgOpensEitherWay() {
        for (const bool throughOpenExe : {false, true}) {
            if (throughOpenExe) {
                OpenExe(cfg_);
            } else {
                OpenCfg(cfg_);
                const TOpenDialogRequest& request = answers_.OpenRequests.back();
                QCOMPARE(request.Title, std::string("Select your gtasa_vehicleAudioSettings.cfg"));
                QCOMPARE(request.Filters.size(), std::size_t{2});
                QCOMPARE(request.Filters[0].Pattern, std::string("*.cfg"));
                QCOMPARE(request.Filters[1].Pattern, std::string("*"));
            }
            QVERIFY(answers_.Boxes.empty());
            QCOMPARE(form_->ListBox1->Count(), 3);
            QCOMPARE(form_->ListBox1->Item(LandstalLine), TVehicleCatalogue::ItemText(400));
            QCOMPARE(form_->ListBox1->Item(InfernusLine), TVehicleCatalogue::ItemText(411));
            QVERIFY(form_->ListBox1->Item(MyCarLine).ends_with(" mycar"));
            QCOMPARE(form_->Label(26).Caption(), std::string("cfg"));
            QVERIFY(form_->Caption().find(" - gtasa_vehicleAudioSettings.cfg ") !=
                    std::string::npos);
            QVERIFY(form_->Caption().ends_with(CaptionCredit));
        }
    }

    // What the program was started with opens as if chosen in the Open dialog, told by its
    // content, and the dialog then starts beside it; a file that cannot be opened gets the
    // dialog's error box and leaves the list empty.
    void startFileOpensAsIfChosen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("box");
        QTest::newRow("cfg") << "gtasa_vehicleAudioSettings.cfg" << 3 << "";
        QTest::newRow("executable") << "gta_sa.exe" << Slots << "";
        QTest::newRow("missing") << "missing_gta_sa.exe" << 0 << "File not found.";
    }

    void startFileOpensAsIfChosen() {
        QFETCH(QString, name);
        QFETCH(int, lines);
        QFETCH(QString, box);
        Write("gta_sa.exe", TableExecutable(7, PlainRecord));
        const std::string path = folder_->File(name.toStdString());
        Application().Invoke([this, &path] { form_->OpenStartFile(path); });
        const std::vector<std::string> boxes =
            box.isEmpty() ? std::vector<std::string>{} : std::vector{box.toStdString()};
        QCOMPARE(BoxTexts(), boxes);
        QCOMPARE(form_->ListBox1->Count(), lines);
        QVERIFY(!form_->Button(2).Enabled());
        answers_.ChosenFile.clear();
        form_->Button(1).Click();
        QCOMPARE(answers_.OpenRequests.back().FileName, path);
    }

    // A file the user may not write opens read-only and the caption says so; Apply is
    // refused with the system's error and writes nothing. Once the file may be written,
    // selecting the vehicle again clears the mark and Apply writes, without a new open.
    void fileThatMayNotBeWrittenIsShownReadOnly_data() {
        QTest::addColumn<bool>("cfg");
        QTest::addColumn<bool>("russian");
        QTest::newRow("executable, English") << false << false;
        QTest::newRow("cfg, Russian") << true << true;
    }

    void fileThatMayNotBeWrittenIsShownReadOnly() {
        QFETCH(bool, cfg);
        QFETCH(bool, russian);
        namespace fs = std::filesystem;
        if (russian) {
            std::ofstream(folder_->File("Settings.ini"), std::ios::binary) << "Rus\r\n";
            form_.reset();
            form_ = std::make_unique<TForm1>();
            form_->Show();
        }
        const std::string path = cfg ? cfg_ : Write("gta_sa.exe", TableExecutable(7, PlainRecord));
        const std::string name = fs::path(path).filename().string();
        const int line = cfg ? InfernusLine : InfernusSlot;
        const TBytes original = ReadBytes(path);
        fs::permissions(folder_->Path(), fs::perms::owner_all | fs::perms::group_read |
                                             fs::perms::group_exec | fs::perms::others_read |
                                             fs::perms::others_exec);
        fs::permissions(path,
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        const std::string mark = russian ? "(только чтение)" : "(read-only)";
        {
            const TNobodyFileAccess nobody;
            QVERIFY(nobody.Binding());
            OpenExe(path);
            QVERIFY(answers_.Boxes.empty());
            QCOMPARE(form_->ListBox1->Count(), cfg ? 3 : Slots);
            QVERIFY2(form_->Caption().find(" - " + name + " " + mark + " ") != std::string::npos,
                     form_->Caption().c_str());
            QVERIFY(form_->Caption().ends_with(CaptionCredit));
            Select(line);
            QVERIFY(form_->Button(2).Enabled());
            const std::string powerOn = form_->Edit(1).Text();
            QVERIFY(!powerOn.empty());
            ClickOn(form_->RadioButton(2));
            form_->Button(2).Click();
            QCOMPARE(BoxTexts(), std::vector<std::string>{"File access denied."});
            QVERIFY(ReadBytes(path) == original);
            QVERIFY(!form_->Timer1->Enabled());
            QVERIFY(form_->Caption().find(mark) != std::string::npos);
        }
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
        Select(line + 1);
        Select(line);
        QVERIFY2(form_->Caption().find(" - " + name + " ") != std::string::npos &&
                     form_->Caption().find('(') == std::string::npos,
                 form_->Caption().c_str());
        ClickOn(form_->RadioButton(2));
        answers_.Boxes.clear();
        Apply();
        QCOMPARE(answers_.Boxes.size(), std::size_t{1});
        QVERIFY(ReadBytes(path) != original);
    }

    // What the editor writes into a cfg is what `set` writes: the same bytes, every
    // other byte of the file kept; for a stock model and an added one.
    void applyWritesWhatTheCompanionWrites() {
        const std::string twin = Write("twin.cfg", Bytes(CfgText));
        OpenCfg(cfg_);
        Select(InfernusLine);
        QCOMPARE(form_->TrackBar1->Position(), 2);
        form_->TrackBar1->SetPosition(5);
        Apply();
        QCOMPARE(BoxTexts(), std::vector<std::string>{"Saved successful."});
        Companion({"set", QString::fromStdString(twin), "infernus", "HornType=5"});
        QVERIFY(ReadBytes(cfg_) == ReadBytes(twin));

        Select(MyCarLine);
        ClickOn(form_->RadioButton(17));
        Apply();
        const auto station = EncodeChoice(RadioStationChoices, 1);
        Companion({"set", QString::fromStdString(twin), "mycar",
                   QString("RadioStation=%1").arg(station)});
        QVERIFY(ReadBytes(cfg_) == ReadBytes(twin));
        QVERIFY(ReadBytes(cfg_) != Bytes(CfgText));
    }

    // A row another program changed after it was shown is not written over; a value that
    // needs a byte a cfg row does not have is refused, naming the field; neither writes.
    void refusedAppliesWriteNothing() {
        OpenCfg(cfg_);
        Select(InfernusLine);
        ClickOn(form_->RadioButton(2));
        Companion({"set", QString::fromStdString(cfg_), "infernus", "Unknown4=5"});
        const TBytes changed = ReadBytes(cfg_);
        form_->Button(2).Click();
        QCOMPARE(BoxTexts(),
                 std::vector<std::string>{"This vehicle's record was changed by another "
                                          "program after it was shown; select it again."});
        QVERIFY(ReadBytes(cfg_) == changed);

        answers_.Boxes.clear();
        Select(LandstalLine);
        ClickOn(form_->CheckBox(3));
        Type(8, "7"); // Unknown5: a byte the game leaves empty
        form_->Button(2).Click();
        QCOMPARE(answers_.Boxes.size(), std::size_t{1});
        QVERIFY(answers_.Boxes.front().Text.starts_with("Unknown5: a cfg row has no place"));
        QVERIFY(ReadBytes(cfg_) == changed);
        QVERIFY(!form_->Timer1->Enabled());
    }

    // The warning asks only about a problem the apply makes: No writes nothing and keeps
    // the edit, Yes writes; a note, or a problem the record already had, never asks.
    void warningAsksBeforeANewProblem() {
        const TBytes original = TableExecutable(7, PlainRecord);
        const std::string exe = Write("gta_sa.exe", original);
        OpenExe(exe);
        Select(InfernusSlot);
        ClickOn(form_->CheckBox(1));
        Type(1, "710");
        answers_.BoxAnswer = NoButton;
        form_->Button(2).Click();
        QCOMPARE(answers_.Boxes.size(), std::size_t{1});
        const TMessageBoxRequest& box = answers_.Boxes.front();
        QCOMPARE(box.Icon, TMessageIcon::Warning);
        QCOMPARE(box.DefaultButton, NoButton);
        QVERIFY(box.Text.find("\nPlayerBank: 710: likely crash: ") != std::string::npos);
        QVERIFY(ReadBytes(exe) == original);
        QCOMPARE(form_->Edit(1).Text(), std::string("710"));
        QVERIFY(form_->Button(2).Enabled());

        answers_ = TAnsweringDialogs(); // Yes
        Apply();
        QCOMPARE(answers_.Boxes.size(), std::size_t{2});
        QCOMPARE(answers_.Boxes.back().Text, std::string("Saved successful."));
        QVERIFY(ReadBytes(exe) != original);

        // The bank is still 710: changing the horn makes no new problem.
        answers_.Boxes.clear();
        form_->TrackBar1->SetPosition(4);
        Apply();
        QCOMPARE(BoxTexts(), std::vector<std::string>{"Saved successful."});
        // A horn pitch of zero is a note: written without a question.
        answers_.Boxes.clear();
        ClickOn(form_->CheckBox(2));
        Type(3, "0");
        Apply();
        QCOMPARE(BoxTexts(), std::vector<std::string>{"Saved successful."});
    }

    // Three applies undone in order give back the file byte for byte; an undo whose
    // record another program changed since is refused and writes nothing.
    void undoPutsBackEachApplyInTurn() {
        OpenCfg(cfg_);
        QVERIFY(!form_->Undoapply1->Enabled());
        Select(InfernusLine);
        form_->TrackBar1->SetPosition(5);
        Apply();
        Select(MyCarLine);
        ClickOn(form_->RadioButton(18));
        Apply();
        Select(InfernusLine);
        form_->TrackBar1->SetPosition(7);
        Apply();
        QVERIFY(form_->Undoapply1->Enabled());
        for (int undo = 0; undo < 3; ++undo) {
            form_->Undoapply1->Click();
            FireTimer();
        }
        QVERIFY(ReadBytes(cfg_) == Bytes(CfgText));
        QVERIFY(!form_->Undoapply1->Enabled());
        QCOMPARE(form_->TrackBar1->Position(), 2); // the undone record is shown as it is now

        Select(LandstalLine);
        ClickOn(form_->RadioButton(3));
        Apply();
        Companion({"set", QString::fromStdString(cfg_), "landstal", "Unknown4=9"});
        const TBytes changed = ReadBytes(cfg_);
        answers_.Boxes.clear();
        form_->Undoapply1->Click();
        QCOMPARE(answers_.Boxes.size(), std::size_t{1});
        QVERIFY(answers_.Boxes.front().Text.find("it was not undone") != std::string::npos);
        QVERIFY(ReadBytes(cfg_) == changed);

        // Another file's applies cannot be undone in this one.
        OpenExe(Write("gta_sa.exe", TableExecutable(7, PlainRecord)));
        QVERIFY(!form_->Undoapply1->Enabled());
    }

    // The check lists problems first under a count line; choosing one selects its vehicle.
    // A file without findings says so.
    void checkListsFindingsAndSelectsTheChosenVehicle() {
        // mycar's PlayerBank 710, landstal's horn pitch 0.
        std::string text(CfgText);
        const std::size_t bank = text.find("mycar     0   38") + 14;
        text = text.substr(0, bank) + "710" + text.substr(bank + 2);
        const std::size_t pitch = text.find("1.122462");
        text = text.substr(0, pitch) + "0" + text.substr(pitch + 8);
        const std::string path = Write("mod.cfg", Bytes(text));
        OpenCfg(path);
        answers_.ListAnswer = 0;
        form_->Check1->Click();
        QCOMPARE(answers_.ListRequests.size(), std::size_t{1});
        const TListDialogRequest& list = answers_.ListRequests.front();
        QCOMPARE(list.Title, std::string("Check"));
        QCOMPARE(list.Header, std::string("1 problem, 1 note in 3 vehicles"));
        QCOMPARE(list.Lines.size(), std::size_t{2});
        QVERIFY(list.Lines[0].starts_with("mod.cfg:5:"));
        QVERIFY(list.Lines[0].find("problem: - mycar PlayerBank: 710") != std::string::npos);
        QVERIFY(list.Lines[1].find("note: 400 landstal HornPitch") != std::string::npos);
        QCOMPARE(form_->ListBox1->ItemIndex(), MyCarLine);
        QCOMPARE(form_->Edit(1).Text(), std::string("710"));

        OpenCfg(cfg_);
        form_->Check1->Click();
        QCOMPARE(answers_.ListRequests.size(), std::size_t{1});
        QCOMPARE(BoxTexts(),
                 std::vector<std::string>{"Nothing found: 0 problems, 0 notes in 3 vehicles"});
    }

    // As `check` does: a finding the cfg marks as intended is left out, and a row whose name
    // is a stock model's misspelt gets its note.
    void checkLeavesOutWhatTheCfgMarksIntended() {
        std::string text(CfgText);
        const std::size_t bank = text.find("mycar     0   38") + 14;
        text = text.substr(0, bank) + "710" + text.substr(bank + 2);
        const std::size_t mycar = text.find("mycar");
        text = text.substr(0, mycar) + "; klarvon: intended bank-710\r\n" + text.substr(mycar);
        const std::size_t end = text.find(";the end");
        text =
            text.substr(0, end) +
            "infernos  0   38   37   0  0.9   1          2   1.2599211  2   0  10  0   11  0\r\n" +
            text.substr(end);
        OpenCfg(Write("marked.cfg", Bytes(text)));
        answers_.ListAnswer = 0;
        form_->Check1->Click();
        QCOMPARE(answers_.ListRequests.size(), std::size_t{1});
        const TListDialogRequest& list = answers_.ListRequests.front();
        QCOMPARE(list.Header, std::string("0 problems, 1 note in 4 vehicles"));
        QCOMPARE(list.Lines.size(), std::size_t{1});
        QVERIFY(list.Lines[0].find("infernos: not a stock model: added as a new vehicle; did "
                                   "you mean infernus?") != std::string::npos);
        QCOMPARE(form_->ListBox1->ItemIndex(), 3);
    }

    // The game's sound files beside the cfg judge its banks, as `check` does: here dummy
    // engine slots smaller than the stock game's. Files that cannot be read leave the stock
    // game's judgement.
    void checkJudgesBanksByTheSoundFilesBesideTheFile() {
        TTestInstall install;
        install.Banks[37] = {1, {TestTone(22050, 600)}}; // 1,200 bytes
        install.BankCount = 40;
        for (int slot = 7; slot <= 16; ++slot) {
            install.SlotSizes[static_cast<std::size_t>(slot)] = 1000;
        }
        WriteSoundInstall(folder_->Path(), install);
        OpenCfg(cfg_);
        answers_.ListAnswer = 0;
        form_->Check1->Click();
        QCOMPARE(answers_.ListRequests.size(), std::size_t{1});
        const TListDialogRequest& list = answers_.ListRequests.front();
        QCOMPARE(list.Header, std::string("2 problems, 0 notes in 3 vehicles"));
        QVERIFY(list.Lines[0].find("problem: 411 infernus DummyBank: 37: the bank's 1,200 bytes "
                                   "overrun the 1,000-byte dummy engine slot") !=
                std::string::npos);

        const std::filesystem::path lookup = ConfigFile(folder_->Path(), "BankLkup.dat");
        std::filesystem::resize_file(lookup, std::filesystem::file_size(lookup) - 1);
        form_->Check1->Click();
        QCOMPARE(BoxTexts(),
                 std::vector<std::string>{"Nothing found: 0 problems, 0 notes in 3 vehicles"});

        // A game folder chosen in the Sounds menu decides in place of the file's own.
        const TTempDir game;
        WriteSoundInstall(game.Path(), install);
        answers_.ChosenFolder = game.Path().string();
        form_->Gamefolder1->Click();
        form_->Check1->Click();
        QCOMPARE(answers_.ListRequests.size(), std::size_t{2});
        QVERIFY(answers_.ListRequests.back().Lines[0].find("1,000-byte dummy engine slot") !=
                std::string::npos);
    }
};

namespace {
const TRegisterUiTest<CfgWorkflowTests> registered;
} // namespace

} // namespace klarvon::test

#include "CfgWorkflowTests.moc"

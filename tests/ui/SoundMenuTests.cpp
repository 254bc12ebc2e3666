// The Sounds menu on a small generated executable beside a small install of the game's sound
// files: what each item hands the platform to play for the fields as edited and not applied,
// the folder asked for when the file's own has no sound files, and no sound device.
#include "catalogue/Language.h"
#include "sound/GameSounds.h"
#include "sound/TestDrive.h"
#include "sound/Wav.h"
#include "tests/support/AnsweringDialogs.h"
#include "tests/support/SoundInstall.h"
#include "tests/support/WindowTestFiles.h"
#include "tests/ui/UiTests.h"
#include "tests/ui/WorkingFolder.h"
#include "ui/controls/qt/ControlImpl.h"
#include "ui/main/TForm1.h"

#include <QListWidget>
#include <QTest>

#include <algorithm>
#include <memory>

namespace klarvon::test {
namespace {

using TParts = std::vector<sound::TSoundPart> (*)(const sound::TVehicleSounds&,
                                                  std::vector<std::string>&);

// A car (the slot's type 0) whose engine banks, horn, tone and doors the tests set.
constexpr int CarSlot = 6;
constexpr int PlayerBank = 38;
constexpr int DummyBank = 39;
constexpr int HornPosition = 3;
constexpr int DoorButton = 13; // Type 3

// The banks the car uses, each sound a tone of its own: 74 and 138 hold every horn and
// door sound, so any HornType or DoorType plays.
TTestInstall CarInstall() {
    TTestInstall install;
    int seed = 0;
    for (const auto& [bank, sounds] : {std::pair{PlayerBank, 3},
                                       {DummyBank, 2},
                                       {sound::HornBank, 10},
                                       {sound::VehicleGeneralBank, 44}}) {
        for (int i = 0; i < sounds; ++i) {
            install.Banks[bank].Sounds.push_back(TestTone(22050, 96, ++seed));
        }
    }
    return install;
}

} // namespace

class SoundMenuTests : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TWorkingFolder> folder_;
    TAnsweringDialogs answers_;
    std::unique_ptr<TPlatformDialogsOverride> seam_;
    std::unique_ptr<TForm1> form_;
    std::string exe_;

    // Opens the executable and shows the car, its fields edited and not applied.
    void ShowEditedCar() {
        answers_.ChosenFile = exe_;
        form_->Button(1).Click();
        static_cast<QListWidget*>(form_->ListBox1->Impl().Widget)->setCurrentRow(CarSlot);
        QVERIFY(form_->Button(2).Enabled());
        form_->Edit(1).SetText(std::to_string(PlayerBank));
        form_->Edit(2).SetText(std::to_string(DummyBank));
        form_->TrackBar1->SetPosition(HornPosition);
        form_->Edit(3).SetText(std::string("1") + DecimalSeparator() + "5");
        form_->RadioButton(DoorButton).SetChecked(true);
    }

    // The record as the edits make it, put together by hand from the file's bytes.
    static TRecordBytes EditedCar(TBytes file) {
        const std::size_t at = RecordAt(CarSlot);
        Put(file, at + 2, LittleEndian(PlayerBank, 2));
        Put(file, at + 4, LittleEndian(DummyBank, 2));
        Put(file, at + 16, LittleEndian(HornPosition, 4));
        Put(file, at + 20, LittleEndian(FloatBits(1.5F), 4));
        Put(file, at + 24, LittleEndian(3, 2));
        TRecordBytes record{};
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(at), RecordSize, record.begin());
        return record;
    }

    static std::vector<std::uint8_t> WavOf(const std::filesystem::path& game, TParts parts,
                                           const TRecordBytes& record) {
        std::vector<std::string> leftOut;
        const sound::TGameSounds sounds(game);
        return sound::WavBytes(
            sound::PlayParts(sounds, parts(sound::VehicleSoundsOf(record), leftOut), leftOut));
    }

private slots:
    void init() {
        folder_ = std::make_unique<TWorkingFolder>();
        QVERIFY(folder_->Entered());
        answers_ = TAnsweringDialogs();
        seam_ = std::make_unique<TPlatformDialogsOverride>(answers_);
        form_ = std::make_unique<TForm1>();
        exe_ = folder_->File("gta_sa.exe");
        WriteBytes(exe_, TableExecutable(7));
    }

    void cleanup() {
        form_.reset();
        seam_.reset();
        folder_.reset();
    }

    // Each item plays exactly its parts of the record as edited; nothing is written.
    void eachItemPlaysTheFieldsAsEdited() {
        WriteSoundInstall(folder_->Path(), CarInstall());
        const TBytes file = ReadBytes(exe_);
        ShowEditedCar();
        const TRecordBytes car = EditedCar(file);
        struct TCase {
            TMenuItem* Item;
            TParts Parts;
        };
        const TCase cases[] = {{form_->Testdrive1, &sound::TestDriveParts},
                               {form_->Horn1, &sound::HornParts},
                               {form_->Doors1, &sound::DoorParts}};
        for (const TCase& c : cases) {
            answers_.Played.clear();
            c.Item->Click();
            QCOMPARE(answers_.Played.size(), std::size_t{1});
            QVERIFY(answers_.Played.front() == WavOf(folder_->Path(), c.Parts, car));
        }
        form_->Stop1->Click();
        QCOMPARE(answers_.Stops, 1);
        QVERIFY(answers_.Boxes.empty());
        QVERIFY(answers_.FolderRequests.empty());
        QVERIFY(ReadBytes(exe_) == file);
    }

    // Without sound files beside the file: a box, then the folder dialog; a folder without
    // them is said too; the game's folder once chosen serves the rest of the session.
    void noSoundFilesAskForTheGameFolder() {
        const std::filesystem::path game = folder_->Path() / "game";
        WriteSoundInstall(game, CarInstall());
        ShowEditedCar();
        const TSoundTexts& texts = SoundTexts("Eng");

        form_->Horn1->Click(); // cancelled
        QCOMPARE(answers_.Boxes.size(), std::size_t{1});
        QVERIFY(answers_.Boxes[0].Text.starts_with(texts.NoSoundFiles));
        QCOMPARE(answers_.FolderRequests.size(), std::size_t{1});
        QCOMPARE(answers_.FolderRequests[0].Title, std::string(texts.FolderTitle));
        QCOMPARE(std::filesystem::path(answers_.FolderRequests[0].Folder),
                 std::filesystem::path(exe_).parent_path());

        answers_.ChosenFolder = folder_->Path().string(); // no sound files there either
        form_->Horn1->Click();
        QCOMPARE(answers_.Boxes.size(), std::size_t{3});
        QVERIFY(answers_.Boxes[2].Text.starts_with(texts.NoSoundFiles));
        QVERIFY(answers_.Played.empty());

        answers_.ChosenFolder = game.string();
        form_->Gamefolder1->Click();
        QCOMPARE(answers_.Boxes.size(), std::size_t{3});
        QVERIFY(form_->GameFolder() == game);
        form_->Horn1->Click();
        form_->Doors1->Click();
        QCOMPARE(answers_.FolderRequests.size(), std::size_t{3});
        QCOMPARE(answers_.Played.size(), std::size_t{2});
        QVERIFY(answers_.Played[0] == WavOf(game, &sound::HornParts, EditedCar(ReadBytes(exe_))));
    }

    // No sound device, nothing left to play, a value that cannot be converted, nothing
    // shown: each is said (or beeped) and the window goes on working.
    void whatCannotPlayIsSaid() {
        WriteSoundInstall(folder_->Path(), CarInstall());
        form_->Testdrive1->Click();
        QCOMPARE(answers_.Beeps, 1);

        ShowEditedCar();
        answers_.HasSoundDevice = false;
        form_->Horn1->Click();
        QCOMPARE(answers_.Boxes.size(), std::size_t{1});
        QCOMPARE(answers_.Boxes[0].Text, std::string(SoundTexts("Eng").NoDevice));
        answers_.HasSoundDevice = true;

        form_->TrackBar1->SetPosition(HornSliderMax); // "No"
        form_->Horn1->Click();
        QCOMPARE(answers_.Boxes.size(), std::size_t{2});
        QCOMPARE(answers_.Boxes[1].Text,
                 std::string(SoundTexts("Eng").NothingToPlay) + "\nno horn: HornType is -1");

        // The same error box Apply gives, and nothing played.
        form_->TrackBar1->SetPosition(HornPosition);
        form_->Edit(3).SetText("1,2,3");
        form_->Horn1->Click();
        form_->Button(2).Click();
        QCOMPARE(answers_.Boxes.size(), std::size_t{4});
        QCOMPARE(answers_.Boxes[2].Text, answers_.Boxes[3].Text);
        QCOMPARE(answers_.Played.size(), std::size_t{1});

        form_->Edit(3).SetText("1");
        form_->Testdrive1->Click();
        QCOMPARE(answers_.Played.size(), std::size_t{2});
        QCOMPARE(answers_.Boxes.size(), std::size_t{4});

        // Every bank cut short, as a broken copy leaves them: said, and nothing read past.
        std::filesystem::resize_file(PackageFile(folder_->Path(), "GENRL"), 100);
        form_->Testdrive1->Click();
        QCOMPARE(answers_.Played.size(), std::size_t{2});
        QCOMPARE(answers_.Boxes.size(), std::size_t{5});
        QVERIFY(answers_.Boxes[4].Text.starts_with(SoundTexts("Eng").NothingToPlay));
        QVERIFY(answers_.Boxes[4].Text.find("GENRL") != std::string::npos);
    }
};

namespace {
const TRegisterUiTest<SoundMenuTests> registered;
} // namespace

} // namespace klarvon::test

#include "SoundMenuTests.moc"

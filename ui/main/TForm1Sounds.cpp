// The Sounds menu: what the window holds now, put together from the game's own sound banks
// and handed to the platform to play. As in TForm1Events.cpp, a failure (a value that
// cannot be converted, a bank that cannot be read) ends the handler in the error box.
#include "ui/main/TForm1.h"

#include "sound/GameFolder.h"
#include "sound/GameSounds.h"
#include "sound/TestDrive.h"
#include "sound/Wav.h"
#include "table/PathText.h"

#include <string>
#include <vector>

namespace klarvon {
namespace {

// The box's text: a line above and the lines under it.
std::string Lines(std::string_view head, const std::vector<std::string>& lines) {
    std::string text(head);
    for (const std::string& line : lines) {
        text += '\n' + line;
    }
    return text;
}

} // namespace

void TForm1::Testdrive1Click() {
    PlayVehicle(TSoundPick::TestDrive);
}
void TForm1::Horn1Click() {
    PlayVehicle(TSoundPick::Horn);
}
void TForm1::Doors1Click() {
    PlayVehicle(TSoundPick::Doors);
}

void TForm1::Stop1Click() {
    Application().StopWave();
}

void TForm1::Gamefolder1Click() {
    const std::filesystem::path start =
        gameFolder_ ? *gameFolder_
                    : (file_.Path.empty() ? std::filesystem::path()
                                          : sound::GameFolderOf(FileSystemPath(file_.Path)));
    AskGameFolder(start);
}

void TForm1::PlayVehicle(TSoundPick pick) {
    // Nothing is shown to play, as Save has nothing to apply then.
    if (file_.Path.empty() || !view_.IsWhole()) {
        Application().Beep();
        return;
    }
    // The record as Apply would write it now: a value that cannot be converted stops this
    // with Apply's own error.
    const TVehicleAudioRecord record = view_.Collect(ReadControls(controls_), DecimalSeparator());
    const sound::TVehicleSounds vehicle = sound::VehicleSoundsOf(record.Bytes);
    std::vector<std::string> leftOut;
    std::vector<sound::TSoundPart> parts;
    switch (pick) {
    case TSoundPick::TestDrive:
        parts = sound::TestDriveParts(vehicle, leftOut);
        break;
    case TSoundPick::Horn:
        parts = sound::HornParts(vehicle, leftOut);
        break;
    case TSoundPick::Doors:
        parts = sound::DoorParts(vehicle, leftOut);
        break;
    }
    const TSoundTexts& texts = SoundTexts(language_);
    if (parts.empty()) {
        MessageDlg(Lines(texts.NothingToPlay, leftOut), TMsgDlgType::Information, {.OK = true});
        return;
    }
    const std::optional<std::filesystem::path> folder = SoundFolder();
    if (!folder) {
        return;
    }
    const sound::TGameSounds sounds(*folder);
    const sound::TPcmSound played = sound::PlayParts(sounds, parts, leftOut);
    // A part left out is not worth a box while the rest plays; a sound of nothing is.
    if (played.Samples.empty()) {
        MessageDlg(Lines(texts.NothingToPlay, leftOut), TMsgDlgType::Information, {.OK = true});
        return;
    }
    if (!Application().PlayWave(sound::WavBytes(played))) {
        MessageDlg(texts.NoDevice, TMsgDlgType::Warning, {.OK = true});
    }
}

std::optional<std::filesystem::path> TForm1::SoundFolder() {
    const std::filesystem::path file = FileSystemPath(file_.Path);
    if (std::optional<std::filesystem::path> folder = sound::SoundFolderFor(file, gameFolder_)) {
        return folder;
    }
    const std::filesystem::path beside = sound::GameFolderOf(file);
    const TSoundTexts& texts = SoundTexts(language_);
    MessageDlg(std::string(texts.NoSoundFiles) + '\n' + Utf8Text(beside) + "\n\n" +
                   std::string(texts.ChooseFolder),
               TMsgDlgType::Information, {.OK = true});
    return AskGameFolder(beside);
}

std::optional<std::filesystem::path> TForm1::AskGameFolder(const std::filesystem::path& start) {
    const TSoundTexts& texts = SoundTexts(language_);
    std::string chosen;
    if (!SelectDirectory(texts.FolderTitle, Utf8Text(start), chosen)) {
        return std::nullopt;
    }
    const std::filesystem::path folder = FileSystemPath(chosen);
    if (!sound::HasSoundFiles(folder)) {
        MessageDlg(std::string(texts.NoSoundFiles) + '\n' + chosen, TMsgDlgType::Warning,
                   {.OK = true});
        return std::nullopt;
    }
    gameFolder_ = folder;
    return gameFolder_;
}

} // namespace klarvon

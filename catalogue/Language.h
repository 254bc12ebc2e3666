#pragma once
// The interface language: chosen once at start-up from the first line of Settings.ini,
// the Russian captions that replace the designed English ones, and the one message
// whose text is picked by language while the program runs.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace klarvon {

// "Eng", "Rus" or empty (never set). Only equality with "Rus" matters: anything else,
// including empty, means English texts.
using TLanguage = std::string;

inline constexpr std::string_view LanguageEnglish = "Eng";
inline constexpr std::string_view LanguageRussian = "Rus";

// The settings file the main window looks for: in the working folder, then (on Linux)
// in the user's configuration folder.
inline constexpr std::string_view SettingsFileName = "Settings.ini";

// Only this many characters of the first line are looked at.
inline constexpr std::size_t SettingsLineLimit = 4096;

// The start-up choice:
// - no file of that name (a folder or a dangling link is no file) -> "Eng";
// - otherwise its first line (ended by CR, LF or a NUL byte, at most SettingsLineLimit
//   characters) containing "Rus", case-sensitive -> "Rus";
// - otherwise empty.
// A file that exists but cannot be opened throws EKlarvonError
// "Cannot open file "<absolute path>". <system reason>"; one that opens but cannot be
// read throws "Cannot read file "<absolute path>". <system reason>".
TLanguage ChooseLanguage(const std::filesystem::path& settingsPath);

bool IsRussian(const TLanguage& language);

// One replaced caption: the control (or menu item) name and its Russian text, UTF-8.
struct TCaption {
    std::string_view Control;
    std::string_view Text;
};

// Every caption replaced for Russian, in the order they are applied.
std::span<const TCaption> RussianCaptions();

// Shown once after a successful apply: "Сохранено успешно." or "Saved successful.".
std::string_view SaveConfirmationText(const TLanguage& language);

// Shown instead of saving when the record on disk is no longer the one shown, so that
// an apply never undoes another program's change.
std::string StaleRecordText(const TLanguage& language);

// The texts of what the editor adds to its window: the warning before a value the game
// has a problem with, undo, the check window and the caption's word on a file that is
// shown read-only.
struct TEditorTexts {
    std::string_view ProblemsHeader; // above the problems a write would make
    std::string_view WriteAnyway;    // the question under them
    std::string_view UndoStale;      // an undo refused: the record is no longer as written
    std::string_view NoFindings;     // before check's count line when nothing was found
    std::string_view Select;         // the check window's buttons
    std::string_view Close;
    std::string_view ReadOnlyMark; // after the file's name: it may not be written
    std::string_view InUseMark;    // after the file's name: another program holds it
};
const TEditorTexts& EditorTexts(const TLanguage& language);

// The texts of the Sounds menu: its boxes and the folder dialog's title.
struct TSoundTexts {
    std::string_view NoSoundFiles;  // above the folder that lacks the game's sound files
    std::string_view ChooseFolder;  // under it, when the folder dialog follows
    std::string_view FolderTitle;   // the folder dialog's title
    std::string_view NothingToPlay; // above the reasons, when no part of a sound is left
    std::string_view NoDevice;      // no sound device to play on
};
const TSoundTexts& SoundTexts(const TLanguage& language);

} // namespace klarvon

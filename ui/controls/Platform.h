#pragma once
// The seam between the program and whatever asks the user or the system something:
// the file-open and folder dialogs, message boxes, the list to choose from, the beep, the shell
// and the sound played. Everything modal goes through TPlatformDialogs, so a test answers
// instead of a person, and a sound is handed over as its bytes, so a test hears exactly what
// would sound.
//
// The platform layer supplies the real implementation (Qt: QFileDialog, QMessageBox,
// a QDialog around a list, QApplication::beep, QDesktopServices). A test installs its own for a
// scope:
//
//     TAnsweringDialogs answers;                     // derives from TPlatformDialogs
//     TPlatformDialogsOverride seam(answers);        // until seam goes out of scope
//
// Requests are plain data, so a test can check exactly what would have been shown.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace klarvon {

struct TFileFilter {
    std::string Name;    // shown to the user, e.g. "gta_sa.exe"
    std::string Pattern; // e.g. "*gta_sa.exe"
};

struct TOpenDialogRequest {
    std::string Title;
    std::vector<TFileFilter> Filters;
    std::string FileName; // the previous choice, if any; the dialog starts beside it
    bool HideReadOnly = false;
};

enum class TMessageIcon : std::uint8_t { None, Error, Warning, Information, Question };

struct TMessageBoxRequest {
    std::string Title;
    std::string Text;
    TMessageIcon Icon = TMessageIcon::None;
    std::vector<std::string> Buttons; // captions, '&' marks the accelerator
    int DefaultButton = 0;            // index into Buttons
    int EscapeButton = -1;            // index pressed by Esc; -1: Esc does nothing
};

// What a message box returned: the index of the button pressed, or this when the box
// was closed by its close box.
inline constexpr int MessageBoxClosed = -1;

// A list of lines to choose one from, under a header line (what the list counts), with a
// button that chooses the selected line and one that closes without a choice. The
// captions come with the request, so that the caller can give them in its language.
struct TListDialogRequest {
    std::string Title;
    std::string Header;
    std::vector<std::string> Lines;
    std::string SelectCaption;
    std::string CloseCaption;
};

// What a list dialog returned when it was closed without a line chosen.
inline constexpr int ListDialogClosed = -1;

// A folder to choose, starting in Folder (empty: wherever the system likes).
struct TFolderDialogRequest {
    std::string Title;
    std::string Folder;
};

// A sound to play: a whole WAV file (RIFF, 16-bit PCM), as it would be on disk.
struct TWaveRequest {
    std::vector<std::uint8_t> Wav;
};

class TPlatformDialogs {
public:
    virtual ~TPlatformDialogs() = default;

    // true with the chosen file's path (in the file system's encoding) in fileName;
    // false, fileName untouched, when the user cancels.
    virtual bool ExecuteOpenDialog(const TOpenDialogRequest& request, std::string& fileName) = 0;
    // Modal, centred on the screen.
    virtual int ShowMessageBox(const TMessageBoxRequest& request) = 0;
    // Modal, centred on the window it belongs to (or the screen), wide enough for lines
    // of about a hundred characters and resizable. The index of the line chosen (by a
    // double click, or Enter or the select button on the selected line), or
    // ListDialogClosed. A stand-in that never shows lists answers as if closed.
    virtual int ShowListDialog(const TListDialogRequest& request);
    virtual void Beep() = 0;
    virtual void ShellOpen(const std::string& target) = 0;
    // true with the chosen folder's path (as ExecuteOpenDialog's) in folder; false, folder
    // untouched, when the user cancels. A stand-in that never shows folders cancels.
    virtual bool ExecuteFolderDialog(const TFolderDialogRequest& request, std::string& folder);
    // Starts the sound and returns at once; a sound still playing stops first. false when
    // there is no sound device to play it on: then nothing plays. A stand-in that plays
    // nothing answers false.
    virtual bool PlayWave(const TWaveRequest& request);
    // Stops the sound playing, if any.
    virtual void StopWave();

protected:
    TPlatformDialogs() = default;
    TPlatformDialogs(const TPlatformDialogs&) = default;
    TPlatformDialogs& operator=(const TPlatformDialogs&) = default;
};

// The installed implementation, or the platform's own when none is installed.
TPlatformDialogs& PlatformDialogs();

// The platform's own implementation; defined by the platform layer.
std::unique_ptr<TPlatformDialogs> MakeNativePlatformDialogs();

// Installs dialogs for its lifetime and restores the previous ones afterwards.
class TPlatformDialogsOverride {
public:
    explicit TPlatformDialogsOverride(TPlatformDialogs& dialogs);
    ~TPlatformDialogsOverride();
    TPlatformDialogsOverride(const TPlatformDialogsOverride&) = delete;
    TPlatformDialogsOverride& operator=(const TPlatformDialogsOverride&) = delete;

private:
    TPlatformDialogs* previous_;
};

} // namespace klarvon

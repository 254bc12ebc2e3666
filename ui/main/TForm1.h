#pragma once
// The main window: the vehicle list on the left, the editing panel on the right, four
// buttons under the list and the main menu, built from the tables in MainLayout.h.
//
// Controls are reached by their names: numbered families through Button(2),
// Label(22), Edit(7), CheckBox(1), RadioButton(17), GroupBox(5), Panel(1) (a number
// the window does not have throws std::out_of_range); the single ones and the
// non-visual parts as members. TForm::FindComponent finds any of them by name. Each event has one
// handler, named control plus event, connected when the window is built; FormCreate runs at the end
// of the constructor, before the window is first shown.

#include "catalogue/Language.h"
#include "table/TableLocator.h"
#include "table/VehicleAudioRecord.h"
#include "ui/controls/Dialogs.h"
#include "ui/controls/ExtCtrls.h"
#include "ui/controls/Forms.h"
#include "ui/controls/Menus.h"
#include "ui/controls/StdCtrls.h"
#include "ui/main/ApplyHistory.h"
#include "ui/main/EditorFile.h"
#include "ui/main/MainLayout.h"
#include "ui/main/RecordView.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace klarvon {

class TForm2;

// Help > Help: the reference page for the engine sound IDs.
inline constexpr std::string_view EngineSoundsPage =
    "https://sannybuilder.com/dev/enginesounds.htm";
// Help > ReadMe: the guide that ships with the program.
inline constexpr std::string_view ReadMeFileName = "ReadMe.txt";

class TForm1 : public TForm {
public:
    TForm1();

    TButton& Button(int n) const { return *At(buttons_, n); }
    TLabel& Label(int n) const { return *At(labels_, n); }
    TEdit& Edit(int n) const { return *At(edits_, n); }
    TCheckBox& CheckBox(int n) const { return *At(checkBoxes_, n); }
    TRadioButton& RadioButton(int n) const { return *At(radioButtons_, n); }
    TGroupBox& GroupBox(int n) const { return *At(groupBoxes_, n); }
    TPanel& Panel(int n) const { return *At(panels_, n); }

    TImage* Image1 = nullptr;
    TListBox* ListBox1 = nullptr;
    TTrackBar* TrackBar1 = nullptr;

    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* Programme1 = nullptr;
    TMenuItem* Openexe1 = nullptr;
    TMenuItem* Opencfg1 = nullptr;
    TMenuItem* Saveexe1 = nullptr;
    TMenuItem* Undoapply1 = nullptr;
    TMenuItem* Check1 = nullptr;
    TMenuItem* Exit1 = nullptr;
    TMenuItem* Settings1 = nullptr;
    TMenuItem* ShowUnknown1 = nullptr;
    TMenuItem* Sounds1 = nullptr;
    TMenuItem* Testdrive1 = nullptr;
    TMenuItem* Horn1 = nullptr;
    TMenuItem* Doors1 = nullptr;
    TMenuItem* Stop1 = nullptr;
    TMenuItem* Gamefolder1 = nullptr;
    TMenuItem* About1 = nullptr;
    TMenuItem* IDofEngineSound1 = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* About2 = nullptr;

    TOpenDialog* OpenDialog1 = nullptr;
    TOpenDialog* OpenDialog2 = nullptr; // Actions > Open cfg
    TTimer* Timer1 = nullptr;

    // The About window, created after this one and set by the program's start-up;
    // "About" needs it.
    TForm2* Form2 = nullptr;

    // The interface language chosen at creation; empty when the choice failed.
    const TLanguage& Language() const { return language_; }
    // The file open now; an empty path before the first open.
    const TEditorFile& OpenFile() const { return file_; }
    // The game's folder chosen through Sounds > Game folder... this session, if any.
    const std::optional<std::filesystem::path>& GameFolder() const { return gameFolder_; }

    // The file the program was started with (a file dropped on it, "Open with"), opened
    // as if chosen in the Open dialog, which then starts beside it. A failure ends it as an
    // event's does; run it through Application().Invoke.
    void OpenStartFile(const std::string& path);

private:
    template <class T, std::size_t N> static T* At(const std::array<T*, N>& family, int n) {
        T* control = n > 0 ? family.at(static_cast<std::size_t>(n)) : nullptr;
        if (control == nullptr) {
            throw std::out_of_range("The main window has no control of that number");
        }
        return control;
    }

    void CreateControls();
    void CreateMenu();
    void CreateNonVisual();
    void ConnectEvents();
    void LoadBackground();
    void BindControls();

    // Helpers of the handlers (TForm1Events.cpp).
    void FilterIntegerEdit(TEdit& edit);
    void EnableEdits(const TCheckBox& checkBox, int firstEdit, int lastEdit);
    void SetCaptionOf(std::string_view name, std::string_view caption);
    void UpdateCaption();
    // Runs work; a change in whether the file may be written shows in the caption, whether
    // work ends well or not.
    void KeepingCaptionCurrent(const std::function<void()>& work);
    // Actions (TForm1Actions.cpp).
    void OpenChosenFile(const std::string& path);
    bool WriteAnyway(const TVehicleChange& change);
    void Commit(const TVehicleChange& change);
    void SelectVehicle(const TVehicle& vehicle);
    void WaitForConfirmation();
    // Sounds (TForm1Sounds.cpp).
    enum class TSoundPick : std::uint8_t { TestDrive, Horn, Doors };
    void PlayVehicle(TSoundPick pick);
    std::optional<std::filesystem::path> SoundFolder();
    std::optional<std::filesystem::path> AskGameFolder(const std::filesystem::path& start);

    // Handlers (TForm1Events.cpp).
    void FormCreate();
    void ListBox1Click();
    void Edit1Change();
    void Edit2Change();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void TrackBar1Change();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Timer1Timer();
    void Openexe1Click();
    void Opencfg1Click();
    void Saveexe1Click();
    void Undoapply1Click();
    void Check1Click();
    void Exit1Click();
    void ShowUnknown1Click();
    void Testdrive1Click();
    void Horn1Click();
    void Doors1Click();
    void Stop1Click();
    void Gamefolder1Click();
    void IDofEngineSound1Click();
    void Help1Click();
    void About2Click();

    // Index 0 unused, so that Edit(7) is edits_[7].
    std::array<TButton*, 5> buttons_{};
    std::array<TLabel*, 30> labels_{};
    std::array<TEdit*, 12> edits_{};
    std::array<TCheckBox*, 4> checkBoxes_{};
    std::array<TRadioButton*, 32> radioButtons_{};
    std::array<TGroupBox*, 8> groupBoxes_{};
    std::array<TPanel*, 5> panels_{};

    // The state the handlers share.
    TFormControls controls_;
    TRecordView view_;
    TVehicleAudioRecord current_{};
    TEditorFile file_;
    TApplyHistory history_;
    int position_ = 0;
    TLanguage language_;
    std::optional<std::filesystem::path> gameFolder_;
};

} // namespace klarvon

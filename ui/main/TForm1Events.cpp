// The main window's event handlers, one per event, as connected in TForm1::ConnectEvents.
// A handler that fails stops where it is; the application shows the failure in its one
// error box (every event runs through TApplication::Invoke), so nothing here catches.
#include "ui/main/TForm1.h"

#include "catalogue/VehicleCatalogue.h"
#include "table/ValueCodes.h"
#include "ui/About/TForm2.h"
#include "ui/controls/FileLookup.h"
#include "ui/main/IntegerEntryFilter.h"

#include <array>
#include <stdexcept>
#include <string>

namespace klarvon {
namespace {

// The window's width, the editing panel's width and the caption's run of spaces, with
// and without the unknown fields. The run moves the credit to the title bar's right end.
struct TWidthSetting {
    int OuterWidth;
    int PanelWidth;
    int CaptionGap;
};

constexpr TWidthSetting NarrowSetting{639, 425, NarrowCaptionGap};
constexpr TWidthSetting WideSetting{799, 585, WideCaptionGap};

} // namespace

// --- Start-up --------------------------------------------------------------------------

void TForm1::FormCreate() {
    // A settings file that cannot be read ends this here: the error box shows, the
    // language stays empty and the captions English.
    language_ = ChooseLanguage(FindFile(SettingsFileName, SettingsFolders()));
    if (!IsRussian(language_)) {
        return;
    }
    for (const TCaption& caption : RussianCaptions()) {
        SetCaptionOf(caption.Control, caption.Text);
    }
}

void TForm1::SetCaptionOf(std::string_view name, std::string_view caption) {
    TComponent* component = FindComponent(name);
    if (auto* control = dynamic_cast<TControl*>(component)) {
        control->SetCaption(caption);
    } else if (auto* item = dynamic_cast<TMenuItem*>(component)) {
        item->SetCaption(caption);
    } else {
        throw std::logic_error("The main window has no caption named " + std::string(name));
    }
}

// --- Open ---------------------------------------------------------------------------------

void TForm1::Button1Click() {
    if (!OpenDialog1->Execute()) {
        return;
    }
    OpenChosenFile(OpenDialog1->FileName());
}

void TForm1::Openexe1Click() {
    Button(1).Click();
}

void TForm1::OpenStartFile(const std::string& path) {
    OpenDialog1->SetFileName(path);
    OpenChosenFile(path);
}

void TForm1::Opencfg1Click() {
    if (!OpenDialog2->Execute()) {
        return;
    }
    OpenChosenFile(OpenDialog2->FileName());
}

// --- Show ---------------------------------------------------------------------------------

void TForm1::ListBox1Click() {
    Panel(1).SetEnabled(true);
    // Apply stays off until the record has arrived whole: a show cut short leaves the
    // form holding two vehicles' values.
    Button(2).SetEnabled(false);
    position_ = ListBox1->ItemIndex();
    const TVehicle vehicle = file_.Vehicles.at(static_cast<std::size_t>(position_));
    view_.BeginShow();
    // The view learns the field before its control is set: setting the slider runs
    // TrackBar1Change, which rewrites the current record's horn type.
    KeepingCaptionCurrent([this, &vehicle] {
        ReadVehicleFields(file_, vehicle, current_, [this](TField field) {
            view_.FieldArrived(field, current_[field], DecimalSeparator());
            PutField(field, view_.Shown(), controls_);
        });
    });
    Button(2).SetEnabled(view_.IsWhole());
}

// --- Apply and its confirmation -----------------------------------------------------------

void TForm1::Button2Click() {
    position_ = ListBox1->ItemIndex();
    const TVehicle vehicle = file_.Vehicles.at(static_cast<std::size_t>(position_));
    // A file that cannot be written is reported before a mistyped value. Untouched controls
    // keep the bits as read; a failure writes nothing.
    KeepingCaptionCurrent([this] { RequireWritable(file_); });
    const TVehicleAudioRecord record = view_.Collect(ReadControls(controls_), DecimalSeparator());
    const TVehicleChange change{vehicle, view_.AsRead().Bytes, record.Bytes};
    if (!WriteAnyway(change)) {
        return; // the edits stay in the window
    }
    Commit(change);
    if (change.After != change.Before) {
        history_.Applied(file_.Path, change);
        Undoapply1->SetEnabled(true);
    }
    current_ = record;
    view_.Written(record);
    WaitForConfirmation();
}

void TForm1::Saveexe1Click() {
    if (Button(2).Enabled()) {
        Button(2).Click();
    }
}

void TForm1::Timer1Timer() {
    // Stopped first: the loop keeps running while the confirmation waits for the user.
    Timer1->SetEnabled(false);
    MessageDlg(SaveConfirmationText(language_), TMsgDlgType::Information, {.OK = true});
    // Only a record of the list as it is now, read whole, can be applied: an open or a
    // failed show while the confirmation waited leaves nothing to apply.
    Button(2).SetEnabled(view_.IsWhole());
    ListBox1->SetEnabled(true);
}

// --- Editing --------------------------------------------------------------------------------

void TForm1::CheckBox1Click() {
    EnableEdits(CheckBox(1), 1, 2);
}
void TForm1::CheckBox2Click() {
    EnableEdits(CheckBox(2), 3, 3);
}
void TForm1::CheckBox3Click() {
    EnableEdits(CheckBox(3), 4, 11);
}

void TForm1::EnableEdits(const TCheckBox& checkBox, int firstEdit, int lastEdit) {
    for (int n = firstEdit; n <= lastEdit; ++n) {
        Edit(n).SetEnabled(checkBox.Checked());
    }
}

void TForm1::Edit1Change() {
    FilterIntegerEdit(Edit(1));
}
void TForm1::Edit2Change() {
    FilterIntegerEdit(Edit(2));
}

void TForm1::FilterIntegerEdit(TEdit& edit) {
    // Setting the text runs this again; the filtered text passes unchanged that time.
    const std::string filtered = FilterIntegerEntry(edit.Text());
    if (filtered == edit.Text()) {
        return;
    }
    edit.SetText(filtered);
    edit.SetSelStart(static_cast<int>(filtered.size()));
}

void TForm1::TrackBar1Change() {
    current_[TField::HornType] = EncodeHornPosition(TrackBar1->Position());
}

// --- Menus and the other buttons --------------------------------------------------------------

void TForm1::ShowUnknown1Click() {
    ShowUnknown1->SetChecked(!ShowUnknown1->Checked());
    const TWidthSetting& setting = ShowUnknown1->Checked() ? WideSetting : NarrowSetting;
    SetOuterWidth(setting.OuterWidth);
    Panel(1).SetWidth(setting.PanelWidth);
    UpdateCaption();
}

void TForm1::Button3Click() {
    if (Form2 == nullptr) {
        throw std::logic_error("The About window has not been created");
    }
    Form2->Open();
}

void TForm1::About2Click() {
    Button(3).Click();
}

void TForm1::Button4Click() {
    Application().Terminate();
}
void TForm1::Exit1Click() {
    Application().Terminate();
}

void TForm1::IDofEngineSound1Click() {
    Application().ShellOpen(ReadMeFileName);
}
void TForm1::Help1Click() {
    Application().ShellOpen(EngineSoundsPage);
}

} // namespace klarvon

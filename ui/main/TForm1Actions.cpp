// The main window's work on whole files: opening either kind, the warning before a value
// the game has a problem with, the commit of an apply, undo and the check. As in
// TForm1Events.cpp, a failure ends the handler and the application's error box shows it.
#include "ui/main/TForm1.h"

#include "catalogue/VehicleCatalogue.h"
#include "exchange/Findings.h"
#include "table/FieldLayout.h"

#include <algorithm>
#include <string>

namespace klarvon {
namespace {

// The name the caption shows: the path's last part, whichever separator it uses.
std::string_view FileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The caption's word on why the file is shown read-only; empty when it may be written.
std::string_view WriteMark(TWriteRefusal refusal, const TEditorTexts& texts) {
    switch (refusal) {
    case TWriteRefusal::ReadOnly:
        return texts.ReadOnlyMark;
    case TWriteRefusal::InUse:
        return texts.InUseMark;
    case TWriteRefusal::None:
        break;
    }
    return {};
}

// The editor's fields whose bytes a refused change would set though a cfg row has no
// place for them: "Unknown5", "Unknown5, Unknown6".
std::string FieldsAt(const std::vector<std::size_t>& offsets) {
    std::string names;
    for (const TLayoutField& field : EditorLayout()) {
        const bool covers = std::any_of(offsets.begin(), offsets.end(), [&field](std::size_t at) {
            return at >= field.Offset && at < field.Offset + TypeWidth(field.Type);
        });
        if (covers) {
            names += (names.empty() ? "" : ", ") + std::string(field.Name);
        }
    }
    return names;
}

} // namespace

// --- Open -----------------------------------------------------------------------------------

void TForm1::OpenChosenFile(const std::string& path) {
    Button(2).SetEnabled(false);
    view_.BeginShow(); // the record shown belongs to the previous file's list
    ListBox1->Clear();
    ListBox1->SetEnabled(true);
    // Until this open succeeds no file is open: nothing to apply, undo or check.
    file_ = {};
    Check1->SetEnabled(false);
    Undoapply1->SetEnabled(false);
    UpdateCaption();
    file_ = OpenEditorFile(
        path, [this](std::int64_t size) { Label(22).SetCaption(std::to_string(size)); });
    if (file_.IsRejected) {
        // The open still runs to its end, the list filled with the slots; the program ends
        // when the loop runs again.
        Label(26).SetCaption(file_.Location.VersionText);
        MessageDlg(RejectedFileText, TMsgDlgType::Error, {.Yes = true});
        Application().Terminate();
    }
    history_.Opened(file_.Path);
    Undoapply1->SetEnabled(history_.CanUndo());
    Check1->SetEnabled(true);
    UpdateCaption();
    if (file_.IsCfg) {
        Label(26).SetCaption(CfgVersionText);
        Label(24).SetCaption(std::to_string(file_.Vehicles.size()));
        for (const TVehicle& vehicle : file_.Vehicles) {
            ListBox1->AddItem(ListLine(vehicle));
        }
        return;
    }
    Label(26).SetCaption(file_.Location.VersionText);
    Label(24).SetCaption(TVehicleCatalogue::SlotCountText());
    TVehicleCatalogue::Fill([this](const std::string& line) { ListBox1->AddItem(line); });
}

void TForm1::UpdateCaption() {
    const int gap = ShowUnknown1->Checked() ? WideCaptionGap : NarrowCaptionGap;
    SetCaption(
        MainCaption(gap, FileNameOf(file_.Path), WriteMark(file_.Refusal, EditorTexts(language_))));
}

void TForm1::KeepingCaptionCurrent(const std::function<void()>& work) {
    const TWriteRefusal before = file_.Refusal;
    try {
        work();
    } catch (...) {
        if (file_.Refusal != before) {
            UpdateCaption();
        }
        throw;
    }
    if (file_.Refusal != before) {
        UpdateCaption();
    }
}

// --- Apply -------------------------------------------------------------------------------------

bool TForm1::WriteAnyway(const TVehicleChange& change) {
    // Only what this apply makes counts: a problem the record already had is not news.
    const std::vector<TFinding> problems = exchange::NewProblems(
        change.Vehicle, *change.Before, change.After, EditorBankFacts(file_, gameFolder_));
    if (problems.empty()) {
        return true;
    }
    const TEditorTexts& texts = EditorTexts(language_);
    std::string text(texts.ProblemsHeader);
    text += '\n';
    for (const TFinding& problem : problems) {
        text += '\n' + exchange::FindingText(problem);
    }
    text += "\n\n";
    text += texts.WriteAnyway;
    return MessageDlg(text, TMsgDlgType::Warning, {.Yes = true, .No = true}, TMsgDlgBtn::No) ==
           TModalResult::Yes;
}

void TForm1::Commit(const TVehicleChange& change) {
    try {
        CommitChange(file_, change);
    } catch (const EStaleRecord&) {
        // Writing the form now would undo the other program's change to the fields the
        // user left alone.
        throw EStaleRecord(StaleRecordText(language_));
    } catch (const exchange::EPadBytes& refused) {
        throw EFinalError(FieldsAt(refused.Offsets) +
                          ": a cfg row has no place for this value (it keeps only the game's "
                          "values, and this one needs a byte the game leaves empty); nothing "
                          "was written");
    }
}

void TForm1::WaitForConfirmation() {
    Timer1->SetEnabled(true);
    ListBox1->SetEnabled(false);
    Button(2).SetEnabled(false);
}

// --- Undo ---------------------------------------------------------------------------------------

void TForm1::Undoapply1Click() {
    if (!history_.CanUndo()) {
        return;
    }
    const TAppliedChange undo = history_.UndoChange();
    // Refused as an apply is, with the caption brought up to date.
    KeepingCaptionCurrent([this] { RequireWritable(file_); });
    try {
        CommitChange(file_, undo.Change);
    } catch (const EStaleRecord&) {
        throw EStaleRecord(std::string(EditorTexts(language_).UndoStale));
    }
    history_.Undone();
    Undoapply1->SetEnabled(history_.CanUndo());
    // The window shows the record as it is now, then confirms as an apply does.
    SelectVehicle(undo.Change.Vehicle);
    WaitForConfirmation();
}

// --- Check --------------------------------------------------------------------------------------

void TForm1::Check1Click() {
    TEditorCheck check = CheckEditorFile(file_, gameFolder_);
    std::vector<exchange::TRecordFinding>& findings = check.Findings;
    std::stable_partition(findings.begin(), findings.end(),
                          [](const exchange::TRecordFinding& found) {
                              return found.Finding.Severity == TSeverity::Problem;
                          });
    const std::string count = exchange::CountLine(findings, check.Vehicles);
    const TEditorTexts& texts = EditorTexts(language_);
    if (findings.empty()) {
        MessageDlg(std::string(texts.NoFindings) + ' ' + count, TMsgDlgType::Information,
                   {.OK = true});
        return;
    }
    std::vector<std::string> lines;
    const std::string_view source = FileNameOf(file_.Path);
    for (const exchange::TRecordFinding& found : findings) {
        lines.push_back(exchange::CheckLine(source, found));
    }
    const int chosen = ListDlg(Check1->Caption(), count, lines, texts.Select, texts.Close);
    if (chosen != ListDialogClosed) {
        SelectVehicle(findings[static_cast<std::size_t>(chosen)].Record.Vehicle);
    }
}

void TForm1::SelectVehicle(const TVehicle& vehicle) {
    // While an apply waits for its confirmation the list stays as it is.
    const std::optional<int> position = ListPosition(file_, vehicle);
    if (!position || !ListBox1->Enabled()) {
        return;
    }
    ListBox1->SetItemIndex(*position);
    ListBox1Click();
}

} // namespace klarvon

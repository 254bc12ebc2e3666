// `apply FILE PATCH [--reverse] [--dry-run] [--backup]`: the change lines of diff, set,
// copy or import-cfg made (or undone) on another file, all of them or none.

#include "cli/Backup.h"
#include "cli/Changes.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Patch.h"
#include "cli/TableFile.h"

#include <array>
#include <iostream>
#include <set>

namespace klarvon::cli {

namespace {

constexpr std::string_view ReverseFlag = "--reverse";
constexpr std::string_view DryRunFlag = "--dry-run";
constexpr std::array<std::string_view, 3> ApplyFlags{ReverseFlag, DryRunFlag, BackupFlag};

std::string Subject(const TPatchChange& change) {
    return ChangeSubject(change.Layout, change.Id,
                         change.Field ? change.Field->Name : PadBytesName);
}

std::string ConflictText(const std::string& patch, const TConflict& conflict, bool reverse) {
    const TPatchChange& change = *conflict.Change;
    const bool done = conflict.Found == (reverse ? change.Old : change.New);
    return patch + ':' + std::to_string(change.Line) + ": " + Subject(change) + " is " +
           ChangeValueText(change, conflict.Found) + ", not " +
           ChangeValueText(change, reverse ? change.New : change.Old) +
           (done ? " (this line is already " + std::string(reverse ? "undone" : "applied") + ")"
                 : "");
}

// The lines as they change the file, in the order they are applied.
void WriteApplied(std::ostream& out, std::span<const TPatchChange> changes, bool reverse) {
    for (std::size_t n = 0; n < changes.size(); ++n) {
        const TPatchChange& change = changes[reverse ? changes.size() - 1 - n : n];
        if (change.Old == change.New) {
            continue;
        }
        const auto& from = reverse ? change.New : change.Old;
        const auto& to = reverse ? change.Old : change.New;
        out << Subject(change) << ": " << ChangeValueText(change, from) << " -> "
            << ChangeValueText(change, to) << '\n';
    }
}

void WarnAboutBanks(std::span<const TPatchChange> changes, const std::vector<TRecordBytes>& after) {
    for (const TPatchChange& change : changes) {
        if (change.Field != nullptr) {
            const std::array written{change.Field};
            WarnAboutEngineBanks(std::cerr, change.Id, written,
                                 after[static_cast<std::size_t>(change.Id - FirstVehicleId)]);
        }
    }
}

int RunApply(const TArguments& arguments, std::ostream& out) {
    RequirePositionals(arguments, 2);
    const std::string& patchPath = arguments.Positionals[1];
    const std::string text = ReadTextFile(patchPath);
    TPatch patch;
    try {
        patch = ParsePatch(text);
    } catch (const EPatchError& error) {
        throw EPlainFailure(patchPath + ':' + std::to_string(error.Line) + ':' +
                            std::to_string(error.Column) + ": " + error.what());
    }
    if (patch.Changes.empty()) {
        if (!patch.SaysNoChange) {
            throw EPlainFailure(patchPath + " holds no patch lines (ID NAME FIELD: OLD -> NEW)");
        }
        out << "no change: " << patchPath << " changes nothing\n";
        return ExitSuccess;
    }

    const bool reverse = arguments.Has(ReverseFlag);
    const bool dryRun = arguments.Has(DryRunFlag);
    const TPatchDirection direction = reverse ? TPatchDirection::Reverse : TPatchDirection::Forward;
    TTableFile file(arguments.Positionals[0], dryRun ? TAccess::ReadOnly : TAccess::ReadWrite);
    std::vector<TRecordBytes> before;
    for (const TVehicleAudioRecord& record : file.ReadAll()) {
        before.push_back(EncodeRecord(record));
    }
    std::vector<TRecordBytes> after = before;
    const std::vector<TConflict> conflicts = ApplyPatch(patch.Changes, direction, after);
    if (!conflicts.empty()) {
        std::vector<TRecordBytes> undone = before;
        const TPatchDirection back = reverse ? TPatchDirection::Forward : TPatchDirection::Reverse;
        if (ApplyPatch(patch.Changes, back, undone).empty()) {
            out << "already " << (reverse ? "undone" : "applied") << ": "
                << arguments.Positionals[0] << " holds what " << patchPath
                << (reverse ? " changed from" : " changes to") << "; nothing was written\n";
            return ExitSuccess;
        }
        std::string report = std::to_string(conflicts.size()) + " of " +
                             std::to_string(patch.Changes.size()) +
                             " patch lines do not match the file; nothing was written";
        for (const TConflict& conflict : conflicts) {
            report += "\nconflict: " + ConflictText(patchPath, conflict, reverse);
        }
        throw EPlainFailure(report);
    }
    std::vector<TRecordUpdate> updates;
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        const auto slot = static_cast<std::size_t>(id - FirstVehicleId);
        if (after[slot] != before[slot]) {
            updates.push_back({id, DecodeRecord(after[slot])});
        }
    }
    if (updates.empty()) {
        out << "no change: every line of " << patchPath << " keeps its value\n";
        return ExitSuccess;
    }
    WarnAboutBanks(patch.Changes, after);
    if (dryRun) {
        std::cerr << "dry run: nothing was written\n";
    } else {
        WriteChange(file, arguments, updates, out);
    }
    WriteApplied(out, patch.Changes, reverse);
    return ExitSuccess;
}

} // namespace

const TCommand ApplyCommand{
    "apply",
    "FILE PATCH [--reverse] [--dry-run] [--backup]",
    "Makes the changes of a patch: lines 'ID NAME FIELD: OLD -> NEW' as 'diff',\n"
    "'set', 'copy' and 'import-cfg' print them, '--game' before FIELD marking the\n"
    "game's fields ('ID NAME --game pad bytes: ...' the game's pad bytes). Lines\n"
    "starting with '#' and blank lines are notes. The lines are applied in order:\n"
    "each finds OLD in FILE and writes NEW; with --reverse, last line first, each\n"
    "finds NEW and writes OLD, which undoes the patch.\n"
    "Every line is read and checked first (a fault is reported as\n"
    "PATCH:LINE:COLUMN). A line whose field holds neither value is a conflict: all\n"
    "conflicts are listed on stderr, nothing is written and the exit status is 1.\n"
    "A file that already holds every change prints 'already applied: ...' (or\n"
    "'already undone: ...') and exits 0 without writing. The changed records are\n"
    "written as one change: if a write fails part-way, the records already written\n"
    "are put back. Prints the lines as applied (a patch itself). --dry-run checks\n"
    "and prints but writes nothing. --backup first copies FILE to FILE.bak unless\n"
    "that exists.\n",
    ApplyFlags,
    RunApply,
};

} // namespace klarvon::cli

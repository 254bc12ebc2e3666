// `apply FILE PATCH [--reverse] [--dry-run] [--backup]`: the change lines of diff, set,
// copy or import-cfg made (or undone) on another file, all of them or none.

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/Changes.h"
#include "exchange/Patch.h"
#include "exchange/TextKind.h"
#include "table/Backup.h"
#include "table/FileRead.h"

#include <array>
#include <map>
#include <set>
#include <sstream>

namespace klarvon::cli {

using exchange::ApplyPatch;
using exchange::ChangeSubject;
using exchange::ChangeValueText;
using exchange::ETextError;
using exchange::PadBytesName;
using exchange::ParsePatch;
using exchange::RowName;
using exchange::TConflict;
using exchange::TPatch;
using exchange::TPatchChange;
using exchange::TPatchDirection;

namespace {

constexpr std::array<TFlag, 3> ApplyFlags{ReverseFlag, DryRunFlag, BackupFlag};

std::string Subject(const TPatchChange& change) {
    return ChangeSubject(change.Layout, change.Vehicle,
                         change.Row     ? RowName
                         : change.Field ? change.Field->Name
                                        : PadBytesName);
}

// An executable's slots are fixed: a line adding or removing a row is for a cfg only, and
// is refused before anything is looked at.
void RequireNoRowLines(const std::string& patch, const TVehicleTable& table,
                       std::span<const TPatchChange> changes) {
    if (!table.HoldsPadBytes()) {
        return;
    }
    for (const TPatchChange& change : changes) {
        if (change.Row) {
            throw EFailure(patch + ':' + std::to_string(change.Line) + ": " + Subject(change) +
                           ": a line adding or removing a row is for a cfg; " + table.Path() +
                           " is an executable, whose slots are fixed; nothing was written");
        }
    }
}

// What the patch made of each record: changed, added (a cfg's new row) or removed.
std::vector<TVehicleChange> ChangesMade(const std::vector<TVehicleRecord>& before,
                                        const std::vector<TVehicleRecord>& after) {
    std::map<std::string, const TVehicleRecord*> now;
    for (const TVehicleRecord& record : after) {
        now[exchange::VehicleKey(record.Vehicle)] = &record;
    }
    std::vector<TVehicleChange> changes;
    for (const TVehicleRecord& record : before) {
        const auto found = now.find(exchange::VehicleKey(record.Vehicle));
        if (found == now.end()) {
            changes.push_back({record.Vehicle, record.Bytes, record.Bytes, true});
        } else {
            changes.push_back({record.Vehicle, record.Bytes, found->second->Bytes});
            now.erase(found);
        }
    }
    for (const TVehicleRecord& record : after) {
        if (now.contains(exchange::VehicleKey(record.Vehicle))) {
            changes.push_back({record.Vehicle, std::nullopt, record.Bytes});
        }
    }
    return changes;
}

std::string ConflictText(const std::string& patch, const TVehicleTable& table,
                         const TConflict& conflict, bool reverse) {
    const TPatchChange& change = *conflict.Change;
    if (conflict.Missing) {
        return patch + ':' + std::to_string(change.Line) + ": " + Subject(change) + ": " +
               table.Path() + std::string(table.NoRecordText());
    }
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

int RunApply(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 2);
    const std::string& patchPath = arguments.Positionals[1];
    const std::string text = ReadTextFile(patchPath);
    const TPatch patch = exchange::ReadingText(
        patchPath, [&] { return ParsePatch(exchange::PlainText(text, patchPath)); });
    if (patch.Changes.empty()) {
        if (!patch.SaysNoChange) {
            throw EFailure(patchPath + " holds no patch lines (ID NAME FIELD: OLD -> NEW)");
        }
        out << "no change: " << patchPath << " changes nothing\n";
        return ExitSuccess;
    }

    const bool reverse = arguments.Has(ReverseFlag);
    const TPatchDirection direction = reverse ? TPatchDirection::Reverse : TPatchDirection::Forward;
    const std::string& path = arguments.Positionals[0];
    return RunChange(arguments, path, out, [&](const TVehicleTable& table) {
        RequireNoRowLines(patchPath, table, patch.Changes);
        const std::vector<TVehicleRecord> before = table.ReadAll();
        std::vector<TVehicleRecord> after = before;
        const std::vector<TConflict> conflicts = ApplyPatch(patch.Changes, direction, after);
        TChangeSet set;
        if (!conflicts.empty()) {
            std::vector<TVehicleRecord> undone = before;
            const TPatchDirection back =
                reverse ? TPatchDirection::Forward : TPatchDirection::Reverse;
            if (!ApplyPatch(patch.Changes, back, undone).empty()) {
                std::string report = std::to_string(conflicts.size()) + " of " +
                                     std::to_string(patch.Changes.size()) +
                                     " patch lines do not match the file; nothing was written";
                for (const TConflict& conflict : conflicts) {
                    report += "\nconflict: " + ConflictText(patchPath, table, conflict, reverse);
                }
                throw EFailure(report);
            }
            set.NoChange = "already " + std::string(reverse ? "undone" : "applied") + ": " + path +
                           " holds what " + patchPath +
                           (reverse ? " changed from" : " changes to") + "; nothing was written\n";
            return set;
        }
        set.Changes = ChangesMade(before, after);
        set.NoChange = "no change: every line of " + patchPath + " keeps its value\n";
        std::ostringstream applied;
        WriteApplied(applied, patch.Changes, reverse);
        set.Report = applied.str();
        return set;
    });
}

} // namespace

const TCommand ApplyCommand{
    "apply",
    "FILE PATCH",
    "Makes the changes of a patch, in an executable or a cfg: lines\n"
    "'ID NAME FIELD: OLD -> NEW' ('MODEL FIELD: OLD -> NEW' for a vehicle a mod\n"
    "adds, which only a cfg holds) as 'diff',\n"
    "'set', 'copy' and 'import-cfg' print them, '--game' before FIELD marking the\n"
    "game's fields ('ID NAME --game pad bytes: ...' the game's pad bytes). Lines\n"
    "starting with '#' and blank lines are notes. The lines are applied in order:\n"
    "each finds OLD in FILE and writes NEW; with --reverse, last line first, each\n"
    "finds NEW and writes OLD, which undoes the patch.\n"
    "A line 'MODEL --game row: none -> VALUES' (the fourteen values as a cfg row\n"
    "writes them) adds a cfg's row for a model that has none; undone, it removes\n"
    "the row if it still holds VALUES. A model that already has a row, or a row\n"
    "that holds other values, is a conflict, and an executable, whose slots are\n"
    "fixed, refuses the line.\n"
    "Every line is read and checked first (a fault is reported as\n"
    "PATCH:LINE:COLUMN). A line whose field holds neither value is a conflict: all\n"
    "conflicts are listed on stderr, nothing is written and the exit status is 1;\n"
    "so is a line whose vehicle FILE has no record of.\n"
    "In a cfg, a float whose text is a line's value rounded to the text's decimals\n"
    "holds that value, as 'diff' compares them, and one that already writes the\n"
    "value to put is left as it is written.\n"
    "A file that already holds every change prints 'already applied: ...' (or\n"
    "'already undone: ...') and exits 0 without writing. The changed records are\n"
    "written as one change, in one write that is flushed to the disk: a process\n"
    "killed in the middle leaves all or none of it, and a write that fails\n"
    "part-way is put back. Prints the lines as applied (a patch itself).\n",
    ApplyFlags,
    RunApply,
};

} // namespace klarvon::cli

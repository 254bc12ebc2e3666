#include "cli/TableAccess.h"

#include "catalogue/AudioRules.h"
#include "catalogue/VehicleCatalogue.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "exchange/AudioCfg.h"
#include "exchange/Changes.h"
#include "exchange/Findings.h"
#include "exchange/PackCheck.h"
#include "sound/CheckedBanks.h"
#include "table/Backup.h"
#include "table/PathText.h"

#include <iostream>
#include <sstream>

namespace klarvon::cli {

namespace {

// A file of the known size whose table is not preceded by the signature is probably not
// the game at all; it is edited all the same, as the editor does, but not blindly.
void WarnIfNotTheGame(const TVehicleTable& table, std::ostream& warnings) {
    const TTableFile* file = table.Executable();
    if (file != nullptr && file->Location().Known && !file->SignatureBeforeKnownTable()) {
        warnings << "warning: " << file->Path()
                 << " has the size of gta_sa.exe v1.0 us but not its table signature; it is "
                    "edited at that release's table position all the same\n";
    }
}

// The banks' facts of the game beside the file. Sound files that cannot be read do not stop
// a change the user asked for: they are warned of, and the stock game's facts judge.
TBankFacts BankFactsBeside(const std::string& path, std::ostream& warnings) {
    try {
        return sound::CheckedBankFacts(FileSystemPath(path));
    } catch (const EKlarvonError& failure) {
        const auto* final = dynamic_cast<const EFinalError*>(&failure);
        warnings << "warning: banks judged by the stock game's sizes: " << failure.what()
                 << (final != nullptr && !final->Context.empty() ? " in " + final->Context : "")
                 << '\n';
        return StockBankFacts();
    }
}

// Only problems a change makes are warned about: a value the file already held is not
// this command's doing. A row added under a misspelt stock name would silently be a new
// vehicle.
void WarnAboutProblems(const TChangeSet& set, const TBankFacts& banks, std::ostream& warnings) {
    for (const TVehicleChange& change : set.Changes) {
        if (change.Removed) {
            continue;
        }
        if (!change.Before) {
            if (const std::optional<std::string> misspelt =
                    exchange::MisspeltModelWarning(change.Vehicle)) {
                warnings << *misspelt << '\n';
            }
        }
        const std::vector<TFinding> problems =
            change.Before
                ? exchange::NewProblems(change.Vehicle, *change.Before, change.After, banks)
                : exchange::Problems(change.Vehicle, change.After, banks);
        for (const TFinding& problem : problems) {
            warnings << exchange::WarningLine(change.Vehicle, problem) << '\n';
        }
    }
}

} // namespace

void WriteChangeLines(std::ostream& out, TLayout layout, const TVehicleChange& change) {
    if (change.Before && !change.Removed) {
        exchange::WriteChanges(out, layout, change.Vehicle, *change.Before, change.After);
        return;
    }
    exchange::WriteRowChange(out, change.Vehicle, change.Before,
                             change.Removed ? std::nullopt : std::optional(change.After));
}

TChangeSet ChangeOfOne(const TLayout& layout, const TVehicleChange& change) {
    TChangeSet set;
    set.Changes.push_back(change);
    set.Layout = layout;
    std::ostringstream report;
    WriteChangeLines(report, layout, change);
    set.Report = report.str();
    set.NoChange = exchange::VehicleSubject(change.Vehicle) + ": no change\n";
    return set;
}

int RunChange(const TArguments& arguments, const std::string& path, TReport& out,
              const std::function<TChangeSet(const TVehicleTable& table)>& compute) {
    const bool dryRun = arguments.Has(DryRunFlag);
    TVehicleTable table(path, dryRun ? TOpenMode::ReadOnly : TOpenMode::Change);
    WarnIfNotTheGame(table, std::cerr);
    TChangeSet set = compute(table);
    const exchange::TPreparedChange prepared = table.Prepare(set.Changes);
    if (prepared.Changes.empty()) {
        out << set.NoChange;
        return ExitSuccess;
    }
    set.Changes = prepared.Changes;
    WarnAboutProblems(set, BankFactsBeside(path, std::cerr), std::cerr);
    if (dryRun) {
        std::cerr << "dry run: nothing was written\n";
    } else {
        if (arguments.Has(BackupFlag)) {
            BackUp(path, std::cerr);
        }
        table.Commit(prepared);
        out.FileChanged = true;
    }
    out << set.Report;
    return ExitSuccess;
}

} // namespace klarvon::cli

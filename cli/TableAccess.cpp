#include "cli/TableAccess.h"

#include "catalogue/VehicleCatalogue.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "exchange/Changes.h"
#include "table/Backup.h"

#include <iostream>
#include <sstream>

namespace klarvon::cli {

using exchange::WriteChanges;

namespace {

// A file of the known size whose table is not preceded by the signature is probably not
// the game at all; it is edited all the same, as the editor does, but not blindly.
void WarnIfNotTheGame(const TTableFile& file, std::ostream& warnings) {
    if (file.Location().Known && !file.SignatureBeforeKnownTable()) {
        warnings << "warning: " << file.Path()
                 << " has the size of gta_sa.exe v1.0 us but not its table signature; it is "
                    "edited at that release's table position all the same\n";
    }
}

// Only values that change are warned about: a value the file already held is not this
// command's doing.
void WarnAboutEngineBanks(const TChangeSet& set, std::ostream& warnings) {
    for (const TTableChange& change : set.Changes) {
        for (const TLayoutField& field : set.Layout) {
            if (!IsEngineBank(field) ||
                ReadField(field, change.Before) == ReadField(field, change.After)) {
                continue;
            }
            const std::int64_t bank = IntegerValue(field.Type, ReadField(field, change.After));
            if (bank > LastEngineBank) {
                warnings << "warning: " << change.Id << ' ' << TVehicleCatalogue::Name(change.Id)
                         << ' ' << field.Name << " is " << bank << ", above " << LastEngineBank
                         << ", the game's last engine sound bank; the game is known to crash on "
                            "it\n";
            }
        }
    }
}

} // namespace

TChangeSet ChangeOfOne(const TLayout& layout, int id, const TRecordBytes& before,
                       const TRecordBytes& after) {
    TChangeSet set;
    set.Changes.push_back({id, before, after});
    set.Layout = layout;
    std::ostringstream report;
    WriteChanges(report, layout, id, before, after);
    set.Report = report.str();
    set.NoChange =
        std::to_string(id) + ' ' + std::string(TVehicleCatalogue::Name(id)) + ": no change\n";
    return set;
}

void RequireTable(const TTableFile& file) {
    if (IsRejected(file.Location())) {
        throw RejectedFile();
    }
}

int RunChange(const TArguments& arguments, const std::string& path, TReport& out,
              const std::function<TChangeSet(const TTableFile& file)>& compute) {
    const bool dryRun = arguments.Has(DryRunFlag);
    TTableFile file(path, dryRun ? TOpenMode::ReadOnly : TOpenMode::Change);
    RequireTable(file);
    WarnIfNotTheGame(file, std::cerr);
    TChangeSet set = compute(file);
    std::erase_if(set.Changes,
                  [](const TTableChange& change) { return change.After == change.Before; });
    if (set.Changes.empty()) {
        out << set.NoChange;
        return ExitSuccess;
    }
    WarnAboutEngineBanks(set, std::cerr);
    if (dryRun) {
        std::cerr << "dry run: nothing was written\n";
    } else {
        if (arguments.Has(BackupFlag)) {
            BackUp(path, std::cerr);
        }
        file.Commit(set.Changes);
        file.Close();
        out.FileChanged = true;
    }
    out << set.Report;
    return ExitSuccess;
}

} // namespace klarvon::cli

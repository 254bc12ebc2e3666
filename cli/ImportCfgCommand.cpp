// `import-cfg FILE CFG [--dry-run] [--skip-unknown] [--backup]`: the rows of a vehicle
// audio cfg written into the table, every row checked before the first byte is written.

#include "catalogue/ModelNames.h"

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/AudioCfg.h"
#include "exchange/Changes.h"
#include "table/Backup.h"
#include "table/FileRead.h"

#include <array>
#include <iostream>
#include <map>
#include <sstream>

namespace klarvon::cli {

using exchange::ETextError;
using exchange::ParseAudioCfg;
using exchange::TCfgRow;
using exchange::WriteChanges;

namespace {

constexpr std::array<TFlag, 3> ImportFlags{DryRunFlag, SkipUnknownFlag, BackupFlag};

// The row that counts for each slot: the last one naming its model.
std::map<int, const TCfgRow*> RowsBySlot(const std::string& cfg, const std::vector<TCfgRow>& rows,
                                         bool skipUnknown) {
    std::map<int, const TCfgRow*> bySlot;
    for (const TCfgRow& row : rows) {
        if (row.Id) {
            bySlot[*row.Id] = &row;
            continue;
        }
        const ETextError unknown(row.Line, 1,
                                 "'" + row.Model + "' is not a model of the table (" +
                                     std::to_string(FirstVehicleId) + ".." +
                                     std::to_string(LastModelId) + ")");
        if (!skipUnknown) {
            throw EFailure(unknown.Located(cfg) + "; " + std::string(SkipUnknownFlag.Name) +
                           " skips such rows");
        }
        std::cerr << "skipped: " << unknown.Located(cfg) << '\n';
    }
    return bySlot;
}

int RunImportCfg(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 2);
    const std::string& cfg = arguments.Positionals[1];
    const std::string text = ReadTextFile(cfg);
    std::vector<TCfgRow> rows;
    try {
        rows = ParseAudioCfg(text);
    } catch (const ETextError& error) {
        throw EFailure(error.Located(cfg));
    }
    if (rows.empty()) {
        throw EFailure(cfg + " holds no rows (a model name and 14 values)");
    }
    const std::map<int, const TCfgRow*> bySlot =
        RowsBySlot(cfg, rows, arguments.Has(SkipUnknownFlag));

    const std::string& path = arguments.Positionals[0];
    return RunChange(arguments, path, out, [&](const TTableFile& file) {
        TChangeSet set;
        set.Layout = GameLayout();
        std::ostringstream changes;
        for (const auto& [id, row] : bySlot) {
            const TRecordBytes before = file.Read(id);
            TRecordBytes after = before; // the pad bytes keep what the file holds
            for (std::size_t i = 0; i < set.Layout.size(); ++i) {
                WriteField(set.Layout[i], row->Values[i], after);
            }
            WriteChanges(changes, set.Layout, id, before, after);
            set.Changes.push_back({id, before, after});
        }
        set.Report = changes.str();
        set.NoChange = "no change: " + path + " already holds what " + cfg + " sets\n";
        return set;
    });
}

} // namespace

const TCommand ImportCfgCommand{
    "import-cfg",
    "FILE CFG",
    "Writes the rows of a limit adjuster's vehicle audio cfg (as 'export-cfg'\n"
    "prints it) into the table of FILE: each row's fourteen values replace the\n"
    "game's fields of its model's slot; the pad bytes keep what FILE holds. When a\n"
    "model has several rows, the last one counts. Blank lines and lines starting\n"
    "with ';' are comments, and a line starting ';the end' ends the rows.\n"
    "Every row is read and checked first (integers in decimal within their field's\n"
    "type, floats finite with '.'): any fault is reported as CFG:LINE:COLUMN and\n"
    "nothing is written. A model the table has no slot for (a vehicle a mod adds)\n"
    "is such a fault, unless --skip-unknown, which names each skipped row on stderr.\n"
    "An engine bank changed to a value above 410 is written with a warning on\n"
    "stderr. The changed records are written as one change, in one write that is\n"
    "flushed to the disk: a process killed in the middle leaves all or none of it,\n"
    "and a write that fails part-way is put back. Prints the changes as\n"
    "'diff --game' does (a patch for 'apply'), or 'no change: ...'.\n",
    ImportFlags,
    RunImportCfg,
};

} // namespace klarvon::cli

// `import-cfg FILE CFG [--dry-run] [--skip-unknown] [--backup]`: the rows of a vehicle
// audio cfg written into the table, every row checked before the first byte is written.

#include "catalogue/ModelNames.h"

#include "catalogue/MisspeltModel.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/AudioCfg.h"
#include "exchange/CfgDocument.h"
#include "exchange/Changes.h"
#include "exchange/WrittenFloat.h"
#include "table/Backup.h"
#include "table/FileRead.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <sstream>

namespace klarvon::cli {

using exchange::ETextError;
using exchange::ETextErrors;

namespace {

constexpr std::array<TFlag, 3> ImportFlags{DryRunFlag, SkipUnknownFlag, BackupFlag};

// The rows that count (the last of each model), read and checked as a whole: every faulty
// row is listed at once.
std::vector<TVehicleRecord> ReadModRows(const std::string& cfg) {
    return TVehicleTable(cfg, TOpenMode::ReadOnly, exchange::TTableKinds::CfgOnly).ReadAll();
}

// An executable has slots only for the stock models; the rows of added vehicles are each a
// fault, listed together, unless skipped. Its changes are reported in slot order.
std::vector<TVehicleRecord> RowsWithSlots(const TVehicleTable& table, const std::string& cfg,
                                          std::vector<TVehicleRecord> rows, bool skipUnknown) {
    if (!table.HoldsPadBytes()) {
        return rows; // a cfg holds every row, in the order of the source
    }
    std::vector<ETextError> unknown;
    std::erase_if(rows, [&](const TVehicleRecord& row) {
        if (table.CanHold(row.Vehicle)) {
            return false;
        }
        std::string fault = "'" + row.Vehicle.Model + "' is not a model of the table (" +
                            std::to_string(FirstVehicleId) + ".." + std::to_string(LastModelId) +
                            ")";
        if (const auto meant = MisspeltStockModel(row.Vehicle.Model)) {
            fault += "; did you mean " + std::string(*meant) + "?";
        }
        unknown.emplace_back(row.Place.Line, 1, std::move(fault));
        return true;
    });
    std::stable_sort(rows.begin(), rows.end(),
                     [](const TVehicleRecord& a, const TVehicleRecord& b) {
                         return *a.Vehicle.Id < *b.Vehicle.Id;
                     });
    if (unknown.empty()) {
        return rows;
    }
    if (!skipUnknown) {
        throw EFailure(ETextErrors(std::move(unknown)).Located(cfg) + "; " +
                       std::string(SkipUnknownFlag.Name) + " skips such rows");
    }
    for (const ETextError& row : unknown) {
        std::cerr << "skipped: " << row.Located(cfg) << '\n';
    }
    return rows;
}

int RunImportCfg(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 2);
    const std::string& cfg = arguments.Positionals[1];
    const std::vector<TVehicleRecord> rows = ReadModRows(cfg);
    const std::string& path = arguments.Positionals[0];
    return RunChange(arguments, path, out, [&](const TVehicleTable& table) {
        TChangeSet set;
        set.Layout = GameLayout();
        std::ostringstream changes;
        for (const TVehicleRecord& row :
             RowsWithSlots(table, cfg, rows, arguments.Has(SkipUnknownFlag))) {
            const std::optional<TVehicleRecord> current = table.Read(row.Vehicle);
            TVehicleChange change{row.Vehicle, std::nullopt, row.Bytes};
            if (current) {
                // In an executable the pad bytes keep what the file holds, and a float the
                // row writes as the executable's value rounded keeps its bits. Two cfgs'
                // floats are both as written: their bits are compared.
                const TRecordBytes values =
                    table.HoldsPadBytes()
                        ? exchange::AsWrittenBeside(current->Bytes, row.Bytes, row.Decimals)
                        : row.Bytes;
                change = {current->Vehicle, current->Bytes,
                          exchange::WithRowValues(current->Bytes, values)};
            }
            WriteChangeLines(changes, set.Layout, change);
            set.Changes.push_back(change);
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
    "Writes the rows of a limit adjuster's vehicle audio cfg CFG (as 'export-cfg'\n"
    "prints it) into FILE, an executable or another cfg. When a model has several\n"
    "rows in CFG, the last one counts. Blank lines and lines starting with ';' are\n"
    "comments, and a line starting ';the end' ends the rows.\n"
    "Every row is read and checked first (integers in decimal within their field's\n"
    "type, floats finite with '.'): every faulty row is reported as\n"
    "CFG:LINE:COLUMN (the first 20, then 'and N more') and nothing is written. A\n"
    "file in UTF-16 is refused: save it as ANSI or UTF-8.\n"
    "Into an executable, each row's fourteen values replace the game's fields of\n"
    "its model's slot; the pad bytes keep what FILE holds, and a float whose text\n"
    "is FILE's value rounded to the text's decimals keeps FILE's bits, as 'diff'\n"
    "compares them: a cfg of FILE's own values written with fewer digits changes\n"
    "nothing. A model the table has no slot for (a vehicle a mod adds) is a\n"
    "fault, unless --skip-unknown, which names each skipped row on stderr. The\n"
    "changed records are written as one change, in one write that is flushed to\n"
    "the disk: a process killed in the middle leaves all or none of it, and a\n"
    "write that fails part-way is put back.\n"
    "Into a cfg, floats are compared bit for bit; a model's row is replaced in\n"
    "place (only the numbers that change are rewritten) and a model FILE lacks\n"
    "gets a new row before ';the end'; FILE is replaced as a whole, atomically,\n"
    "keeping every other byte. A new row whose name is one or two letters away\n"
    "from a stock model's is added with a warning on stderr: 'warning: NAME: not\n"
    "a stock model: added as a new vehicle; did you mean MODEL?'.\n"
    "A value written that the game will have a problem with (see 'check') is\n"
    "written with a warning on stderr. Prints the changes as 'diff --game' does, a\n"
    "new row as 'MODEL --game row: none -> VALUES' (VALUES as the row writes\n"
    "them), or 'no change: ...'. The changes printed are a patch: 'apply --reverse'\n"
    "with it undoes the import, the new rows removed.\n",
    ImportFlags,
    RunImportCfg,
};

} // namespace klarvon::cli

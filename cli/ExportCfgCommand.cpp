// `export-cfg FILE [ID ...] [--rows-only]`: the table as the limit adjuster's vehicle
// audio cfg.

#include "catalogue/ModelNames.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/CfgExport.h"

#include <array>
#include <span>

namespace klarvon::cli {

using exchange::TCfgForm;

namespace {

constexpr std::array<TFlag, 1> ExportFlags{RowsOnlyFlag};

std::string NoModelNameText(int id) {
    return std::to_string(id) + " has no model name, so a cfg cannot name it (only " +
           std::to_string(FirstVehicleId) + ".." + std::to_string(LastModelId) +
           " can be exported)";
}

// Wrong usage is told before any file is read.
void RequireExportable(const TArguments& arguments) {
    for (std::size_t i = 1; i < arguments.Positionals.size(); ++i) {
        const std::string& word = arguments.Positionals[i];
        RequireVehicleWord(word);
        const std::optional<int> id = exchange::VehicleIdOfWord(word);
        if (id && ModelName(*id).empty()) {
            throw EUsageError(NoModelNameText(*id));
        }
    }
}

// The records to export: those of the given vehicles in the order given, each once, or every
// record a cfg can name.
std::vector<TVehicleRecord> RecordsToExport(const TArguments& arguments,
                                            const TVehicleTable& table) {
    const std::span<const std::string> named = std::span(arguments.Positionals).subspan(1);
    std::vector<TVehicleRecord> records = named.empty() ? table.ReadAll() : table.ReadNamed(named);
    for (const TVehicleRecord& record : records) {
        // A caption may name a slot after the model names.
        if (!named.empty() && record.Vehicle.Model.empty()) {
            throw EUsageError(NoModelNameText(*record.Vehicle.Id));
        }
    }
    std::erase_if(records,
                  [](const TVehicleRecord& record) { return record.Vehicle.Model.empty(); });
    return records;
}

int RunExportCfg(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 1, true);
    RequireExportable(arguments);
    const TVehicleTable table(arguments.Positionals[0], TOpenMode::ReadOnly);
    const TCfgForm form = arguments.Has(RowsOnlyFlag) ? TCfgForm::RowsOnly : TCfgForm::WholeFile;
    out << exchange::RecordsAsCfg(RecordsToExport(arguments, table), form);
    return ExitSuccess;
}

} // namespace

const TCommand ExportCfgCommand{
    "export-cfg",
    "FILE [ID ...]",
    "Prints the vehicle audio table as the limit adjuster's\n"
    "gtasa_vehicleAudioSettings.cfg: one row per slot with a model name (400..611),\n"
    "or for the given IDs or model names in the order given. FILE may be a cfg\n"
    "itself: its models, added vehicles included, as their rows count. A row is\n"
    "the model name and the game's fourteen fields in their stored order (see\n"
    "'show --help'), aligned in columns. A legend comment comes first (its letters\n"
    "as the limit adjuster's: A the model name, B to O the values) and ';the end'\n"
    "last;\n"
    "--rows-only prints the rows alone, to paste into an existing cfg.\n"
    "Floats are printed as the shortest text that reads back to the same float, so\n"
    "'import-cfg' gives back the very same bytes (the pad bytes are not in a cfg and\n"
    "stay as they are). A float that is infinite or not a number cannot be written\n"
    "in a cfg: the export fails and names it.\n",
    ExportFlags,
    RunExportCfg,
};

} // namespace klarvon::cli

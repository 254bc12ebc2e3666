// `export-cfg FILE [ID ...] [--rows-only]`: the table as the limit adjuster's vehicle
// audio cfg.

#include "catalogue/ModelNames.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/AudioCfg.h"

#include <algorithm>
#include <array>

namespace klarvon::cli {

using exchange::ETextError;
using exchange::FormatAudioCfg;
using exchange::TCfgEntry;
using exchange::TCfgForm;

namespace {

constexpr std::array<TFlag, 1> ExportFlags{RowsOnlyFlag};

std::vector<int> SlotsToExport(const TArguments& arguments) {
    std::vector<int> ids;
    for (std::size_t i = 1; i < arguments.Positionals.size(); ++i) {
        const int id = ParseVehicleId(arguments.Positionals[i]);
        if (id > LastModelId) {
            throw EUsageError(std::to_string(id) +
                              " has no model name, so a cfg cannot name it "
                              "(only " +
                              std::to_string(FirstVehicleId) + ".." + std::to_string(LastModelId) +
                              " can be exported)");
        }
        if (std::find(ids.begin(), ids.end(), id) == ids.end()) {
            ids.push_back(id);
        }
    }
    if (ids.empty()) {
        for (int id = FirstVehicleId; id <= LastModelId; ++id) {
            ids.push_back(id);
        }
    }
    return ids;
}

int RunExportCfg(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 1, true);
    const std::vector<int> ids = SlotsToExport(arguments);
    const TTableFile file(arguments.Positionals[0], TOpenMode::ReadOnly);
    RequireTable(file);
    std::vector<TCfgEntry> entries;
    for (const int id : ids) {
        entries.push_back({std::string(ModelName(id)), file.Read(id)});
    }
    const TCfgForm form = arguments.Has(RowsOnlyFlag) ? TCfgForm::RowsOnly : TCfgForm::WholeFile;
    std::string text;
    try {
        text = FormatAudioCfg(entries, form);
    } catch (const ETextError& problem) {
        throw EFailure(problem.what());
    }
    out << text;
    return ExitSuccess;
}

} // namespace

const TCommand ExportCfgCommand{
    "export-cfg",
    "FILE [ID ...]",
    "Prints the vehicle audio table as the limit adjuster's\n"
    "gtasa_vehicleAudioSettings.cfg: one row per slot with a model name (400..611),\n"
    "or for the given IDs or model names in the order given. A row is the model name\n"
    "and the game's fourteen fields in their stored order (see 'show --help'),\n"
    "aligned in columns. A legend comment comes first and ';the end' last;\n"
    "--rows-only prints the rows alone, to paste into an existing cfg.\n"
    "Floats are printed as the shortest text that reads back to the same float, so\n"
    "'import-cfg' gives back the very same bytes (the pad bytes are not in a cfg and\n"
    "stay as they are). A float that is infinite or not a number cannot be written\n"
    "in a cfg: the export fails and names it.\n",
    ExportFlags,
    RunExportCfg,
};

} // namespace klarvon::cli

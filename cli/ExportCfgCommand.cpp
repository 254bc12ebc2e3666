// `export-cfg FILE [ID ...] [--rows-only] [--output CFG] [--force] [--backup]`: the table
// as the limit adjuster's vehicle audio cfg, printed or written to a file whole.

#include "catalogue/ModelNames.h"
#include "cli/Commands.h"
#include "cli/CrLfLines.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/CfgExport.h"
#include "table/Backup.h"
#include "table/FileWrite.h"
#include "table/PathText.h"

#include <array>
#include <filesystem>
#include <iostream>
#include <span>
#include <system_error>

namespace klarvon::cli {

using exchange::TCfgForm;

namespace {

constexpr std::array<TFlag, 4> ExportFlags{RowsOnlyFlag, OutputFlag, ForceFlag, OutputBackupFlag};

// A file written is text as the system's own: CRLF on Windows, as Notepad and the game's
// data files have them.
std::string WithFileLineEnds(const std::string& text) {
#ifdef _WIN32
    return TCrLfLines{}(text);
#else
    return text;
#endif
}

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

// The cfg put at path whole: a new file is created as one, and an existing one (with
// --force) replaced in one step, so a reader, a crash or a full disk never finds half a cfg;
// nor does a cfg a mod merged into get lost by a mistyped name.
void WriteCfgFile(const TArguments& arguments, const std::string& path, const std::string& cfg) {
    const std::string text = WithFileLineEnds(cfg);
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    if (!arguments.Has(ForceFlag)) {
        WriteNewFile(path, bytes,
                     "add " + std::string(ForceFlag.Name) + " to replace it (" +
                         std::string(OutputBackupFlag.Name) + " keeps the old one)");
        return;
    }
    std::error_code error;
    if (arguments.Has(OutputBackupFlag) &&
        std::filesystem::exists(std::filesystem::symlink_status(FileSystemPath(path), error))) {
        BackUp(path, std::cerr);
    }
    ReplaceFile(path, bytes);
}

int RunExportCfg(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 1, true);
    RequireExportable(arguments);
    const std::optional<std::string> output = arguments.Value(OutputFlag);
    if (!output && (arguments.Has(ForceFlag) || arguments.Has(OutputBackupFlag))) {
        throw EUsageError(
            std::string(arguments.Has(ForceFlag) ? ForceFlag.Name : OutputBackupFlag.Name) +
            " is for a file written: give " + std::string(OutputFlag.Name) + " CFG");
    }
    const TVehicleTable table(arguments.Positionals[0], TOpenMode::ReadOnly);
    const TCfgForm form = arguments.Has(RowsOnlyFlag) ? TCfgForm::RowsOnly : TCfgForm::WholeFile;
    const std::vector<TVehicleRecord> records = RecordsToExport(arguments, table);
    const std::string text = exchange::RecordsAsCfg(records, form);
    if (!output) {
        out << text;
        return ExitSuccess;
    }
    WriteCfgFile(arguments, *output, text);
    out.FileChanged = true;
    out << "wrote " << *output << ": " << records.size() << " rows\n";
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
    "in a cfg: the export fails and names it.\n"
    "--output CFG writes the cfg to the file CFG in place of printing it, and says\n"
    "'wrote CFG: N rows'. The file is written whole under another name beside CFG,\n"
    "flushed to the disk and then renamed to CFG, so CFG is never left half\n"
    "written; its lines end in CRLF on Windows. An existing CFG is never replaced\n"
    "unless --force is given (a cfg that mods were merged into is easily lost);\n"
    "--backup first copies it to CFG.bak, as the writing commands do.\n",
    ExportFlags,
    RunExportCfg,
};

} // namespace klarvon::cli

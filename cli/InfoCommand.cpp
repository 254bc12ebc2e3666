// `info FILE`: what the locator made of a file, one "key: value" line each.

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/TableAccess.h"
#include "table/TableFile.h"

#include <algorithm>

namespace klarvon::cli {

namespace {

constexpr std::string_view FoundByKnownSize = "known size";
constexpr std::string_view FoundBySignature = "signature";
constexpr std::string_view FoundByNothing = "none";
constexpr std::string_view NoOffset = "-";

constexpr std::string_view CfgKind = "cfg";

std::string_view YesNo(bool yes) {
    return yes ? "yes" : "no";
}

// What a cfg holds: its rows, the models they give (the last row of each counts), and
// how the file is laid out, which a change keeps.
void WriteCfgInfo(const TVehicleTable& table, TReport& out) {
    const exchange::TCfgDocument& cfg = *table.Cfg();
    const std::vector<TVehicleRecord> models = table.ReadAll();
    const auto added = std::count_if(models.begin(), models.end(),
                                     [](const TVehicleRecord& model) { return !model.Vehicle.Id; });
    out << "size: " << cfg.Text().size() << '\n';
    out << "kind: " << CfgKind << '\n';
    out << "rows: " << cfg.Rows().size() << '\n';
    out << "models: " << models.size() << '\n';
    out << "added-models: " << added << '\n';
    out << "duplicate-rows: " << cfg.Rows().size() - models.size() << '\n';
    out << "line-ends: " << (cfg.LineEnd() == "\r\n" ? "CRLF" : "LF") << '\n';
    out << "end-mark: " << YesNo(cfg.HasEndMark()) << '\n';
}

void WriteExecutableInfo(const TTableFile& file, TReport& out) {
    const TTableLocation& location = file.Location();
    out << "size: " << location.FileSize << '\n';
    out << "version: " << location.VersionText << '\n';
    if (location.Known) {
        out << "found-by: " << FoundByKnownSize << '\n';
        out << "signature-offset: " << NoOffset << '\n';
        out << "signature-before-table: " << YesNo(file.SignatureBeforeKnownTable()) << '\n';
    } else {
        out << "found-by: " << FoundBySignature << '\n';
        out << "signature-offset: " << location.SignatureOffset << '\n';
    }
    out << "id-400-offset: " << TTableLocator::RecordOffset(location, 0) << '\n';
}

int RunInfo(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 1);
    try {
        const TVehicleTable table(arguments.Positionals[0], TOpenMode::ReadOnly);
        if (const TTableFile* file = table.Executable()) {
            WriteExecutableInfo(*file, out);
        } else {
            WriteCfgInfo(table, out);
        }
    } catch (const exchange::ERejectedTable& rejected) {
        // Size and version are known before the verdict, as in the editor.
        out << "size: " << rejected.Location.FileSize << '\n';
        out << "version: " << rejected.Location.VersionText << '\n';
        out << "found-by: " << FoundByNothing << '\n';
        throw;
    }
    return ExitSuccess;
}

} // namespace

const TCommand InfoCommand{
    "info",
    "FILE",
    "Tells how the vehicle audio table was found in FILE. Prints one 'key: value'\n"
    "line each:\n"
    "  size: the file size in bytes\n"
    "  version: 'v1.0 us' for the known release, else 'Unknown'\n"
    "  found-by: 'known size', 'signature' or 'none'\n"
    "  signature-offset: where the signature starts, '-' for the known release\n"
    "  signature-before-table: for the known release only, 'yes' when the table\n"
    "    signature stands before its fixed table position, 'no' when it does not\n"
    "    (a file of that size that is not the game; the writing commands warn)\n"
    "  id-400-offset: the file offset of the record of vehicle ID 400\n"
    "A file the editor would refuse prints the first three lines, then\n"
    "'FILE is neither a gta_sa.exe nor a vehicle audio cfg: ...' on stderr (what was\n"
    "found instead), and exits 1.\n"
    "A cfg (told by its content: text) prints instead:\n"
    "  size: the file size in bytes\n"
    "  kind: 'cfg'\n"
    "  rows: its data rows, duplicates included\n"
    "  models: the models they give (the last row of a model counts)\n"
    "  added-models: of those, the models the game's table has no slot for\n"
    "  duplicate-rows: rows that a later row of the same model overrides\n"
    "  line-ends: 'CRLF' or 'LF', as its lines end (and new rows will)\n"
    "  end-mark: 'yes' when a line starting ';the end' ends the rows\n",
    {},
    RunInfo,
};

} // namespace klarvon::cli

// `copy FILE FROM TO [FIELD ...] [--game] [--from OTHER]`: one vehicle's record, or
// some of its fields, onto another's slot, possibly from another executable.

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/TableAccess.h"

#include <array>
#include <optional>
#include <span>

namespace klarvon::cli {

namespace {

constexpr std::size_t FirstField = 3;
constexpr std::string_view FromOption = "--from";
constexpr std::array<std::string_view, 3> CopyFlags{GameFlag, "--from=", BackupFlag};

int RunCopy(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, FirstField, true);
    const int from = ParseVehicleId(arguments.Positionals[1]);
    const int to = ParseVehicleId(arguments.Positionals[2]);
    const TLayout layout = LayoutOf(arguments);
    const std::vector<const TLayoutField*> fields =
        ParseFieldNames(layout, std::span(arguments.Positionals).subspan(FirstField));
    const std::optional<std::string> other = arguments.Value(FromOption);

    std::optional<TRecordBytes> elsewhere;
    if (other) {
        elsewhere = InContext(*other, [&other, from] {
            const TTableFile file(*other, TOpenMode::ReadOnly);
            RequireTable(file);
            return file.Read(from);
        });
    }
    return RunChange(arguments, arguments.Positionals[0], out, [&](const TTableFile& file) {
        const TRecordBytes source = elsewhere ? *elsewhere : file.Read(from);
        const TRecordBytes before = file.Read(to);
        // Without field names the whole record goes, pad bytes and all.
        TRecordBytes after = fields.empty() ? source : before;
        for (const TLayoutField* field : fields) {
            WriteField(*field, ReadField(*field, source), after);
        }
        return ChangeOfOne(layout, to, before, after);
    });
}

} // namespace

const TCommand CopyCommand{
    "copy",
    "FILE FROM TO [FIELD ...] [--game] [--from OTHER] [--backup]",
    "Copies the 36-byte record of vehicle FROM onto the slot of TO (IDs 400..630\n"
    "or model names), so TO sounds like FROM. With FIELD names only those fields\n"
    "are copied (with --game the game's fields; their pad bytes stay), the rest of\n"
    "TO keeps its bytes. --from OTHER takes the record of FROM from the executable\n"
    "OTHER (an untouched original, say), which is only read. Prints each field of TO\n"
    "that changed as 'ID NAME FIELD: a -> b', or 'ID NAME: no change'; an engine\n"
    "bank above 410 is copied with a warning on stderr, as 'set' does.\n"
    "--backup first copies FILE to FILE.bak unless that exists (see 'apply').\n",
    CopyFlags,
    RunCopy,
};

} // namespace klarvon::cli

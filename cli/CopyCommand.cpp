// `copy FILE FROM TO [FIELD ...] [--game] [--from OTHER]`: one vehicle's record, or
// some of its fields, onto another's slot, possibly from another executable.

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"

#include <array>
#include <optional>
#include <span>

namespace klarvon::cli {

namespace {

constexpr std::size_t FirstField = 3;
constexpr std::array<TFlag, 3> CopyFlags{GameFlag, FromFlag, BackupFlag};

int RunCopy(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, FirstField, true);
    const int from = ParseVehicleId(arguments.Positionals[1]);
    const int to = ParseVehicleId(arguments.Positionals[2]);
    const TLayout layout = LayoutOf(arguments);
    const std::vector<const TLayoutField*> fields =
        ParseFieldNames(layout, std::span(arguments.Positionals).subspan(FirstField));
    const std::optional<std::string> other = arguments.Value(FromFlag);

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
    "FILE FROM TO [FIELD ...]",
    "Copies the 36-byte record of vehicle FROM onto the slot of TO (IDs 400..630\n"
    "or model names), so TO sounds like FROM. With FIELD names only those fields\n"
    "are copied (with --game the game's fields; their pad bytes stay), the rest of\n"
    "TO keeps its bytes. With --from the record comes from another executable (an\n"
    "untouched original, say). Prints each field of TO that changed as\n"
    "'ID NAME FIELD: a -> b', or 'ID NAME: no change'; an engine bank changed to a\n"
    "value above 410 is copied with a warning on stderr, as 'set' does.\n",
    CopyFlags,
    RunCopy,
};

} // namespace klarvon::cli

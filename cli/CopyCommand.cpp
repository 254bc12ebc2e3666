// `copy FILE FROM TO [FIELD ...] [--game] [--from OTHER]`: one vehicle's record, or
// some of its fields, onto another's slot, possibly from another executable.

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/CfgDocument.h"

#include <array>
#include <optional>
#include <span>

namespace klarvon::cli {

namespace {

constexpr std::size_t FirstField = 3;
constexpr std::array<TFlag, 3> CopyFlags{GameFlag, FromFlag, BackupFlag};

int RunCopy(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, FirstField, true);
    const std::string& from = arguments.Positionals[1];
    const std::string& to = arguments.Positionals[2];
    RequireVehicleWord(from);
    RequireVehicleWord(to);
    const TLayout layout = LayoutOf(arguments);
    const std::vector<const TLayoutField*> fields =
        ParseFieldNames(layout, std::span(arguments.Positionals).subspan(FirstField));
    const std::optional<std::string> other = arguments.Value(FromFlag);

    std::optional<TRecordBytes> elsewhere;
    bool sourcePads = true;
    if (other) {
        elsewhere = InContext(*other, [&other, &from, &sourcePads] {
            const TVehicleTable table(*other, TOpenMode::ReadOnly);
            sourcePads = table.HoldsPadBytes();
            return table.Read(table.Find(from))->Bytes;
        });
    }
    return RunChange(arguments, arguments.Positionals[0], out, [&](const TVehicleTable& table) {
        const TRecordBytes source = elsewhere ? *elsewhere : table.Read(table.Find(from))->Bytes;
        const TVehicle target = table.FindOrNew(to);
        const std::optional<TVehicleRecord> before = table.Read(target);
        // Without field names the whole record goes, pad bytes and all; a new cfg row
        // starts from the source too.
        TRecordBytes after = fields.empty() || !before ? source : before->Bytes;
        if (fields.empty()) {
            // A cfg row has no pads: a source row keeps the target's own, and a cfg
            // target holds none.
            after = !sourcePads && before ? exchange::WithRowValues(before->Bytes, source)
                                          : table.AsHeld(after);
        }
        for (const TLayoutField* field : fields) {
            WriteField(*field, ReadField(*field, source), after);
        }
        if (!before) {
            return ChangeOfOne(layout, {target, std::nullopt, after});
        }
        return ChangeOfOne(layout, {before->Vehicle, before->Bytes, after});
    });
}

} // namespace

const TCommand CopyCommand{
    "copy",
    "FILE FROM TO [FIELD ...]",
    "Copies the 36-byte record of vehicle FROM onto the slot of TO (IDs 400..630\n"
    "or model names), so TO sounds like FROM. In a cfg, FROM and TO are model\n"
    "names (or IDs of stock models); a TO the cfg has no row for gets a new row\n"
    "before ';the end', so an added vehicle can take a stock one's sound.\n"
    "With FIELD names only those fields are copied (with --game the game's fields;\n"
    "their pad bytes stay), the rest of TO keeps its bytes. With --from the record\n"
    "comes from another executable or cfg (an untouched original, say); a cfg\n"
    "row has no pad bytes, so an executable's TO keeps its own.\n"
    "Prints each field of TO that changed as 'ID NAME FIELD: a -> b' (a new cfg\n"
    "row as 'TO --game row: none -> VALUES'), or 'ID NAME: no change'. A value\n"
    "written that the game will have a problem with (see 'check') is written with\n"
    "a warning on stderr, as 'set' does; so is a new row whose TO is one or two\n"
    "letters away from a stock model's name: 'warning: TO: not a stock model:\n"
    "added as a new vehicle; did you mean MODEL?'.\n",
    CopyFlags,
    RunCopy,
};

} // namespace klarvon::cli

// `set FILE ID FIELD=TEXT ... [--game]`: changes named fields of one record, all or
// nothing.

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/FieldText.h"

#include <array>
#include <span>
#include <utility>

namespace klarvon::cli {

namespace {

constexpr std::size_t FirstAssignment = 2;
constexpr std::array<TFlag, 2> SetFlags{GameFlag, BackupFlag};

int RunSet(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, FirstAssignment + 1, true);
    RequireVehicleWord(arguments.Positionals[1]);
    const TLayout layout = LayoutOf(arguments);
    const std::vector<TAssignment> assignments =
        ParseAssignments(layout, std::span(arguments.Positionals).subspan(FirstAssignment));

    // Every text is converted before the file is touched; the first that fails ends
    // the command and nothing is written. Choice fields and HornType take the stored
    // number itself, checked only against the field's type, like any integer field.
    std::vector<std::pair<const TLayoutField*, TFieldBits>> values;
    for (const TAssignment& assignment : assignments) {
        const TFieldBits bits =
            ParseFieldValue(*assignment.Field, assignment.Text, assignment.Word);
        values.emplace_back(assignment.Field, bits);
    }

    return RunChange(arguments, arguments.Positionals[0], out, [&](const TVehicleTable& table) {
        const TVehicleRecord record = *table.Read(table.Find(arguments.Positionals[1]));
        TRecordBytes after = record.Bytes; // fields not named, and pad bytes, keep their bits
        for (const auto& [field, bits] : values) {
            WriteField(*field, bits, after);
        }
        return ChangeOfOne(layout, {record.Vehicle, record.Bytes, after});
    });
}

} // namespace

const TCommand SetCommand{
    "set",
    "FILE ID FIELD=TEXT [FIELD=TEXT ...]",
    "Changes fields of the record of vehicle ID (400..630 or a model name; in a cfg\n"
    "also an added vehicle's model name) and writes the record back in one piece.\n"
    "FIELD is a field name as 'show' and 'dump' print it:\n"
    "  VehicleType PowerOnSoundId PowerOffSoundId Unknown1 Unknown2 Unknown3\n"
    "  HornType HornTone DoorSoundType RadioStation RadioType Unknown4 Unknown5\n"
    "  Unknown6 Unknown7 Unknown8\n"
    "or with --game one of the game's fields (see 'show --help'), whose pad bytes\n"
    "are never written.\n"
    "TEXT is read as the editor reads its number fields: integers in decimal or\n"
    "hex ($1F, 0x1F), floats with '.' as the decimal separator (1.5, 2E-3). A\n"
    "float also takes its bits as '0x' and exactly 8 hex digits (0x80000000 is\n"
    "-0), the form 'show', 'dump' and 'diff' print.\n"
    "VehicleType, DoorSoundType, RadioStation, RadioType and HornType take the\n"
    "number to store, any value of the field's type (int8, uint8, int16, int32).\n"
    "Every TEXT is checked first: if any fails, nothing is written. Fields not\n"
    "named keep their bytes. Prints each changed field as 'ID NAME FIELD: a -> b',\n"
    "or 'ID NAME: no change' (and then writes nothing). A value that the game\n"
    "will have a problem with (see 'check': no engine sound, horn, doors or radio,\n"
    "or a likely crash) is written, with the game's effect as a warning on stderr:\n"
    "  warning: ID MODEL FIELD: VALUE: what the game does\n"
    "The change is flushed to the disk before it is reported. In a cfg, only the\n"
    "numbers that change are rewritten, and the file is replaced as a whole; a\n"
    "change of the editor's fields that would set a pad byte is refused, as a cfg\n"
    "row has none.\n",
    SetFlags,
    RunSet,
};

} // namespace klarvon::cli

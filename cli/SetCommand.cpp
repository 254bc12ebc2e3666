// `set FILE ID FIELD=TEXT ...`: changes named fields of one record, all or nothing.

#include "cli/Changes.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/FieldText.h"
#include "cli/Report.h"
#include "cli/TableFile.h"
#include "table/TextConversions.h"

#include <span>
#include <utility>

namespace klarvon::cli {

namespace {

constexpr std::size_t FirstAssignment = 2;

int RunSet(const TArguments& arguments, std::ostream& out) {
    RequirePositionals(arguments, FirstAssignment + 1, true);
    const int id = ParseVehicleId(arguments.Positionals[1]);
    const std::vector<TAssignment> assignments =
        ParseAssignments(std::span(arguments.Positionals).subspan(FirstAssignment));

    // Every text is converted before the file is touched; the first that fails ends
    // the command and nothing is written. Choice fields and HornType take the stored
    // number itself, checked only against the field's type, like any integer field.
    std::vector<std::pair<TField, TFieldBits>> values;
    for (const TAssignment& assignment : assignments) {
        const TFieldBits bits = InContext(assignment.Word, [&assignment] {
            return ParseField(*assignment.Field, assignment.Text, DecimalSeparator);
        });
        values.emplace_back(assignment.Field->Field, bits);
    }

    TTableFile file(arguments.Positionals[0], TAccess::ReadWrite);
    const TVehicleAudioRecord before = file.Read(id);
    TVehicleAudioRecord after = before; // fields not named keep their bits
    for (const auto& [field, bits] : values) {
        after[field] = bits;
    }
    file.Write(id, after);
    file.Close();
    NoteFileChanged(out);
    WriteChangesOrNone(out, id, before, after);
    return ExitSuccess;
}

} // namespace

const TCommand SetCommand{
    "set",
    "FILE ID FIELD=TEXT [FIELD=TEXT ...]",
    "Changes fields of the record of vehicle ID (400..630) and writes the record\n"
    "back in one piece. FIELD is a field name as 'show' and 'dump' print it:\n"
    "  VehicleType PowerOnSoundId PowerOffSoundId Unknown1 Unknown2 Unknown3\n"
    "  HornType HornTone DoorSoundType RadioStation RadioType Unknown4 Unknown5\n"
    "  Unknown6 Unknown7 Unknown8\n"
    "TEXT is read as the editor reads its number fields: integers in decimal or\n"
    "hex ($1F, 0x1F), floats with '.' as the decimal separator (1.5, 2E-3).\n"
    "VehicleType, DoorSoundType, RadioStation, RadioType and HornType take the\n"
    "number to store, any value of the field's type (int16, uint8, int32).\n"
    "Every TEXT is checked first: if any fails, nothing is written. Fields not\n"
    "named keep their bytes. Prints each changed field as 'ID NAME FIELD: a -> b',\n"
    "or 'ID NAME: no change'.\n",
    {},
    RunSet,
};

} // namespace klarvon::cli

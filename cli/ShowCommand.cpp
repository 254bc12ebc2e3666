// `show FILE ID`: one record, field by field, as stored and as the editor shows it.

#include "catalogue/VehicleCatalogue.h"
#include "cli/Commands.h"
#include "cli/FieldText.h"
#include "cli/TableFile.h"

namespace klarvon::cli {

namespace {

constexpr char Tab = '\t';

int RunShow(const TArguments& arguments, std::ostream& out) {
    RequirePositionals(arguments, 2);
    const int id = ParseVehicleId(arguments.Positionals[1]);
    const TTableFile file(arguments.Positionals[0]);
    const TVehicleAudioRecord record = file.Read(id);

    out << "# " << id << ' ' << TVehicleCatalogue::Name(id) << " at offset "
        << file.RecordOffset(id) << '\n';
    out << "field" << Tab << "stored" << Tab << "shown" << '\n';
    for (const TFieldDescriptor& field : RecordFields) {
        const TFieldBits bits = record[field.Field];
        // A float's stored value is its bits: that shows even what the editor cannot.
        const std::string stored = field.Kind == TFieldKind::Float32
                                       ? BitsHex(field, bits)
                                       : StoredText(field, bits).value_or("");
        out << field.Name << Tab << stored << Tab << ShownText(field, bits) << '\n';
    }
    return ExitSuccess;
}

} // namespace

const TCommand ShowCommand{
    "show",
    "FILE ID",
    "Shows the record of vehicle ID (400..630). After a first line\n"
    "'# ID NAME at offset N' comes a header 'field<TAB>stored<TAB>shown' and one\n"
    "tab-separated line per field in stored order:\n"
    "  field: the field's name, as 'set' takes it\n"
    "  stored: the integer as stored; for a float its bits in hex (0x3F800000)\n"
    "  shown: what the editor shows: the radio button's caption for VehicleType,\n"
    "         DoorSoundType, RadioStation and RadioType, 'slider N' for HornType,\n"
    "         else the field's text (floats with 15 significant digits)\n",
    {},
    RunShow,
};

} // namespace klarvon::cli

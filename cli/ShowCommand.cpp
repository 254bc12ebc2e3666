// `show FILE ID [--game]`: one record, field by field, as stored and as the editor
// (or the game) reads it.

#include "cli/Commands.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/FieldText.h"
#include "exchange/TableDump.h"

#include <array>

namespace klarvon::cli {

using exchange::BitsHex;
using exchange::ShownText;
using exchange::StoredText;

namespace {

constexpr char Tab = '\t';
constexpr std::array<TFlag, 1> ShowFlags{GameFlag};

int RunShow(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 2);
    RequireVehicleWord(arguments.Positionals[1]);
    const TLayout layout = LayoutOf(arguments);
    const TVehicleTable table(arguments.Positionals[0], TOpenMode::ReadOnly);
    const TVehicleRecord entry = *table.Read(table.Find(arguments.Positionals[1]));
    const TRecordBytes& record = entry.Bytes;

    out << "# " << exchange::VehicleSubject(entry.Vehicle);
    if (entry.Vehicle.Id && !entry.Vehicle.Model.empty()) {
        out << " (" << entry.Vehicle.Model << ')';
    }
    if (entry.Place.Line != 0) {
        out << " at " << table.Path() << ':' << entry.Place.Line << '\n';
    } else {
        out << " at offset " << entry.Place.Offset << '\n';
    }
    out << "field" << Tab << "stored" << Tab << "shown" << '\n';
    for (const TLayoutField& field : layout) {
        const TFieldBits bits = ReadField(field, record);
        // A float's stored value is its bits: that shows even what the editor cannot.
        const std::string stored =
            field.Type == TValueType::Float32 ? BitsHex(field, bits) : StoredText(field, bits);
        out << field.Name << Tab << stored << Tab << ShownText(layout, field, bits);
        if (const std::string_view bank = exchange::BankNameOfField(field, bits); !bank.empty()) {
            out << " (" << bank << ')';
        }
        out << '\n';
    }
    return ExitSuccess;
}

} // namespace

const TCommand ShowCommand{
    "show",
    "FILE ID",
    "Shows the record of vehicle ID (400..630, or a model name such as infernus).\n"
    "After a first line '# ID NAME (model) at offset N' (in a cfg: 'at FILE:LINE',\n"
    "and '# MODEL at FILE:LINE' for an added vehicle) comes a header\n"
    "'field<TAB>stored<TAB>shown' and one tab-separated line per field in stored\n"
    "order:\n"
    "  field: the field's name, as 'set' takes it\n"
    "  stored: the integer as stored; for a float its bits in hex (0x3F800000)\n"
    "  shown: what the editor shows: the radio button's caption for VehicleType,\n"
    "         DoorSoundType, RadioStation and RadioType, 'slider N' for HornType,\n"
    "         else the field's text (floats with 15 significant digits)\n"
    "--game: the game's own fields instead (VehicleAudioType, PlayerBank,\n"
    "DummyBank, BassSetting, BassFactor, EnginePitch, HornType, HornPitch,\n"
    "DoorType, EngineUpgrade, RadioStation, RadioType, VehicleAudioTypeForName,\n"
    "EngineVolumeOffset); 'shown' is then what the game makes of the value where\n"
    "that is known ('car', 'horn 3', 'off'), else the value's text; a bank's\n"
    "number is followed by its short name ('38 (Cobra V8 sports car engine,\n"
    "player bank)').\n"
    "A cfg row is shown as the record it makes: its values in the game's fields,\n"
    "pad bytes zero.\n",
    ShowFlags,
    RunShow,
};

} // namespace klarvon::cli

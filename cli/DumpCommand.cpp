// `dump FILE [--json] [--game]`: all 231 slots, one row each, as CSV or as JSON.

#include "catalogue/ModelNames.h"
#include "catalogue/VehicleCatalogue.h"
#include "cli/Commands.h"
#include "cli/Csv.h"
#include "cli/FieldText.h"
#include "cli/TableAccess.h"

#include <nlohmann/json.hpp>

#include <array>

namespace klarvon::cli {

namespace {

constexpr std::string_view JsonFlag = "--json";
constexpr std::array<std::string_view, 2> DumpFlags{JsonFlag, GameFlag};

constexpr std::string_view IdColumn = "id";
constexpr std::string_view NameColumn = "name";
constexpr std::string_view ModelColumn = "model";
constexpr std::string_view BytesColumn = "bytes";

void WriteCsv(TLayout layout, const std::vector<TRecordBytes>& records, std::ostream& out) {
    out << IdColumn << ',' << NameColumn << ',' << ModelColumn;
    for (const TLayoutField& field : layout) {
        out << ',' << field.Name;
    }
    out << ',' << BytesColumn << '\n';

    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        const TRecordBytes& record = records[static_cast<std::size_t>(id - FirstVehicleId)];
        out << id << ',' << CsvCell(TVehicleCatalogue::Name(id)) << ',' << CsvCell(ModelName(id));
        for (const TLayoutField& field : layout) {
            out << ',' << CsvCell(StoredText(field, ReadField(field, record)));
        }
        out << ',' << RecordHex(record) << '\n';
    }
}

// Keys in stored order, so the output reads like the CSV.
nlohmann::ordered_json RecordObject(TLayout layout, int id, const TRecordBytes& record) {
    nlohmann::ordered_json object;
    object[std::string(IdColumn)] = id;
    object[std::string(NameColumn)] = std::string(TVehicleCatalogue::Name(id));
    const std::string_view model = ModelName(id);
    object[std::string(ModelColumn)] =
        model.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(std::string(model));
    for (const TLayoutField& field : layout) {
        const TFieldBits bits = ReadField(field, record);
        nlohmann::ordered_json& value = object[std::string(field.Name)];
        if (field.Type == TValueType::Float32) {
            value = StoredText(field, bits);
        } else {
            value = IntegerValue(field.Type, bits);
        }
    }
    object[std::string(BytesColumn)] = RecordHex(record);
    return object;
}

// One object per line inside the array: valid JSON that still diffs line by line.
void WriteJson(TLayout layout, const std::vector<TRecordBytes>& records, std::ostream& out) {
    out << "[\n";
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        const TRecordBytes& record = records[static_cast<std::size_t>(id - FirstVehicleId)];
        out << RecordObject(layout, id, record).dump() << (id < LastVehicleId ? ",\n" : "\n");
    }
    out << "]\n";
}

int RunDump(const TArguments& arguments, std::ostream& out) {
    RequirePositionals(arguments, 1);
    const TTableFile file(arguments.Positionals[0], TOpenMode::ReadOnly);
    RequireTable(file);
    // Everything is read before anything is printed, so a failure prints no half table.
    const std::vector<TRecordBytes> records = file.ReadAll();
    const TLayout layout = LayoutOf(arguments);
    if (arguments.Has(JsonFlag)) {
        WriteJson(layout, records, out);
    } else {
        WriteCsv(layout, records, out);
    }
    return ExitSuccess;
}

} // namespace

const TCommand DumpCommand{
    "dump",
    "FILE [--json] [--game]",
    "Prints all 231 vehicle slots, ID 400 first.\n"
    "CSV (the default): a header row, then one row per slot, quoted as RFC 4180 says;\n"
    "lines end in LF. Columns:\n"
    "  id, name, model, VehicleType, PowerOnSoundId, PowerOffSoundId, Unknown1,\n"
    "  Unknown2, Unknown3, HornType, HornTone, DoorSoundType, RadioStation,\n"
    "  RadioType, Unknown4, Unknown5, Unknown6, Unknown7, Unknown8, bytes\n"
    "name is the editor's list caption, model the game's model name (empty for\n"
    "612..630). Integers are printed as stored, floats as the editor's 15-digit\n"
    "text, or as their bits (0x80000000) where that text could not give them back\n"
    "(-0, INF, NAN); 'set' reads every value back to the same bits. 'bytes' is\n"
    "the record's 36 bytes as 72 hex digits.\n"
    "--json: an array of 231 objects, one per line, with the same keys in the same\n"
    "order; integers are JSON numbers, floats JSON strings, a missing model null.\n"
    "--game: the game's own fields in place of the editor's (see 'show --help');\n"
    "its pad bytes are in 'bytes' only.\n",
    DumpFlags,
    RunDump,
};

} // namespace klarvon::cli

// `dump FILE [--json]`: all 231 slots, one row each, as CSV or as JSON.

#include "catalogue/VehicleCatalogue.h"
#include "cli/Commands.h"
#include "cli/Csv.h"
#include "cli/FieldText.h"
#include "cli/TableFile.h"

#include <nlohmann/json.hpp>

#include <array>

namespace klarvon::cli {

namespace {

constexpr std::string_view JsonFlag = "--json";
constexpr std::array<std::string_view, 1> DumpFlags{JsonFlag};

constexpr std::string_view IdColumn = "id";
constexpr std::string_view NameColumn = "name";
constexpr std::string_view BytesColumn = "bytes";

void WriteCsv(const std::vector<TVehicleAudioRecord>& records, std::ostream& out) {
    out << IdColumn << ',' << NameColumn;
    for (const TFieldDescriptor& field : RecordFields) {
        out << ',' << field.Name;
    }
    out << ',' << BytesColumn << '\n';

    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        const TVehicleAudioRecord& record = records[static_cast<std::size_t>(id - FirstVehicleId)];
        out << id << ',' << CsvCell(TVehicleCatalogue::Name(id));
        for (const TFieldDescriptor& field : RecordFields) {
            // A float the editor cannot show leaves its cell empty; the bytes keep it.
            out << ',' << CsvCell(StoredText(field, record[field.Field]).value_or(""));
        }
        out << ',' << RecordHex(record) << '\n';
    }
}

// Keys in stored order, so the output reads like the CSV.
nlohmann::ordered_json RecordObject(int id, const TVehicleAudioRecord& record) {
    nlohmann::ordered_json object;
    object[std::string(IdColumn)] = id;
    object[std::string(NameColumn)] = std::string(TVehicleCatalogue::Name(id));
    for (const TFieldDescriptor& field : RecordFields) {
        const TFieldBits bits = record[field.Field];
        nlohmann::ordered_json& value = object[std::string(field.Name)];
        if (field.Kind != TFieldKind::Float32) {
            value = IntegerValue(field, bits);
        } else if (const std::optional<std::string> text = StoredText(field, bits)) {
            value = *text;
        } // else stays null: the editor cannot show it
    }
    object[std::string(BytesColumn)] = RecordHex(record);
    return object;
}

// One object per line inside the array: valid JSON that still diffs line by line.
void WriteJson(const std::vector<TVehicleAudioRecord>& records, std::ostream& out) {
    out << "[\n";
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        const TVehicleAudioRecord& record = records[static_cast<std::size_t>(id - FirstVehicleId)];
        out << RecordObject(id, record).dump() << (id < LastVehicleId ? ",\n" : "\n");
    }
    out << "]\n";
}

int RunDump(const TArguments& arguments, std::ostream& out) {
    RequirePositionals(arguments, 1);
    const TTableFile file(arguments.Positionals[0]);
    // Everything is read before anything is printed, so a failure prints no half table.
    const std::vector<TVehicleAudioRecord> records = file.ReadAll();
    if (arguments.Has(JsonFlag)) {
        WriteJson(records, out);
    } else {
        WriteCsv(records, out);
    }
    return ExitSuccess;
}

} // namespace

const TCommand DumpCommand{
    "dump",
    "FILE [--json]",
    "Prints all 231 vehicle slots, ID 400 first.\n"
    "CSV (the default): a header row, then one row per slot, quoted as RFC 4180 says;\n"
    "lines end in LF. Columns:\n"
    "  id, name, VehicleType, PowerOnSoundId, PowerOffSoundId, Unknown1, Unknown2,\n"
    "  Unknown3, HornType, HornTone, DoorSoundType, RadioStation, RadioType,\n"
    "  Unknown4, Unknown5, Unknown6, Unknown7, Unknown8, bytes\n"
    "Integers are printed as stored, floats as the editor's 15-digit text (which\n"
    "'set' reads back to the same bits), and 'bytes' is the record's 36 bytes as\n"
    "72 hex digits, so nothing is lost even for INF or NAN. A float the editor\n"
    "cannot show at all (a signalling NaN) leaves its cell empty.\n"
    "--json: an array of 231 objects, one per line, with the same keys in the same\n"
    "order; integers are JSON numbers, floats JSON strings (null where the CSV cell\n"
    "is empty).\n",
    DumpFlags,
    RunDump,
};

} // namespace klarvon::cli

#include "exchange/TableDump.h"

#include "catalogue/ModelNames.h"
#include "catalogue/VehicleCatalogue.h"
#include "exchange/Csv.h"
#include "exchange/FieldText.h"
#include "table/TableLocator.h"

#include <nlohmann/json.hpp>

namespace klarvon::exchange {

namespace {

constexpr std::string_view IdColumn = "id";
constexpr std::string_view NameColumn = "name";
constexpr std::string_view ModelColumn = "model";
constexpr std::string_view BytesColumn = "bytes";

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

} // namespace

void WriteTableCsv(TLayout layout, const std::vector<TRecordBytes>& records, std::ostream& out) {
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

void WriteTableJson(TLayout layout, const std::vector<TRecordBytes>& records, std::ostream& out) {
    out << "[\n";
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        const TRecordBytes& record = records[static_cast<std::size_t>(id - FirstVehicleId)];
        out << RecordObject(layout, id, record).dump() << (id < LastVehicleId ? ",\n" : "\n");
    }
    out << "]\n";
}

} // namespace klarvon::exchange

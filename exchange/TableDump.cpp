#include "exchange/TableDump.h"

#include "catalogue/BankNames.h"
#include "catalogue/VehicleCatalogue.h"
#include "exchange/Csv.h"
#include "exchange/FieldText.h"
#include "exchange/JsonText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>

namespace klarvon::exchange {

namespace {

constexpr std::string_view IdColumn = "id";
constexpr std::string_view NameColumn = "name";
constexpr std::string_view ModelColumn = "model";
constexpr std::string_view BytesColumn = "bytes";
constexpr std::string_view BankNameSuffix = "Name";
// The game's fields that hold a bank's number.
constexpr std::string_view BankFields[] = {"PlayerBank", "DummyBank"};

bool HoldsBank(const TLayoutField& field) {
    return std::find(std::begin(BankFields), std::end(BankFields), field.Name) !=
           std::end(BankFields);
}

// Keys in stored order, so the output reads like the CSV.
nlohmann::ordered_json TextOrNull(std::string_view text) {
    return text.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(JsonSafeText(text));
}

std::string_view CaptionOf(const TVehicle& vehicle) {
    return vehicle.Id ? TVehicleCatalogue::Name(*vehicle.Id) : std::string_view();
}

nlohmann::ordered_json RecordObject(TLayout layout, const TVehicleRecord& entry) {
    const TRecordBytes& record = entry.Bytes;
    nlohmann::ordered_json object;
    object[std::string(IdColumn)] =
        entry.Vehicle.Id ? nlohmann::ordered_json(*entry.Vehicle.Id) : nlohmann::ordered_json();
    object[std::string(NameColumn)] = TextOrNull(CaptionOf(entry.Vehicle));
    object[std::string(ModelColumn)] = TextOrNull(entry.Vehicle.Model);
    for (const TLayoutField& field : layout) {
        const TFieldBits bits = ReadField(field, record);
        nlohmann::ordered_json& value = object[std::string(field.Name)];
        if (field.Type == TValueType::Float32) {
            value = StoredText(field, bits);
        } else {
            value = IntegerValue(field.Type, bits);
        }
        if (HoldsBank(field)) {
            object[BankNameKey(field)] = TextOrNull(BankNameOfField(field, bits));
        }
    }
    object[std::string(BytesColumn)] = RecordHex(record);
    return object;
}

} // namespace

std::string_view BankNameOfField(const TLayoutField& field, TFieldBits bits) {
    if (!HoldsBank(field)) {
        return {};
    }
    const TBankName* name = StockBankName(IntegerValue(field.Type, bits));
    return name == nullptr ? std::string_view() : name->Name;
}

std::string BankNameKey(const TLayoutField& field) {
    return std::string(field.Name) + std::string(BankNameSuffix);
}

void WriteTableCsv(TLayout layout, std::span<const TVehicleRecord> records, std::ostream& out) {
    out << IdColumn << ',' << NameColumn << ',' << ModelColumn;
    for (const TLayoutField& field : layout) {
        out << ',' << field.Name;
    }
    out << ',' << BytesColumn << '\n';

    for (const TVehicleRecord& entry : records) {
        const TRecordBytes& record = entry.Bytes;
        out << (entry.Vehicle.Id ? std::to_string(*entry.Vehicle.Id) : std::string()) << ','
            << CsvCell(CaptionOf(entry.Vehicle)) << ',' << CsvCell(entry.Vehicle.Model);
        for (const TLayoutField& field : layout) {
            out << ',' << CsvCell(StoredText(field, ReadField(field, record)));
        }
        out << ',' << RecordHex(record) << '\n';
    }
}

void WriteTableJson(TLayout layout, std::span<const TVehicleRecord> records, std::ostream& out) {
    // Made whole first: a fault in the middle must not leave half a document behind.
    std::ostringstream document;
    document << "[\n";
    for (std::size_t i = 0; i < records.size(); ++i) {
        document << RecordObject(layout, records[i]).dump()
                 << (i + 1 < records.size() ? ",\n" : "\n");
    }
    document << "]\n";
    out << document.str();
}

} // namespace klarvon::exchange

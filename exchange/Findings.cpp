#include "exchange/Findings.h"

#include "exchange/AudioCfg.h"
#include "exchange/FieldText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace klarvon::exchange {

namespace {

constexpr std::string_view WarningWord = "warning";

bool IsCfgRow(const TRecordPlace& place) {
    return place.Line != 0;
}

// The 1-based column of the finding's value in its cfg row.
std::size_t ValueColumn(const TRecordFinding& finding) {
    const std::vector<std::size_t>& columns = finding.Record.Place.Columns;
    const std::optional<std::size_t> index = FieldIndex(GameLayout(), *finding.Finding.Field);
    if (index && *index < columns.size()) {
        return columns[*index];
    }
    throw std::logic_error("a finding about a field its cfg row has no column for");
}

// "ID MODEL FIELD: VALUE: WHAT", the words every line shares.
std::string FindingSubject(const TVehicle& vehicle, const TFinding& finding) {
    return VehicleIdText(vehicle) + ' ' + VehicleModelText(vehicle) + ' ' + FindingText(finding);
}

std::string Counted(std::size_t count, std::string_view what) {
    return std::to_string(count) + ' ' + std::string(what) + (count == 1 ? "" : "s");
}

nlohmann::ordered_json NullOr(std::optional<std::size_t> value) {
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json();
}

nlohmann::ordered_json FindingObject(std::string_view source, const TRecordFinding& found) {
    const TVehicle& vehicle = found.Record.Vehicle;
    const TFinding& finding = found.Finding;
    const bool inCfg = IsCfgRow(found.Record.Place);
    nlohmann::ordered_json object;
    object["file"] = std::string(source);
    object["line"] = NullOr(inCfg ? std::optional(found.Record.Place.Line) : std::nullopt);
    object["column"] = NullOr(inCfg ? std::optional(ValueColumn(found)) : std::nullopt);
    object["id"] = vehicle.Id ? nlohmann::ordered_json(*vehicle.Id) : nlohmann::ordered_json();
    object["model"] =
        vehicle.Model.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(vehicle.Model);
    object["field"] = std::string(finding.Field->Name);
    object["value"] = FindingValueText(finding);
    object["severity"] = std::string(SeverityName(finding.Severity));
    object["rule"] = std::string(finding.Rule);
    object["what"] = finding.What;
    return object;
}

bool SameFinding(const TFinding& a, const TFinding& b) {
    return a.Rule == b.Rule && *a.Field == *b.Field;
}

} // namespace

std::vector<TRecordFinding> CheckRecords(std::span<const TVehicleRecord> records) {
    std::vector<TRecordFinding> findings;
    for (const TVehicleRecord& record : records) {
        for (TFinding& finding :
             CheckRecord(record.Vehicle.Id, record.Vehicle.Model, record.Bytes)) {
            findings.push_back({record, std::move(finding)});
        }
    }
    return findings;
}

bool HasProblem(std::span<const TRecordFinding> findings) {
    return std::any_of(findings.begin(), findings.end(), [](const TRecordFinding& found) {
        return found.Finding.Severity == TSeverity::Problem;
    });
}

std::string FindingValueText(const TFinding& finding) {
    const TLayoutField& field = *finding.Field;
    if (field.Type == TValueType::Float32 && !std::isfinite(FloatValue(finding.Value))) {
        return BitsHex(field, finding.Value);
    }
    return CfgValueText(field, finding.Value);
}

std::string FindingText(const TFinding& finding) {
    return std::string(finding.Field->Name) + ": " + FindingValueText(finding) + ": " +
           finding.What;
}

std::string CountLine(std::span<const TRecordFinding> findings, std::size_t vehicles) {
    const auto problems = static_cast<std::size_t>(
        std::count_if(findings.begin(), findings.end(), [](const TRecordFinding& found) {
            return found.Finding.Severity == TSeverity::Problem;
        }));
    return Counted(problems, "problem") + ", " + Counted(findings.size() - problems, "note") +
           " in " + Counted(vehicles, "vehicle");
}

std::string CheckLine(std::string_view source, const TRecordFinding& finding) {
    std::string line;
    if (IsCfgRow(finding.Record.Place)) {
        line = std::string(source) + ':' + std::to_string(finding.Record.Place.Line) + ':' +
               std::to_string(ValueColumn(finding)) + ": ";
    }
    return line + std::string(SeverityName(finding.Finding.Severity)) + ": " +
           FindingSubject(finding.Record.Vehicle, finding.Finding);
}

void WriteCheckJson(std::string_view source, std::span<const TRecordFinding> findings,
                    std::ostream& out) {
    out << "[\n";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        out << FindingObject(source, findings[i]).dump()
            << (i + 1 < findings.size() ? ",\n" : "\n");
    }
    out << "]\n";
}

std::string WarningLine(const TVehicle& vehicle, const TFinding& finding) {
    return std::string(WarningWord) + ": " + FindingSubject(vehicle, finding);
}

std::vector<TFinding> Problems(const TVehicle& vehicle, const TRecordBytes& bytes) {
    std::vector<TFinding> findings = CheckRecord(vehicle.Id, vehicle.Model, bytes);
    std::erase_if(findings,
                  [](const TFinding& finding) { return finding.Severity != TSeverity::Problem; });
    return findings;
}

std::vector<TFinding> NewProblems(const TVehicle& vehicle, const TRecordBytes& before,
                                  const TRecordBytes& after) {
    const std::vector<TFinding> old = Problems(vehicle, before);
    std::vector<TFinding> made = Problems(vehicle, after);
    std::erase_if(made, [&old](const TFinding& finding) {
        return std::any_of(old.begin(), old.end(),
                           [&finding](const TFinding& had) { return SameFinding(had, finding); });
    });
    return made;
}

} // namespace klarvon::exchange

#include "exchange/Findings.h"

#include "exchange/AudioCfg.h"
#include "exchange/FieldText.h"
#include "exchange/JsonText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace klarvon::exchange {

namespace {

constexpr std::string_view WarningWord = "warning";
constexpr std::string_view IntendedWord = " (intended)";
constexpr std::string_view IntendedCount = " marked intended";
constexpr std::string_view IntendedHidden = "hidden; --all shows them";

bool IsCfgRow(const TRecordPlace& place) {
    return place.Line != 0;
}

// The 1-based column of the finding's value in its cfg row, or of the model name.
std::size_t ValueColumn(const TRecordFinding& finding) {
    if (finding.Finding.Field == nullptr) {
        return finding.Record.Place.ModelColumn;
    }
    const std::vector<std::size_t>& columns = finding.Record.Place.Columns;
    const std::optional<std::size_t> index = FieldIndex(GameLayout(), *finding.Finding.Field);
    if (index && *index < columns.size()) {
        return columns[*index];
    }
    throw std::logic_error("a finding about a field its cfg row has no column for");
}

// "ID MODEL FIELD: VALUE: WHAT", the words every line shares; "ID MODEL: WHAT" for a
// finding about the model name.
std::string FindingSubject(const TVehicle& vehicle, const TFinding& finding) {
    const std::string subject = VehicleIdText(vehicle) + ' ' + VehicleModelText(vehicle);
    if (finding.Field == nullptr) {
        return subject + ": " + finding.What;
    }
    return subject + ' ' + FindingText(finding);
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
    object["file"] = JsonSafeText(source);
    object["line"] = NullOr(inCfg ? std::optional(found.Record.Place.Line) : std::nullopt);
    object["column"] = NullOr(inCfg ? std::optional(ValueColumn(found)) : std::nullopt);
    object["id"] = vehicle.Id ? nlohmann::ordered_json(*vehicle.Id) : nlohmann::ordered_json();
    object["model"] = vehicle.Model.empty() ? nlohmann::ordered_json()
                                            : nlohmann::ordered_json(JsonSafeText(vehicle.Model));
    const bool aboutField = finding.Field != nullptr;
    object["field"] = aboutField ? nlohmann::ordered_json(std::string(finding.Field->Name))
                                 : nlohmann::ordered_json();
    object["value"] =
        aboutField ? nlohmann::ordered_json(FindingValueText(finding)) : nlohmann::ordered_json();
    object["severity"] = std::string(SeverityName(finding.Severity));
    object["rule"] = std::string(finding.Rule);
    object["what"] = JsonSafeText(finding.What);
    object["intended"] = found.Intended;
    return object;
}

bool SameFinding(const TFinding& a, const TFinding& b) {
    return a.Rule == b.Rule && *a.Field == *b.Field;
}

bool IsProblem(const TRecordFinding& found) {
    return found.Finding.Severity == TSeverity::Problem;
}

// " (5 no-vehicle-audio, 1 kind-differs)": the rules by count, the most first, ties by
// name; nothing for no finding.
std::string PerRule(std::span<const TRecordFinding* const> findings) {
    std::map<std::string_view, std::size_t> byRule;
    for (const TRecordFinding* found : findings) {
        ++byRule[found->Finding.Rule];
    }
    std::vector<std::pair<std::string_view, std::size_t>> rules(byRule.begin(), byRule.end());
    std::stable_sort(rules.begin(), rules.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::string text;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        text += i == 0 ? " (" : ", ";
        text += std::to_string(rules[i].second) + ' ' + std::string(rules[i].first);
    }
    return text + (rules.empty() ? "" : ")");
}

} // namespace

std::vector<TRecordFinding> CheckRecords(std::span<const TVehicleRecord> records,
                                         const TBankFacts& banks) {
    std::vector<TRecordFinding> findings;
    for (const TVehicleRecord& record : records) {
        for (TFinding& finding :
             CheckRecord(record.Vehicle.Id, record.Vehicle.Model, record.Bytes, banks)) {
            findings.push_back({record, std::move(finding)});
        }
    }
    return findings;
}

bool HasProblem(std::span<const TRecordFinding> findings) {
    return std::any_of(findings.begin(), findings.end(), [](const TRecordFinding& found) {
        return IsProblem(found) && !found.Intended;
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
    return line + std::string(SeverityName(finding.Finding.Severity)) +
           std::string(finding.Intended ? IntendedWord : "") + ": " +
           FindingSubject(finding.Record.Vehicle, finding.Finding);
}

std::string RuleCountLine(std::span<const TRecordFinding> findings, std::size_t vehicles,
                          bool intendedShown) {
    std::vector<const TRecordFinding*> problems;
    std::vector<const TRecordFinding*> notes;
    std::vector<const TRecordFinding*> intended;
    for (const TRecordFinding& found : findings) {
        (found.Intended ? intended : IsProblem(found) ? problems : notes).push_back(&found);
    }
    std::string line = Counted(problems.size(), "problem") + PerRule(problems) + ", " +
                       Counted(notes.size(), "note") + PerRule(notes) + " in " +
                       Counted(vehicles, "vehicle");
    if (intended.empty()) {
        return line;
    }
    line += "; " + std::to_string(intended.size()) + std::string(IntendedCount);
    return line + (intendedShown ? PerRule(intended) : " (" + std::string(IntendedHidden) + ")");
}

void WriteCheckJson(std::string_view source, std::span<const TRecordFinding> findings,
                    std::ostream& out) {
    // Made whole first: a fault in the middle must not leave half a document behind.
    std::ostringstream document;
    document << "[\n";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        document << FindingObject(source, findings[i]).dump()
                 << (i + 1 < findings.size() ? ",\n" : "\n");
    }
    document << "]\n";
    out << document.str();
}

std::string WarningLine(const TVehicle& vehicle, const TFinding& finding) {
    return std::string(WarningWord) + ": " + FindingSubject(vehicle, finding);
}

std::vector<TFinding> Problems(const TVehicle& vehicle, const TRecordBytes& bytes,
                               const TBankFacts& banks) {
    std::vector<TFinding> findings = CheckRecord(vehicle.Id, vehicle.Model, bytes, banks);
    std::erase_if(findings,
                  [](const TFinding& finding) { return finding.Severity != TSeverity::Problem; });
    return findings;
}

std::vector<TFinding> NewProblems(const TVehicle& vehicle, const TRecordBytes& before,
                                  const TRecordBytes& after, const TBankFacts& banks) {
    const std::vector<TFinding> old = Problems(vehicle, before, banks);
    std::vector<TFinding> made = Problems(vehicle, after, banks);
    std::erase_if(made, [&old](const TFinding& finding) {
        return std::any_of(old.begin(), old.end(),
                           [&finding](const TFinding& had) { return SameFinding(had, finding); });
    });
    return made;
}

} // namespace klarvon::exchange

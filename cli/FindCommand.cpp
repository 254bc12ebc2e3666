// `find FILE [FIELD=VALUE ...] [--bank N] [--game]`: the vehicles whose fields all hold
// the given values or lie in the given ranges.

#include "catalogue/VehicleCatalogue.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/FieldText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <optional>
#include <span>

namespace klarvon::cli {

namespace {

constexpr std::size_t FirstCondition = 1;
constexpr TFlag BankFlag{"--bank", "N", "PlayerBank or DummyBank holds N, or lies in LOW..HIGH"};
constexpr std::array<TFlag, 2> FindFlags{GameFlag, BankFlag};
constexpr std::string_view NoModel = "-"; // also no ID or caption: an added vehicle
constexpr std::string_view NoMatchText = "no vehicle matches";
constexpr std::string_view RangeMark = "..";
constexpr std::string_view RangeForms = "LOW..HIGH, LOW.. or ..HIGH";
// The game's two engine banks; the editor's PowerOnSoundId and PowerOffSoundId are the
// same bytes.
constexpr std::array<std::string_view, 2> BankFields{"PlayerBank", "DummyBank"};

// What a condition asks of a field: one value, compared bit for bit (a float matches only
// itself, 0x80000000 finds -0), or a range of numbers, both ends included (-0 is 0 there,
// and a NaN lies in no range).
struct TCondition {
    const TLayoutField* Field;
    std::optional<TFieldBits> Exact;
    std::optional<double> Low;
    std::optional<double> High;
};

double NumberOf(const TLayoutField& field, TFieldBits bits) {
    if (field.Type != TValueType::Float32) {
        return static_cast<double>(IntegerValue(field.Type, bits));
    }
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool Holds(const TCondition& condition, const TRecordBytes& bytes) {
    const TFieldBits bits = ReadField(*condition.Field, bytes);
    if (condition.Exact) {
        return bits == *condition.Exact;
    }
    const double number = NumberOf(*condition.Field, bits);
    return !std::isnan(number) && (!condition.Low || number >= *condition.Low) &&
           (!condition.High || number <= *condition.High);
}

// VALUE, or a range LOW..HIGH, LOW.. or ..HIGH, each end as 'set' takes a value; word is
// the whole argument, which failures name.
TCondition ParseCondition(const TLayoutField& field, std::string_view text,
                          const std::string& word) {
    // Each end is read as 'set' reads a value, with its range and comma advice.
    const auto number = [&](std::string_view end) {
        return NumberOf(field, ParseFieldValue(field, end, word));
    };
    const std::size_t mark = text.find(RangeMark);
    if (mark == std::string_view::npos) {
        return {&field, ParseFieldValue(field, text, word), std::nullopt, std::nullopt};
    }
    const std::string_view low = text.substr(0, mark);
    const std::string_view high = text.substr(mark + RangeMark.size());
    if (low.empty() && high.empty()) {
        throw EFailure("a range needs an end: " + std::string(RangeForms), word);
    }
    TCondition condition{&field, std::nullopt, std::nullopt, std::nullopt};
    if (!low.empty()) {
        condition.Low = number(low);
    }
    if (!high.empty()) {
        condition.High = number(high);
    }
    const auto isNan = [](const std::optional<double>& end) { return end && std::isnan(*end); };
    if (isNan(condition.Low) || isNan(condition.High)) {
        throw EFailure("a range's ends must be numbers, not NaN", word);
    }
    if (condition.Low && condition.High && *condition.Low > *condition.High) {
        throw EFailure("the range is empty: " + std::string(low) + " is above " +
                           std::string(high) + " (" + std::string(RangeForms) + ")",
                       word);
    }
    return condition;
}

int RunFind(const TArguments& arguments, TReport& out) {
    const std::optional<std::string> bank = arguments.Value(BankFlag);
    RequirePositionals(arguments, FirstCondition + (bank ? 0 : 1), true);
    const TLayout layout = LayoutOf(arguments);
    std::vector<TCondition> conditions;
    for (const TAssignment& assignment :
         ParseAssignments(layout, std::span(arguments.Positionals).subspan(FirstCondition))) {
        conditions.push_back(ParseCondition(*assignment.Field, assignment.Text, assignment.Word));
    }
    // Either bank: a condition of its own on each bank field, of which one must hold.
    std::vector<TCondition> banks;
    for (const std::string_view name : BankFields) {
        if (bank) {
            banks.push_back(ParseCondition(*FindLayoutField(GameLayout(), name), *bank,
                                           std::string(BankFlag.Name) + ' ' + *bank));
        }
    }

    const TVehicleTable table(arguments.Positionals[0], TOpenMode::ReadOnly);
    std::size_t matches = 0;
    for (const TVehicleRecord& entry : table.ReadAll()) {
        const auto holds = [&entry](const TCondition& c) { return Holds(c, entry.Bytes); };
        const bool match = std::all_of(conditions.begin(), conditions.end(), holds) &&
                           (banks.empty() || std::any_of(banks.begin(), banks.end(), holds));
        if (match) {
            const TVehicle& vehicle = entry.Vehicle;
            out << (vehicle.Id ? std::to_string(*vehicle.Id) : std::string(NoModel)) << '\t'
                << (vehicle.Id ? TVehicleCatalogue::Name(*vehicle.Id) : NoModel) << '\t'
                << (vehicle.Model.empty() ? NoModel : std::string_view(vehicle.Model)) << '\n';
            ++matches;
        }
    }
    if (matches == 0) {
        throw EFailure(std::string(NoMatchText));
    }
    return ExitSuccess;
}

} // namespace

const TCommand FindCommand{
    "find",
    "FILE [FIELD=VALUE ...]",
    "Lists the vehicle slots whose fields all hold what is asked, one line each\n"
    "in ID order: 'ID<TAB>NAME<TAB>model' ('-' for a slot without a model name).\n"
    "In a cfg, one line per model in the order of its rows; an added vehicle has\n"
    "'-' for ID and NAME.\n"
    "Every condition must hold. FIELD and VALUE are as 'set' takes them (with\n"
    "--game the game's fields); a value matches only the very same bits, so a\n"
    "float is best given as 'show' prints it (0x3F800000) or as 'dump' does.\n"
    "A range FIELD=LOW..HIGH, FIELD=LOW.. or FIELD=..HIGH holds for a value from\n"
    "LOW to HIGH, both included, integers and floats compared as numbers\n"
    "(PlayerBank=700.. finds the banks above 699, HornType=..0 no horn and the\n"
    "bell). --bank N (or --bank LOW..HIGH) holds where either engine bank does:\n"
    "the game's PlayerBank or DummyBank, the editor's PowerOnSoundId or\n"
    "PowerOffSoundId, the same bytes. Give at least one condition or --bank.\n"
    "Exits 0 with the list, or 1 with 'no vehicle matches' on stderr.\n",
    FindFlags,
    RunFind,
};

} // namespace klarvon::cli

// `find FILE FIELD=VALUE ... [--game]`: the slots whose fields all hold the given values.

#include "catalogue/VehicleCatalogue.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/FieldText.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace klarvon::cli {

using exchange::ParseValueText;

namespace {

constexpr std::size_t FirstCondition = 1;
constexpr std::array<TFlag, 1> FindFlags{GameFlag};
constexpr std::string_view NoModel = "-"; // also no ID or caption: an added vehicle
constexpr std::string_view NoMatchText = "no vehicle matches";

int RunFind(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, FirstCondition + 1, true);
    const TLayout layout = LayoutOf(arguments);
    const std::vector<TAssignment> conditions =
        ParseAssignments(layout, std::span(arguments.Positionals).subspan(FirstCondition));
    // Values are compared as bits, so a float matches only itself (0x80000000 finds -0).
    std::vector<std::pair<const TLayoutField*, TFieldBits>> wanted;
    for (const TAssignment& condition : conditions) {
        wanted.emplace_back(condition.Field, InContext(condition.Word, [&condition] {
                                return ParseValueText(*condition.Field, condition.Text);
                            }));
    }

    const TVehicleTable table(arguments.Positionals[0], TOpenMode::ReadOnly);
    std::size_t matches = 0;
    for (const TVehicleRecord& entry : table.ReadAll()) {
        const bool match = std::all_of(wanted.begin(), wanted.end(), [&entry](const auto& w) {
            return ReadField(*w.first, entry.Bytes) == w.second;
        });
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
    "FILE FIELD=VALUE [FIELD=VALUE ...]",
    "Lists the vehicle slots whose fields all hold the given values, one line each\n"
    "in ID order: 'ID<TAB>NAME<TAB>model' ('-' for a slot without a model name).\n"
    "In a cfg, one line per model in the order of its rows; an added vehicle has\n"
    "'-' for ID and NAME.\n"
    "FIELD and VALUE are as 'set' takes them (with --game the game's fields); a\n"
    "value matches only the very same bits, so a float is best given as 'show'\n"
    "prints it (0x3F800000) or as 'dump' does.\n"
    "Exits 0 with the list, or 1 with 'no vehicle matches' on stderr.\n",
    FindFlags,
    RunFind,
};

} // namespace klarvon::cli

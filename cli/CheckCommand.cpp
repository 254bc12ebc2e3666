// `check FILE [ID ...] [--json]`: what the game will do with the values of each record,
// before a modder starts it.

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/Findings.h"

#include <algorithm>
#include <array>
#include <span>

namespace klarvon::cli {

using exchange::TRecordFinding;

namespace {

constexpr std::array<TFlag, 1> CheckFlags{FindingsJsonFlag};

int RunCheck(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 1, true);
    for (std::size_t i = 1; i < arguments.Positionals.size(); ++i) {
        RequireVehicleWord(arguments.Positionals[i]);
    }
    const std::string& path = arguments.Positionals[0];
    const TVehicleTable table(path, TOpenMode::ReadOnly);
    const std::span<const std::string> named = std::span(arguments.Positionals).subspan(1);
    const std::vector<TVehicleRecord> records =
        named.empty() ? table.ReadAll() : table.ReadNamed(named);
    const std::vector<TRecordFinding> findings = exchange::CheckRecords(records);
    if (arguments.Has(FindingsJsonFlag)) {
        exchange::WriteCheckJson(path, findings, out);
    } else {
        for (const TRecordFinding& finding : findings) {
            out << exchange::CheckLine(path, finding) << '\n';
        }
        out << exchange::CountLine(findings, records.size()) << '\n';
    }
    return exchange::HasProblem(findings) ? ExitFailure : ExitSuccess;
}

} // namespace

const TCommand CheckCommand{
    "check",
    "FILE [ID ...]",
    "Tells what the game will do with the values of each record of FILE (an\n"
    "executable or a cfg), or of the given vehicles (IDs or model names), before\n"
    "you start it. One line per finding, records in order, fields in stored order:\n"
    "  SEVERITY: ID MODEL FIELD: VALUE: what the game does\n"
    "with the game's field names (see 'show --help') and, for a cfg, the place of\n"
    "the value first: 'FILE:LINE:COLUMN: '. An added vehicle's ID is '-'.\n"
    "A problem is an effect the game's code is known to have: no engine sound, no\n"
    "horn, no door sound, no radio, or a likely crash. A note is an effect that is\n"
    "likely but unproven, or harmless on its own. A last line counts them:\n"
    "'N problems, M notes in K vehicles'. The slots after 611 serve no stock\n"
    "vehicle and are not checked.\n"
    "Exits 0 when there is no problem (notes or not), 1 when there is one.\n"
    "--json: an array with one object per finding, one per line, keys file, line,\n"
    "column (null for an executable), id (null for an added vehicle), model,\n"
    "field, value, severity, rule, what; no count line.\n",
    CheckFlags,
    RunCheck,
};

} // namespace klarvon::cli

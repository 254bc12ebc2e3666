// `check FILE [ID ...] [--problems] [--all] [--json]`: what the game will do with the values
// of each record, before a modder starts it.

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/Findings.h"
#include "exchange/PackCheck.h"

#include <algorithm>
#include <array>
#include <span>

namespace klarvon::cli {

using exchange::TRecordFinding;

namespace {

constexpr std::array<TFlag, 3> CheckFlags{ProblemsFlag, AllFlag, FindingsJsonFlag};

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
    const std::vector<TRecordFinding> findings = exchange::CheckPack(records, table.Cfg());

    const bool all = arguments.Has(AllFlag);
    const bool problemsOnly = arguments.Has(ProblemsFlag);
    std::vector<TRecordFinding> listed = findings;
    std::erase_if(listed, [all, problemsOnly](const TRecordFinding& found) {
        return (found.Intended && !all) ||
               (problemsOnly && found.Finding.Severity != TSeverity::Problem);
    });
    if (arguments.Has(FindingsJsonFlag)) {
        exchange::WriteCheckJson(path, listed, out);
    } else {
        for (const TRecordFinding& finding : listed) {
            out << exchange::CheckLine(path, finding) << '\n';
        }
        out << exchange::RuleCountLine(findings, records.size(), all) << '\n';
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
    "likely but unproven, or harmless on its own. A bank beyond the stock 710 is a\n"
    "note: a pack may add it through its own BankLkup.dat. A cfg row whose model\n"
    "name is not a stock model but one or two letters away from one gets a note\n"
    "'- NAME: not a stock model: added as a new vehicle; did you mean MODEL?'\n"
    "(rule not-a-stock-model). The slots after 611 serve no stock vehicle and are\n"
    "not checked.\n"
    "A finding can be marked as intended in the cfg, in a comment on its row after\n"
    "the values or alone on the line just before the row:\n"
    "  ; klarvon: intended no-vehicle-audio, no-horn (an electric car)\n"
    "with rule names as --json gives them, separated by blanks or commas (other\n"
    "words are ignored). Marked findings are not listed and never make the exit\n"
    "status 1; --all lists them too, as 'SEVERITY (intended): ...'.\n"
    "A last line counts the findings, per rule, the most frequent first (ties by\n"
    "name), and those marked intended apart:\n"
    "  3 problems (2 bank-never-loaded, 1 no-horn), 6 notes (6 no-vehicle-audio)\n"
    "  in 246 vehicles; 20 marked intended (hidden; --all shows them)\n"
    "(one line). --problems lists the problems alone; the last line still counts\n"
    "the notes.\n"
    "Exits 0 when every problem is marked intended or there is none, whatever the\n"
    "notes; 1 when a problem is not marked.\n"
    "--json: an array with one object per finding listed, one per line, keys\n"
    "file, line, column (null for an executable), id (null for an added vehicle),\n"
    "model, field, value (both null for a finding about the model name),\n"
    "severity, rule, what, intended (true or false); no count line. In a name\n"
    "that is not UTF-8, each byte outside UTF-8 is read as Latin-1 (the byte E9\n"
    "as U+00E9, JSON's \"\\u00e9\").\n",
    CheckFlags,
    RunCheck,
};

} // namespace klarvon::cli

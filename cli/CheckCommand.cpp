// `check FILE [ID ...] [--problems] [--all] [--json] [--game-dir DIR]`: what the game will
// do with the values of each record, before a modder starts it.

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/Findings.h"
#include "exchange/PackCheck.h"
#include "sound/CheckedBanks.h"
#include "table/PathText.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <span>

namespace klarvon::cli {

using exchange::TRecordFinding;

namespace {

constexpr std::array<TFlag, 4> CheckFlags{ProblemsFlag, AllFlag, FindingsJsonFlag, GameDirFlag};

// The banks' facts, said on stderr when they are the user's: a finding about a bank's size
// means little without knowing whose sizes they were.
TBankFacts BankFactsFor(const TArguments& arguments, const std::string& path) {
    const std::optional<std::string> gameDir = arguments.Value(GameDirFlag);
    TBankFacts banks = sound::CheckedBankFacts(
        FileSystemPath(path), gameDir ? std::optional(FileSystemPath(*gameDir)) : std::nullopt);
    if (!banks.UsersFolder.empty()) {
        std::cerr << "banks judged by the sound files in " << banks.UsersFolder << '\n';
    }
    return banks;
}

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
    const std::vector<TRecordFinding> findings =
        exchange::CheckPack(records, table.Cfg(), BankFactsFor(arguments, path));

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
    "likely but unproven, or harmless on its own.\n"
    "Banks are judged by the game's sound files: those of --game-dir DIR (the\n"
    "game's folder or a file in it), else those beside FILE (audio/CONFIG), else\n"
    "the stock game's; stderr then names the folder. A sound file that cannot be\n"
    "read fails the check. A bank larger than its engine slot (stock: 290,048\n"
    "bytes for PlayerBank, 74,496 for DummyBank; a boat's PlayerBank is never\n"
    "loaded) is a problem (player-bank-too-big, dummy-bank-too-big), as is a bank\n"
    "the user's BankLkup.dat lacks or whose package is missing or short\n"
    "(bank-not-in-files). A dummy-type bank as PlayerBank, a player-type one as\n"
    "DummyBank, or a bank that is no vehicle sound is a note (bank-wrong-kind).\n"
    "Without the user's sound files, a bank beyond the stock 710 is a note: a\n"
    "pack may add it through its own BankLkup.dat. A cfg row whose model\n"
    "name is not a stock model but one or two letters away from one gets a note\n"
    "'- NAME: not a stock model: added as a new vehicle; did you mean MODEL?'\n"
    "(rule not-a-stock-model). The slots after 611 serve no stock vehicle and are\n"
    "not checked.\n"
    "A finding can be marked as intended in the cfg, in a comment on its row after\n"
    "the values or alone on the line just before the row:\n"
    "  ; klarvon: intended no-vehicle-audio, no-horn (an electric car)\n"
    "with rule names as --json gives them, separated by blanks or commas (other\n"
    "words are ignored; general-bank and not-vehicle-bank, the older names, mark\n"
    "the bank rule that speaks for such a bank). Marked findings are not listed\n"
    "and never make the exit status 1; --all lists them too, as\n"
    "'SEVERITY (intended): ...'.\n"
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

// `banks GAME [BANK ...] [--json]`: the banks of the user's own sound files, one line
// each, read from the lookup and the banks' headers alone.

#include "catalogue/BankNames.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/SoundAccess.h"
#include "exchange/JsonText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <iostream>
#include <optional>

namespace klarvon::cli {

namespace {

constexpr char Tab = '\t';
constexpr std::array<TFlag, 1> BanksFlags{FindingsJsonFlag};
constexpr std::string_view Header =
    "bank\tpackage\tsounds\tbytes\tlongest_ms\tplayer_slot\tdummy_slot\tname\tstock_users";
constexpr std::string_view Fits = "fits";
constexpr std::string_view TooBig = "too big";

// One bank as listed; Problem set when it cannot be read, the numbers then unknown but
// its size.
struct TBankLine {
    std::int64_t Bank = 0;
    std::string Package;
    std::uint32_t Bytes = 0;
    std::size_t Sounds = 0;
    std::uint64_t LongestMs = 0;
    bool FitsPlayer = false;
    bool FitsDummy = false;
    std::optional<std::string> Problem;
};

// The banks asked for, in the order given, each once; all when none are named. Every
// number is read before any file, so wrong usage is told first; a bank the lookup lacks
// is then the lookup's own error.
std::vector<std::int64_t> BanksAsked(const TArguments& arguments,
                                     const sound::TGameSounds& sounds) {
    std::vector<std::int64_t> banks;
    for (std::size_t i = 1; i < arguments.Positionals.size(); ++i) {
        const std::int64_t bank = ParseBankNumber(arguments.Positionals[i]);
        if (std::find(banks.begin(), banks.end(), bank) == banks.end()) {
            banks.push_back(bank);
        }
    }
    if (banks.empty()) {
        for (int bank = 0; bank < sounds.BankCount(); ++bank) {
            banks.push_back(bank);
        }
    }
    for (const std::int64_t bank : banks) {
        sounds.Location(bank);
    }
    return banks;
}

// The bank's line; a bank that cannot be read says so on stderr too (the file and the
// bank), and the others are still listed.
TBankLine ReadBankLine(const sound::TGameSounds& sounds, std::int64_t bank) {
    TBankLine line;
    line.Bank = bank;
    line.Package = sounds.PackageName(bank);
    line.Bytes = sounds.Location(bank).Bytes;
    line.FitsPlayer = line.Bytes <= sounds.PlayerSlotBytes();
    line.FitsDummy = line.Bytes <= sounds.DummySlotBytes();
    // Reading the header checks the bank against its package first: the error names both.
    try {
        const std::vector<sound::TSoundEntry> entries = sounds.Sounds(bank);
        line.Sounds = entries.size();
        for (const sound::TSoundEntry& entry : entries) {
            line.LongestMs = std::max(line.LongestMs, entry.Milliseconds());
        }
    } catch (const EFinalError& failure) {
        line.Problem = failure.what();
        std::cerr << failure.what() << '\n';
        if (!failure.Context.empty()) {
            std::cerr << "in " << failure.Context << '\n';
        }
    } catch (const EInOutError& failure) {
        // A package the system will not read (no access, a disk error).
        line.Problem = "bank " + std::to_string(bank) + ": " + FileFailureText(failure);
        std::cerr << *line.Problem << '\n';
    }
    return line;
}

std::string_view FitText(bool fits) {
    return fits ? Fits : TooBig;
}

void WriteLines(const std::vector<TBankLine>& lines, TReport& out) {
    out << Header << '\n';
    for (const TBankLine& line : lines) {
        out << line.Bank << Tab << line.Package << Tab;
        if (line.Problem) {
            out << "unreadable: " << *line.Problem << '\n';
            continue;
        }
        const TBankName* name = StockBankName(line.Bank);
        out << line.Sounds << Tab << line.Bytes << Tab << line.LongestMs << Tab
            << FitText(line.FitsPlayer) << Tab << FitText(line.FitsDummy) << Tab
            << (name ? name->Name : "") << Tab << (name ? name->StockUsers : "") << '\n';
    }
}

void WriteJson(const std::vector<TBankLine>& lines, TReport& out) {
    std::string document = "[\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TBankLine& line = lines[i];
        const TBankName* name = StockBankName(line.Bank);
        nlohmann::ordered_json object;
        object["bank"] = line.Bank;
        object["package"] = exchange::JsonSafeText(line.Package);
        object["sounds"] =
            line.Problem ? nlohmann::ordered_json() : nlohmann::ordered_json(line.Sounds);
        object["bytes"] = line.Bytes;
        object["longest_ms"] =
            line.Problem ? nlohmann::ordered_json() : nlohmann::ordered_json(line.LongestMs);
        object["player_slot"] = line.FitsPlayer;
        object["dummy_slot"] = line.FitsDummy;
        object["name"] = name ? nlohmann::ordered_json(name->Name) : nlohmann::ordered_json();
        object["stock_users"] = name ? nlohmann::ordered_json(name->StockUsers) : "";
        object["error"] = line.Problem
                              ? nlohmann::ordered_json(exchange::JsonSafeText(*line.Problem))
                              : nlohmann::ordered_json();
        document += object.dump() + (i + 1 < lines.size() ? ",\n" : "\n");
    }
    out << document << "]\n";
}

int RunBanks(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 1, true);
    for (std::size_t i = 1; i < arguments.Positionals.size(); ++i) {
        ParseBankNumber(arguments.Positionals[i]);
    }
    const sound::TGameSounds sounds = OpenGameSounds(arguments.Positionals[0]);
    std::vector<TBankLine> lines;
    for (const std::int64_t bank : BanksAsked(arguments, sounds)) {
        lines.push_back(ReadBankLine(sounds, bank));
    }
    if (arguments.Has(FindingsJsonFlag)) {
        WriteJson(lines, out);
    } else {
        WriteLines(lines, out);
    }
    const bool failed = std::any_of(lines.begin(), lines.end(),
                                    [](const TBankLine& line) { return line.Problem.has_value(); });
    return failed ? ExitFailure : ExitSuccess;
}

} // namespace

const TCommand BanksCommand{
    "banks",
    "GAME [BANK ...]",
    "Lists the sound banks of the game's own sound files, all or the ones given by\n"
    "number. GAME is the game's folder or any file in it (gta_sa.exe, the cfg);\n"
    "its audio/CONFIG/BankLkup.dat says where each bank is, and only the lookup and\n"
    "the banks' headers are read. A header line, then one tab-separated line per\n"
    "bank:\n"
    "  bank, package: its number and its package in audio/SFX\n"
    "  sounds, bytes: how many sounds it holds, and the bytes of their PCM\n"
    "  longest_ms: the length of its longest sound in milliseconds\n"
    "  player_slot, dummy_slot: 'fits' or 'too big' for the player's engine slot\n"
    "    and a dummy engine slot, as the game folder's BankSlot.dat sizes them;\n"
    "    the game copies a bank into its slot without checking its size\n"
    "  name, stock_users: the bank's short name and the stock vehicles using it\n"
    "    (P: as PlayerBank, D: as DummyBank), empty for a bank the stock game\n"
    "    does not have.\n"
    "A bank that cannot be read (its package missing or too short, a bad header)\n"
    "has the line 'BANK<TAB>PACKAGE<TAB>unreadable: WHY'; the error is on stderr\n"
    "too, the other banks are listed, and the exit status is 1.\n"
    "--json: an array with one object per bank, one per line, with the same keys;\n"
    "the slots as true or false, and 'error' (null, or why the bank cannot be\n"
    "read, its sounds and longest_ms then null).\n",
    BanksFlags,
    RunBanks,
};

} // namespace klarvon::cli

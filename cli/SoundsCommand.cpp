// `sounds GAME BANK [--json]`: the sounds of one bank, from its header, with the part each
// plays in a vehicle's engine.

#include "catalogue/BankNames.h"
#include "cli/Commands.h"
#include "cli/Flags.h"
#include "cli/SoundAccess.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstdlib>

namespace klarvon::cli {

namespace {

constexpr char Tab = '\t';
constexpr std::array<TFlag, 1> SoundsFlags{FindingsJsonFlag};
constexpr std::string_view Header = "sound\trate\tsamples\tms\tloop\theadroom_db\trole";
constexpr std::string_view NoLoopText = "none";
constexpr int CentiPerUnit = 100;

// What the game plays each sound of an engine bank for, by sound number.
constexpr std::array<std::string_view, 3> PlayerBankRoles{"accelerate", "cruise", "throttle off"};
constexpr std::array<std::string_view, 2> DummyBankRoles{"rev", "idle"};

std::string_view RoleOf(std::int64_t bank, std::size_t sound) {
    switch (StockBankRole(bank)) {
    case TBankRole::PlayerEngine:
        return sound < PlayerBankRoles.size() ? PlayerBankRoles[sound] : std::string_view();
    case TBankRole::DummyEngine:
        return sound < DummyBankRoles.size() ? DummyBankRoles[sound] : std::string_view();
    case TBankRole::Vehicle:
    case TBankRole::NotVehicle:
        break;
    }
    return {};
}

// Hundredths of a dB as dB with both decimals: -125 is "-1.25", 5 is "0.05".
std::string DecibelText(std::int16_t centi) {
    const int magnitude = std::abs(static_cast<int>(centi));
    const int fraction = magnitude % CentiPerUnit;
    return std::string(centi < 0 ? "-" : "") + std::to_string(magnitude / CentiPerUnit) + '.' +
           (fraction < 10 ? "0" : "") + std::to_string(fraction);
}

int RunSounds(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 2);
    const std::int64_t bank = ParseBankNumber(arguments.Positionals[1]);
    const sound::TGameSounds sounds = OpenGameSounds(arguments.Positionals[0]);
    const std::vector<sound::TSoundEntry> entries = sounds.Sounds(bank);
    if (arguments.Has(FindingsJsonFlag)) {
        std::string document = "[\n";
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const sound::TSoundEntry& entry = entries[i];
            const std::string_view role = RoleOf(bank, i);
            nlohmann::ordered_json object;
            object["sound"] = i;
            object["rate"] = entry.Rate;
            object["samples"] = entry.Samples();
            object["ms"] = entry.Milliseconds();
            object["loop"] =
                entry.Loop() ? nlohmann::ordered_json(*entry.Loop()) : nlohmann::ordered_json();
            object["headroom_db"] = DecibelText(entry.Headroom);
            object["role"] = role.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(role);
            document += object.dump() + (i + 1 < entries.size() ? ",\n" : "\n");
        }
        out << document << "]\n";
        return ExitSuccess;
    }
    out << Header << '\n';
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const sound::TSoundEntry& entry = entries[i];
        out << i << Tab << entry.Rate << Tab << entry.Samples() << Tab << entry.Milliseconds()
            << Tab << (entry.Loop() ? std::to_string(*entry.Loop()) : std::string(NoLoopText))
            << Tab << DecibelText(entry.Headroom) << Tab << RoleOf(bank, i) << '\n';
    }
    return ExitSuccess;
}

} // namespace

const TCommand SoundsCommand{
    "sounds",
    "GAME BANK",
    "Lists the sounds of bank BANK of the game's own sound files (GAME: the game's\n"
    "folder or any file in it), from the bank's header. A header line, then one\n"
    "tab-separated line per sound:\n"
    "  sound: its number in the bank, from 0\n"
    "  rate, samples, ms: its rate in Hz, its length in samples and in whole\n"
    "    milliseconds\n"
    "  loop: the sample its loop starts at, or 'none'\n"
    "  headroom_db: its headroom in dB (-1.25)\n"
    "  role: what the game plays it for in an engine bank: accelerate, cruise and\n"
    "    throttle off (sounds 0 to 2 of a PlayerBank), rev and idle (sounds 0 and 1\n"
    "    of a DummyBank); empty for other sounds and banks.\n"
    "--json: an array with one object per sound, one per line, with the same keys;\n"
    "a loop of none and an empty role are null, the headroom a string.\n",
    SoundsFlags,
    RunSounds,
};

} // namespace klarvon::cli

#pragma once
// Every sound bank of the stock game, 0 to 709, by id: the game's own name, a short name
// for people, the stock vehicles using it, its stock size and what it is for. Facts of the
// game.

#include <cstdint>
#include <string_view>

namespace klarvon {

inline constexpr int StockBankCount = 710;

// What a bank is for, as the game's engine code would use it.
enum class TBankRole : std::uint8_t {
    PlayerEngine, // a player-type engine bank (_P), or one a stock vehicle uses as PlayerBank
    DummyEngine,  // a dummy-type engine bank (_D), or one a stock vehicle uses as DummyBank
    Vehicle,      // a vehicle sound of neither type that no stock vehicle uses
    NotVehicle,   // weapons, speech, script and mission sounds, the general sounds
};

struct TBankName {
    std::string_view Package;    // "GENRL"
    std::string_view GameName;   // "GENRL_COBRA_P"
    std::string_view Name;       // "Cobra V8 sports car engine, player bank"
    std::string_view StockUsers; // "P: BUFFALO, INFERNUS, ...", "" when none
    std::uint32_t StockBytes;    // its PCM in the stock BankLkup.dat
    TBankRole Role;
};

// The bank's names; null for an id the stock game has no bank for (below 0, above 709).
const TBankName* StockBankName(std::int64_t bank);
// The bank's role; NotVehicle for an id the stock game has no bank for.
TBankRole StockBankRole(std::int64_t bank);
// Whether a stock vehicle uses the bank as its PlayerBank (asPlayer) or its DummyBank.
bool StockUse(std::int64_t bank, bool asPlayer);

} // namespace klarvon

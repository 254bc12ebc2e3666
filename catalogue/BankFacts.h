#pragma once
// What the game's rules (AudioRules.h) know of the sound banks a record names: each bank's
// size and whether the game can load it, and the sizes of the slots it is loaded into.
// The stock game's, typed in as facts (StockBankFacts), or a user's own sound files'
// (sound/GameSounds.h), which then decide.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace klarvon {

// Stock BankSlot.dat: the player's engine slot (40) and each dummy engine slot (7 to 16).
inline constexpr std::uint32_t StockPlayerSlotBytes = 290048;
inline constexpr std::uint32_t StockDummySlotBytes = 74496;

struct TBankState {
    std::uint32_t Bytes = 0; // its PCM, as the lookup says
    // Why the game cannot load it from the user's files ("its package audio/SFX/GENRL is
    // missing"); none when it can.
    std::optional<std::string> Unloadable;
};

struct TBankFacts {
    std::uint32_t PlayerSlotBytes = StockPlayerSlotBytes;
    std::uint32_t DummySlotBytes = StockDummySlotBytes;
    std::vector<TBankState> Banks; // by bank id
    // The user's own files (their folder), where the facts come from them: a bank they do
    // not hold is then never loaded; empty for the stock facts.
    std::string UsersFolder;
};

// The stock game's: 710 banks at their stock sizes, the stock slots.
const TBankFacts& StockBankFacts();

} // namespace klarvon

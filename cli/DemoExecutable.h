#pragma once
// A small synthetic stand-in for gta_sa.exe, so a new user can try the editor and
// klarvon-cli without owning the game: filler, the table signature, 231 records of
// made-up values laid out as the game lays them out, more filler. The same bytes every time.

#include "table/VehicleAudioRecord.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace klarvon::cli {

inline constexpr std::size_t DemoLeadingFillerSize = 320 * 1024;
inline constexpr std::size_t DemoTrailingFillerSize = 160 * 1024;
inline constexpr std::int64_t DemoSignatureOffset = DemoLeadingFillerSize;

// The invented record of a vehicle ID (400..630): the model's stock kind, values the game
// plays, pad bytes zero.
TVehicleAudioRecord DemoRecord(int id);

// The whole file. Checks itself: the signature occurs exactly once, where intended.
std::vector<std::uint8_t> BuildDemoExecutable();

} // namespace klarvon::cli

#pragma once
// The stock model a modder probably meant by a model name that is none: a cfg row named
// "infernos" is a new vehicle to the game, silently, so the name it is near is worth a word.

#include <cstddef>
#include <optional>
#include <string_view>

namespace klarvon {

// Names shorter than this are never taken for a misspelling: among 212 short names, one
// or two edits reach too many ("bus2", "boat") for a guess to mean anything.
inline constexpr std::size_t ShortestMisspeltName = 4;
// Names shorter than this are allowed one edit, longer ones two.
inline constexpr std::size_t ShortestTwiceMisspeltName = 7;

// The stock model name (lower case) that name is most likely a misspelling of: the nearest
// by edit distance, compared case-insensitively, where an edit adds, drops or changes a
// letter or swaps two neighbours; one edit away for a name of 4..6 letters, at most two for
// a longer one; of several equally near, the lowest ID's. None for a stock model name
// itself, a name shorter than 4 letters, a stock name with digits after it ("taxi2", the
// way packs name the vehicles they add), or one no stock name is near.
std::optional<std::string_view> MisspeltStockModel(std::string_view name);

} // namespace klarvon

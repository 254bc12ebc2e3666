#pragma once
// Splitting a command's arguments and reading vehicle IDs, field names and
// FIELD=TEXT assignments. Anything malformed here is wrong usage (exit 2).

#include "cli/Failure.h"
#include "table/FieldLayout.h"

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon::cli {

struct TArguments {
    std::vector<std::string> Positionals;
    std::set<std::string, std::less<>> Flags;               // given options, such as "--json"
    std::map<std::string, std::string, std::less<>> Values; // "--from" -> "original.exe"
    bool Help = false;

    bool Has(std::string_view flag) const { return Flags.contains(flag); }
    std::optional<std::string> Value(std::string_view option) const;
};

// "--help" and "-h" ask for help; other words starting with "--" must be one of
// allowedFlags, where an entry ending in '=' ("--from=") is an option that takes a
// value, given as "--from X" or "--from=X"; "--" makes every later word positional
// (for file names starting with a dash). A single "-" or "-5" is positional.
TArguments SplitArguments(std::span<const std::string> words,
                          std::span<const std::string_view> allowedFlags);

// Exactly count positionals, or at least count when orMore.
void RequirePositionals(const TArguments& arguments, std::size_t count, bool orMore = false);

// A vehicle ID 400..630 in plain decimal digits, or a name that means one slot: a
// model name or a list caption in any case (see catalogue/ModelNames.h). Text that
// is empty or starts with a digit is taken as an ID.
int ParseVehicleId(std::string_view text);

// The view a command works in: the editor's fields, or the game's with --game.
inline constexpr std::string_view GameFlag = "--game";
TLayout LayoutOf(const TArguments& arguments);

const TLayoutField& FindField(TLayout layout, std::string_view name);

// Field names, each once, in the order given.
std::vector<const TLayoutField*> ParseFieldNames(TLayout layout,
                                                 std::span<const std::string> words);

struct TAssignment {
    const TLayoutField* Field;
    std::string Text;
    std::string Word; // as given, for messages
};

// FIELD=TEXT words (split at the first '='); a field may be named only once.
std::vector<TAssignment> ParseAssignments(TLayout layout, std::span<const std::string> words);

} // namespace klarvon::cli

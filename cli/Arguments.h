#pragma once
// Splitting a command's arguments and reading vehicle IDs, field names and
// FIELD=TEXT assignments. Anything malformed here is wrong usage (exit 2).

#include "table/VehicleAudioRecord.h"

#include <cstddef>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon::cli {

// Wrong usage; the text says what was wrong and main() adds the usage line.
class EUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TArguments {
    std::vector<std::string> Positionals;
    std::set<std::string, std::less<>> Flags; // given options, such as "--json"
    bool Help = false;

    bool Has(std::string_view flag) const { return Flags.contains(flag); }
};

// "--help" and "-h" ask for help; other words starting with "--" must be one of
// allowedFlags; "--" makes every later word positional (for file names starting
// with a dash). A single "-" or "-5" is positional.
TArguments SplitArguments(std::span<const std::string> words,
                          std::span<const std::string_view> allowedFlags);

// Exactly count positionals, or at least count when orMore.
void RequirePositionals(const TArguments& arguments, std::size_t count, bool orMore = false);

// A vehicle ID 400..630 in plain decimal digits.
int ParseVehicleId(std::string_view text);

const TFieldDescriptor& FindField(std::string_view name);

struct TAssignment {
    const TFieldDescriptor* Field;
    std::string Text;
    std::string Word; // as given, for messages
};

// FIELD=TEXT words (split at the first '='); a field may be named only once.
std::vector<TAssignment> ParseAssignments(std::span<const std::string> words);

} // namespace klarvon::cli

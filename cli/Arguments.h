#pragma once
// Splitting a command's arguments and reading vehicle IDs, field names and
// FIELD=TEXT assignments. Anything malformed here is wrong usage (exit 2).

#include "catalogue/ModelNames.h"
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

// An option a command takes, declared once: the synopsis, the option lines of --help and
// the manual page (made from --help) are all written from these.
struct TFlag {
    std::string_view Name;  // "--from"
    std::string_view Value; // what its value stands for ("OTHER"); empty: it takes none
    std::string_view Help;  // one line, for the option lines of --help
};

struct TArguments {
    std::vector<std::string> Positionals;
    std::set<std::string, std::less<>> Flags;               // given options, such as "--json"
    std::map<std::string, std::string, std::less<>> Values; // "--from" -> "original.exe"
    bool Help = false;

    bool Has(const TFlag& flag) const { return Flags.contains(flag.Name); }
    std::optional<std::string> Value(const TFlag& option) const;
};

// "--help" and "-h" ask for help; other words starting with "--" must name one of
// flags, and one that takes a value is given as "--from X" or "--from=X"; "--" makes
// every later word positional (for file names starting with a dash). A single "-" or
// "-5" is positional.
TArguments SplitArguments(std::span<const std::string> words, std::span<const TFlag> flags);

// Exactly count positionals, or at least count when orMore.
void RequirePositionals(const TArguments& arguments, std::size_t count, bool orMore = false);

// The slot a vehicle word means (IdOfVehicleWord in catalogue/ModelNames.h), a word that
// means none being wrong usage.
int ParseVehicleId(std::string_view text);

// Checks a vehicle word before any file is read, so wrong usage is told first: a word
// that no model name could be (empty, or starting with neither a letter, '_' nor a digit)
// must be one ParseVehicleId takes, and "model:" must be followed by a name. Other words
// may name a vehicle only a cfg has (a pack's 812m starts with a digit), and are looked up
// in the file: a word that is no valid ID is wrong usage there unless it names a row.
void RequireVehicleWord(std::string_view text);

// A value as `set` takes it for the field (exchange::ParseValueText), word being the
// FIELD=TEXT it came in. A failure names word and says what to do:
// "HornType=300: out of range -128..127", "HornTone=1,5: write 1.5 with a point"; any
// other is the core's text with "in WORD" after it.
TFieldBits ParseFieldValue(const TLayoutField& field, std::string_view text,
                           const std::string& word);

// The view a command works in: the editor's fields, or the game's with --game.
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

// The companion's argument splitting, vehicle IDs, field names and FIELD=TEXT assignments
// in both layouts against references written here, with their exact messages; every
// assigned text through the value reader, and every field's printed value read back to
// the same bits.

#include "cli/Arguments.h"
#include "exchange/FieldText.h"
#include "fuzz/FuzzSupport.h"
#include "table/Errors.h"
#include "table/TableLocator.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace {

using namespace klarvon;
using namespace klarvon::cli;
using namespace klarvon::exchange;
using klarvon::fuzz::Check;

// The reference's own list: an entry ending in '=' takes a value.
constexpr std::array<std::string_view, 3> AllowedFlags{"--json", "--force", "--from="};
constexpr std::array<TFlag, 3> Flags{
    {{"--json", "", ""}, {"--force", "", ""}, {"--from", "X", ""}}};
// Enough for every command line the companion takes; more only slow the run.
constexpr std::size_t MaxWords = 16;

std::vector<std::string> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= text.size() && words.size() < MaxWords) {
        const std::size_t end = std::min(text.find('\0', start), text.size());
        words.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

std::string ThrownText(const auto& action) {
    try {
        action();
    } catch (const EUsageError& error) {
        return error.what();
    }
    return {};
}

bool IsAllowed(const std::string& entry) {
    return std::find(AllowedFlags.begin(), AllowedFlags.end(), entry) != AllowedFlags.end();
}

void CheckSplit(const std::vector<std::string>& words) {
    TArguments expected;
    std::string failure;
    for (std::size_t i = 0; i < words.size() && failure.empty(); ++i) {
        const std::string& w = words[i];
        if (w == "--") {
            expected.Positionals.insert(expected.Positionals.end(),
                                        words.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                        words.end());
            break;
        }
        const std::string option = w.substr(0, w.find('='));
        if (w == "--help" || w == "-h") {
            expected.Help = true;
        } else if (!w.starts_with("--")) {
            expected.Positionals.push_back(w);
        } else if (IsAllowed(option + "=")) {
            const bool inWord = w.find('=') != std::string::npos;
            if (!inWord && i + 1 == words.size()) {
                failure = "option '" + option + "' needs a value";
            } else if (expected.Values.contains(option)) {
                failure = "option '" + option + "' is given twice";
            } else {
                expected.Values[option] = inWord ? w.substr(w.find('=') + 1) : words[++i];
            }
        } else if (IsAllowed(w)) {
            expected.Flags.insert(w);
        } else {
            failure = "unknown option '" + w + "'";
        }
    }
    TArguments arguments;
    const std::string thrown = ThrownText([&] { arguments = SplitArguments(words, Flags); });
    Check(thrown == failure, "argument splitting failure", thrown);
    if (!failure.empty()) {
        return;
    }
    Check(arguments.Positionals == expected.Positionals && arguments.Flags == expected.Flags &&
              arguments.Values == expected.Values && arguments.Help == expected.Help,
          "arguments split differently");
    const std::vector<std::string>& positionals = expected.Positionals;
    for (std::size_t count = 0; count <= positionals.size() + 1; ++count) {
        const std::string exact =
            positionals.size() < count ? "missing arguments"
            : positionals.size() > count
                ? "too many arguments ('" + positionals[count] + "' is one too many)"
                : "";
        Check(ThrownText([&] { RequirePositionals(arguments, count); }) == exact,
              "positional count message");
        Check(ThrownText([&] { RequirePositionals(arguments, count, true); }) ==
                  (positionals.size() < count ? "missing arguments" : ""),
              "positional minimum message");
    }
}

// Digits (or nothing) are an ID in plain decimal; anything else is a name, which gives an
// ID in range or a usage error.
void CheckVehicleId(const std::string& word) {
    int id = 0;
    const std::string thrown = ThrownText([&] { id = ParseVehicleId(word); });
    if (!word.empty() && (word.front() < '0' || word.front() > '9')) {
        Check(!thrown.empty() || (id >= FirstVehicleId && id <= LastVehicleId),
              "a name gave an ID outside the table", word);
        if (thrown.empty()) {
            Check(ParseVehicleId(std::to_string(id)) == id, "an ID does not read back");
        }
        return;
    }
    std::optional<int> expected;
    const bool digits = !word.empty() && std::all_of(word.begin(), word.end(),
                                                     [](char c) { return c >= '0' && c <= '9'; });
    const std::string significant = word.substr(std::min(word.find_first_not_of('0'), word.size()));
    if (digits && significant.size() <= 3) {
        const int value = significant.empty() ? 0 : std::stoi(significant);
        if (value >= FirstVehicleId && value <= LastVehicleId) {
            expected = value;
        }
    }
    if (expected) {
        Check(thrown.empty() && id == *expected, "vehicle ID", word);
    } else {
        Check(thrown == "'" + word + "' is not a vehicle ID (400..630)", "vehicle ID message",
              thrown);
    }
}

std::string NotAField(TLayout layout, std::string_view name) {
    const bool game = layout == GameLayout();
    std::string text = "'" + std::string(name) + "' is not a field";
    if (FindLayoutField(game ? EditorLayout() : GameLayout(), name) != nullptr) {
        text += game ? " (it is one without --game)" : " (it is one with --game)";
    }
    text += "; the fields are ";
    for (std::size_t i = 0; i < layout.size(); ++i) {
        text += (i ? ", " : "") + std::string(layout[i].Name);
    }
    return text;
}

void CheckFieldName(TLayout layout, const std::string& word) {
    const TLayoutField* expected = FindLayoutField(layout, word);
    const TLayoutField* found = nullptr;
    const std::string thrown = ThrownText([&] { found = &FindField(layout, word); });
    Check(expected ? thrown.empty() && found == expected : thrown == NotAField(layout, word),
          "field name", thrown);
}

// The input's bits cut to the field's width (the fuzzers run on little-endian x86).
TFieldBits Mask(const TLayoutField& field, TFieldBits bits) {
    std::array<std::uint8_t, sizeof(TFieldBits)> bytes{};
    std::memcpy(bytes.data(), &bits, sizeof bits);
    return LoadBits(field.Type, bytes);
}

// What the companion prints for a value reads back to the same bits.
void CheckStoredText(const TLayoutField& field, TFieldBits bits) {
    const std::string stored = StoredText(field, bits);
    Check(ParseValueText(field, stored) == bits, "printed value does not read back", stored);
}

// An assigned text is read by the field's value reader; a value it takes is printed
// and read back. The reader fails only with the errors the user is meant to see.
void CheckAssignedText(const TLayoutField& field, std::string_view text) {
    TFieldBits bits = 0;
    try {
        bits = ParseValueText(field, text);
    } catch (const EKlarvonError&) {
        return;
    }
    Check(Mask(field, bits) == bits, "a value wider than its field", text);
    CheckStoredText(field, bits);
}

void CheckAssignments(TLayout layout, const std::vector<std::string>& words) {
    std::string failure;
    std::vector<const TLayoutField*> named;
    for (const std::string& word : words) {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos) {
            failure = "'" + word + "' is not FIELD=TEXT";
            break;
        }
        const std::string name = word.substr(0, equals);
        const TLayoutField* field = FindLayoutField(layout, name);
        if (field == nullptr) {
            failure = NotAField(layout, name);
            break;
        }
        if (std::find(named.begin(), named.end(), field) != named.end()) {
            failure = "field '" + name + "' is named twice";
            break;
        }
        named.push_back(field);
    }
    std::vector<TAssignment> assignments;
    const std::string thrown = ThrownText([&] { assignments = ParseAssignments(layout, words); });
    Check(thrown == failure, "assignment failure", thrown);
    if (!failure.empty()) {
        return;
    }
    Check(assignments.size() == words.size(), "assignment count");
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::size_t equals = words[i].find('=');
        Check(assignments[i].Field == named[i] && assignments[i].Word == words[i] &&
                  assignments[i].Text == words[i].substr(equals + 1),
              "assignment parts", words[i]);
        CheckAssignedText(*assignments[i].Field, assignments[i].Text);
    }
}

// Every field's texts for bits taken from the input.
void CheckFieldTexts(std::span<const std::uint8_t> input) {
    std::array<TFieldBits, 2> bits{};
    std::memcpy(bits.data(), input.data(), std::min(input.size(), sizeof bits));
    for (const TLayout layout : {EditorLayout(), GameLayout()}) {
        for (const TLayoutField& field : layout) {
            const TFieldBits before = Mask(field, bits[0]);
            const TFieldBits after = Mask(field, bits[1]);
            Check(!ShownText(layout, field, before).empty(), "empty shown text");
            Check(!ChangeText(field, before, after).empty(), "empty change text");
            Check(BitsHex(field, before).size() == 2 + 2 * TypeWidth(field.Type), "bits in hex");
            CheckStoredText(field, before);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> words = SplitWords(fuzz::AsText({data, size}));
    CheckSplit(words);
    for (const std::string& word : words) {
        CheckVehicleId(word);
        CheckFieldName(EditorLayout(), word);
        CheckFieldName(GameLayout(), word);
    }
    CheckAssignments(EditorLayout(), words);
    CheckAssignments(GameLayout(), words);
    CheckFieldTexts({data, size});
    return 0;
}

// The companion's argument splitting, vehicle IDs, field names and FIELD=TEXT assignments
// against references written here, with their exact messages; every assigned text through
// its field's parser, and every field's texts for any bits.

#include "cli/Arguments.h"
#include "cli/FieldText.h"
#include "fuzz/FuzzSupport.h"
#include "table/Errors.h"
#include "table/TextConversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <optional>

namespace {

using namespace klarvon;
using namespace klarvon::cli;
using klarvon::fuzz::Check;

constexpr std::array<std::string_view, 2> AllowedFlags{"--json", "--force"};
constexpr std::size_t MaxWords = 64;

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

void CheckSplit(const std::vector<std::string>& words) {
    std::vector<std::string> positionals;
    std::set<std::string, std::less<>> flags;
    bool help = false;
    std::string failure;
    for (std::size_t i = 0; i < words.size() && failure.empty(); ++i) {
        const std::string& w = words[i];
        if (w == "--") {
            positionals.insert(positionals.end(),
                               words.begin() + static_cast<std::ptrdiff_t>(i) + 1, words.end());
            break;
        }
        if (w == "--help" || w == "-h") {
            help = true;
        } else if (w.size() >= 2 && w[0] == '-' && w[1] == '-') {
            if (std::find(AllowedFlags.begin(), AllowedFlags.end(), w) == AllowedFlags.end()) {
                failure = "unknown option '" + w + "'";
            } else {
                flags.insert(w);
            }
        } else {
            positionals.push_back(w);
        }
    }
    TArguments arguments;
    const std::string thrown = ThrownText([&] { arguments = SplitArguments(words, AllowedFlags); });
    Check(thrown == failure, "argument splitting failure", thrown);
    if (failure.empty()) {
        Check(arguments.Positionals == positionals && arguments.Flags == flags &&
                  arguments.Help == help,
              "arguments split differently");
        for (std::size_t count = 0; count <= positionals.size() + 1; ++count) {
            const std::string expected =
                positionals.size() < count ? "missing arguments"
                : positionals.size() > count
                    ? "too many arguments ('" + positionals[count] + "' is one too many)"
                    : "";
            Check(ThrownText([&] { RequirePositionals(arguments, count); }) == expected,
                  "positional count message");
            Check(ThrownText([&] { RequirePositionals(arguments, count, true); }) ==
                      (positionals.size() < count ? "missing arguments" : ""),
                  "positional minimum message");
        }
    }
}

void CheckVehicleId(const std::string& word) {
    std::optional<int> expected;
    const bool digits = !word.empty() && std::all_of(word.begin(), word.end(),
                                                     [](char c) { return c >= '0' && c <= '9'; });
    const std::string significant = word.substr(std::min(word.find_first_not_of('0'), word.size()));
    if (digits && significant.size() <= 3) {
        const int id = significant.empty() ? 0 : std::stoi(significant);
        if (id >= 400 && id <= 630) {
            expected = id;
        }
    }
    int id = 0;
    const std::string thrown = ThrownText([&] { id = ParseVehicleId(word); });
    if (expected) {
        Check(thrown.empty() && id == *expected, "vehicle ID", word);
    } else {
        Check(thrown == "'" + word + "' is not a vehicle ID (400..630)", "vehicle ID message",
              thrown);
    }
}

const TFieldDescriptor* FieldNamed(std::string_view name) {
    for (const TFieldDescriptor& field : RecordFields) {
        if (field.Name == name) {
            return &field;
        }
    }
    return nullptr;
}

std::string NotAField(std::string_view name) {
    std::string text = "'" + std::string(name) + "' is not a field; the fields are ";
    for (std::size_t i = 0; i < RecordFields.size(); ++i) {
        text += (i ? ", " : "") + std::string(RecordFields[i].Name);
    }
    return text;
}

// An assigned text goes through its field's parser; a value it takes is shown and read
// back to the same bits.
void CheckAssignedText(const TFieldDescriptor& field, std::string_view text) {
    TFieldBits bits = 0;
    try {
        bits = ParseField(field, text, DecimalSeparator);
    } catch (const EConvertError&) {
        return;
    } catch (const ERangeError&) {
        return;
    } catch (const EOverflow&) {
        return;
    }
    const std::optional<std::string> stored = StoredText(field, bits);
    Check(stored.has_value(), "a typed value cannot be shown", text);
    const bool negativeZero = field.Kind == TFieldKind::Float32 && bits == 0x8000'0000;
    Check(ParseField(field, *stored, DecimalSeparator) == (negativeZero ? 0 : bits),
          "stored text does not read back", *stored);
}

void CheckAssignments(const std::vector<std::string>& words) {
    std::string failure;
    std::vector<const TFieldDescriptor*> named;
    for (const std::string& word : words) {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos) {
            failure = "'" + word + "' is not FIELD=TEXT";
            break;
        }
        const std::string name = word.substr(0, equals);
        const TFieldDescriptor* field = FieldNamed(name);
        if (field == nullptr) {
            failure = NotAField(name);
            break;
        }
        if (std::find(named.begin(), named.end(), field) != named.end()) {
            failure = "field '" + name + "' is named twice";
            break;
        }
        named.push_back(field);
    }
    std::vector<TAssignment> assignments;
    const std::string thrown = ThrownText([&] { assignments = ParseAssignments(words); });
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

// Every field's texts for bits taken from the input: no failure but the documented ones.
void CheckFieldTexts(std::span<const std::uint8_t> input) {
    std::uint32_t before = 0;
    std::uint32_t after = 0;
    std::memcpy(&before, input.data(), std::min(input.size(), sizeof before));
    if (input.size() > sizeof before) {
        std::memcpy(&after, input.data() + sizeof before,
                    std::min(input.size() - sizeof before, sizeof after));
    }
    for (const TFieldDescriptor& field : RecordFields) {
        const std::uint32_t mask =
            field.Width >= 4 ? 0xFFFF'FFFFu : (std::uint32_t{1} << (8 * field.Width)) - 1;
        Check(!ShownText(field, before & mask).empty(), "empty shown text");
        Check(!ChangeText(field, before & mask, after & mask).empty(), "empty change text");
        Check(BitsHex(field, before & mask).size() == 2 + 2 * field.Width, "bits in hex");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> words = SplitWords(fuzz::AsText({data, size}));
    CheckSplit(words);
    for (const std::string& word : words) {
        CheckVehicleId(word);
        Check(ThrownText([&] { FindField(word); }) ==
                  (FieldNamed(word) != nullptr ? "" : NotAField(word)),
              "field name message", word);
    }
    CheckAssignments(words);
    CheckFieldTexts({data, size});
    return 0;
}

#include "cli/Arguments.h"

#include "table/TableLocator.h"

#include <algorithm>
#include <charconv>

namespace klarvon::cli {

namespace {

constexpr std::string_view EndOfOptions = "--";
constexpr std::string_view OptionPrefix = "--";

bool IsHelp(std::string_view word) {
    return word == "--help" || word == "-h";
}

std::string FieldNameList() {
    std::string names;
    for (const TFieldDescriptor& field : RecordFields) {
        names += names.empty() ? "" : ", ";
        names += field.Name;
    }
    return names;
}

} // namespace

TArguments SplitArguments(std::span<const std::string> words,
                          std::span<const std::string_view> allowedFlags) {
    TArguments arguments;
    bool optionsEnded = false;
    for (const std::string& word : words) {
        if (optionsEnded) {
            arguments.Positionals.push_back(word);
        } else if (word == EndOfOptions) {
            optionsEnded = true;
        } else if (IsHelp(word)) {
            arguments.Help = true;
        } else if (word.starts_with(OptionPrefix)) {
            if (std::find(allowedFlags.begin(), allowedFlags.end(), word) == allowedFlags.end()) {
                throw EUsageError("unknown option '" + word + "'");
            }
            arguments.Flags.insert(word);
        } else {
            arguments.Positionals.push_back(word);
        }
    }
    return arguments;
}

void RequirePositionals(const TArguments& arguments, std::size_t count, bool orMore) {
    const std::size_t given = arguments.Positionals.size();
    if (given < count) {
        throw EUsageError("missing arguments");
    }
    if (given > count && !orMore) {
        throw EUsageError("too many arguments ('" + arguments.Positionals[count] +
                          "' is one too many)");
    }
}

int ParseVehicleId(std::string_view text) {
    const bool allDigits = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    int id = 0;
    const char* end = text.data() + text.size();
    if (allDigits) {
        const auto [stop, error] = std::from_chars(text.data(), end, id);
        if (error != std::errc{} || stop != end) {
            id = 0; // too many digits: out of range like any other number
        }
    }
    if (!allDigits || id < FirstVehicleId || id > LastVehicleId) {
        throw EUsageError("'" + std::string(text) + "' is not a vehicle ID (" +
                          std::to_string(FirstVehicleId) + ".." + std::to_string(LastVehicleId) +
                          ")");
    }
    return id;
}

const TFieldDescriptor& FindField(std::string_view name) {
    const auto found =
        std::find_if(RecordFields.begin(), RecordFields.end(),
                     [name](const TFieldDescriptor& field) { return field.Name == name; });
    if (found == RecordFields.end()) {
        throw EUsageError("'" + std::string(name) + "' is not a field; the fields are " +
                          FieldNameList());
    }
    return *found;
}

std::vector<TAssignment> ParseAssignments(std::span<const std::string> words) {
    std::vector<TAssignment> assignments;
    for (const std::string& word : words) {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos) {
            throw EUsageError("'" + word + "' is not FIELD=TEXT");
        }
        const TFieldDescriptor& field = FindField(std::string_view(word).substr(0, equals));
        const bool named =
            std::any_of(assignments.begin(), assignments.end(),
                        [&field](const TAssignment& a) { return a.Field == &field; });
        if (named) {
            throw EUsageError("field '" + std::string(field.Name) + "' is named twice");
        }
        assignments.push_back({&field, word.substr(equals + 1), word});
    }
    return assignments;
}

} // namespace klarvon::cli

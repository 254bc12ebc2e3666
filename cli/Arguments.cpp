#include "cli/Arguments.h"

#include "catalogue/ModelNames.h"
#include "cli/Flags.h"
#include "exchange/FieldText.h"
#include "exchange/VehicleTable.h"
#include "table/TableLocator.h"
#include "table/ValueType.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace klarvon::cli {

namespace {

constexpr std::string_view EndOfOptions = "--";
constexpr std::string_view OptionPrefix = "--";
constexpr char ValueMark = '=';

bool IsHelp(std::string_view word) {
    return word == "--help" || word == "-h";
}

const TFlag* FindFlag(std::span<const TFlag> flags, std::string_view name) {
    const auto found =
        std::find_if(flags.begin(), flags.end(), [name](const TFlag& f) { return f.Name == name; });
    return found == flags.end() ? nullptr : &*found;
}

std::string FieldNameList(TLayout layout) {
    std::string names;
    for (const TLayoutField& field : layout) {
        names += names.empty() ? "" : ", ";
        names += field.Name;
    }
    return names;
}

} // namespace

std::optional<std::string> TArguments::Value(const TFlag& option) const {
    const auto found = Values.find(option.Name);
    if (found == Values.end()) {
        return std::nullopt;
    }
    return found->second;
}

TArguments SplitArguments(std::span<const std::string> words, std::span<const TFlag> flags) {
    TArguments arguments;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded) {
            arguments.Positionals.push_back(word);
        } else if (word == EndOfOptions) {
            optionsEnded = true;
        } else if (IsHelp(word)) {
            arguments.Help = true;
        } else if (word.starts_with(OptionPrefix)) {
            const std::size_t mark = word.find(ValueMark);
            const std::string option = word.substr(0, mark);
            const TFlag* withValue = FindFlag(flags, option);
            const TFlag* plain = FindFlag(flags, word);
            if (withValue != nullptr && !withValue->Value.empty()) {
                if (mark == std::string::npos && i + 1 == words.size()) {
                    throw EUsageError("option '" + option + "' needs a value");
                }
                const std::string value =
                    mark == std::string::npos ? words[++i] : word.substr(mark + 1);
                if (!arguments.Values.emplace(option, value).second) {
                    throw EUsageError("option '" + option + "' is given twice");
                }
            } else if (plain != nullptr && plain->Value.empty()) {
                arguments.Flags.insert(word);
            } else {
                throw EUsageError("unknown option '" + word + "'");
            }
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
    try {
        return IdOfVehicleWord(text);
    } catch (const EVehicleNameError& unknown) {
        throw EUsageError(unknown.what());
    }
}

void RequireVehicleWord(std::string_view text) {
    if (text.starts_with(exchange::ModelWordPrefix)) {
        if (text.size() == exchange::ModelWordPrefix.size()) {
            throw EUsageError("'" + std::string(text) + "' names no model");
        }
        return;
    }
    const bool modelLike =
        !text.empty() &&
        (std::isalnum(static_cast<unsigned char>(text.front())) != 0 || text.front() == '_');
    if (!modelLike) {
        ParseVehicleId(text);
    }
}

TFieldBits ParseFieldValue(const TLayoutField& field, std::string_view text,
                           const std::string& word) {
    try {
        return exchange::ParseValueText(field, text);
    } catch (const ERangeError&) {
        const TValueRange& range = RangeOf(field.Type);
        throw EFailure(word + ": out of range " + std::to_string(range.Min) + ".." +
                       std::to_string(range.Max));
    } catch (const EConvertError& failure) {
        // A decimal comma, as many a locale writes it: said plainly when a point reads.
        std::string pointed(text);
        std::replace(pointed.begin(), pointed.end(), ',', '.');
        bool pointReads = false;
        if (pointed != text) {
            try {
                exchange::ParseValueText(field, pointed);
                pointReads = true;
            } catch (const EKlarvonError&) {
            }
        }
        if (pointReads) {
            throw EFailure(word + ": write " + pointed + " with a point");
        }
        throw EFailure(CoreFailureText(failure), word);
    } catch (const std::exception& failure) {
        throw EFailure(CoreFailureText(failure), word);
    }
}

TLayout LayoutOf(const TArguments& arguments) {
    return arguments.Has(GameFlag) ? GameLayout() : EditorLayout();
}

const TLayoutField& FindField(TLayout layout, std::string_view name) {
    const TLayoutField* field = FindLayoutField(layout, name);
    if (field == nullptr) {
        // The layout that has the field names it by its mark, or by its absence.
        std::string hint;
        if (const TLayout* other = LayoutWithField(Layouts(), name)) {
            hint = other->Mark.empty() ? " (it is one without " + std::string(layout.Mark) + ")"
                                       : " (it is one with " + std::string(other->Mark) + ")";
        }
        throw EUsageError("'" + std::string(name) + "' is not a field" + hint +
                          "; the fields are " + FieldNameList(layout));
    }
    return *field;
}

std::vector<const TLayoutField*> ParseFieldNames(TLayout layout,
                                                 std::span<const std::string> words) {
    std::vector<const TLayoutField*> fields;
    for (const std::string& word : words) {
        const TLayoutField* field = &FindField(layout, word);
        if (std::find(fields.begin(), fields.end(), field) != fields.end()) {
            throw EUsageError("field '" + std::string(field->Name) + "' is named twice");
        }
        fields.push_back(field);
    }
    return fields;
}

std::vector<TAssignment> ParseAssignments(TLayout layout, std::span<const std::string> words) {
    std::vector<TAssignment> assignments;
    for (const std::string& word : words) {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos) {
            throw EUsageError("'" + word + "' is not FIELD=TEXT");
        }
        const TLayoutField& field = FindField(layout, std::string_view(word).substr(0, equals));
        const bool named =
            std::any_of(assignments.begin(), assignments.end(),
                        [&field](const TAssignment& a) { return *a.Field == field; });
        if (named) {
            throw EUsageError("field '" + std::string(field.Name) + "' is named twice");
        }
        assignments.push_back({&field, word.substr(equals + 1), word});
    }
    return assignments;
}

} // namespace klarvon::cli

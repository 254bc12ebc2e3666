#include "cli/Commands.h"

#include <algorithm>

namespace klarvon::cli {

namespace {

constexpr std::string_view OptionsHeading = "options:";
constexpr std::string_view Indent = "  ";
constexpr std::size_t HelpGap = 2;
constexpr std::string_view UsagePrefix = "usage: ";
// The prefix of the program's own synopsis lines (main.cpp): "  klarvon-cli NAME ".
constexpr std::size_t SynopsisIndent = 2;

std::string FlagWithValue(const TFlag& flag) {
    std::string text(flag.Name);
    if (!flag.Value.empty()) {
        text += ' ';
        text += flag.Value;
    }
    return text;
}

// The width of "klarvon-cli NAME ", where the operands start after a line's own prefix.
std::size_t CommandWidth(const TCommand& command) {
    return ProgramName.size() + 1 + command.Name.size() + 1;
}

// The operands, then the options; an option that would end past HelpWidth, the text
// starting at column start, goes on a line of its own indented to start. Operands are
// never split, so the synopsis reads back as one line once its indented lines are joined.
std::string WrappedSynopsis(const TCommand& command, std::size_t start) {
    std::string synopsis(command.Operands);
    std::size_t column = start + synopsis.size();
    for (const TFlag& flag : command.Flags) {
        const std::string option = '[' + FlagWithValue(flag) + ']';
        if (column + 1 + option.size() > HelpWidth) {
            synopsis += '\n' + std::string(start, ' ') + option;
            column = start + option.size();
        } else {
            synopsis += ' ' + option;
            column += 1 + option.size();
        }
    }
    return synopsis;
}

} // namespace

std::string Synopsis(const TCommand& command) {
    return WrappedSynopsis(command, SynopsisIndent + CommandWidth(command));
}

std::string UsageLine(const TCommand& command) {
    return std::string(ProgramName) + ' ' + std::string(command.Name) + ' ' +
           WrappedSynopsis(command, UsagePrefix.size() + CommandWidth(command));
}

std::string CommandHelp(const TCommand& command) {
    std::string help =
        std::string(UsagePrefix) + UsageLine(command) + "\n\n" + std::string(command.Help);
    if (command.Flags.empty()) {
        return help;
    }
    std::size_t width = 0;
    for (const TFlag& flag : command.Flags) {
        width = std::max(width, FlagWithValue(flag).size());
    }
    help += '\n';
    help += OptionsHeading;
    help += '\n';
    for (const TFlag& flag : command.Flags) {
        const std::string name = FlagWithValue(flag);
        help += std::string(Indent) + name + std::string(width - name.size() + HelpGap, ' ') +
                std::string(flag.Help) + '\n';
    }
    return help;
}

} // namespace klarvon::cli

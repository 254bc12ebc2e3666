#include "cli/Commands.h"

#include <algorithm>

namespace klarvon::cli {

namespace {

constexpr std::string_view OptionsHeading = "options:";
constexpr std::string_view Indent = "  ";
constexpr std::size_t HelpGap = 2;

std::string FlagWithValue(const TFlag& flag) {
    std::string text(flag.Name);
    if (!flag.Value.empty()) {
        text += ' ';
        text += flag.Value;
    }
    return text;
}

} // namespace

std::string Synopsis(const TCommand& command) {
    std::string synopsis(command.Operands);
    for (const TFlag& flag : command.Flags) {
        synopsis += " [" + FlagWithValue(flag) + ']';
    }
    return synopsis;
}

std::string UsageLine(const TCommand& command) {
    return std::string(ProgramName) + ' ' + std::string(command.Name) + ' ' + Synopsis(command);
}

std::string CommandHelp(const TCommand& command) {
    std::string help = "usage: " + UsageLine(command) + "\n\n" + std::string(command.Help);
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

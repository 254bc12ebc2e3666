#pragma once
// The commands of klarvon-cli. Each lives in its own file and is listed by main().

#include "cli/Arguments.h"
#include "cli/Report.h"

#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace klarvon::cli {

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

inline constexpr std::string_view ProgramName = "klarvon-cli";
// No line of help is wider: it fits a console window as it opens.
inline constexpr std::size_t HelpWidth = 80;

struct TCommand {
    std::string_view Name;
    std::string_view Operands;    // the synopsis before the options: "FILE ID FIELD=TEXT ..."
    std::string_view Help;        // printed under the synopsis by --help
    std::span<const TFlag> Flags; // the options it accepts besides --help, in synopsis order
    // Runs with the arguments already split, printing into out; failures are thrown
    // (see Failure.h). Returns the exit code.
    int (*Run)(const TArguments& arguments, TReport& out);
};

// The arguments after the command name: its operands, then "[--game]",
// "[--from OTHER]" for each option in turn. As the program's help prints it after
// "  klarvon-cli NAME ": options that would go past HelpWidth go on lines of their own,
// indented to the operands.
std::string Synopsis(const TCommand& command);

// "klarvon-cli NAME SYNOPSIS", the usage line of --help and of wrong usage, wrapped as
// Synopsis is for the "usage: " before it.
std::string UsageLine(const TCommand& command);

// What COMMAND --help prints: the usage line, the help text, then one line per option.
std::string CommandHelp(const TCommand& command);

extern const TCommand InfoCommand;
extern const TCommand ShowCommand;
extern const TCommand DumpCommand;
extern const TCommand FindCommand;
extern const TCommand SetCommand;
extern const TCommand CopyCommand;
extern const TCommand DiffCommand;
extern const TCommand ApplyCommand;
extern const TCommand ExportCfgCommand;
extern const TCommand ImportCfgCommand;
extern const TCommand CheckCommand;
extern const TCommand DemoCommand;
extern const TCommand BanksCommand;
extern const TCommand SoundsCommand;
extern const TCommand ExportSoundCommand;
extern const TCommand ListenCommand;

} // namespace klarvon::cli

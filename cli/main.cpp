// klarvon-cli: the command-line companion of the Klarvon editor. Picks the command,
// prints help and usage, and turns failures into messages and exit codes.

#include "catalogue/ModelNames.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Report.h"
#include "cli/StandardStreams.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace klarvon::cli {

namespace {

#ifndef KLARVON_VERSION
#define KLARVON_VERSION "unknown"
#endif
constexpr std::string_view Version = KLARVON_VERSION;

constexpr std::array<const TCommand*, 16> Commands{
    &InfoCommand,      &ShowCommand,      &DumpCommand,        &FindCommand,
    &SetCommand,       &CopyCommand,      &DiffCommand,        &ApplyCommand,
    &ExportCfgCommand, &ImportCfgCommand, &CheckCommand,       &DemoCommand,
    &BanksCommand,     &SoundsCommand,    &ExportSoundCommand, &ListenCommand,
};

constexpr std::string_view ProgramHelpTail =
    "\n"
    "FILE is the game's executable (gta_sa.exe) or a limit adjuster's vehicle audio\n"
    "cfg (gtasa_vehicleAudioSettings.cfg), told apart by what it holds: a cfg is\n"
    "text. In a cfg, every command reads the row that counts for each model (the\n"
    "last), and every change rewrites only the numbers it changes.\n"
    "ID is a vehicle ID, 400..630, or a vehicle's model name (infernus) or list\n"
    "caption (GOLFCART) in any case, where it names one slot; in a cfg also the\n"
    "model name of a vehicle a mod adds, and model:NAME for a model alone, however\n"
    "it looks (model:812m).\n"
    "GAME is the game's folder, or any file in it: its sound files (audio/CONFIG,\n"
    "audio/SFX) are read, whatever the case of their names. Run\n"
    "'klarvon-cli COMMAND --help' for a command's output format.\n"
    "Exit status: 0 success, 1 failure (the message on stderr: about a file, the\n"
    "file's name first and what to do; else as the editor's error box words it,\n"
    "then possibly a line naming the field it concerns) or, for check, a problem\n"
    "found, 2 wrong usage.\n";

void WriteSynopses(std::ostream& out) {
    for (const TCommand* command : Commands) {
        out << "  " << ProgramName << ' ' << command->Name << ' ' << Synopsis(*command) << '\n';
    }
}

void WriteProgramHelp(std::ostream& out) {
    out << ProgramName << " " << Version
        << ": inspect and edit the vehicle audio table inside gta_sa.exe\n\nusage:\n";
    WriteSynopses(out);
    out << "  " << ProgramName << " --help | --version\n" << ProgramHelpTail;
}

int ProgramUsageError(std::string_view problem) {
    std::cerr << ProgramName << ": " << problem << "\nusage:\n";
    WriteSynopses(std::cerr);
    std::cerr << "Try '" << ProgramName << " --help' for more.\n";
    return ExitUsage;
}

int CommandUsageError(const TCommand& command, std::string_view problem) {
    std::cerr << ProgramName << ": " << problem << "\nusage: " << UsageLine(command) << "\nTry '"
              << ProgramName << ' ' << command.Name << " --help' for more.\n";
    return ExitUsage;
}

// Call only inside a catch block.
int ReportHandledFailure() {
    std::cerr << HandledFailureLines();
    return ExitFailure;
}

// Hands what a command printed to standard output in full. Output is collected first
// so that a failed write (a full disk, say) is noticed and reported rather
// than lost in a stream buffer.
int Deliver(const TReport& report, int exitCode) {
    try {
        WriteStandardOutput(report.str());
    } catch (const std::exception&) {
        ReportHandledFailure();
        if (report.FileChanged) {
            std::cerr << ChangeMadeText << '\n';
        }
        return ExitFailure;
    }
    return exitCode;
}

int Deliver(const std::string& text, int exitCode) {
    TReport report;
    report << text;
    return Deliver(report, exitCode);
}

int RunCommand(const TCommand& command, std::span<const std::string> words) {
    TReport out;
    try {
        const TArguments arguments = SplitArguments(words, command.Flags);
        if (arguments.Help) {
            out << CommandHelp(command);
            return Deliver(out, ExitSuccess);
        }
        const int exitCode = command.Run(arguments, out);
        return Deliver(out, exitCode);
    } catch (const EUsageError& usage) {
        return CommandUsageError(command, usage.what());
    } catch (const EVehicleNameError& unknown) {
        // A word that names no vehicle is wrong usage, wherever it was looked up.
        return CommandUsageError(command, unknown.what());
    } catch (const std::exception&) {
        // What was printed before the failure (info's size and version) goes out first.
        Deliver(out, ExitFailure);
        return ReportHandledFailure();
    }
}

int Run(const std::vector<std::string>& words) {
    if (words.empty()) {
        return ProgramUsageError("no command given");
    }
    const std::string& first = words.front();
    if (first == "--help" || first == "-h" || first == "help") {
        std::ostringstream out;
        WriteProgramHelp(out);
        return Deliver(out.str(), ExitSuccess);
    }
    if (first == "--version") {
        return Deliver(std::string(ProgramName) + ' ' + std::string(Version) + '\n', ExitSuccess);
    }
    const auto found = std::find_if(Commands.begin(), Commands.end(),
                                    [&first](const TCommand* c) { return c->Name == first; });
    if (found == Commands.end()) {
        return ProgramUsageError("unknown command '" + first + "'");
    }
    return RunCommand(**found, std::span(words).subspan(1));
}

} // namespace

} // namespace klarvon::cli

int main(int argc, char** argv) {
    klarvon::cli::UseStandardStreams();
    // A failure outside a command (no memory for the arguments, say) is printed on the same
    // path as any other, rather than by the runtime in the console's code page.
    try {
        return klarvon::cli::Run(klarvon::cli::ProgramArguments(argc, argv));
    } catch (const std::exception&) {
        return klarvon::cli::ReportHandledFailure();
    }
}

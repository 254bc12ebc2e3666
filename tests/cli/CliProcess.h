#pragma once
// Runs the built klarvon-cli as a child process (no shell) and captures what it says.

#include <sstream>
#include <string>
#include <vector>

namespace klarvon::test {

struct TCliRun {
    int ExitCode = -1;
    // What the program printed, with LF line ends as on Linux: a CR LF of the Windows
    // program's is read as LF.
    std::string Out;
    std::string Err;
    // The bytes as the program wrote them.
    std::string RawOut;
    std::string RawErr;

    // The first line of stderr, without its line break.
    std::string FirstErrorLine() const { return Err.substr(0, Err.find('\n')); }
};

// The lines of a program's output, without their line breaks.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// As stdoutPath: stdout is a pipe whose reader has already gone.
inline constexpr const char* ClosedPipe = "<closed pipe>";

// stdoutPath, when given, receives stdout instead of the capture (e.g. "/dev/full", or a
// file it creates or empties);
// prefix, when given, is a command that runs the program (e.g. setpriv ... --).
TCliRun RunCli(const std::vector<std::string>& arguments, const std::string& stdoutPath = "",
               const std::vector<std::string>& prefix = {});

// Whether the program is the one built here, run directly (not through Wine).
bool CliIsNative();

// Whether the program is a Windows one (klarvon-cli.exe, under Wine).
bool CliIsWindowsProgram();

} // namespace klarvon::test

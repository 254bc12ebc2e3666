#pragma once
// Runs the built klarvon-cli as a child process (no shell) and captures what it says.

#include <string>
#include <vector>

namespace klarvon::test {

struct TCliRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;

    // The first line of stderr, without its line break.
    std::string FirstErrorLine() const { return Err.substr(0, Err.find('\n')); }
};

// stdoutPath, when given, receives stdout instead of the capture (e.g. "/dev/full");
// prefix, when given, is a command that runs the program (e.g. setpriv ... --).
TCliRun RunCli(const std::vector<std::string>& arguments, const std::string& stdoutPath = "",
               const std::vector<std::string>& prefix = {});

// Whether the program is the one built here, run directly (not through Wine).
bool CliIsNative();

} // namespace klarvon::test

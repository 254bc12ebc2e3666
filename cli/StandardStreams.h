#pragma once
// The program's arguments and standard streams, the same on every system: arguments and
// output are UTF-8 inside, and what is printed reaches the user unchanged.

#include <string>
#include <string_view>
#include <vector>

namespace klarvon::cli {

// The arguments after the program's name, in UTF-8. On Windows they are read from the
// wide command line, so a path the ANSI code page cannot spell arrives whole.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Makes standard output and error carry the program's bytes unchanged (no LF to CR LF on
// Windows; a Windows console is written in UTF-16, so it shows any name), so the same
// command prints the same bytes everywhere.
void UseBinaryStandardStreams();

// All of text to standard output, unbuffered; a failure throws EInOutError. A reader that
// has gone away (a pipe closed early) ends the program quietly with a failure status.
void WriteStandardOutput(std::string_view text);

} // namespace klarvon::cli

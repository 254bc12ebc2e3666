#pragma once
// The program's arguments and standard streams: arguments and output are UTF-8 inside;
// what is printed reaches the user as each system's programs expect it.

#include <string>
#include <string_view>
#include <vector>

namespace klarvon::cli {

// The arguments after the program's name, in UTF-8. On Windows they are read from the
// wide command line, so a path the ANSI code page cannot spell arrives whole.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Puts std::cout and std::cerr on the path of WriteStandardOutput; call it first in main.
// On Linux they carry the program's bytes unchanged. On Windows a console is written in
// UTF-16, so it shows any name whatever its code page, and a file or a pipe gets the UTF-8
// bytes with CR LF line ends, as Windows programs read text (a CR LF printed as such stays
// one line end).
void UseStandardStreams();

// All of text to standard output, unbuffered, as UseStandardStreams says; a failure throws
// EInOutError. A reader that has gone away (a pipe closed early) ends the program quietly
// with a failure status.
void WriteStandardOutput(std::string_view text);

} // namespace klarvon::cli

#pragma once
// The program's standard output and error as plain bytes on every system.

#include <string_view>

namespace klarvon::cli {

// Makes standard output and error carry bytes unchanged (no LF to CR LF on Windows), so
// the same command prints the same bytes everywhere.
void UseBinaryStandardStreams();

// All of text to standard output, unbuffered; a failure throws EInOutError.
void WriteStandardOutput(std::string_view text);

} // namespace klarvon::cli

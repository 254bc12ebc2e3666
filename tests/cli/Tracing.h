#pragma once
// Running the companion under strace, for the tests of what it does under real faults.

#include "CliProcess.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace klarvon::test {

// strace stands between the program and the system: it can stop the program at a chosen
// system call, as a crash or a kill would, and list the calls it made in order.
// Only the program built here is traced: under Wine the calls are Wine's own.
inline bool CanTrace() {
    return CliIsNative() && std::system("strace -o /dev/null true >/dev/null 2>&1") == 0;
}

// The words that run the program under strace with these options. The sanitizer build's
// leak check cannot work under a tracer, so it is turned off for the traced run alone.
inline std::vector<std::string> Traced(std::vector<std::string> options) {
    const char* sanitizer = std::getenv("ASAN_OPTIONS");
    std::vector<std::string> words{"env",
                                   std::string("ASAN_OPTIONS=") +
                                       (sanitizer != nullptr ? std::string(sanitizer) + ":" : "") +
                                       "detect_leaks=0",
                                   "strace"};
    words.insert(words.end(), options.begin(), options.end());
    words.emplace_back("--");
    return words;
}

} // namespace klarvon::test

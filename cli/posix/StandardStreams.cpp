#include "cli/StandardStreams.h"

#include "table/InOutError.h"

#include <cerrno>

#include <unistd.h>

namespace klarvon::cli {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    // The system's bytes, UTF-8 on any current system; a name in another encoding still
    // reaches the file calls as it came.
    return std::vector<std::string>(argv + 1, argv + argc);
}

void UseStandardStreams() {
    // POSIX streams are bytes already.
}

void WriteStandardOutput(std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            throw InOutErrorFromErrno(errno, "");
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace klarvon::cli

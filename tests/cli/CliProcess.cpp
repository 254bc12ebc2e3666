#include "CliProcess.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace klarvon::test {

namespace {

class TPipe {
public:
    TPipe() {
        if (::pipe2(ends_.data(), O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe failed");
        }
    }
    ~TPipe() {
        CloseRead();
        CloseWrite();
    }
    TPipe(const TPipe&) = delete;
    TPipe& operator=(const TPipe&) = delete;

    int Read() const { return ends_[0]; }
    int Write() const { return ends_[1]; }
    void CloseRead() { Close(ends_[0]); }
    void CloseWrite() { Close(ends_[1]); }

private:
    static void Close(int& fd) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
    std::array<int, 2> ends_{-1, -1};
};

// Reads both pipes until both close; reading one at a time could deadlock once the
// other fills up (a dump is larger than a pipe's buffer).
void Drain(TPipe& out, TPipe& err, TCliRun& run) {
    std::array<pollfd, 2> fds{{{out.Read(), POLLIN, 0}, {err.Read(), POLLIN, 0}}};
    std::array<std::string*, 2> sinks{&run.RawOut, &run.RawErr};
    // A pipe closed already (the output of a closed-pipe run) has nothing to read.
    int open = static_cast<int>(
        std::count_if(fds.begin(), fds.end(), [](const pollfd& fd) { return fd.fd >= 0; }));
    std::array<char, 65536> buffer{};
    while (open > 0) {
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::runtime_error("poll failed");
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            const ssize_t got = ::read(fds[i].fd, buffer.data(), buffer.size());
            if (got > 0) {
                sinks[i]->append(buffer.data(), static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

// The program under test: the klarvon-cli built beside these tests, or the command in
// KLARVON_CLI_COMMAND, words split at spaces, such as
// "/usr/lib/wine/wine64 /path/to/klarvon-cli.exe" to run the Windows build under Wine.
std::vector<std::string> CliCommand() {
    const char* command = std::getenv("KLARVON_CLI_COMMAND");
    if (command == nullptr || *command == '\0') {
        return {KLARVON_CLI_PATH};
    }
    std::vector<std::string> words;
    const std::string text(command);
    std::size_t start = 0;
    while ((start = text.find_first_not_of(' ', start)) != std::string::npos) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end;
    }
    if (words.empty()) {
        throw std::runtime_error("KLARVON_CLI_COMMAND names no program");
    }
    return words;
}

// text with each CR LF read as LF.
std::string WithLf(const std::string& text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n') {
            lines += text[i];
        }
    }
    return lines;
}

} // namespace

bool CliIsWindowsProgram() {
    return CliCommand().back().ends_with(".exe");
}

bool CliIsNative() {
    const char* command = std::getenv("KLARVON_CLI_COMMAND");
    return command == nullptr || *command == '\0';
}

TCliRun RunCli(const std::vector<std::string>& arguments, const std::string& stdoutPath,
               const std::vector<std::string>& prefix) {
    std::vector<std::string> words = prefix;
    const std::vector<std::string> command = CliCommand();
    words.insert(words.end(), command.begin(), command.end());
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    TPipe out;
    TPipe err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutPath == ClosedPipe) {
        out.CloseRead();
        posix_spawn_file_actions_adddup2(&actions, out.Write(), STDOUT_FILENO);
    } else if (stdoutPath.empty()) {
        posix_spawn_file_actions_adddup2(&actions, out.Write(), STDOUT_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, stdoutPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_adddup2(&actions, err.Write(), STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);

    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + words[0]);
    }
    out.CloseWrite();
    err.CloseWrite();

    TCliRun run;
    Drain(out, err, run);
    const bool windows = CliIsWindowsProgram();
    run.Out = windows ? WithLf(run.RawOut) : run.RawOut;
    run.Err = windows ? WithLf(run.RawErr) : run.RawErr;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error("waitpid failed");
        }
    }
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

} // namespace klarvon::test

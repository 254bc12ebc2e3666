#include "cli/StandardStreams.h"

#include "cli/Commands.h"
#include "cli/CrLfLines.h"
#include "table/InOutError.h"
#include "table/WideText.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <streambuf>

#include <shellapi.h>
#include <windows.h>

namespace klarvon::cli {

namespace {

// WriteFile takes a 32-bit count.
constexpr std::size_t MaxPiece = std::size_t{1} << 30;
// Consoles of older Windows refuse one large write; this many UTF-16 units at a time.
constexpr std::size_t MaxConsolePiece = 8192;

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return ::GetConsoleMode(handle, &mode) != 0;
}

// A pipe whose reader has gone ("klarvon-cli dump x.exe | more", quit early).
bool IsClosedReader(DWORD code) {
    return code == ERROR_BROKEN_PIPE || code == ERROR_NO_DATA || code == ERROR_PIPE_NOT_CONNECTED;
}

// What the system said to a failed write. A reader that has gone ends the program here,
// quietly, as SIGPIPE does on Linux: there is nobody left to tell.
[[noreturn]] void FailWrite(DWORD code) {
    if (IsClosedReader(code)) {
        ::ExitProcess(ExitFailure);
    }
    throw InOutErrorFromWindowsCode(code);
}

void WriteBytes(HANDLE handle, std::string_view text) {
    while (!text.empty()) {
        const auto piece = static_cast<DWORD>(std::min(text.size(), MaxPiece));
        DWORD written = 0;
        if (!::WriteFile(handle, text.data(), piece, &written, nullptr)) {
            FailWrite(::GetLastError());
        }
        if (written == 0) {
            FailWrite(ERROR_DISK_FULL);
        }
        text.remove_prefix(written);
    }
}

// A console shows UTF-16 as it is, whatever its code page.
void WriteConsoleText(HANDLE handle, std::string_view text) {
    const std::wstring wide = WideText(text);
    std::wstring_view rest = wide;
    while (!rest.empty()) {
        std::size_t piece = std::min(rest.size(), MaxConsolePiece);
        // A surrogate pair stays in one piece.
        if (piece < rest.size() && IS_HIGH_SURROGATE(rest[piece - 1])) {
            --piece;
        }
        DWORD written = 0;
        if (!::WriteConsoleW(handle, rest.data(), static_cast<DWORD>(piece), &written, nullptr) ||
            written == 0) {
            FailWrite(::GetLastError());
        }
        rest.remove_prefix(written);
    }
}

// What goes to a file or a pipe, each stream's pieces as one text.
TCrLfLines outputLines;
TCrLfLines errorLines;

void WriteTo(DWORD stream, std::string_view text) {
    const HANDLE handle = ::GetStdHandle(stream);
    if (handle == INVALID_HANDLE_VALUE) {
        throw InOutErrorFromWindowsCode(::GetLastError());
    }
    if (handle == nullptr) {
        return; // started without that stream (from a window, say): nowhere to print
    }
    if (IsConsole(handle)) {
        WriteConsoleText(handle, text);
    } else {
        WriteBytes(handle, (stream == STD_OUTPUT_HANDLE ? outputLines : errorLines)(text));
    }
}

// How many bytes of text end on a whole UTF-8 sequence: a character cut in two by the
// stream waits for its other half, so the console gets it whole.
std::size_t WholeSequencesLength(std::string_view text) {
    constexpr std::size_t LongestSequence = 4;
    constexpr unsigned char ContinuationMask = 0xC0;
    constexpr unsigned char Continuation = 0x80;
    const std::size_t lookBack = std::min(text.size(), LongestSequence - 1);
    for (std::size_t back = 1; back <= lookBack; ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & ContinuationMask) == Continuation) {
            continue;
        }
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? text.size() - back : text.size();
    }
    return text.size();
}

// std::cout and std::cerr on top of WriteTo: collected, and written at each flush.
class TStandardStreamBuffer : public std::streambuf {
public:
    explicit TStandardStreamBuffer(DWORD stream) : stream_(stream) {}

protected:
    int_type overflow(int_type ch) override {
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            pending_ += traits_type::to_char_type(ch);
        }
        return traits_type::not_eof(ch);
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        pending_.append(text, static_cast<std::size_t>(count));
        return count;
    }
    int sync() override {
        const std::size_t whole = WholeSequencesLength(pending_);
        try {
            WriteTo(stream_, std::string_view(pending_).substr(0, whole));
        } catch (const EInOutError&) {
            pending_.clear();
            return -1;
        }
        pending_.erase(0, whole);
        return 0;
    }

private:
    DWORD stream_;
    std::string pending_;
};

// Puts the buffers in place for the program's life and hands the streams their old ones
// back at the end, before the runtime's own last flush.
class TStandardStreams {
public:
    TStandardStreams()
        : oldOut_(std::cout.rdbuf(&out_)), oldError_(std::cerr.rdbuf(&error_)),
          oldLog_(std::clog.rdbuf(&error_)) {}
    ~TStandardStreams() {
        std::cout.flush();
        std::cerr.flush();
        std::clog.flush();
        std::cout.rdbuf(oldOut_);
        std::cerr.rdbuf(oldError_);
        std::clog.rdbuf(oldLog_);
    }
    TStandardStreams(const TStandardStreams&) = delete;
    TStandardStreams& operator=(const TStandardStreams&) = delete;

private:
    TStandardStreamBuffer out_{STD_OUTPUT_HANDLE};
    TStandardStreamBuffer error_{STD_ERROR_HANDLE};
    std::streambuf* oldOut_;
    std::streambuf* oldError_;
    std::streambuf* oldLog_;
};

// A failure that nothing caught: the runtime would print its text through the C runtime,
// in the console's code page (a Cyrillic path as garbage); it goes the way of every other
// message instead.
[[noreturn]] void Terminate() {
    std::string text = std::string(ProgramName) + ": internal failure";
    if (const std::exception_ptr failure = std::current_exception()) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& caught) {
            text += ": " + std::string(caught.what());
        } catch (...) {
        }
    }
    try {
        WriteTo(STD_ERROR_HANDLE, text + '\n');
    } catch (...) {
    }
    std::abort();
}

} // namespace

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    // main()'s argv comes through the ANSI code page, which cannot spell every name.
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv + 1, argv + argc);
    }
    std::vector<std::string> words;
    for (int i = 1; i < count; ++i) {
        words.push_back(FromWide(wide[i]));
    }
    ::LocalFree(wide);
    return words;
}

void UseStandardStreams() {
    static TStandardStreams streams;
    std::set_terminate(Terminate);
}

void WriteStandardOutput(std::string_view text) {
    WriteTo(STD_OUTPUT_HANDLE, text);
}

} // namespace klarvon::cli

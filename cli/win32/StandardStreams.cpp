#include "cli/StandardStreams.h"

#include "table/InOutError.h"

#include <algorithm>
#include <cstdio>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace klarvon::cli {

namespace {

// WriteFile takes a 32-bit count.
constexpr std::size_t MaxPiece = std::size_t{1} << 30;

} // namespace

void UseBinaryStandardStreams() {
    // std::cerr goes through the C runtime's stderr, which would turn each LF into CR LF.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
}

void WriteStandardOutput(std::string_view text) {
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == INVALID_HANDLE_VALUE) {
        throw InOutErrorFromWindowsCode(::GetLastError());
    }
    if (out == nullptr) {
        return; // started without a standard output (from a window, say): nowhere to print
    }
    while (!text.empty()) {
        const auto piece = static_cast<DWORD>(std::min(text.size(), MaxPiece));
        DWORD written = 0;
        if (!::WriteFile(out, text.data(), piece, &written, nullptr)) {
            throw InOutErrorFromWindowsCode(::GetLastError());
        }
        if (written == 0) {
            throw InOutErrorFromWindowsCode(ERROR_DISK_FULL);
        }
        text.remove_prefix(written);
    }
}

} // namespace klarvon::cli

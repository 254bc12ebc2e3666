#pragma once
// Text as Windows programs read it (Notepad, findstr, a batch file's for /f): lines ended
// by CR LF.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace klarvon::cli {

// The pieces of one stream, each given the stream's CR LF line ends as it is written: a
// bare LF gets its CR; a CR LF stays one line end, also where one piece ends between the
// two.
class TCrLfLines {
public:
    std::string operator()(std::string_view piece) {
        std::string lines;
        lines.reserve(piece.size() + static_cast<std::size_t>(std::ranges::count(piece, '\n')));
        for (const char c : piece) {
            if (c == '\n' && !afterCr_) {
                lines += '\r';
            }
            lines += c;
            afterCr_ = c == '\r';
        }
        return lines;
    }

private:
    bool afterCr_ = false; // the last byte so far was a CR
};

} // namespace klarvon::cli

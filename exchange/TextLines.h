#pragma once
// The lines of a text file that the cfg and patch readers read: split at '\n', a '\r'
// before it dropped (files from Windows editors), and control characters refused
// rather than echoed back into a terminal in a message.

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace klarvon::exchange {

struct TTextLine {
    std::size_t Number; // 1-based
    std::string_view Text;
};

inline std::vector<TTextLine> SplitLines(std::string_view text) {
    std::vector<TTextLine> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back({lines.size() + 1, line});
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

// The 1-based column of the first control character not among allowed, or 0.
inline std::size_t ControlCharacterColumn(std::string_view line, std::string_view allowed) {
    constexpr unsigned char FirstPrintable = 0x20;
    constexpr unsigned char Delete = 0x7F;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if ((c < FirstPrintable || c == Delete) && allowed.find(line[i]) == allowed.npos) {
            return i + 1;
        }
    }
    return 0;
}

} // namespace klarvon::exchange

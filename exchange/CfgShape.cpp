#include "exchange/CfgShape.h"

#include "exchange/AudioCfg.h"
#include "exchange/TextLines.h"

#include <cctype>
#include <cstddef>

namespace klarvon::exchange {

namespace {

constexpr std::size_t CfgColumns = CfgValueCount + 1;
constexpr char SectionOpen = '[';
constexpr char SectionClose = ']';

// The words of a line before a trailing comment.
std::size_t WordCount(std::string_view line) {
    std::size_t words = 0;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(CfgBlanks, at)) != std::string_view::npos) {
        if (line[at] == CfgCommentMark) {
            break;
        }
        ++words;
        at = line.find_first_of(CfgBlanks, at);
    }
    return words;
}

// Model names start with a letter, a digit or '_'; handling.cfg's lines of bikes, boats and
// planes start with a mark ('!', '%', '$', '^') and may have about as many words as a row.
bool StartsLikeModel(std::string_view words) {
    const auto first = static_cast<unsigned char>(words.front());
    return std::isalnum(first) != 0 || first == '_';
}

std::string_view Trimmed(std::string_view line) {
    const std::size_t first = line.find_first_not_of(CfgBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(CfgBlanks) - first + 1);
}

} // namespace

std::optional<std::string> NotACfgReason(std::string_view text) {
    const std::string_view body =
        text.starts_with(CfgByteOrderMark) ? text.substr(CfgByteOrderMark.size()) : text;
    std::optional<TTextLine> firstRow;
    std::size_t firstRowWords = 0;
    std::optional<TTextLine> section;
    for (const TTextLine& line : SplitLines(body)) {
        if (line.Text.starts_with(CfgEndMark)) {
            break;
        }
        const std::string_view words = Trimmed(line.Text);
        if (words.empty() || words.front() == CfgCommentMark) {
            continue;
        }
        const std::size_t count = WordCount(words);
        if (count + 1 >= CfgColumns && count <= CfgColumns + 1 && StartsLikeModel(words)) {
            return std::nullopt;
        }
        if (!firstRow) {
            firstRow = line;
            firstRowWords = count;
        }
        if (!section && words.front() == SectionOpen && words.back() == SectionClose &&
            ControlCharacterColumn(words, "") == 0) {
            section = TTextLine{line.Number, words};
        }
    }
    if (section) {
        return "it has [sections] as an INI file does (line " + std::to_string(section->Number) +
               ": " + std::string(section->Text) + ")";
    }
    if (!firstRow) {
        return std::nullopt;
    }
    return "not one row has the " + std::to_string(CfgColumns) + " columns of a cfg row (a model " +
           "name and " + std::to_string(CfgValueCount) + " values): line " +
           std::to_string(firstRow->Number) + " has " + std::to_string(firstRowWords);
}

} // namespace klarvon::exchange

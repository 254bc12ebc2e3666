#include "exchange/AudioCfg.h"

#include "catalogue/ModelNames.h"
#include "exchange/TextLines.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace klarvon::exchange {

namespace {

constexpr char CommentMark = ';';
constexpr std::string_view EndMark = ";the end";
constexpr std::string_view Blanks = " \t\r\v\f";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view NameHeading = "; name";
constexpr std::string_view ColumnGap = "  ";
constexpr std::size_t LegendWidth = 80;
// Fixed notation while it stays this short, else the shortest text, which may use an
// exponent (1e-45 rather than forty-odd zeros); both read back to the same float.
constexpr std::size_t LongestFixedFloat = 16;
constexpr std::size_t TextBuffer = 64;

constexpr std::string_view LegendIntro =
    "; Vehicle audio settings: one row per model, the model name and then\n";

struct TToken {
    std::string_view Text;
    std::size_t Column; // 1-based
};

std::vector<TToken> SplitBlanks(std::string_view line) {
    std::vector<TToken> tokens;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(Blanks, at)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(Blanks, at), line.size());
        tokens.push_back({line.substr(at, end - at), at + 1});
        at = end;
    }
    return tokens;
}

// The loader's scanf takes a leading '+'; from_chars does not.
std::string_view WithoutPlus(std::string_view text) {
    return text.starts_with('+') && text.size() > 1 && text[1] != '-' ? text.substr(1) : text;
}

[[noreturn]] void Reject(const TLayoutField& field, std::string_view text, const char* what) {
    throw ETextError("'" + std::string(text) + "' is not " + what + " (" + std::string(field.Name) +
                     ", " + std::string(TypeName(field.Type)) + ")");
}

TFieldBits ParseCfgInteger(const TLayoutField& field, std::string_view text) {
    const std::string_view digits = WithoutPlus(text);
    const char* end = digits.data() + digits.size();
    std::int64_t value = 0;
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (stop != end || digits.empty()) {
        Reject(field, text, "an integer");
    }
    const TValueRange& range = RangeOf(field.Type);
    if (error != std::errc{} || value < range.Min || value > range.Max) {
        throw ETextError(std::string(text) + " is out of range for " + std::string(field.Name) +
                         " (" + std::string(TypeName(field.Type)) + ": " +
                         std::to_string(range.Min) + ".." + std::to_string(range.Max) + ")");
    }
    return BitsOfInteger(field.Type, value);
}

TFieldBits ParseCfgFloat(const TLayoutField& field, std::string_view text) {
    const std::string_view digits = WithoutPlus(text);
    const char* end = digits.data() + digits.size();
    float value = 0;
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (stop != end || digits.empty() || (error == std::errc{} && !std::isfinite(value))) {
        Reject(field, text, "a finite number");
    }
    if (error != std::errc{}) {
        Reject(field, text, "within the range of a float");
    }
    return BitsOfFloat(value);
}

std::string FloatText(float value) {
    std::array<char, TextBuffer> buffer{};
    char* last = buffer.data() + buffer.size();
    const auto fixed = std::to_chars(buffer.data(), last, value, std::chars_format::fixed);
    if (fixed.ec == std::errc{} &&
        static_cast<std::size_t>(fixed.ptr - buffer.data()) <= LongestFixedFloat) {
        return std::string(buffer.data(), fixed.ptr);
    }
    const auto shortest = std::to_chars(buffer.data(), last, value);
    return std::string(buffer.data(), shortest.ptr);
}

TCfgRow ParseRow(std::size_t line, std::span<const TToken> tokens) {
    const TLayout layout = GameLayout();
    if (tokens.size() < CfgValueCount + 1) {
        const TToken& last = tokens.back();
        throw ETextError(line, last.Column + last.Text.size(),
                         "the row ends after " + std::to_string(tokens.size() - 1) + " of its " +
                             std::to_string(CfgValueCount) + " values; " +
                             std::string(layout[tokens.size() - 1].Name) + " is missing");
    }
    // Text after the values is allowed only as a comment.
    if (tokens.size() > CfgValueCount + 1 &&
        !tokens[CfgValueCount + 1].Text.starts_with(CommentMark)) {
        const TToken& extra = tokens[CfgValueCount + 1];
        throw ETextError(line, extra.Column,
                         "'" + std::string(extra.Text) + "' follows the row's " +
                             std::to_string(CfgValueCount) + " values");
    }
    TCfgRow row{line, std::string(tokens[0].Text), IdOfModelName(tokens[0].Text), {}};
    for (std::size_t i = 0; i < CfgValueCount; ++i) {
        const TToken& token = tokens[i + 1];
        try {
            row.Values[i] = ParseCfgValue(layout[i], token.Text);
        } catch (const ETextError& problem) {
            throw problem.At(line, token.Column);
        }
    }
    return row;
}

void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    out.append(width - text.size(), ' ');
}

// The letters of the columns with the fields they stand for, wrapped.
std::string Legend() {
    std::string legend(LegendIntro);
    std::string line(1, CommentMark);
    const TLayout layout = GameLayout();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        std::string item(ColumnGap);
        item += static_cast<char>('A' + i);
        item += ' ';
        item += layout[i].Name;
        if (line.size() + item.size() > LegendWidth) {
            legend.append(line).push_back('\n');
            line.assign(1, CommentMark);
        }
        line += item;
    }
    legend.append(line).push_back('\n');
    return legend;
}

} // namespace

TFieldBits ParseCfgValue(const TLayoutField& field, std::string_view text) {
    return field.Type == TValueType::Float32 ? ParseCfgFloat(field, text)
                                             : ParseCfgInteger(field, text);
}

std::string CfgValueText(const TLayoutField& field, TFieldBits bits) {
    if (field.Type != TValueType::Float32) {
        return std::to_string(IntegerValue(field.Type, bits));
    }
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) {
        throw ETextError(std::string(field.Name) +
                         " holds a value that is not a finite number, which a "
                         "cfg row cannot hold");
    }
    return FloatText(value);
}

std::vector<TCfgRow> ParseAudioCfg(std::string_view text) {
    if (text.starts_with(ByteOrderMark)) {
        text.remove_prefix(ByteOrderMark.size());
    }
    std::vector<TCfgRow> rows;
    for (const auto& [number, line] : SplitLines(text)) {
        if (line.starts_with(EndMark)) {
            break;
        }
        const std::vector<TToken> tokens = SplitBlanks(line);
        if (tokens.empty() || tokens[0].Text.front() == CommentMark) {
            continue;
        }
        if (const std::size_t column = ControlCharacterColumn(line, Blanks)) {
            throw ETextError(number, column, "a control character where text should be");
        }
        rows.push_back(ParseRow(number, tokens));
    }
    return rows;
}

std::string FormatAudioCfg(std::span<const TCfgEntry> entries, TCfgForm form) {
    const TLayout layout = GameLayout();
    std::vector<std::array<std::string, CfgValueCount + 1>> table;
    std::array<std::size_t, CfgValueCount + 1> widths{NameHeading.size()};
    for (std::size_t i = 1; i < widths.size(); ++i) {
        widths[i] = 1; // the column's letter
    }
    for (const TCfgEntry& entry : entries) {
        auto& cells = table.emplace_back();
        cells[0] = entry.Model;
        if (cells[0].empty()) {
            throw ETextError("a row needs a model name");
        }
        for (std::size_t i = 0; i < CfgValueCount; ++i) {
            try {
                cells[i + 1] = CfgValueText(layout[i], ReadField(layout[i], entry.Bytes));
            } catch (const ETextError& problem) {
                throw ETextError(cells[0] + ' ' + problem.what());
            }
        }
        for (std::size_t i = 0; i < cells.size(); ++i) {
            widths[i] = std::max(widths[i], cells[i].size());
        }
    }
    const auto appendLine = [&widths](std::string& out, const auto& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i + 1 < cells.size()) {
                AppendPadded(line, cells[i], widths[i]);
                line += ColumnGap;
            } else {
                line += cells[i];
            }
        }
        out += line + '\n';
    };
    std::string out;
    if (form == TCfgForm::WholeFile) {
        out += Legend();
        std::array<std::string, CfgValueCount + 1> heading{std::string(NameHeading)};
        for (std::size_t i = 0; i < CfgValueCount; ++i) {
            heading[i + 1] = std::string(1, static_cast<char>('A' + i));
        }
        appendLine(out, heading);
    }
    for (const auto& cells : table) {
        appendLine(out, cells);
    }
    if (form == TCfgForm::WholeFile) {
        out += std::string(EndMark) + '\n';
    }
    return out;
}

} // namespace klarvon::exchange

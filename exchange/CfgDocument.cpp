#include "exchange/CfgDocument.h"

#include "catalogue/ModelNames.h"
#include "exchange/TextLines.h"

#include <algorithm>
#include <utility>

namespace klarvon::exchange {

namespace {

constexpr std::string_view CrLf = "\r\n";
constexpr std::string_view Lf = "\n";
constexpr std::string_view NoRows = "holds no rows (a model name and 14 values)";
constexpr unsigned BitsPerByte = 8;

struct TToken {
    std::string_view Text;
    std::size_t Column; // 1-based
};

std::vector<TToken> SplitBlanks(std::string_view line) {
    std::vector<TToken> tokens;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(CfgBlanks, at)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(CfgBlanks, at), line.size());
        tokens.push_back({line.substr(at, end - at), at + 1});
        at = end;
    }
    return tokens;
}

// The row's first fault throws ETextError with its place.
TCfgDocumentRow ReadRow(std::size_t line, std::size_t lineOffset, std::span<const TToken> tokens) {
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
        !tokens[CfgValueCount + 1].Text.starts_with(CfgCommentMark)) {
        const TToken& extra = tokens[CfgValueCount + 1];
        throw ETextError(line, extra.Column,
                         "'" + std::string(extra.Text) + "' follows the row's " +
                             std::to_string(CfgValueCount) + " values");
    }
    const auto spanOf = [lineOffset](const TToken& token) {
        return TTextSpan{lineOffset + token.Column - 1, token.Text.size()};
    };
    TCfgDocumentRow row{{line, std::string(tokens[0].Text), IdOfModelName(tokens[0].Text), {}},
                        spanOf(tokens[0]),
                        {},
                        {}};
    for (std::size_t i = 0; i < CfgValueCount; ++i) {
        const TToken& token = tokens[i + 1];
        try {
            row.Row.Values[i] = ParseCfgValue(layout[i], token.Text);
        } catch (const ETextError& problem) {
            throw problem.At(line, token.Column);
        }
        row.ValueSpans[i] = spanOf(token);
        row.ValueColumns[i] = token.Column;
    }
    return row;
}

// A separator of the original text goes on after out, which holds its line so far: one of
// plain spaces is sized so that the next word starts at column (0-based), where the line
// so far leaves room, with at least one space; any other (a tab) stays as it is.
void AppendSeparator(std::string& out, std::string_view separator, std::size_t column) {
    if (!separator.empty() && separator.find_first_not_of(' ') == std::string_view::npos) {
        out.append(column > out.size() ? column - out.size() : 1, ' ');
    } else {
        out += separator;
    }
}

std::string ValueText(const std::string& model, const TLayoutField& field, TFieldBits bits) {
    const TFieldBits widest = TypeWidth(field.Type) >= sizeof(TFieldBits)
                                  ? ~TFieldBits{0}
                                  : (TFieldBits{1} << (BitsPerByte * TypeWidth(field.Type))) - 1;
    if ((bits & ~widest) != 0) {
        throw ETextError(model + ' ' + std::string(field.Name) + ": Range check error.");
    }
    try {
        return CfgValueText(field, bits);
    } catch (const ETextError& problem) {
        throw ETextError(model + ' ' + problem.what());
    }
}

} // namespace

TCfgRowsRead ReadCfgRows(std::string_view text) {
    TCfgRowsRead read;
    const std::string_view body =
        text.starts_with(CfgByteOrderMark) ? text.substr(CfgByteOrderMark.size()) : text;
    for (const auto& [number, line] : SplitLines(body)) {
        const auto lineOffset = static_cast<std::size_t>(line.data() - text.data());
        if (line.starts_with(CfgEndMark)) {
            read.EndMark = lineOffset;
            break;
        }
        const std::vector<TToken> tokens = SplitBlanks(line);
        if (tokens.empty() || tokens[0].Text.front() == CfgCommentMark) {
            continue;
        }
        if (const std::size_t column = ControlCharacterColumn(line, CfgBlanks)) {
            read.Faults.emplace_back(number, column, "a control character where text should be");
            continue;
        }
        try {
            read.Rows.push_back(ReadRow(number, lineOffset, tokens));
        } catch (const ETextError& fault) {
            read.Faults.push_back(fault);
        }
    }
    return read;
}

TCfgDocument::TCfgDocument(std::string text) : text_(std::move(text)) {
    TCfgRowsRead read = ReadCfgRows(text_);
    if (!read.Faults.empty()) {
        throw ETextErrors(std::move(read.Faults));
    }
    if (read.Rows.empty()) {
        throw ETextError(std::string(NoRows));
    }
    rows_ = std::move(read.Rows);
    endMark_ = read.EndMark;
    effective_.reserve(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        effective_[LowerCaseName(rows_[i].Row.Model)] = i;
    }
    const std::size_t firstEnd = text_.find('\n');
    crlf_ = firstEnd != std::string::npos && firstEnd > 0 && text_[firstEnd - 1] == '\r';
}

std::vector<const TCfgDocumentRow*> TCfgDocument::EffectiveRows() const {
    std::vector<std::size_t> indices;
    indices.reserve(effective_.size());
    for (const auto& [model, index] : effective_) {
        indices.push_back(index);
    }
    std::sort(indices.begin(), indices.end());
    std::vector<const TCfgDocumentRow*> rows;
    rows.reserve(indices.size());
    for (const std::size_t index : indices) {
        rows.push_back(&rows_[index]);
    }
    return rows;
}

const TCfgDocumentRow* TCfgDocument::EffectiveRow(std::string_view model) const {
    const auto found = effective_.find(LowerCaseName(model));
    return found == effective_.end() ? nullptr : &rows_[found->second];
}

std::string_view TCfgDocument::LineEnd() const {
    return crlf_ ? CrLf : Lf;
}

bool TCfgDocument::HasEndMark() const {
    return endMark_.has_value();
}

std::size_t TCfgDocument::LineStart(std::size_t offset) const {
    const std::size_t previousEnd = offset == 0 ? std::string::npos : text_.rfind('\n', offset - 1);
    if (previousEnd != std::string::npos) {
        return previousEnd + 1;
    }
    return text_.starts_with(CfgByteOrderMark) ? CfgByteOrderMark.size() : 0;
}

std::size_t TCfgDocument::LineContentEnd(std::size_t offset) const {
    const std::size_t end = std::min(text_.find('\n', offset), text_.size());
    return end > offset && text_[end - 1] == '\r' ? end - 1 : end;
}

std::size_t
TCfgDocument::AppendValuesAs(std::string& line, const TCfgDocumentRow& pattern, std::size_t start,
                             const std::array<std::string, CfgValueCount>& values) const {
    std::size_t at = pattern.ModelSpan.Offset + pattern.ModelSpan.Length;
    for (std::size_t i = 0; i < CfgValueCount; ++i) {
        const TTextSpan& span = pattern.ValueSpans[i];
        AppendSeparator(line, std::string_view(text_).substr(at, span.Offset - at),
                        span.Offset - start);
        line += values[i];
        at = span.Offset + span.Length;
    }
    return at;
}

// The row's line from its start to its line end, with the given value texts: every
// separator kept, spaces given or taken so that each later word keeps its column where
// the words before it leave room.
std::string
TCfgDocument::RewrittenLine(const TCfgDocumentRow& row,
                            const std::array<std::string, CfgValueCount>& values) const {
    const std::size_t start = LineStart(row.ModelSpan.Offset);
    std::string line = text_.substr(start, row.ModelSpan.Offset + row.ModelSpan.Length - start);
    const std::size_t at = AppendValuesAs(line, row, start, values);
    const std::string_view rest = std::string_view(text_).substr(at, LineContentEnd(at) - at);
    const std::size_t comment = rest.find_first_not_of(CfgBlanks);
    if (comment == std::string_view::npos) {
        line += rest;
    } else {
        AppendSeparator(line, rest.substr(0, comment), at + comment - start);
        line += rest.substr(comment);
    }
    return line;
}

// A row laid out as the file's last: its indent and separators, each value starting in
// that row's column where the words before it leave room.
std::string TCfgDocument::NewRow(const std::string& model,
                                 const std::array<std::string, CfgValueCount>& values) const {
    std::string line;
    if (rows_.empty()) {
        line = model;
        for (const std::string& value : values) {
            line += ' ' + value;
        }
        return line;
    }
    const TCfgDocumentRow& pattern = rows_.back();
    const std::size_t start = LineStart(pattern.ModelSpan.Offset);
    line = text_.substr(start, pattern.ModelSpan.Offset - start) + model;
    AppendValuesAs(line, pattern, start, values);
    return line;
}

TCfgDocument::TReplacement TCfgDocument::RemovedLine(const TCfgDocumentRow& row) const {
    const std::string key = LowerCaseName(row.Row.Model);
    const auto rows = std::count_if(rows_.begin(), rows_.end(), [&key](const TCfgDocumentRow& r) {
        return LowerCaseName(r.Row.Model) == key;
    });
    if (rows > 1) {
        throw ETextError(row.Row.Model + " has " + std::to_string(rows) +
                         " rows, and only a model's one row is removed: delete the others by "
                         "hand first");
    }
    const std::size_t start = LineStart(row.ModelSpan.Offset);
    const std::size_t end = text_.find('\n', row.ModelSpan.Offset);
    return {start, (end == std::string::npos ? text_.size() : end + 1) - start, {}};
}

std::string TCfgDocument::Edited(std::span<const TCfgEdit> edits) const {
    std::unordered_map<std::string, std::size_t> byModel;
    std::vector<const TCfgEdit*> latest; // one per model, in the order first named
    for (const TCfgEdit& edit : edits) {
        const auto [found, added] = byModel.try_emplace(LowerCaseName(edit.Model), latest.size());
        if (added) {
            latest.push_back(&edit);
        } else {
            latest[found->second] = &edit;
        }
    }

    std::vector<TReplacement> replacements;
    std::string added;
    const TLayout layout = GameLayout();
    for (const TCfgEdit* edit : latest) {
        const TCfgDocumentRow* row = EffectiveRow(edit->Model);
        if (edit->Remove) {
            if (row != nullptr) {
                replacements.push_back(RemovedLine(*row));
            }
            continue;
        }
        if (row == nullptr) {
            CheckCfgModelName(edit->Model);
        }
        std::array<std::string, CfgValueCount> values;
        bool changed = false;
        for (std::size_t i = 0; i < CfgValueCount; ++i) {
            if (row != nullptr && row->Row.Values[i] == edit->Values[i]) {
                const TTextSpan& span = row->ValueSpans[i];
                values[i] = text_.substr(span.Offset, span.Length);
            } else {
                values[i] = ValueText(edit->Model, layout[i], edit->Values[i]);
                changed = true;
            }
        }
        if (row == nullptr) {
            added += NewRow(edit->Model, values);
            added += LineEnd();
        } else if (changed) {
            const std::size_t start = LineStart(row->ModelSpan.Offset);
            const std::size_t end = LineContentEnd(row->ValueSpans.back().Offset);
            replacements.push_back({start, end - start, RewrittenLine(*row, values)});
        }
    }
    std::sort(replacements.begin(), replacements.end(),
              [](const TReplacement& a, const TReplacement& b) { return a.Offset < b.Offset; });

    const std::size_t insertAt = endMark_.value_or(text_.size());
    if (!added.empty() && !endMark_ && !text_.empty() && !text_.ends_with('\n')) {
        added.insert(0, LineEnd());
    }
    std::string out;
    out.reserve(text_.size() + added.size() + replacements.size() * CfgValueCount);
    std::size_t at = 0;
    for (const TReplacement& replacement : replacements) {
        out.append(text_, at, replacement.Offset - at);
        out += replacement.Text;
        at = replacement.Offset + replacement.Length;
    }
    out.append(text_, at, insertAt - at);
    out += added;
    out.append(text_, insertAt);
    return out;
}

TRecordBytes RowBytes(const TCfgRow& row) {
    TRecordBytes bytes{};
    const TLayout layout = GameLayout();
    for (std::size_t i = 0; i < CfgValueCount; ++i) {
        WriteField(layout[i], row.Values[i], bytes);
    }
    return bytes;
}

std::array<TFieldBits, CfgValueCount> RowValues(const TRecordBytes& bytes) {
    std::array<TFieldBits, CfgValueCount> values{};
    const TLayout layout = GameLayout();
    for (std::size_t i = 0; i < CfgValueCount; ++i) {
        values[i] = ReadField(layout[i], bytes);
    }
    return values;
}

TRecordBytes WithRowValues(TRecordBytes record, const TRecordBytes& row) {
    for (const TLayoutField& field : GameLayout()) {
        WriteField(field, ReadField(field, row), record);
    }
    return record;
}

} // namespace klarvon::exchange

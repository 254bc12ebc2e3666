#pragma once
// A vehicle audio cfg as a table that keeps its file: the rows read with where each value
// stands in the text, and the text written back with only the numbers that change
// rewritten. Comments, the legend, blanks and tabs, line ends, a byte-order mark and the
// place of ";the end" stay as they are. Text in, text out; no file is touched here.
//
// Which row counts: a model may have several rows (installers append rather than
// replace); the loader keeps the last, so the last row naming a model, in any case, is the
// model's row here too, and a change goes to that row.

#include "exchange/AudioCfg.h"
#include "exchange/TextError.h"
#include "exchange/Vehicle.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace klarvon::exchange {

// Where a piece of the text stands: a byte offset into the text and its length.
struct TTextSpan {
    std::size_t Offset = 0;
    std::size_t Length = 0;
};

// A data row, with the place of its model name and of each of its fourteen values.
struct TCfgDocumentRow {
    TCfgRow Row;
    TTextSpan ModelSpan;
    std::array<TTextSpan, CfgValueCount> ValueSpans;
    std::array<std::size_t, CfgValueCount> ValueColumns; // 1-based, as messages count
};

// What reading a text gives, before it is taken for a document: every data row before
// ";the end", one fault per faulty row (its first), in line order, and where the line
// starting ";the end" begins. ParseAudioCfg reads through this too.
struct TCfgRowsRead {
    std::vector<TCfgDocumentRow> Rows;
    std::vector<ETextError> Faults;
    std::optional<std::size_t> EndMark;
};
TCfgRowsRead ReadCfgRows(std::string_view text);

// A model's new values: its row's values change to these, or, for a model the file has no
// row for, a row is added. Remove takes the model's row out instead (Values unused).
struct TCfgEdit {
    std::string Model;
    std::array<TFieldBits, CfgValueCount> Values; // GameLayout() order
    bool Remove = false;
};

class TCfgDocument {
public:
    // Reads every row. Each faulty row gives one ETextError (its first fault, with line and
    // column); all of them are thrown together as ETextErrors, in line order, so a user
    // mends a file in one go. A text with no row at all ("", only comments and blanks) is
    // ETextError "holds no rows (a model name and 14 values)".
    explicit TCfgDocument(std::string text);

    const std::string& Text() const { return text_; }
    // Every data row before ";the end", in file order, duplicates included.
    const std::vector<TCfgDocumentRow>& Rows() const { return rows_; }
    // The row that counts for each model, in the order of those rows in the file.
    std::vector<const TCfgDocumentRow*> EffectiveRows() const;
    // The row that counts for a model (compared case-insensitively), or nullptr.
    const TCfgDocumentRow* EffectiveRow(std::string_view model) const;

    // "\r\n" when the file's lines end so, else "\n".
    std::string_view LineEnd() const;
    bool HasEndMark() const;

    // The text with the edits made: a model's effective row gets the new values, each
    // rewritten only where its bits change, kept in its column where the new number fits
    // (the blanks after it give or take the difference); a model without a row gets a new
    // row just before ";the end" (at the end without one), laid out as the file's last row
    // and ending as the file's lines end. Throws ETextError for a value a row cannot hold
    // (an infinite float) or a model name a row cannot hold (blanks, ';' first, empty).
    // Of several edits of one model, the last counts. A removed row goes with its whole
    // line (a comment after its values too); a model with several rows is an ETextError,
    // as taking out the last would only bring an earlier one back.
    std::string Edited(std::span<const TCfgEdit> edits) const;

private:
    struct TReplacement {
        std::size_t Offset;
        std::size_t Length;
        std::string Text;
    };

    std::string text_;
    std::vector<TCfgDocumentRow> rows_;
    std::optional<std::size_t> endMark_;
    // Lower-case model name -> index in rows_ of its last row.
    std::unordered_map<std::string, std::size_t> effective_;
    bool crlf_ = false;

    std::size_t LineStart(std::size_t offset) const;
    // The line's text from its start to before its line end.
    std::size_t LineContentEnd(std::size_t offset) const;
    // Appends the values to line (which holds the row's text up to its model name's end)
    // with the separators of pattern, whose line starts at start; returns the offset in
    // the text just after pattern's last value.
    std::size_t AppendValuesAs(std::string& line, const TCfgDocumentRow& pattern, std::size_t start,
                               const std::array<std::string, CfgValueCount>& values) const;
    std::string RewrittenLine(const TCfgDocumentRow& row,
                              const std::array<std::string, CfgValueCount>& values) const;
    std::string NewRow(const std::string& model,
                       const std::array<std::string, CfgValueCount>& values) const;
    // The row's whole line, its line end included, replaced by nothing.
    TReplacement RemovedLine(const TCfgDocumentRow& row) const;
};

// The record bytes a row stands for: its values in the game's fields, pad bytes zero.
TRecordBytes RowBytes(const TCfgRow& row);
// The fourteen values of a record, the game's fields in order; pad bytes are not in them.
std::array<TFieldBits, CfgValueCount> RowValues(const TRecordBytes& bytes);
// A record as a row's values make it in an executable: the game's fields from the row,
// the pad bytes as the record holds them (a row has none).
TRecordBytes WithRowValues(TRecordBytes record, const TRecordBytes& row);

} // namespace klarvon::exchange

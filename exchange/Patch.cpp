#include "exchange/Patch.h"

#include "catalogue/ModelNames.h"
#include "exchange/AudioCfg.h"
#include "exchange/Changes.h"
#include "exchange/FieldText.h"
#include "exchange/TextLines.h"
#include "exchange/WrittenFloat.h"
#include "table/ErrorReport.h"
#include "table/Errors.h"
#include "table/TableLocator.h"
#include "table/TextConversions.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <unordered_map>
#include <utility>

namespace klarvon::exchange {

namespace {

constexpr char NoteMark = '#';
constexpr std::string_view Blanks = " \t\r";
constexpr std::string_view Arrow = " -> ";
constexpr std::string_view ValueMark = ": ";
constexpr std::string_view NoChangeEnding = ": no change";
constexpr std::string_view IdenticalLine = "identical: ";
constexpr unsigned NibbleBits = 4;

std::string_view TrimmedEnd(std::string_view text) {
    const std::size_t end = text.find_last_not_of(Blanks);
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

// Where a piece of the line starts, 1-based, for messages.
std::size_t ColumnOf(std::string_view line, std::string_view piece) {
    return static_cast<std::size_t>(piece.data() - line.data()) + 1;
}

int ParseId(std::size_t line, std::string_view word) {
    int id = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, id);
    if (word.empty() || error != std::errc{} || stop != end || id < FirstVehicleId ||
        id > LastVehicleId) {
        throw ETextError(line, 1,
                         "'" + std::string(word) + "' is not a vehicle ID (" +
                             std::to_string(FirstVehicleId) + ".." + std::to_string(LastVehicleId) +
                             ")");
    }
    return id;
}

std::vector<std::uint8_t> FieldBytes(const TLayoutField& field, TFieldBits bits) {
    std::vector<std::uint8_t> bytes(TypeWidth(field.Type));
    StoreBits(field.Type, bits, bytes);
    return bytes;
}

std::vector<std::uint8_t> ParseHexBytes(std::string_view text, std::size_t count) {
    const bool hex =
        std::all_of(text.begin(), text.end(), [](char c) { return HexDigitValue(c) >= 0; });
    if (text.size() != 2 * count || !hex) {
        throw ETextError("'" + std::string(text) + "' is not " + std::to_string(count) +
                         " bytes in hex");
    }
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(HexDigitValue(text[i]) << NibbleBits |
                                                  HexDigitValue(text[i + 1])));
    }
    return bytes;
}

struct TSubject {
    TLayout Layout;
    const TLayoutField* Field; // nullptr: pad bytes, or the whole row
    bool Row = false;
};

// "NAME [--game] FIELD", the part of the line between the ID and ": ".
// id: the slot a line starting with an ID names, none for one starting with a model name,
// which has no NAME word.
TSubject ParseSubject(std::size_t line, std::string_view text, std::string_view subject,
                      std::optional<int> id) {
    const bool pads = subject.ends_with(PadBytesName) &&
                      subject.substr(0, subject.size() - PadBytesName.size()).ends_with(' ');
    const std::string_view fieldName = pads ? subject.substr(subject.size() - PadBytesName.size())
                                            : subject.substr(subject.rfind(' ') + 1);
    std::string_view name = TrimmedEnd(subject.substr(0, subject.size() - fieldName.size()));
    TLayout layout = EditorLayout();
    if (const TLayout* marked = LayoutMarkedAtEnd(Layouts(), name)) {
        layout = *marked;
        name = TrimmedEnd(name.substr(0, name.size() - marked->Mark.size()));
    }
    if (!id && !name.empty()) {
        throw ETextError(line, ColumnOf(text, subject),
                         "'" + std::string(name) +
                             "' is not a field; a line naming a model has no second name");
    }
    if (id) {
        const std::vector<int> slots = SlotsNamed(name);
        if (std::find(slots.begin(), slots.end(), *id) == slots.end()) {
            throw ETextError(line, ColumnOf(text, subject),
                             "'" + std::string(name) + "' is not a name of vehicle " +
                                 std::to_string(*id));
        }
    }
    const bool game = layout == GameLayout();
    if (fieldName == RowName) {
        if (!game) {
            throw ETextError(line, ColumnOf(text, fieldName),
                             "a row is of the game's fields ('" + std::string(GameLayout().Mark) +
                                 " row')");
        }
        return {layout, nullptr, true};
    }
    if (fieldName == PadBytesName) {
        if (PadOffsets(layout).empty()) {
            throw ETextError(line, ColumnOf(text, fieldName),
                             "only the game's fields have pad bytes ('" +
                                 std::string(GameLayout().Mark) + " pad bytes')");
        }
        return {layout, nullptr};
    }
    const TLayoutField* field = FindLayoutField(layout, fieldName);
    if (field == nullptr) {
        const TLayout* other = LayoutWithField(Layouts(), fieldName);
        throw ETextError(line, ColumnOf(text, fieldName),
                         "'" + std::string(fieldName) + "' is not a field" +
                             (other ? (game ? " of the game's (it is one of the editor's)"
                                            : " of the editor's (it is one of the game's: "
                                              "mark it '" +
                                                  std::string(other->Mark) + "')")
                                    : std::string()));
    }
    return {layout, field};
}

std::vector<std::uint8_t> ParseValue(const TPatchChange& change, std::string_view text) {
    if (change.Field == nullptr) {
        return ParseHexBytes(text, change.Offsets.size());
    }
    try {
        return FieldBytes(*change.Field, ParseValueText(*change.Field, text));
    } catch (const EKlarvonError& failure) {
        // The core's text as the editor's error box words it, then the field.
        throw ETextError(ErrorReportText(failure.what()) + " (" + std::string(change.Field->Name) +
                         ")");
    }
}

// A row line's side: "none", or the fourteen values as a cfg row writes them, each within
// its field's type; a fault is placed at the value.
std::vector<std::uint8_t> ParseRowValues(std::size_t line, std::string_view text,
                                         std::string_view values) {
    if (values == NoRowText) {
        return {};
    }
    const TLayout layout = GameLayout();
    TRecordBytes bytes{};
    std::size_t count = 0;
    std::size_t at = 0;
    while ((at = values.find_first_not_of(Blanks, at)) != std::string_view::npos) {
        const std::size_t end = std::min(values.find_first_of(Blanks, at), values.size());
        const std::string_view value = values.substr(at, end - at);
        if (count == layout.size()) {
            throw ETextError(line, ColumnOf(text, value),
                             "'" + std::string(value) + "' follows the row's " +
                                 std::to_string(layout.size()) + " values");
        }
        try {
            WriteField(layout[count], ParseCfgValue(layout[count], value), bytes);
        } catch (const ETextError& problem) {
            throw problem.At(line, ColumnOf(text, value)); // its text names the field
        }
        ++count;
        at = end;
    }
    if (count < layout.size()) {
        throw ETextError(line, ColumnOf(text, values) + values.size(),
                         "the row ends after " + std::to_string(count) + " of its " +
                             std::to_string(layout.size()) + " values, or '" +
                             std::string(NoRowText) + "'");
    }
    return {bytes.begin(), bytes.end()};
}

// One change line, or nothing for an "ID NAME: no change" line.
std::optional<TPatchChange> ParseLine(std::size_t line, std::string_view text) {
    std::size_t space = text.find(' ');
    const std::string_view first = text.substr(0, space);
    const std::size_t arrow = text.rfind(Arrow);
    const std::size_t mark =
        arrow == std::string_view::npos ? arrow : text.substr(0, arrow).rfind(ValueMark);
    const bool byId = !first.empty() && first.front() >= '0' && first.front() <= '9';
    // A line starting with a model name is one only in a patch line's shape (or as
    // "mycar: no change"); anything else is read as a line that should start with an ID.
    const bool byModel = !byId && (mark != std::string_view::npos ||
                                   (first.ends_with(':') && text.ends_with(NoChangeEnding)));
    TVehicle vehicle;
    if (!byModel) {
        vehicle = SlotVehicle(ParseId(line, first));
    } else {
        vehicle = ModelVehicle(first);
        space = first.size(); // no NAME word: the subject starts right after the model
    }
    if (text.ends_with(NoChangeEnding)) {
        return std::nullopt;
    }
    if (space == std::string_view::npos || mark == std::string_view::npos || mark <= space) {
        throw ETextError(line, 1, "not a patch line: ID NAME FIELD: OLD -> NEW");
    }
    const std::string_view subject = text.substr(space + 1, mark - space - 1);
    const TSubject parsed = ParseSubject(line, text, subject, byId ? vehicle.Id : std::nullopt);
    TPatchChange change{line, vehicle, parsed.Layout, parsed.Field, {}, {}, {}, parsed.Row};
    const std::size_t valueStart = mark + ValueMark.size();
    const std::string_view before = text.substr(valueStart, arrow - valueStart);
    const std::string_view after = text.substr(arrow + Arrow.size());
    if (change.Row) {
        change.Old = ParseRowValues(line, text, before);
        change.New = ParseRowValues(line, text, after);
        if (change.Old.empty() == change.New.empty()) {
            throw ETextError(line, ColumnOf(text, before),
                             "a row line adds a row or removes one: one side is '" +
                                 std::string(NoRowText) + "'");
        }
        return change;
    }
    if (parsed.Field == nullptr) {
        change.Offsets = PadOffsets(parsed.Layout);
    } else {
        for (std::size_t i = 0; i < TypeWidth(parsed.Field->Type); ++i) {
            change.Offsets.push_back(parsed.Field->Offset + i);
        }
    }
    for (const auto& [value, bytes] : {std::pair{before, &change.Old}, {after, &change.New}}) {
        try {
            *bytes = ParseValue(change, value);
        } catch (const ETextError& problem) {
            throw problem.At(line, ColumnOf(text, value));
        }
    }
    return change;
}

// Where a cfg row's decimals tell how the float a change is about was written, or none:
// the record is an executable's, or the change is not about one of the game's floats (the
// editor's Unknown7 straddles two of the game's fields).
std::optional<std::size_t> WrittenFloatOf(const TPatchChange& change,
                                          const TVehicleRecord& record) {
    if (change.Field == nullptr || change.Field->Type != TValueType::Float32) {
        return std::nullopt;
    }
    const TLayout game = GameLayout();
    for (std::size_t i = 0; i < game.size() && i < record.Decimals.size(); ++i) {
        if (game[i].Type == TValueType::Float32 && game[i].Offset == change.Field->Offset) {
            return i;
        }
    }
    return std::nullopt;
}

// Whether a cfg's float (found) stands for a patch's value as its text is written.
bool HoldsAsWritten(const TPatchChange& change, const TVehicleRecord& record,
                    std::optional<std::size_t> written, std::span<const std::uint8_t> value,
                    std::span<const std::uint8_t> found) {
    return written && SameAsWritten(LoadBits(change.Field->Type, value),
                                    LoadBits(change.Field->Type, found), record.Decimals[*written]);
}

// Whether a record holds a row line's values: each of the game's fields bit for bit, or, a
// cfg's float, where its text writes the value rounded.
bool HoldsRow(const TVehicleRecord& record, std::span<const std::uint8_t> row) {
    TRecordBytes bytes{};
    std::copy(row.begin(), row.end(), bytes.begin());
    const TLayout game = GameLayout();
    for (std::size_t i = 0; i < game.size(); ++i) {
        const TFieldBits value = ReadField(game[i], bytes);
        const TFieldBits found = ReadField(game[i], record.Bytes);
        const bool asWritten = game[i].Type == TValueType::Float32 && i < record.Decimals.size() &&
                               SameAsWritten(value, found, record.Decimals[i]);
        if (value != found && !asWritten) {
            return false;
        }
    }
    return true;
}

} // namespace

TPatch ParsePatch(std::string_view text) {
    TPatch patch;
    for (const auto& [lineNumber, raw] : SplitLines(text)) {
        const std::string_view line = TrimmedEnd(raw);
        const std::size_t first = line.find_first_not_of(Blanks);
        if (first == std::string_view::npos || line[first] == NoteMark) {
            continue;
        }
        if (const std::size_t column = ControlCharacterColumn(line, Blanks)) {
            throw ETextError(lineNumber, column, "a control character where text should be");
        }
        if (line.starts_with(IdenticalLine)) {
            patch.SaysNoChange = true;
            continue;
        }
        if (std::optional<TPatchChange> change = ParseLine(lineNumber, line)) {
            patch.Changes.push_back(std::move(*change));
        } else {
            patch.SaysNoChange = true;
        }
    }
    return patch;
}

std::string ChangeValueText(const TPatchChange& change, std::span<const std::uint8_t> bytes) {
    if (change.Row) {
        std::optional<TRecordBytes> row;
        if (bytes.size() == RecordSize) {
            row.emplace();
            std::copy(bytes.begin(), bytes.end(), row->begin());
        }
        return RowText(row);
    }
    if (change.Field == nullptr) {
        return BytesHex(bytes);
    }
    return StoredText(*change.Field, LoadBits(change.Field->Type, bytes));
}

std::vector<TConflict> ApplyPatch(std::span<const TPatchChange> changes, TPatchDirection direction,
                                  std::vector<TVehicleRecord>& records) {
    const bool reverse = direction == TPatchDirection::Reverse;
    std::unordered_map<std::string, std::size_t> byVehicle;
    const auto index = [&byVehicle, &records] {
        byVehicle.clear();
        for (std::size_t i = 0; i < records.size(); ++i) {
            byVehicle[VehicleKey(records[i].Vehicle)] = i;
        }
    };
    index();
    std::vector<TConflict> conflicts;
    for (std::size_t n = 0; n < changes.size(); ++n) {
        const TPatchChange& change = changes[reverse ? changes.size() - 1 - n : n];
        const std::string key = VehicleKey(change.Vehicle);
        const auto entry = byVehicle.find(key);
        const std::vector<std::uint8_t>& from = reverse ? change.New : change.Old;
        const std::vector<std::uint8_t>& to = reverse ? change.Old : change.New;
        if (entry == byVehicle.end()) {
            if (change.Row && from.empty()) {
                TVehicleRecord added{change.Vehicle, {}, {}, {}};
                std::copy(to.begin(), to.end(), added.Bytes.begin());
                byVehicle[key] = records.size();
                records.push_back(std::move(added));
            } else {
                conflicts.push_back({&change, {}, true});
            }
            continue;
        }
        TVehicleRecord& record = records[entry->second];
        if (change.Row) {
            // A row is added only where there is none, and removed only where it holds the
            // line's values, so a row changed since is never taken out unseen.
            if (from.empty() || !HoldsRow(record, from)) {
                conflicts.push_back({&change, {record.Bytes.begin(), record.Bytes.end()}, false});
            } else {
                records.erase(records.begin() + static_cast<std::ptrdiff_t>(entry->second));
                index();
            }
            continue;
        }
        std::vector<std::uint8_t> found = BytesAt(record.Bytes, change.Offsets);
        // A cfg's float is the patch's value where its text writes that value rounded; it
        // is kept where it already writes the new one, so only real changes are written.
        const std::optional<std::size_t> written = WrittenFloatOf(change, record);
        if (found != from && !HoldsAsWritten(change, record, written, from, found)) {
            conflicts.push_back({&change, std::move(found), false});
            continue;
        }
        if (found == to || HoldsAsWritten(change, record, written, to, found)) {
            continue;
        }
        for (std::size_t i = 0; i < change.Offsets.size(); ++i) {
            record.Bytes[change.Offsets[i]] = to[i];
        }
        if (written) {
            record.Decimals[*written] = AllDecimals; // its text is now the value's own
        }
    }
    if (reverse) {
        std::reverse(conflicts.begin(), conflicts.end());
    }
    return conflicts;
}

} // namespace klarvon::exchange

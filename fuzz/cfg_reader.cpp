// The companion's reader of the limit adjuster's audio cfg: any text is rows or faults that
// point into the text; rows written back as a cfg read back the same; each value's cfg text
// reads back to the same bits; and the cfg as a document gives back its very text when
// nothing is edited, and after an edit of one row and an added model re-reads with those
// rows changed and every other row as it was.

#include "exchange/AudioCfg.h"
#include "exchange/CfgDocument.h"
#include "exchange/CfgExport.h"
#include "fuzz/FuzzSupport.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <stdexcept>

namespace {

using namespace klarvon;
using namespace klarvon::exchange;
using klarvon::fuzz::Check;

constexpr std::string_view AddedModel = "fuzz_added_car";

void CheckErrorPlace(const ETextError& error, std::string_view text) {
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    Check(error.Line >= 1 && error.Line <= lines, "error line outside the text", error.what());
    Check(error.Column >= 1 && error.Column <= text.size() + 1, "error column outside the text",
          error.what());
    Check(std::strlen(error.what()) > 0, "error without a problem");
}

void CheckErrorsPlaces(const ETextErrors& errors, std::string_view text) {
    Check(!errors.Errors.empty(), "faults thrown without a fault");
    for (std::size_t i = 0; i < errors.Errors.size(); ++i) {
        CheckErrorPlace(errors.Errors[i], text);
        Check(i == 0 || errors.Errors[i - 1].Line < errors.Errors[i].Line,
              "faults not one per row in line order", errors.Errors[i].what());
    }
}

// Rows, written as a cfg and read again, give the same models and values.
void CheckRowsRoundTrip(const std::vector<TCfgRow>& rows) {
    std::vector<TCfgEntry> entries;
    std::vector<const TCfgRow*> written;
    for (const TCfgRow& row : rows) {
        try {
            CheckCfgModelName(row.Model);
        } catch (const ETextError&) {
            continue; // read where a row cannot be written: inside a line, after a blank
        }
        entries.push_back({row.Model, RowBytes(row)});
        written.push_back(&row);
    }
    for (const TCfgForm form : {TCfgForm::WholeFile, TCfgForm::RowsOnly}) {
        const std::vector<TCfgRow> again = ParseAudioCfg(FormatAudioCfg(entries, form));
        Check(again.size() == written.size(), "written rows read back as another count");
        for (std::size_t i = 0; i < again.size(); ++i) {
            Check(again[i].Model == written[i]->Model && again[i].Values == written[i]->Values,
                  "written row reads back different", written[i]->Model);
        }
    }
}

// Values of every length a field's text can have, drawn from the text's hash; floats
// finite, some integral and some not.
std::array<TFieldBits, CfgValueCount> SomeValues(std::size_t seed) {
    std::array<TFieldBits, CfgValueCount> values{};
    const TLayout layout = GameLayout();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const auto draw = static_cast<std::int32_t>((seed >> (i % 16)) ^ (seed * (i + 1)));
        if (layout[i].Type == TValueType::Float32) {
            values[i] = BitsOfFloat(static_cast<float>(draw % 100000) / 64.0F);
        } else {
            const TValueRange& range = RangeOf(layout[i].Type);
            const std::int64_t span = range.Max - range.Min + 1;
            values[i] = BitsOfInteger(layout[i].Type, range.Min + (draw % span + span) % span);
        }
    }
    return values;
}

void CheckDocument(const TCfgDocument& document, const std::string& text) {
    Check(document.Edited({}) == text, "a document with no edit is not its text");

    const std::size_t seed = std::hash<std::string>{}(text);
    const std::vector<TCfgDocumentRow>& rows = document.Rows();
    const std::size_t edited = seed % rows.size();
    const TCfgDocumentRow* target = document.EffectiveRow(rows[edited].Row.Model);
    const bool adds = document.EffectiveRow(AddedModel) == nullptr;
    std::vector<TCfgEdit> edits{{rows[edited].Row.Model, SomeValues(seed)}};
    if (adds) {
        edits.push_back({std::string(AddedModel), SomeValues(seed / 3)});
    }
    const TCfgDocument again(document.Edited(edits));
    const std::vector<TCfgDocumentRow>& after = again.Rows();
    Check(after.size() == rows.size() + (adds ? 1 : 0), "an edit changed the number of rows");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& expected = &rows[i] == target ? edits[0].Values : rows[i].Row.Values;
        Check(after[i].Row.Model == rows[i].Row.Model && after[i].Row.Line == rows[i].Row.Line &&
                  after[i].Row.Values == expected,
              "an edit left a row other than asked", rows[i].Row.Model);
    }
    if (adds) {
        Check(after.back().Row.Model == AddedModel && after.back().Row.Values == edits[1].Values,
              "an added model reads back different");
    }
}

// Each field's reading of a piece of the text: a value whose cfg text reads back the
// same, or ETextError.
void CheckValues(std::string_view piece) {
    for (const TLayoutField& field : GameLayout()) {
        TFieldBits bits = 0;
        try {
            bits = ParseCfgValue(field, piece);
        } catch (const ETextError&) {
            continue;
        }
        const std::string text = CfgValueText(field, bits);
        Check(ParseCfgValue(field, text) == bits, "cfg value text does not read back", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText({data, size});
    std::optional<std::vector<TCfgRow>> rows;
    try {
        rows = ParseAudioCfg(text);
    } catch (const ETextErrors& errors) {
        CheckErrorsPlaces(errors, text);
    }
    if (rows) {
        CheckRowsRoundTrip(*rows);
    }
    std::optional<TCfgDocument> document;
    try {
        document.emplace(std::string(text));
    } catch (const ETextErrors& errors) {
        CheckErrorsPlaces(errors, text);
    } catch (const ETextError& error) {
        Check(error.Line == 0, "a whole-text fault with a place", error.what());
    }
    if (document) {
        CheckDocument(*document, document->Text());
    }
    const std::size_t end = std::min(text.find_first_of(" \t\r\n"), text.size());
    CheckValues(text.substr(0, end));
    return 0;
}

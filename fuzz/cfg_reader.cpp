// The companion's reader of the limit adjuster's audio cfg: any text is rows or one
// ETextError that points into the text; rows written back as a cfg read back the same; and
// each value's cfg text reads back to the same bits.

#include "exchange/AudioCfg.h"
#include "fuzz/FuzzSupport.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

using namespace klarvon;
using namespace klarvon::exchange;
using klarvon::fuzz::Check;

void CheckErrorPlace(const ETextError& error, std::string_view text) {
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    Check(error.Line >= 1 && error.Line <= lines, "error line outside the text", error.what());
    Check(error.Column >= 1 && error.Column <= text.size() + 1, "error column outside the text",
          error.what());
    Check(std::strlen(error.what()) > 0, "error without a problem");
}

// Rows of known models, written as a cfg and read again, give the same values.
void CheckRowsRoundTrip(const std::vector<TCfgRow>& rows) {
    std::vector<TCfgEntry> entries;
    std::vector<const TCfgRow*> written;
    for (const TCfgRow& row : rows) {
        if (!row.Id || *row.Id > 611) {
            continue;
        }
        TCfgEntry entry{row.Model, {}};
        const TLayout layout = GameLayout();
        for (std::size_t i = 0; i < layout.size(); ++i) {
            WriteField(layout[i], row.Values[i], entry.Bytes);
        }
        entries.push_back(entry);
        written.push_back(&row);
    }
    for (const TCfgForm form : {TCfgForm::WholeFile, TCfgForm::RowsOnly}) {
        const std::vector<TCfgRow> again = ParseAudioCfg(FormatAudioCfg(entries, form));
        Check(again.size() == written.size(), "written rows read back as another count");
        for (std::size_t i = 0; i < again.size(); ++i) {
            Check(again[i].Id == written[i]->Id && again[i].Values == written[i]->Values,
                  "written row reads back different", written[i]->Model);
        }
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
    try {
        CheckRowsRoundTrip(ParseAudioCfg(text));
    } catch (const ETextError& error) {
        CheckErrorPlace(error, text);
    }
    const std::size_t end = std::min(text.find_first_of(" \t\r\n"), text.size());
    CheckValues(text.substr(0, end));
    return 0;
}

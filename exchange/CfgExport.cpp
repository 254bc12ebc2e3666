#include "exchange/CfgExport.h"

#include "catalogue/ModelNames.h"
#include "exchange/AudioCfg.h"
#include "exchange/TextError.h"
#include "table/FieldLayout.h"

#include <algorithm>
#include <array>
#include <vector>

namespace klarvon::exchange {

namespace {

constexpr std::string_view NameHeading = "; A";
constexpr char FirstValueLetter = 'B';
constexpr std::string_view NameLegend = "A model name";
constexpr std::string_view ColumnGap = "  ";
constexpr std::size_t LegendWidth = 80;

constexpr std::string_view LegendIntro =
    "; Vehicle audio settings: one row per model, its columns lettered as the loader's\n";

// One line of the table: its cells in columns, each padded to the column's width.
using TCells = std::array<std::string, CfgValueCount + 1>;
using TWidths = std::array<std::size_t, CfgValueCount + 1>;

std::string ValueLetter(std::size_t value) {
    return std::string(1, static_cast<char>(FirstValueLetter + value));
}

void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    out.append(width - text.size(), ' ');
}

// The letters of the columns with the fields they stand for, wrapped.
std::string Legend() {
    std::string legend(LegendIntro);
    std::string line(1, CfgCommentMark);
    std::vector<std::string> items{std::string(NameLegend)};
    const TLayout layout = GameLayout();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        items.push_back(ValueLetter(i) + ' ' + std::string(layout[i].Name));
    }
    for (const std::string& item : items) {
        if (line.size() + ColumnGap.size() + item.size() > LegendWidth) {
            legend.append(line).push_back('\n');
            line.assign(1, CfgCommentMark);
        }
        line += ColumnGap;
        line += item;
    }
    legend.append(line).push_back('\n');
    return legend;
}

// An entry's cells; a value no row can hold is named with the vehicle it belongs to.
TCells EntryCells(const TCfgEntry& entry) {
    CheckCfgModelName(entry.Model);
    const TLayout layout = GameLayout();
    TCells cells;
    cells[0] = entry.Model;
    for (std::size_t i = 0; i < CfgValueCount; ++i) {
        try {
            cells[i + 1] = CfgValueText(layout[i], ReadField(layout[i], entry.Bytes));
        } catch (const ETextError& problem) {
            const std::optional<int> id = IdOfModelName(entry.Model);
            throw ETextError((id ? std::to_string(*id) + ' ' : std::string()) + entry.Model + ' ' +
                             problem.what());
        }
    }
    return cells;
}

void AppendLine(std::string& out, const TCells& cells, const TWidths& widths) {
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
}

} // namespace

std::string FormatAudioCfg(std::span<const TCfgEntry> entries, TCfgForm form) {
    std::vector<TCells> table;
    TWidths widths{NameHeading.size()};
    for (std::size_t i = 1; i < widths.size(); ++i) {
        widths[i] = 1; // the column's letter
    }
    for (const TCfgEntry& entry : entries) {
        const TCells& cells = table.emplace_back(EntryCells(entry));
        for (std::size_t i = 0; i < cells.size(); ++i) {
            widths[i] = std::max(widths[i], cells[i].size());
        }
    }
    std::string out;
    if (form == TCfgForm::WholeFile) {
        out += Legend();
        TCells heading{std::string(NameHeading)};
        for (std::size_t i = 0; i < CfgValueCount; ++i) {
            heading[i + 1] = ValueLetter(i);
        }
        AppendLine(out, heading, widths);
    }
    for (const TCells& cells : table) {
        AppendLine(out, cells, widths);
    }
    if (form == TCfgForm::WholeFile) {
        out += std::string(CfgEndMark) + '\n';
    }
    return out;
}

std::string RecordsAsCfg(std::span<const TVehicleRecord> records, TCfgForm form) {
    std::vector<TCfgEntry> entries;
    for (const TVehicleRecord& record : records) {
        for (const TLayoutField& field : GameLayout()) {
            try {
                CfgValueText(field, ReadField(field, record.Bytes));
            } catch (const ETextError& problem) {
                throw ETextError(VehicleIdText(record.Vehicle) + ' ' + record.Vehicle.Model + ' ' +
                                 problem.what());
            }
        }
        entries.push_back({record.Vehicle.Model, record.Bytes});
    }
    return FormatAudioCfg(entries, form);
}

} // namespace klarvon::exchange

#include "exchange/PackCheck.h"

#include "catalogue/MisspeltModel.h"
#include "catalogue/ModelNames.h"

#include <algorithm>

namespace klarvon::exchange {

namespace {

constexpr std::string_view MarkWord = "klarvon:";
constexpr std::string_view IntendedWord = "intended";
constexpr std::string_view RuleSeparators = " \t\r\v\f,";

// The comment that begins at the first word of part, if that word starts one.
std::optional<std::string_view> CommentOf(std::string_view part) {
    const std::size_t first = part.find_first_not_of(CfgBlanks);
    if (first == std::string_view::npos || part[first] != CfgCommentMark) {
        return std::nullopt;
    }
    return part.substr(first + 1);
}

// The words after "klarvon: intended" in a comment, up to its end or a ';', in lower case
// as the rule names are.
void AddMarkedRules(std::string_view comment, std::vector<std::string>& rules) {
    const std::string lower = LowerCaseName(comment);
    const std::size_t mark = lower.find(MarkWord);
    if (mark == std::string::npos) {
        return;
    }
    std::string_view rest = std::string_view(lower).substr(mark + MarkWord.size());
    const std::size_t word = rest.find_first_not_of(CfgBlanks);
    if (word == std::string_view::npos || !rest.substr(word).starts_with(IntendedWord)) {
        return;
    }
    rest = rest.substr(word + IntendedWord.size());
    rest = rest.substr(0, std::min(rest.find(CfgCommentMark), rest.size()));
    // "intended" must stand as a word of its own.
    if (!rest.empty() && RuleSeparators.find(rest.front()) == std::string_view::npos) {
        return;
    }
    std::size_t at = 0;
    while ((at = rest.find_first_not_of(RuleSeparators, at)) != std::string_view::npos) {
        const std::size_t end = std::min(rest.find_first_of(RuleSeparators, at), rest.size());
        rules.emplace_back(rest.substr(at, end - at));
        at = end;
    }
}

// The text of the line before the one that begins at lineStart, without its line end; none
// for the first line.
std::optional<std::string_view> LineBefore(std::string_view text, std::size_t lineStart) {
    if (lineStart == 0 || text[lineStart - 1] != '\n') {
        return std::nullopt;
    }
    std::string_view before = text.substr(0, lineStart - 1);
    if (before.ends_with('\r')) {
        before.remove_suffix(1);
    }
    const std::size_t start = before.rfind('\n');
    before = start == std::string_view::npos ? before : before.substr(start + 1);
    return before.starts_with(CfgByteOrderMark) ? before.substr(CfgByteOrderMark.size()) : before;
}

} // namespace

std::optional<TFinding> MisspeltModelFinding(const TVehicle& vehicle) {
    if (vehicle.Id) {
        return std::nullopt;
    }
    const std::optional<std::string_view> meant = MisspeltStockModel(vehicle.Model);
    if (!meant) {
        return std::nullopt;
    }
    return TFinding{NotStockModelRule, TSeverity::Note, nullptr, 0,
                    "not a stock model: added as a new vehicle; did you mean " +
                        std::string(*meant) + "?"};
}

std::optional<std::string> MisspeltModelWarning(const TVehicle& vehicle) {
    const std::optional<TFinding> finding = MisspeltModelFinding(vehicle);
    if (!finding) {
        return std::nullopt;
    }
    return "warning: " + vehicle.Model + ": " + finding->What;
}

std::vector<std::string> IntendedRules(std::string_view text, const TCfgDocumentRow& row) {
    std::vector<std::string> rules;
    const TTextSpan& last = row.ValueSpans.back();
    const std::size_t afterValues = last.Offset + last.Length;
    std::string_view rest = text.substr(afterValues);
    rest = rest.substr(0, std::min(rest.find('\n'), rest.size()));
    if (const std::optional<std::string_view> comment = CommentOf(rest)) {
        AddMarkedRules(*comment, rules);
    }
    const std::size_t newline = text.rfind('\n', row.ModelSpan.Offset);
    const std::size_t lineStart = newline == std::string_view::npos ? 0 : newline + 1;
    if (const std::optional<std::string_view> before = LineBefore(text, lineStart)) {
        if (const std::optional<std::string_view> comment = CommentOf(*before)) {
            AddMarkedRules(*comment, rules);
        }
    }
    return rules;
}

std::vector<TRecordFinding> CheckPack(std::span<const TVehicleRecord> records,
                                      const TCfgDocument* cfg, const TBankFacts& banks) {
    std::vector<TRecordFinding> findings;
    for (const TVehicleRecord& record : records) {
        std::vector<std::string> intended;
        if (cfg != nullptr) {
            const auto row = std::find_if(
                cfg->Rows().begin(), cfg->Rows().end(),
                [&record](const TCfgDocumentRow& r) { return r.Row.Line == record.Place.Line; });
            if (row != cfg->Rows().end()) {
                intended = IntendedRules(cfg->Text(), *row);
            }
        }
        const auto marked = [&intended](std::string_view rule) {
            return std::find(intended.begin(), intended.end(), rule) != intended.end();
        };
        const auto mark = [&marked](TRecordFinding found) {
            const std::optional<std::string_view> former = FormerRule(found.Finding);
            found.Intended = marked(found.Finding.Rule) || (former && marked(*former));
            return found;
        };
        if (std::optional<TFinding> misspelt = MisspeltModelFinding(record.Vehicle)) {
            findings.push_back(mark({record, std::move(*misspelt)}));
        }
        for (TRecordFinding& found : CheckRecords(std::span(&record, 1), banks)) {
            findings.push_back(mark(std::move(found)));
        }
    }
    return findings;
}

} // namespace klarvon::exchange

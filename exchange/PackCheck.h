#pragma once
// `check` as a mod pack needs it, beyond the game's rules (Findings.h): a note on a cfg
// row whose model name is a stock model's misspelt (the row silently becomes a new
// vehicle), and findings the cfg itself marks as intended, in a comment the loader
// ignores, on the row after its values or alone on the line just before it:
//
//   ; klarvon: intended no-vehicle-audio, no-horn (an electric car)
//   mycar 10 -1 -1 0 1 1 -1 1 2 0 13 0 0 0
//   infernos 0 38 37 1 0.9 1 8 1.12 2 0 6 0 2 0   ; klarvon: intended not-a-stock-model
//
// After "klarvon:" and "intended" (in any case), the words up to the end of the comment (or
// the next ';') are rule names as `check --json` gives them, separated by blanks or commas;
// a word that names no rule is ignored, so a reason may follow. A mark written before the
// banks were judged by size and kind ("general-bank") holds for the finding that now speaks
// for the value (FormerRule).

#include "exchange/CfgDocument.h"
#include "exchange/Findings.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon::exchange {

inline constexpr std::string_view NotStockModelRule = "not-a-stock-model";

// The note on an added vehicle whose name is near a stock model's (MisspeltStockModel), about
// its model name (Field null): "not a stock model: added as a new vehicle; did you mean
// infernus?". None for a slot or a name near none.
std::optional<TFinding> MisspeltModelFinding(const TVehicle& vehicle);

// The warning of a command that adds such a vehicle's row (no line end):
// "warning: infernos: not a stock model: added as a new vehicle; did you mean infernus?".
std::optional<std::string> MisspeltModelWarning(const TVehicle& vehicle);

// The rule names marked as intended for a row of the cfg text, on the row and on the line
// just before it, in that order.
std::vector<std::string> IntendedRules(std::string_view text, const TCfgDocumentRow& row);

// Every finding of the records, in their order, each record's misspelt name first, then the
// rules' in their fields' order (CheckRecords). cfg: the document the records are rows of,
// whose marks set Intended; null for an executable. banks: as CheckRecords judges by.
std::vector<TRecordFinding> CheckPack(std::span<const TVehicleRecord> records,
                                      const TCfgDocument* cfg,
                                      const TBankFacts& banks = StockBankFacts());

} // namespace klarvon::exchange

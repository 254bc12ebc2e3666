#pragma once
// What the game does with the values of a vehicle's audio record: the values known to
// leave a vehicle silent, without a horn, doors or radio, or to risk a crash (problems),
// and those whose effect is likely but unproven (notes). Facts of the game, each rule with
// what it protects against; the fields are the game's (GameLayout()).

#include "catalogue/BankFacts.h"
#include "table/FieldLayout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon {

enum class TSeverity { Problem, Note };

struct TFinding {
    std::string_view Rule; // a short stable name for scripts ("no-horn")
    TSeverity Severity;
    const TLayoutField* Field; // the value the finding is about, in GameLayout()
    TFieldBits Value;          // its bits
    std::string What;          // what the game does: "no horn (...)"
};

// The model kind the stock game gives a slot's model (VehicleAudioType), for 400..611;
// none for the slots after them.
std::optional<int> StockAudioType(int id);

// Every finding for one record, problems and notes, in the order of the fields they are
// about, at most one per field: the gravest that applies. id: the slot, none for a vehicle
// a mod adds (which has no stock kind); the slots after the model names (612..630) serve no
// stock vehicle and give none; others throw std::out_of_range. model: the model name of an
// added vehicle, any case, which some rules depend on (a slot's is its own). banks: the
// banks' sizes and the slots' as the game the record is for has them; with a user's own
// files (UsersFolder) a bank they cannot load is a problem, and a bank past the stock ones
// is judged by them.
std::vector<TFinding> CheckRecord(std::optional<int> id, std::string_view model,
                                  const TRecordBytes& bytes,
                                  const TBankFacts& banks = StockBankFacts());

// The rule that spoke for the value before the banks were judged by their size and kind
// ("general-bank", "not-vehicle-bank"), for a finding on a bank that now speaks in its
// place; a cfg's mark of intent naming it still holds for the finding. None for others.
std::optional<std::string_view> FormerRule(const TFinding& finding);

std::string_view SeverityName(TSeverity severity); // "problem", "note"

} // namespace klarvon

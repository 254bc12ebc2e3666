#pragma once
// The game's findings about records (catalogue/AudioRules.h) as `check` prints them and as
// the writing commands warn of them:
//
//   problem: 411 infernus HornType: 12: no horn (...)            an executable's record
//   mods.cfg:7:31: problem: 411 infernus HornType: 12: no horn   a cfg row, at the value
//   warning: 411 infernus HornType: 12: no horn (...)            a value a command writes
//
// An added vehicle's ID is "-". Values are written as a cfg writes them; a float that is
// infinite or not a number, which no cfg can hold, as its bits ("0x7FC00000").

#include "catalogue/AudioRules.h"
#include "exchange/Vehicle.h"

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon::exchange {

struct TRecordFinding {
    TVehicleRecord Record; // the record the finding is about, with where it was read
    TFinding Finding;      // Field null: about the row's model name (see PackCheck.h)
    bool Intended = false; // marked as intended in the cfg (see PackCheck.h)
};

// Every finding of the records, in their order, each record's in its fields' order, the
// banks judged by the facts given (CheckRecord).
std::vector<TRecordFinding> CheckRecords(std::span<const TVehicleRecord> records,
                                         const TBankFacts& banks = StockBankFacts());

bool HasProblem(std::span<const TRecordFinding> findings);

// The value of a finding as the lines print it.
std::string FindingValueText(const TFinding& finding);

// "FIELD: VALUE: WHAT", the words of a finding after its vehicle:
// "PlayerBank: 710: likely crash: ...".
std::string FindingText(const TFinding& finding);

// `check`'s last line (no line end): "2 problems, 1 note in 231 vehicles".
std::string CountLine(std::span<const TRecordFinding> findings, std::size_t vehicles);

// One line of `check` (no line end): "SEVERITY: ID MODEL FIELD: VALUE: WHAT", for a cfg
// row preceded by "SOURCE:LINE:COLUMN: " of the value. source: the file as the user named it.
// A finding about the model name is "SEVERITY: ID MODEL: WHAT" at the name's column; one
// marked as intended says "SEVERITY (intended): ", which a search for "problem: " passes by.
std::string CheckLine(std::string_view source, const TRecordFinding& finding);

// `check`'s last line with a count per rule (no line end):
// "3 problems (2 bank-never-loaded, 1 no-horn), 6 notes (6 no-vehicle-audio) in 246 vehicles",
// the rules of each by count, the most first, ties by name. The findings marked as intended
// are counted apart: "; 20 marked intended (hidden; --all shows them)", or when they are
// listed (intendedShown), with their rules: "; 20 marked intended (20 no-vehicle-audio)".
std::string RuleCountLine(std::span<const TRecordFinding> findings, std::size_t vehicles,
                          bool intendedShown);

// `check --json`: an array with one object per line, keys file, line, column (null for
// an executable), id (null for an added vehicle), model, field, value (a string, as the
// lines print it; both null for a finding about the model name), severity, rule, what,
// intended. Names that are not UTF-8 are written as JsonSafeText (JsonText.h) makes them.
// The document is made whole before any of it is written.
void WriteCheckJson(std::string_view source, std::span<const TRecordFinding> findings,
                    std::ostream& out);

// The warning a writing command prints (no line end): "warning: ID MODEL FIELD: VALUE: WHAT".
std::string WarningLine(const TVehicle& vehicle, const TFinding& finding);

// The problems of a record that a writing command makes: those of after that before did not
// have (the same rule about the same field), so a change never warns of what was already
// there. A row a command adds has no before: all its problems are new.
std::vector<TFinding> NewProblems(const TVehicle& vehicle, const TRecordBytes& before,
                                  const TRecordBytes& after,
                                  const TBankFacts& banks = StockBankFacts());
std::vector<TFinding> Problems(const TVehicle& vehicle, const TRecordBytes& bytes,
                               const TBankFacts& banks = StockBankFacts());

} // namespace klarvon::exchange

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
    TFinding Finding;
};

// Every finding of the records, in their order, each record's in its fields' order.
std::vector<TRecordFinding> CheckRecords(std::span<const TVehicleRecord> records);

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
std::string CheckLine(std::string_view source, const TRecordFinding& finding);

// `check --json`: an array with one object per line, keys file, line, column (null for
// an executable), id (null for an added vehicle), model, field, value (a string, as the
// lines print it), severity, rule, what.
void WriteCheckJson(std::string_view source, std::span<const TRecordFinding> findings,
                    std::ostream& out);

// The warning a writing command prints (no line end): "warning: ID MODEL FIELD: VALUE: WHAT".
std::string WarningLine(const TVehicle& vehicle, const TFinding& finding);

// The problems of a record that a writing command makes: those of after that before did not
// have (the same rule about the same field), so a change never warns of what was already
// there. A row a command adds has no before: all its problems are new.
std::vector<TFinding> NewProblems(const TVehicle& vehicle, const TRecordBytes& before,
                                  const TRecordBytes& after);
std::vector<TFinding> Problems(const TVehicle& vehicle, const TRecordBytes& bytes);

} // namespace klarvon::exchange

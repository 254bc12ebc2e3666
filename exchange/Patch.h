#pragma once
// The change lines that diff, set, copy, import-cfg and apply print, read back as a
// patch, and a patch applied to a table in memory. Text in, changes or errors out; no
// file is touched here.
//
//   ID NAME [--game] FIELD: OLD -> NEW
//   ID NAME [--game] pad bytes: OLDHEX -> NEWHEX
//   MODEL [--game] FIELD: OLD -> NEW      (a vehicle a mod adds, which only a cfg holds)
//   ID NAME --game row: none -> VALUES    (a cfg's row added; "VALUES -> none" removed)
//   MODEL --game row: none -> VALUES
//
// "--game" marks a field of the game's layout; values are as dump prints them. Lines
// starting with '#' and blank lines are notes, and the "ID NAME: no change" and
// "identical: ..." lines change nothing.

#include "exchange/TextError.h"
#include "exchange/Vehicle.h"
#include "table/FieldLayout.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon::exchange {

struct TPatchChange {
    std::size_t Line; // 1-based
    TVehicle Vehicle;
    TLayout Layout;                     // EditorLayout() or GameLayout()
    const TLayoutField* Field;          // nullptr for the layout's pad bytes
    std::vector<std::size_t> Offsets;   // the record bytes the line is about
    std::vector<std::uint8_t> Old, New; // those bytes before and after
    // A whole cfg row added or removed: Old and New are a record's bytes (pad bytes zero),
    // or empty for no row; Field and Offsets are unused.
    bool Row = false;
};

struct TPatch {
    std::vector<TPatchChange> Changes; // in the order written
    bool SaysNoChange = false;         // it held an "identical" or "no change" line
};

// Every line read and checked (the ID, that the name is one of the slot's, the field,
// both values within the field's type; a row line's fourteen values each within its
// field's type, one side "none"); the first fault throws ETextError with its line and
// column.
TPatch ParsePatch(std::string_view text);

// The value a change's bytes stand for, as its line writes it.
std::string ChangeValueText(const TPatchChange& change, std::span<const std::uint8_t> bytes);

enum class TPatchDirection { Forward, Reverse };

struct TConflict {
    const TPatchChange* Change;
    std::vector<std::uint8_t> Found; // what the table holds instead of the expected bytes
    bool Missing = false;            // the table has no record of the line's vehicle
};

// Applies the changes one after another (the last first in reverse) to the records of a
// table: each line finds its vehicle's record and there its OLD bytes (NEW in reverse), and
// puts NEW (OLD). A line that finds anything else, or no such vehicle, is a conflict and
// changes nothing. In a cfg's record (one with Decimals) a float of the game's is found
// where its text writes the value rounded (WrittenFloat.h), and is left as it is written
// where it already writes the value to put. A row line adds the row where the vehicle has
// none (a conflict where it has one) and removes it where the row holds the line's values
// (a conflict where it holds others, or none).
std::vector<TConflict> ApplyPatch(std::span<const TPatchChange> changes, TPatchDirection direction,
                                  std::vector<TVehicleRecord>& records);

} // namespace klarvon::exchange

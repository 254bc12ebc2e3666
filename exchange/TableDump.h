#pragma once
// The whole table as `dump` prints it: CSV, or JSON with one object per line inside the
// array, so that the output is valid JSON and still diffs line by line. Both name the
// vehicle (id, list caption, model name), give each field of the layout in stored order,
// then the record's 36 bytes as hex.

#include "exchange/Vehicle.h"
#include "table/FieldLayout.h"

#include <ostream>
#include <span>
#include <string_view>

namespace klarvon::exchange {

// records: an executable's 231 slots, ID 400 first, or a cfg's models. A header row, then
// one row per record; cells quoted as RFC 4180 says, lines ending in LF. An added vehicle
// has an empty id and name.
void WriteTableCsv(TLayout layout, std::span<const TVehicleRecord> records, std::ostream& out);

// For a field that holds a sound bank (the game's PlayerBank and DummyBank), the stock name
// of the bank it holds ("Cobra V8 sports car engine, player bank"); empty for any other
// field, and for a number the stock game has no bank for (-1).
std::string_view BankNameOfField(const TLayoutField& field, TFieldBits bits);

// The key after a bank field (BankNameOfField) that names its bank in JSON: "PlayerBankName".
std::string BankNameKey(const TLayoutField& field);

// The same keys in the same order, and after each bank field its BankNameKey (the name, or
// null); integers as JSON numbers, floats as JSON strings (their
// text, which reads back to the same bits), a missing id, name or model as null, a model
// name that is not UTF-8 as JsonSafeText (JsonText.h) makes it. The document is made whole
// before any of it is written.
void WriteTableJson(TLayout layout, std::span<const TVehicleRecord> records, std::ostream& out);

} // namespace klarvon::exchange

#pragma once
// The whole table as `dump` prints it: CSV, or JSON with one object per line inside the
// array, so that the output is valid JSON and still diffs line by line. Both name the
// slot (id, list caption, model name), give each field of the layout in stored order,
// then the record's 36 bytes as hex.

#include "table/FieldLayout.h"

#include <ostream>
#include <vector>

namespace klarvon::exchange {

// records: all 231, ID 400 first. A header row, then one row per slot; cells quoted as
// RFC 4180 says, lines ending in LF.
void WriteTableCsv(TLayout layout, const std::vector<TRecordBytes>& records, std::ostream& out);

// The same keys in the same order; integers as JSON numbers, floats as JSON strings (their
// text, which reads back to the same bits), a missing model as null.
void WriteTableJson(TLayout layout, const std::vector<TRecordBytes>& records, std::ostream& out);

} // namespace klarvon::exchange

#pragma once
// A table written as a vehicle audio cfg (AudioCfg.h): aligned rows under a legend of the
// loader's column letters, so a modder can read the columns as the limit adjuster does. Text
// out; no file is touched here.

#include "exchange/Vehicle.h"
#include "table/RecordBytes.h"

#include <span>
#include <string>

namespace klarvon::exchange {

struct TCfgEntry {
    std::string Model; // a stock model's or an added vehicle's; CheckCfgModelName
    TRecordBytes Bytes;
};

// Aligned rows, one per entry in the given order. A whole file has a legend comment
// first and ";the end" last; rows alone can be pasted into an existing cfg.
enum class TCfgForm { WholeFile, RowsOnly };
std::string FormatAudioCfg(std::span<const TCfgEntry> entries, TCfgForm form);

// The records of vehicles with model names as a cfg. A value no row can hold fails, naming
// its vehicle ("411 infernus ..."), before any text is made.
std::string RecordsAsCfg(std::span<const TVehicleRecord> records, TCfgForm form);

} // namespace klarvon::exchange

#pragma once
// The "ID NAME FIELD: a -> b" lines that `diff`, `set` and `copy` print.

#include "table/VehicleAudioRecord.h"

#include <cstddef>
#include <ostream>

namespace klarvon::cli {

// One line per field whose bits differ, in stored order; returns how many.
std::size_t WriteChanges(std::ostream& out, int id, const TVehicleAudioRecord& before,
                         const TVehicleAudioRecord& after);

// For `set` and `copy`: the changed fields, or "ID NAME: no change".
void WriteChangesOrNone(std::ostream& out, int id, const TVehicleAudioRecord& before,
                        const TVehicleAudioRecord& after);

} // namespace klarvon::cli

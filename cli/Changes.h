#pragma once
// The "ID NAME FIELD: a -> b" lines that `diff`, `set` and `copy` print, and the
// warning about engine banks the game cannot load.

#include "table/FieldLayout.h"

#include <cstddef>
#include <ostream>
#include <span>

namespace klarvon::cli {

// One line per field of the layout whose bits differ, in stored order, then one for
// the layout's pad bytes if any of them differ; returns how many lines.
std::size_t WriteChanges(std::ostream& out, TLayout layout, int id, const TRecordBytes& before,
                         const TRecordBytes& after);

// For `set` and `copy`: the changed fields, or "ID NAME: no change".
void WriteChangesOrNone(std::ostream& out, TLayout layout, int id, const TRecordBytes& before,
                        const TRecordBytes& after);

// A "warning: ..." line on warnings for each of the written fields that holds an
// engine bank above the game's last one; the record is written all the same.
void WarnAboutEngineBanks(std::ostream& warnings, int id,
                          std::span<const TLayoutField* const> written, const TRecordBytes& after);

} // namespace klarvon::cli

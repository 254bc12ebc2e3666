#pragma once
// The companion's way into a table: the core's table file refused when the editor would
// refuse it, and the one commit path of every writing command, for executables and cfgs
// alike.

#include "cli/Arguments.h"
#include "cli/Report.h"
#include "exchange/VehicleTable.h"
#include "table/FieldLayout.h"
#include "table/TableFile.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon::cli {

using exchange::TVehicle;
using exchange::TVehicleChange;
using exchange::TVehicleRecord;
using exchange::TVehicleTable;

// What a writing command makes of the file it was given.
struct TChangeSet {
    // The records that change; one whose After equals its Before is left out.
    std::vector<TVehicleChange> Changes;
    // The layout the command worked in, which names the fields in the report.
    TLayout Layout = EditorLayout();
    // Printed once the change is made (or would be, with --dry-run).
    std::string Report;
    // Printed instead of Report when nothing changes; nothing is written then.
    std::string NoChange;
};

// The change lines of one vehicle's change (see exchange/Changes.h); a row a cfg does not
// have yet, or one removed, is a line of the whole row: "mycar --game row: none -> 0 8 ...".
void WriteChangeLines(std::ostream& out, TLayout layout, const TVehicleChange& change);

// The change of one record, reported as its changed fields in layout, or as
// "ID NAME: no change".
TChangeSet ChangeOfOne(const TLayout& layout, const TVehicleChange& change);

// Every writing command's sequence, in one order for all: opens FILE (read-only for
// --dry-run, else for a change under the write lock), lets compute work out the change
// from what FILE holds, then, unless nothing changes: a warning for each problem the
// game will have with a value written, --dry-run's note or --backup and the commit, and
// the report; out notes the change as soon as it is made. Returns the exit code.
int RunChange(const TArguments& arguments, const std::string& path, TReport& out,
              const std::function<TChangeSet(const TVehicleTable& table)>& compute);

} // namespace klarvon::cli

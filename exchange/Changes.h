#pragma once
// The "ID NAME FIELD: a -> b" lines that `diff`, `set`, `copy` and `import-cfg` print; an
// added vehicle, which has no ID, is named by its model name alone: "mycar FIELD: a -> b".

#include "exchange/Vehicle.h"
#include "table/FieldLayout.h"

#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace klarvon::exchange {

inline constexpr std::string_view PadBytesName = "pad bytes";

// "ID NAME FIELD" ("MODEL FIELD" for an added vehicle), with the layout's mark before FIELD
// where it has one, so that a line read back as a patch knows its layout
// ("411 INFERNUS --game HornPitch: ...").
std::string ChangeSubject(TLayout layout, const TVehicle& vehicle, std::string_view field);

// One line per field of the layout whose bits differ, in stored order, then one for
// the layout's pad bytes if any of them differ; returns how many lines.
std::size_t WriteChanges(std::ostream& out, TLayout layout, const TVehicle& vehicle,
                         const TRecordBytes& before, const TRecordBytes& after);

} // namespace klarvon::exchange

#pragma once
// The "ID NAME FIELD: a -> b" lines that `diff`, `set`, `copy` and `import-cfg` print; an
// added vehicle, which has no ID, is named by its model name alone: "mycar FIELD: a -> b".
// A cfg's row added or removed whole is a line of its own, its values as the row writes
// them: "mycar --game row: none -> 0 81 80 0 1 1 6 1.1892071 4 0 4 0 1 0".

#include "exchange/Vehicle.h"
#include "table/FieldLayout.h"

#include <cstddef>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace klarvon::exchange {

inline constexpr std::string_view PadBytesName = "pad bytes";
// The "field" of a line about a whole row, and the value of a row that is not there.
inline constexpr std::string_view RowName = "row";
inline constexpr std::string_view NoRowText = "none";

// "ID NAME FIELD" ("MODEL FIELD" for an added vehicle), with the layout's mark before FIELD
// where it has one, so that a line read back as a patch knows its layout
// ("411 INFERNUS --game HornPitch: ...").
std::string ChangeSubject(TLayout layout, const TVehicle& vehicle, std::string_view field);

// One line per field of the layout whose bits differ, in stored order, then one for
// the layout's pad bytes if any of them differ; returns how many lines.
std::size_t WriteChanges(std::ostream& out, TLayout layout, const TVehicle& vehicle,
                         const TRecordBytes& before, const TRecordBytes& after);

// The fourteen values of a record as a cfg row writes them, blank-separated, or
// NoRowText for none. Throws ETextError for a float no row can hold.
std::string RowText(const std::optional<TRecordBytes>& row);

// "SUBJECT --game row: BEFORE -> AFTER" for a row added (before none) or removed (after
// none).
void WriteRowChange(std::ostream& out, const TVehicle& vehicle,
                    const std::optional<TRecordBytes>& before,
                    const std::optional<TRecordBytes>& after);

} // namespace klarvon::exchange

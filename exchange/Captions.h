#pragma once
// What the editor's radio buttons say, for `show`. The window keeps its own captions;
// these are trimmed of the padding some of them carry in the window.

#include "table/ValueCodes.h"

#include <cstddef>
#include <string_view>

namespace klarvon::exchange {

// The radio group that shows a field, or nullptr for a field shown otherwise.
const TChoiceTable* ChoiceTableOf(TField field);

// The caption of a row of a radio group.
std::string_view ChoiceCaption(const TChoiceTable& table, std::size_t row);

} // namespace klarvon::exchange

#include "ui/main/IntegerEntryFilter.h"

#include "table/Errors.h"
#include "table/TextConversions.h"

namespace klarvon {

namespace {

bool ReadsAsInteger(std::string_view text) {
    try {
        ParseInteger(text);
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

} // namespace

std::string FilterIntegerEntry(std::string_view text) {
    // The same end as taking one character per change notification until one sticks,
    // without a notification round per character.
    while (!text.empty() && !ReadsAsInteger(text)) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

} // namespace klarvon

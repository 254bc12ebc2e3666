#include "table/ValueCodes.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace klarvon {

std::size_t DecodeChoice(const TChoiceTable& table, TFieldBits stored) {
    // Compare as the field's own type, so an int16 0xFFFF is -1, not 65535, and can
    // never pose as a listed value.
    const std::int64_t value = IntegerValue(EditorField(table.Field).Type, stored);
    const auto listed = std::find(table.ListedValues.begin(), table.ListedValues.end(), value);
    return static_cast<std::size_t>(listed - table.ListedValues.begin());
}

TFieldBits EncodeChoice(const TChoiceTable& table, std::optional<std::size_t> checkedRow) {
    if (checkedRow && *checkedRow >= table.RowCount()) {
        throw std::out_of_range("No row " + std::to_string(*checkedRow) + " in the " +
                                std::string(EditorField(table.Field).Name) + " group");
    }
    const std::size_t otherRow = table.RowCount() - 1;
    const std::int32_t value = (checkedRow && *checkedRow < otherRow)
                                   ? table.ListedValues[*checkedRow]
                                   : table.OtherEncodesTo;
    return BitsOfInteger(EditorField(table.Field).Type, value);
}

int DecodeHornPosition(TFieldBits stored) {
    const std::int64_t value = IntegerValue(EditorField(TField::HornType).Type, stored);
    return static_cast<int>(std::clamp<std::int64_t>(value, HornSliderMin, HornSliderMax));
}

TFieldBits EncodeHornPosition(int position) {
    if (position < HornSliderMin || position > HornSliderMax) {
        throw std::out_of_range("Horn slider position " + std::to_string(position) + " outside " +
                                std::to_string(HornSliderMin) + ".." +
                                std::to_string(HornSliderMax));
    }
    const std::int32_t value = position == HornSliderMax ? HornNone : position;
    return BitsOfInteger(EditorField(TField::HornType).Type, value);
}

} // namespace klarvon

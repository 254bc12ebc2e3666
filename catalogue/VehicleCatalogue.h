#pragma once
// The vehicle slots the editor offers: IDs 400 to 630, their model names and the text
// of each line of the vehicle list.

#include "table/TableLocator.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace klarvon {

class TVehicleCatalogue {
public:
    static constexpr std::size_t NameTableLines = 233;

    // The model name of an ID (400..630); throws std::out_of_range otherwise.
    static std::string_view Name(int id);
    // 6 spaces, the ID, 10 spaces, the name.
    static std::string ItemText(int id);
    // Shown after "Vehicle slots :"; one less than the lines in the list.
    static std::string SlotCountText();
    // Hands the 231 lines, ID 400 first, to addLine; clears nothing itself.
    static void Fill(const std::function<void(const std::string&)>& addLine);
    // All 233 lines of the name table, including the two never shown.
    static std::span<const std::string_view> NameLines();
};

} // namespace klarvon

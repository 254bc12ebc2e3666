#pragma once
// The vehicle slots the editor offers: IDs 400 to 630, their captions in the vehicle list
// and the text of each line of that list. The captions are mostly the game's model names
// but differ from them in places (ModelNames.h has the game's own).

#include "table/TableLocator.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace klarvon {

class TVehicleCatalogue {
public:
    static constexpr std::size_t NameTableLines = 233;

    // The list caption of an ID (400..630); throws std::out_of_range otherwise.
    static std::string_view Name(int id);
    // 6 spaces, the ID, 10 spaces, the caption.
    static std::string ItemText(int id);
    // Shown after "Vehicle slots :"; one less than the lines in the list.
    static std::string SlotCountText();
    // Hands the 231 lines, ID 400 first, to addLine; clears nothing itself.
    static void Fill(const std::function<void(const std::string&)>& addLine);
};

} // namespace klarvon

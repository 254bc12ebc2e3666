#pragma once
// The vehicle audio settings file that the limit adjuster loads into the game at start
// (data\gtasa_vehicleAudioSettings.cfg): its syntax, a row's text in and a value's text
// out (CfgExport.h writes a whole table as a cfg). No file is touched here.
//
// The loader reads the file line by line. A blank line or one whose first character
// is ';' is a comment, and a line starting ";the end" ends the data. A data line holds
// a model name and the game's fourteen fields (GameLayout(), in its order), separated
// by blanks or tabs; floats are written with '.'. The loader's letters for the columns
// are A for the model name and B to O for the fourteen values.

#include "exchange/TextError.h"
#include "exchange/TextKind.h"
#include "table/FieldLayout.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon::exchange {

inline constexpr std::size_t CfgValueCount = 14; // the game layout's fields
inline constexpr char CfgCommentMark = ';';
inline constexpr std::string_view CfgEndMark = ";the end";
// UTF-8's byte-order mark, which an editor may put first in the file.
inline constexpr std::string_view CfgByteOrderMark = Utf8ByteOrderMark;
// What separates the words of a line.
inline constexpr std::string_view CfgBlanks = " \t\r\v\f";

struct TCfgRow {
    std::size_t Line; // 1-based
    std::string Model;
    std::optional<int> Id; // the slot of that model name; none for a vehicle a mod adds
    std::array<TFieldBits, CfgValueCount> Values; // in GameLayout() order
};

// Every data row before ";the end", in the order written, each value checked against
// its field's type (int8, uint8, int16; floats finite). Each faulty row gives one
// ETextError with its line and column, all thrown together as ETextErrors. A text with no
// row gives no row: the caller names the file in saying so (TCfgDocument refuses it).
std::vector<TCfgRow> ParseAudioCfg(std::string_view text);

// One value as a row gives it: a decimal integer within the field's type, or a finite
// float rounded to the nearest float32. EngineUpgrade, a uint8 to the game, takes
// -128..255: the loader reads it as a signed byte and stores that byte, so -1 is 255.
// Throws ETextError (without a place).
TFieldBits ParseCfgValue(const TLayoutField& field, std::string_view text);

// A value as a cfg row writes it: integers in decimal, floats as the shortest text
// that reads back to the same float32 ("0.78", "-0", "1e-45"). Throws ETextError
// for an infinity or NaN, which a row cannot hold.
std::string CfgValueText(const TLayoutField& field, TFieldBits bits);

// Throws ETextError for a model name a row cannot hold: an empty one, one with a blank or
// a control character (the loader would split the row there), one starting with ';'
// (the loader would take the row for a comment) or with a byte-order mark (first in a
// file, it would be read as the file's mark).
void CheckCfgModelName(std::string_view model);

} // namespace klarvon::exchange

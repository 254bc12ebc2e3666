#pragma once
// A float as a modder writes it in a cfg. A row's text has a few decimals ("1.12246",
// "0.78"); the loader reads it to the nearest float, which differs in its last bits from
// the executable's value the modder copied (1.12246203422546, 0.779999971389771) though to
// the modder, and in the game's sound, the two are one value. Here the two are compared as
// the text was written: the executable's value rounded to the text's decimals.
//
// Rounding is of the value's exact binary value, as printf's "%.*f" does (a value exactly
// half-way rounds to the even digit): 0.125 with two decimals is "0.12". A text with an
// exponent may round to tens or more ("6.04366e+28", as "%g" writes large values, rounds
// to 10^23): it is compared as printf's "%.*e" writes the value with as many digits. The
// sign counts, as printf writes it: a text "0" does not stand for -0, nor "-0.0" for 0.

#include "table/FieldLayout.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace klarvon::exchange {

// As many decimals as any float's exact value has: rounded there, every float is itself,
// so comparing at this many decimals is comparing bits.
inline constexpr int AllDecimals = 149;
// Beyond the largest float's tens: a text rounding there stands for no float but zero.
inline constexpr int FewestDecimals = -39;

// How many decimals a cfg value's text writes: the digits after its point, less its
// exponent ("1.12246" 5, "1" and "1." none, "1.5e-3" 4, "2.5e3" -2, "6.04366e+28" -23),
// within FewestDecimals..AllDecimals. Integers' texts write none.
int WrittenDecimals(std::string_view text);

// Whether written, the float (bits) a cfg read from a text with that many decimals,
// stands for value, an executable's float (bits): the same bits, or value rounded to
// those decimals reads back to written's bits (the text the modder wrote, or one the
// loader cannot tell from it). A value that is not finite is only its own bits.
bool SameAsWritten(TFieldBits value, TFieldBits written, int decimals);

// A cfg row's record (row) as it stands beside an executable's record (executable): each
// float of the game's fields that the row writes as the executable's value takes the
// executable's bits, so that comparing the two finds only what the row really changes.
// decimals: each value's WrittenDecimals in GameLayout() order; empty (no text to go
// by) returns row as it is.
TRecordBytes AsWrittenBeside(const TRecordBytes& executable, const TRecordBytes& row,
                             std::span<const int> decimals);

} // namespace klarvon::exchange

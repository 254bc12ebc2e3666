#pragma once
// The one fault of the modders' texts: a cfg or patch that cannot be read, or a value
// that cannot be read or written in one, with where in the text it is. The problem is
// the exact text the user sees after the place; it is final as it is (no full stop is
// added to it).

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace klarvon::exchange {

class ETextError : public std::runtime_error {
public:
    // A problem not yet placed: a value read or written on its own.
    explicit ETextError(const std::string& problem) : std::runtime_error(problem) {}
    ETextError(std::size_t line, std::size_t column, const std::string& problem)
        : std::runtime_error(problem), Line(line), Column(column) {}

    // 1-based, Column counting bytes; 0 while the place is unknown.
    std::size_t Line = 0;
    std::size_t Column = 0;

    // The same problem at a place in the text.
    ETextError At(std::size_t line, std::size_t column) const {
        return ETextError(line, column, what());
    }

    // "SOURCE:LINE:COLUMN: problem", the way compilers name a place, so editors can
    // jump to it; the problem alone when it has no place.
    std::string Located(std::string_view source) const {
        if (Line == 0) {
            return what();
        }
        return std::string(source) + ':' + std::to_string(Line) + ':' + std::to_string(Column) +
               ": " + what();
    }
};

} // namespace klarvon::exchange

#pragma once
// The one fault of the modders' texts: a cfg or patch that cannot be read, or a value
// that cannot be read or written in one, with where in the text it is. The problem is
// the exact text the user sees after the place; it is final as it is (no full stop is
// added to it). It is one of the core's final failures (table/Errors.h), so whoever reports
// failures reports it as it stands.

#include "table/Errors.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace klarvon::exchange {

class ETextError : public EFinalError {
public:
    // A problem not yet placed: a value read or written on its own.
    explicit ETextError(const std::string& problem) : EFinalError(problem) {}
    ETextError(std::size_t line, std::size_t column, const std::string& problem)
        : EFinalError(problem), Line(line), Column(column) {}

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

// The faults of a whole text, each with its place, in the order they stand in it, so that
// a user mends a file in one go rather than one fault per try. Caught as an ETextError, it
// is its first fault, so that a reader that once threw only that stays understood where it
// is caught so.
class ETextErrors : public ETextError {
public:
    // No more than this many are listed; the rest are counted.
    static constexpr std::size_t MostListed = 20;

    explicit ETextErrors(std::vector<ETextError> errors)
        : ETextError(errors.empty() ? ETextError(std::string()) : errors.front()),
          Errors(std::move(errors)) {}

    std::vector<ETextError> Errors;

    // One "SOURCE:LINE:COLUMN: problem" line per fault, up to MostListed, then
    // "and N more"; lines joined by '\n', none after the last.
    std::string Located(std::string_view source) const {
        std::string text;
        for (std::size_t i = 0; i < Errors.size() && i < MostListed; ++i) {
            if (i > 0) {
                text += '\n';
            }
            text += Errors[i].Located(source);
        }
        if (Errors.size() > MostListed) {
            text += "\nand " + std::to_string(Errors.size() - MostListed) + " more";
        }
        return text;
    }
};

// Runs body, which reads the text of source; its faults come out as one final failure whose
// text places each in source ("v.cfg:3:7: ..."), as the user reads it.
template <class TBody> decltype(auto) ReadingText(std::string_view source, TBody&& body) {
    try {
        return body();
    } catch (const ETextErrors& errors) {
        throw EFinalError(errors.Located(source));
    } catch (const ETextError& error) {
        throw EFinalError(error.Line == 0 ? std::string(source) + ' ' + error.what()
                                          : error.Located(source));
    }
}

} // namespace klarvon::exchange

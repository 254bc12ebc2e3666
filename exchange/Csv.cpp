#include "exchange/Csv.h"

namespace klarvon::exchange {

namespace {

constexpr std::string_view CharactersNeedingQuotes = ",\"\r\n";
constexpr char Quote = '"';

} // namespace

std::string CsvCell(std::string_view text) {
    const bool padded = !text.empty() && (text.front() == ' ' || text.back() == ' ');
    if (text.find_first_of(CharactersNeedingQuotes) == std::string_view::npos && !padded) {
        return std::string(text);
    }
    std::string cell(1, Quote);
    for (const char c : text) {
        if (c == Quote) {
            cell += Quote;
        }
        cell += c;
    }
    cell += Quote;
    return cell;
}

} // namespace klarvon::exchange

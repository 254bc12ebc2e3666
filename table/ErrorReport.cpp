#include "table/ErrorReport.h"

namespace klarvon {

namespace {
constexpr char FullStop = '.';
} // namespace

std::string ErrorReportText(std::string_view message) {
    std::string text(message);
    // Compared as unsigned bytes, so 8-bit letters (Windows-1251, UTF-8 tails) count as
    // sorting after the full stop, as the letters of the Latin alphabet do.
    if (!text.empty() &&
        static_cast<unsigned char>(text.back()) > static_cast<unsigned char>(FullStop)) {
        text.push_back(FullStop);
    }
    return text;
}

} // namespace klarvon

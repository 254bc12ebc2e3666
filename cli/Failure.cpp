#include "cli/Failure.h"

#include "table/ErrorReport.h"

namespace klarvon::cli {

std::string CoreFailureText(const std::exception& failure) {
    return ErrorReportText(failure.what());
}

std::string HandledFailureLines() {
    try {
        throw;
    } catch (const EFailure& failure) {
        std::string lines = std::string(failure.what()) + '\n';
        if (!failure.Context.empty()) {
            lines += "in " + failure.Context + '\n';
        }
        return lines;
    } catch (const std::exception& failure) {
        return CoreFailureText(failure) + '\n';
    }
}

} // namespace klarvon::cli

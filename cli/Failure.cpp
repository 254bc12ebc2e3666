#include "cli/Failure.h"

#include "table/ErrorReport.h"

namespace klarvon::cli {

std::string FailureText(const std::exception& failure) {
    if (dynamic_cast<const ERejectedFile*>(&failure) != nullptr ||
        dynamic_cast<const EFailure*>(&failure) != nullptr ||
        dynamic_cast<const EPlainFailure*>(&failure) != nullptr) {
        return failure.what();
    }
    return ErrorReportText(failure.what());
}

} // namespace klarvon::cli

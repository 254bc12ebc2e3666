#pragma once
// How failures reach the user: the core's texts with the editor's full-stop rule,
// the locator's rejection verbatim, and optionally a line saying what failed.

#include "cli/Arguments.h"
#include "table/Errors.h"
#include "table/TableLocator.h"

#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace klarvon::cli {

class ERejectedFile : public std::runtime_error {
public:
    ERejectedFile() : std::runtime_error(std::string(RejectedFileText)) {}
};

// A failure whose text is final and concerns nothing in particular.
class EPlainFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure whose text is final, plus what it concerned ("B.exe", "HornTone=1E39"); the
// core's own (the backup, the text files) name nothing when they concern nothing in
// particular.
using EFailure = EFinalError;

// The line the user sees for any failure: the core's text with the error box's full
// stop (ErrorReportText), or a text that is already final as it is.
std::string FailureText(const std::exception& failure);

// Runs body; a failure inside it is rethrown as EFailure naming context. Wrong usage
// and failures that already carry a context pass unchanged.
template <class TBody> decltype(auto) InContext(const std::string& context, TBody&& body) {
    try {
        return body();
    } catch (const EFailure& failure) {
        if (!failure.Context.empty()) {
            throw;
        }
        throw EFailure(failure.what(), context);
    } catch (const EUsageError&) {
        throw;
    } catch (const std::exception& failure) {
        throw EFailure(FailureText(failure), context);
    }
}

} // namespace klarvon::cli

#pragma once
// The companion's one vocabulary of failures. A command throws
//   - EUsageError for wrong usage (exit 2; main() adds the usage line),
//   - EFailure for a failure whose text it words itself, final as it is, optionally with
//     what it concerned ("B.exe", "HornTone=1E39"),
// and lets the core's EKlarvonError (or a system failure) pass, whose text gets the
// editor's error box's full stop.

#include "table/Errors.h"
#include "table/TableLocator.h"

#include <exception>
#include <stdexcept>
#include <string>
#include <utility>

namespace klarvon::cli {

// Wrong usage; the text says what was wrong.
class EUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure whose text is final as it is, plus what it concerned ("B.exe",
// "HornTone=1E39"), empty when it concerns nothing in particular. The core's own final
// failures (the backup, the text files) are of the same type.
using EFailure = EFinalError;

// The locator's refusal, as the editor words it.
inline EFailure RejectedFile() {
    return EFailure(std::string(RejectedFileText));
}

// What the user reads on stderr for the failure being handled; call it only inside a
// catch block. The failure's line (EFailure's text as it is, any other with the error
// box's full stop), then "in CONTEXT" when it has one; each line ends in a line break.
// A failure about a file the core named is worded here, in the companion's own words,
// with the file's name first: "F: file not found", "F is a folder, not a file",
// "F: access denied; is it read-only, or in use by the game?", "F is neither a gta_sa.exe
// nor a vehicle audio cfg: ...", "F is not a vehicle audio cfg: ...".
std::string HandledFailureLines();

// The companion's words for a failed file operation on the file failure.Path names.
std::string FileFailureText(const EInOutError& failure);

// The text of any failure other than an EFailure, as the error box words it.
std::string CoreFailureText(const std::exception& failure);

// Runs body; a failure inside it is rethrown as EFailure naming context. Wrong usage
// and failures that already name what they concern pass unchanged.
template <class TBody> decltype(auto) InContext(const std::string& context, TBody&& body) {
    try {
        return body();
    } catch (EFailure& failure) {
        if (failure.Context.empty()) {
            failure.Context = context;
        }
        throw;
    } catch (const EUsageError&) {
        throw;
    } catch (const EInOutError& failure) {
        if (!failure.Path.empty()) {
            throw; // names its file already
        }
        throw EFailure(CoreFailureText(failure), context);
    } catch (const std::exception& failure) {
        throw EFailure(CoreFailureText(failure), context);
    }
}

} // namespace klarvon::cli

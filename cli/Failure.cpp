#include "cli/Failure.h"

#include "exchange/VehicleTable.h"
#include "table/ErrorReport.h"
#include "table/FileRead.h"
#include "table/InOutError.h"
#include "table/InOutErrorCodes.h"
#include "table/PathText.h"

#include <filesystem>
#include <system_error>

namespace klarvon::cli {

namespace {

using exchange::ENotACfg;
using exchange::ERejectedTable;

// What an executable the editor would refuse was found to be, after the file's name.
std::string RejectedText(const ERejectedTable& rejected) {
    const TTableLocation& found = rejected.Location;
    if (rejected.TooLargeText) {
        return exchange::TooLargeCfgText(rejected.Path, found.FileSize);
    }
    std::string why;
    if (found.FileSize == 0) {
        why = "it is empty";
    } else if (found.SignatureOffset < 0) {
        why = "it is not text (it holds NUL bytes), and no vehicle audio table was found in it "
              "(no table signature)";
    } else {
        why = "its only table signature is at offset " + std::to_string(found.SignatureOffset) +
              ", too near the start to be the game's";
    }
    return rejected.Path + " is neither a gta_sa.exe nor a vehicle audio cfg: " + why;
}

} // namespace

std::string CoreFailureText(const std::exception& failure) {
    return ErrorReportText(failure.what());
}

std::string FileFailureText(const EInOutError& failure) {
    const std::string& path = failure.Path;
    // A failure with more to say than the system's number (what became of a half-done
    // write) keeps its own words.
    if (ErrorReportText(failure.what()) !=
        ErrorReportText(InOutErrorFromCode(failure.Code).what())) {
        return path + ": " + ErrorReportText(failure.what());
    }
    switch (failure.Code) {
    case CodeFileNotFound:
        return path + ": file not found";
    case CodeInvalidFilename:
        return path + ": file not found (a folder on its path is missing, or the name is not a "
                      "valid file name)";
    case CodeAccessDenied: {
        // The system says "denied" for a folder and a pipe as for a protected file.
        std::error_code ec;
        const auto type = std::filesystem::status(FileSystemPath(path), ec).type();
        if (!ec && type == std::filesystem::file_type::directory) {
            return path + " is a folder, not a file";
        }
        if (!ec && type != std::filesystem::file_type::regular) {
            return path + " is not a regular file (a pipe or a device, say)";
        }
        return path + ": access denied; is it read-only, or in use by the game?";
    }
    case CodeSharingViolation:
        return path + ": in use by another program; is the game running?";
    default:
        return path + ": " + ErrorReportText(failure.what());
    }
}

std::string HandledFailureLines() {
    try {
        throw;
    } catch (const ERejectedTable& rejected) {
        if (rejected.Path.empty()) {
            return std::string(rejected.what()) + '\n';
        }
        return RejectedText(rejected) + '\n';
    } catch (const ENotACfg& notACfg) {
        return notACfg.Path + " is not a vehicle audio cfg: " + notACfg.Reason + '\n';
    } catch (const ENamedInOutError& named) {
        EInOutError failure(named.Code, named.what());
        failure.Path = named.Context;
        return FileFailureText(failure) + '\n';
    } catch (const EFailure& failure) {
        std::string lines = std::string(failure.what()) + '\n';
        if (!failure.Context.empty()) {
            lines += "in " + failure.Context + '\n';
        }
        return lines;
    } catch (const EInOutError& failure) {
        if (failure.Path.empty()) {
            return CoreFailureText(failure) + '\n';
        }
        return FileFailureText(failure) + '\n';
    } catch (const std::exception& failure) {
        return CoreFailureText(failure) + '\n';
    }
}

} // namespace klarvon::cli

// `info FILE`: what the locator made of a file, one "key: value" line each.

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "table/TableFile.h"

namespace klarvon::cli {

namespace {

constexpr std::string_view FoundByKnownSize = "known size";
constexpr std::string_view FoundBySignature = "signature";
constexpr std::string_view FoundByNothing = "none";
constexpr std::string_view NoOffset = "-";

int RunInfo(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 1);
    const TTableFile file(arguments.Positionals[0], TOpenMode::ReadOnly);
    const TTableLocation& location = file.Location();
    out << "size: " << location.FileSize << '\n';
    out << "version: " << location.VersionText << '\n';
    if (IsRejected(location)) {
        // Size and version are known before the verdict, as in the editor.
        out << "found-by: " << FoundByNothing << '\n';
        throw RejectedFile();
    }
    if (location.Known) {
        out << "found-by: " << FoundByKnownSize << '\n';
        out << "signature-offset: " << NoOffset << '\n';
        out << "signature-before-table: " << (file.SignatureBeforeKnownTable() ? "yes" : "no")
            << '\n';
    } else {
        out << "found-by: " << FoundBySignature << '\n';
        out << "signature-offset: " << location.SignatureOffset << '\n';
    }
    out << "id-400-offset: " << TTableLocator::RecordOffset(location, 0) << '\n';
    return ExitSuccess;
}

} // namespace

const TCommand InfoCommand{
    "info",
    "FILE",
    "Tells how the vehicle audio table was found in FILE. Prints one 'key: value'\n"
    "line each:\n"
    "  size: the file size in bytes\n"
    "  version: 'v1.0 us' for the known release, else 'Unknown'\n"
    "  found-by: 'known size', 'signature' or 'none'\n"
    "  signature-offset: where the signature starts, '-' for the known release\n"
    "  signature-before-table: for the known release only, 'yes' when the table\n"
    "    signature stands before its fixed table position, 'no' when it does not\n"
    "    (a file of that size that is not the game; the writing commands warn)\n"
    "  id-400-offset: the file offset of the record of vehicle ID 400\n"
    "A file the editor would refuse prints the first three lines, then\n"
    "'Unknown gta_sa.exe' on stderr, and exits 1.\n",
    {},
    RunInfo,
};

} // namespace klarvon::cli

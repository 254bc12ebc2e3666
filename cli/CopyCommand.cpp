// `copy FILE FROM_ID TO_ID`: one vehicle's 36 bytes onto another's slot.

#include "cli/Changes.h"
#include "cli/Commands.h"
#include "cli/Report.h"
#include "cli/TableFile.h"

namespace klarvon::cli {

namespace {

int RunCopy(const TArguments& arguments, std::ostream& out) {
    RequirePositionals(arguments, 3);
    const int from = ParseVehicleId(arguments.Positionals[1]);
    const int to = ParseVehicleId(arguments.Positionals[2]);
    TTableFile file(arguments.Positionals[0], TAccess::ReadWrite);
    const TVehicleAudioRecord source = file.Read(from);
    const TVehicleAudioRecord before = file.Read(to);
    file.Write(to, source);
    file.Close();
    NoteFileChanged(out);
    WriteChangesOrNone(out, to, before, source);
    return ExitSuccess;
}

} // namespace

const TCommand CopyCommand{
    "copy",
    "FILE FROM_ID TO_ID",
    "Copies the 36-byte record of vehicle FROM_ID onto the slot of TO_ID (both\n"
    "400..630), so TO_ID sounds like FROM_ID. Prints each field of TO_ID that\n"
    "changed as 'ID NAME FIELD: a -> b', or 'ID NAME: no change'.\n",
    {},
    RunCopy,
};

} // namespace klarvon::cli

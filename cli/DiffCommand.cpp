// `diff FILE_A FILE_B`: every field of every slot that differs between two tables.

#include "cli/Changes.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/TableFile.h"

namespace klarvon::cli {

namespace {

std::vector<TVehicleAudioRecord> ReadTable(const std::string& path) {
    // Each file is located on its own: the tables may sit at different offsets.
    return InContext(path, [&path] { return TTableFile(path).ReadAll(); });
}

int RunDiff(const TArguments& arguments, std::ostream& out) {
    RequirePositionals(arguments, 2);
    const std::vector<TVehicleAudioRecord> a = ReadTable(arguments.Positionals[0]);
    const std::vector<TVehicleAudioRecord> b = ReadTable(arguments.Positionals[1]);
    std::size_t changes = 0;
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        const auto slot = static_cast<std::size_t>(id - FirstVehicleId);
        changes += WriteChanges(out, id, a[slot], b[slot]);
    }
    if (changes == 0) {
        out << "identical: all " << SlotCount << " records are the same\n";
    }
    return ExitSuccess;
}

} // namespace

const TCommand DiffCommand{
    "diff",
    "FILE_A FILE_B",
    "Compares the vehicle audio tables of two files, each located on its own.\n"
    "Prints one line per differing field, slots in ID order, fields in stored order:\n"
    "  ID NAME FIELD: a -> b\n"
    "with a from FILE_A and b from FILE_B, as 'dump' prints them. Floats whose texts\n"
    "would look the same (0 and -0, NaNs) are given as bits (0x80000000). Names may\n"
    "hold spaces ('//Extra Slot'), so read a line from the right. When nothing\n"
    "differs, prints the single line 'identical: all 231 records are the same'.\n"
    "Exits 0 in both cases.\n",
    {},
    RunDiff,
};

} // namespace klarvon::cli

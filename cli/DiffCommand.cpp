// `diff FILE_A FILE_B`: every field of every slot that differs between two tables.

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/Changes.h"

#include <array>

namespace klarvon::cli {

using exchange::WriteChanges;

namespace {

constexpr std::array<TFlag, 1> DiffFlags{GameFlag};

std::vector<TRecordBytes> ReadTable(const std::string& path) {
    // Each file is located on its own: the tables may sit at different offsets.
    return InContext(path, [&path] {
        const TTableFile file(path, TOpenMode::ReadOnly);
        RequireTable(file);
        return file.ReadAll();
    });
}

int RunDiff(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 2);
    const std::vector<TRecordBytes> a = ReadTable(arguments.Positionals[0]);
    const std::vector<TRecordBytes> b = ReadTable(arguments.Positionals[1]);
    std::size_t changes = 0;
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        const auto slot = static_cast<std::size_t>(id - FirstVehicleId);
        changes += WriteChanges(out, LayoutOf(arguments), id, a[slot], b[slot]);
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
    "with a from FILE_A and b from FILE_B, as 'dump' prints them, so each b can be\n"
    "given to 'set' as it is (floats the editor's text cannot give back, such as\n"
    "-0, INF and NAN, are given as bits: 0x80000000). Names may hold spaces\n"
    "('//Extra Slot'), so read a line from the right. When nothing\n"
    "differs, prints the single line 'identical: all 231 records are the same'.\n"
    "Exits 0 in both cases.\n"
    "With --game the game's fields are compared, each line marked\n"
    "  ID NAME --game FIELD: a -> b\n"
    "and differing pad bytes get a line 'ID NAME --game pad bytes: HEX -> HEX'.\n"
    "The output is a patch: 'apply' makes its changes on another file, and\n"
    "'apply --reverse' undoes them.\n",
    DiffFlags,
    RunDiff,
};

} // namespace klarvon::cli

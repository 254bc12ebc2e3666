// `diff FILE_A FILE_B`: every field of every slot that differs between two tables.

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/CfgDocument.h"
#include "exchange/Changes.h"
#include "exchange/WrittenFloat.h"

#include <array>
#include <sstream>
#include <unordered_map>

namespace klarvon::cli {

using exchange::VehicleKey;
using exchange::WriteChanges;

namespace {

constexpr std::array<TFlag, 2> DiffFlags{GameFlag, ExactFlag};

// Each file's records, and whether they keep pad bytes (a cfg row has none).
std::vector<TVehicleRecord> ReadTable(const std::string& path, bool& holdsPads) {
    // Each file is located on its own: the tables may sit at different offsets.
    return InContext(path, [&path, &holdsPads] {
        const TVehicleTable table(path, TOpenMode::ReadOnly);
        holdsPads = table.HoldsPadBytes();
        return table.ReadAll();
    });
}

// A vehicle one side has and the other has not, as a note line, so the output stays a
// patch. A slot without a model name is left out beside a cfg, which could never hold it.
void WriteOneSided(std::ostream& out, const TVehicle& vehicle, const std::string& path,
                   bool otherHoldsPads) {
    if (!otherHoldsPads && vehicle.Model.empty()) {
        return;
    }
    out << "# " << exchange::VehicleSubject(vehicle);
    if (vehicle.Id && !vehicle.Model.empty()) {
        out << " (" << vehicle.Model << ')';
    }
    out << ": only in " << path << '\n';
}

int RunDiff(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 2);
    const std::string& pathA = arguments.Positionals[0];
    const std::string& pathB = arguments.Positionals[1];
    bool padsA = true;
    bool padsB = true;
    const std::vector<TVehicleRecord> a = ReadTable(pathA, padsA);
    const std::vector<TVehicleRecord> b = ReadTable(pathB, padsB);
    std::unordered_map<std::string, const TVehicleRecord*> inB;
    const bool exact = arguments.Has(ExactFlag);
    for (const TVehicleRecord& record : b) {
        inB[VehicleKey(record.Vehicle)] = &record;
    }
    const TLayout layout = LayoutOf(arguments);
    std::size_t changes = 0;
    std::ostringstream oneSided;
    for (const TVehicleRecord& record : a) {
        const auto match = inB.find(VehicleKey(record.Vehicle));
        if (match == inB.end()) {
            WriteOneSided(oneSided, record.Vehicle, pathA, padsB);
            continue;
        }
        // A cfg row has no pad bytes: beside an executable it stands for the executable's
        // record with the row's values, as an import would make it, its floats compared as
        // they are written unless --exact.
        const TVehicleRecord& other = *match->second;
        const TRecordBytes& theirs = other.Bytes;
        const auto asWritten = [exact](const TRecordBytes& executable, const TVehicleRecord& row) {
            return exact ? row.Bytes
                         : exchange::AsWrittenBeside(executable, row.Bytes, row.Decimals);
        };
        const TRecordBytes before = !padsA && padsB
                                        ? exchange::WithRowValues(theirs, asWritten(theirs, record))
                                        : record.Bytes;
        const TRecordBytes after =
            !padsB && padsA ? exchange::WithRowValues(record.Bytes, asWritten(record.Bytes, other))
                            : theirs;
        changes += WriteChanges(out, layout, record.Vehicle, before, after);
        inB.erase(match);
    }
    for (const TVehicleRecord& record : b) {
        if (inB.contains(VehicleKey(record.Vehicle))) {
            WriteOneSided(oneSided, record.Vehicle, pathB, padsA);
        }
    }
    out << oneSided.str();
    if (changes == 0 && oneSided.str().empty()) {
        out << "identical: all " << a.size() << " records are the same\n";
    }
    return ExitSuccess;
}

} // namespace

const TCommand DiffCommand{
    "diff",
    "FILE_A FILE_B",
    "Compares the vehicle audio tables of two files, each located on its own;\n"
    "either may be an executable or a cfg, and vehicles are matched by slot, or by\n"
    "model name for a vehicle a mod adds.\n"
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
    "'apply --reverse' undoes them.\n"
    "A cfg row has no pad bytes: beside an executable it is compared as the record\n"
    "'import-cfg' would make of it, the executable's pad bytes kept.\n"
    "Beside an executable, a cfg's float is the executable's value where its text\n"
    "is that value rounded to as many decimals as the text has (1.12246 for\n"
    "1.12246203422546, 0.78 for 0.779999971389771), as modders write floats: it is\n"
    "not listed. --exact lists it, comparing floats bit for bit. Between two\n"
    "executables, and between two cfgs, floats are compared bit for bit.\n"
    "A vehicle only one file has is listed after the changes as a note,\n"
    "'# ID NAME (model): only in FILE' ('# MODEL: only in FILE' for an added one);\n"
    "a slot without a model name is not listed beside a cfg, which cannot hold it.\n"
    "An added vehicle's lines name it by its model alone: 'MODEL FIELD: a -> b'.\n",
    DiffFlags,
    RunDiff,
};

} // namespace klarvon::cli

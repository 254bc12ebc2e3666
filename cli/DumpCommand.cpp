// `dump FILE [--json] [--game]`: all 231 slots, one row each, as CSV or as JSON.

#include "cli/Commands.h"
#include "cli/Flags.h"
#include "cli/TableAccess.h"
#include "exchange/TableDump.h"

#include <array>

namespace klarvon::cli {

namespace {

constexpr std::array<TFlag, 2> DumpFlags{JsonFlag, GameFlag};

int RunDump(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 1);
    const TVehicleTable table(arguments.Positionals[0], TOpenMode::ReadOnly);
    // Everything is read before anything is printed, so a failure prints no half table.
    const std::vector<TVehicleRecord> records = table.ReadAll();
    const TLayout layout = LayoutOf(arguments);
    if (arguments.Has(JsonFlag)) {
        exchange::WriteTableJson(layout, records, out);
    } else {
        exchange::WriteTableCsv(layout, records, out);
    }
    return ExitSuccess;
}

} // namespace

const TCommand DumpCommand{
    "dump",
    "FILE",
    "Prints all 231 vehicle slots, ID 400 first.\n"
    "CSV (the default): a header row, then one row per slot, quoted as RFC 4180 says;\n"
    "lines end in LF (CRLF on Windows). Columns:\n"
    "  id, name, model, VehicleType, PowerOnSoundId, PowerOffSoundId, Unknown1,\n"
    "  Unknown2, Unknown3, HornType, HornTone, DoorSoundType, RadioStation,\n"
    "  RadioType, Unknown4, Unknown5, Unknown6, Unknown7, Unknown8, bytes\n"
    "name is the editor's list caption, model the game's model name (empty for\n"
    "612..630). Integers are printed as stored, floats as the editor's 15-digit\n"
    "text, or as their bits (0x80000000) where that text could not give them back\n"
    "(-0, INF, NAN); 'set' reads every value back to the same bits. 'bytes' is\n"
    "the record's 36 bytes as 72 hex digits.\n"
    "--json: an array of 231 objects, one per line, with the same keys in the same\n"
    "order; integers are JSON numbers, floats JSON strings, a missing model null.\n"
    "--game: the game's own fields in place of the editor's (see 'show --help');\n"
    "its pad bytes are in 'bytes' only. With --json, each bank's short name follows\n"
    "its number: keys PlayerBankName and DummyBankName (null for -1).\n"
    "A cfg gives one row per model, in the order of the rows that count (the last\n"
    "of a model's rows); an added vehicle has an empty id and name (null in JSON).\n",
    DumpFlags,
    RunDump,
};

} // namespace klarvon::cli

// `demo OUT [--force]`: writes the synthetic executable of DemoExecutable.h.

#include "cli/Commands.h"
#include "cli/DemoExecutable.h"
#include "cli/Flags.h"
#include "cli/Report.h"
#include "table/FileWrite.h"
#include "table/VehicleAudioRecord.h"

#include <array>

namespace klarvon::cli {

namespace {

constexpr std::array<TFlag, 1> DemoFlags{ForceFlag};

int RunDemo(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 1);
    const std::string& path = arguments.Positionals[0];
    const std::vector<std::uint8_t> bytes = BuildDemoExecutable();
    if (arguments.Has(ForceFlag)) {
        ReplaceFile(path, bytes);
    } else {
        WriteNewFile(path, bytes, "give " + std::string(ForceFlag.Name) + " to replace it");
    }
    out.FileChanged = true;
    out << "wrote " << path << ": " << bytes.size() << " bytes, signature at offset "
        << DemoSignatureOffset << ", record of ID 400 at offset "
        << DemoSignatureOffset + static_cast<std::int64_t>(RecordSize) << '\n';
    return ExitSuccess;
}

} // namespace

const TCommand DemoCommand{
    "demo",
    "OUT",
    "Writes a small synthetic executable to OUT: a few hundred KiB of filler, the\n"
    "table signature, 231 invented records and more filler. The records are laid out\n"
    "as the game lays them out: each model of its stock kind, values spread over every\n"
    "choice the game plays, pad bytes zero (so the editor shows values such as\n"
    "DoorSoundType 257 and RadioType 255, as with real tables), and nothing that\n"
    "check counts as a problem. The editor and every command here accept it, so you\n"
    "can try them without the game. The file is the same every time. An existing OUT\n"
    "is never overwritten unless --force is given; then it is replaced in one step.\n",
    DemoFlags,
    RunDemo,
};

} // namespace klarvon::cli

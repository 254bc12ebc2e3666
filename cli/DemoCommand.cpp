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
    "table signature, 231 invented records and more filler. The records are laid\n"
    "out as the game lays them out: each model of its stock kind, values spread\n"
    "over every choice the game plays, pad bytes zero (so the editor shows values\n"
    "such as DoorSoundType 257 and RadioType 255, as with real tables), and nothing\n"
    "that 'check' counts as a problem. The editor and every command here accept\n"
    "it, so you can try them without the game. The file is the same every time. An\n"
    "existing OUT is never overwritten unless --force is given; then it is replaced\n"
    "in one step.\n",
    DemoFlags,
    RunDemo,
};

} // namespace klarvon::cli

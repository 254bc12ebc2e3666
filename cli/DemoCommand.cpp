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
    "table signature, 231 invented but plausible records (a few with the odd values\n"
    "real tables hold, such as DoorSoundType 257 and RadioType 255) and more filler.\n"
    "The editor and every command here accept it, so you can try them without the\n"
    "game. The file is the same every time. An existing OUT is never overwritten\n"
    "unless --force is given; then it is replaced in one step.\n",
    DemoFlags,
    RunDemo,
};

} // namespace klarvon::cli

// `listen FILE ID OUT.wav [--game-dir DIR] [--force]`: a short test drive of one vehicle as
// its record stands, put together from the game's own sound banks into one WAV file.

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/SoundAccess.h"
#include "cli/TableAccess.h"
#include "sound/GameFolder.h"
#include "sound/TestDrive.h"
#include "table/PathText.h"

#include <array>
#include <iostream>

namespace klarvon::cli {

namespace {

constexpr std::array<TFlag, 2> ListenFlags{GameDirFlag, ForceFlag};
constexpr std::uint64_t MillisecondsPerSecond = 1000;

// The folder whose sound files are played: --game-dir, else the one FILE is in.
std::filesystem::path GameFolderFor(const TArguments& arguments) {
    const std::filesystem::path file = FileSystemPath(arguments.Positionals[0]);
    const std::optional<std::string> given = arguments.Value(GameDirFlag);
    if (const std::optional<std::filesystem::path> folder = sound::SoundFolderFor(
            file, given ? std::optional(FileSystemPath(*given)) : std::nullopt)) {
        return *folder;
    }
    throw EFailure("no sound files in " + Utf8Text(sound::GameFolderOf(file)) + " (no " +
                   std::string(sound::BankLookupPath) + "): give " + std::string(GameDirFlag.Name) +
                   " DIR, the game's folder");
}

int RunListen(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, 3);
    RequireVehicleWord(arguments.Positionals[1]);
    const std::string& path = arguments.Positionals[2];
    const TVehicleTable table(arguments.Positionals[0], TOpenMode::ReadOnly);
    const TVehicleRecord entry = *table.Read(table.Find(arguments.Positionals[1]));
    const sound::TGameSounds sounds(GameFolderFor(arguments));

    std::vector<std::string> leftOut;
    const std::vector<sound::TSoundPart> parts =
        sound::TestDriveParts(sound::VehicleSoundsOf(entry.Bytes), leftOut);
    const sound::TPcmSound drive = sound::PlayParts(sounds, parts, leftOut);
    for (const std::string& line : leftOut) {
        std::cerr << line << '\n';
    }
    if (drive.Samples.empty()) {
        throw EFailure(exchange::VehicleSubject(entry.Vehicle) +
                       " has no sound to play: nothing written");
    }
    WriteWholeFile(arguments, path, sound::WavBytes(drive));
    out.FileChanged = true;
    out << "wrote " << path << ": " << exchange::VehicleSubject(entry.Vehicle) << ", "
        << drive.Samples.size() * MillisecondsPerSecond / drive.Rate << " ms\n";
    return ExitSuccess;
}

} // namespace

const TCommand ListenCommand{
    "listen",
    "FILE ID OUT",
    "Writes a short test drive of vehicle ID (400..630, or a model name) as FILE's\n"
    "record stands to the WAV file OUT, put together from the game's own sound\n"
    "banks: idle (DummyBank sound 1), accelerating through four gears (PlayerBank\n"
    "sound 0 at x1.22, x1.13, x1.075 and x1.0 the speed), cruise (PlayerBank sound\n"
    "1), throttle off (PlayerBank sound 2), then, after a pause, the horn (bank 74,\n"
    "sound HornType, at HornPitch). The WAV is 16-bit mono at 44,100 Hz.\n"
    "A part the vehicle does not have (a bank of -1, a boat's PlayerBank, which the\n"
    "game never plays) or whose bank cannot be read is left out, with a line on\n"
    "stderr saying why. Says 'wrote OUT: ID NAME, N ms'.\n"
    "The sound files are those of FILE's folder, or of the folder --game-dir DIR\n"
    "names. OUT is written whole and then renamed, and never replaces an existing\n"
    "file unless --force is given.\n",
    ListenFlags,
    RunListen,
};

} // namespace klarvon::cli

// `export-sound GAME BANK [SOUND] OUT [--force]`: a bank's sounds as WAV files, one, or each
// into a folder.

#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Flags.h"
#include "cli/SoundAccess.h"
#include "sound/Wav.h"
#include "table/PathText.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace klarvon::cli {

namespace {

constexpr std::array<TFlag, 1> ExportSoundFlags{ForceFlag};
// GAME BANK OUT: every sound into the folder OUT; GAME BANK SOUND OUT: one sound.
constexpr std::size_t FolderOperands = 3;
constexpr std::size_t MostOperands = 4;
constexpr std::string_view WavExtension = ".wav";

std::vector<std::uint8_t> WavOfSound(const sound::TGameSounds& sounds, std::int64_t bank, int index,
                                     const sound::TSoundEntry& entry) {
    sound::TPcmSound pcm;
    pcm.Rate = entry.Rate;
    pcm.Samples = sounds.Samples(bank, index);
    pcm.LoopStart = entry.Loop();
    return sound::WavBytes(pcm);
}

const sound::TSoundEntry& EntryOf(const std::vector<sound::TSoundEntry>& entries, std::int64_t bank,
                                  int index) {
    if (static_cast<std::size_t>(index) >= entries.size()) {
        throw EFailure("bank " + std::to_string(bank) + " has no sound " + std::to_string(index) +
                       " (it has " + std::to_string(entries.size()) + ")");
    }
    return entries[static_cast<std::size_t>(index)];
}

// The folder at path, made when missing; anything else there is refused.
void MakeFolder(const std::string& path) {
    const std::filesystem::path folder = FileSystemPath(path);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error)) {
        throw EFailure(path + " is not a folder, and no folder can be made there");
    }
}

int ExportOne(const TArguments& arguments, TReport& out) {
    const std::int64_t bank = ParseBankNumber(arguments.Positionals[1]);
    const int index = ParseSoundNumber(arguments.Positionals[2]);
    const std::string& path = arguments.Positionals[3];
    const sound::TGameSounds sounds = OpenGameSounds(arguments.Positionals[0]);
    const std::vector<sound::TSoundEntry> entries = sounds.Sounds(bank);
    const sound::TSoundEntry& entry = EntryOf(entries, bank, index);
    WriteWholeFile(arguments, path, WavOfSound(sounds, bank, index, entry));
    out.FileChanged = true;
    out << "wrote " << path << ": bank " << bank << " sound " << index << ", " << entry.Samples()
        << " samples at " << entry.Rate << " Hz\n";
    return ExitSuccess;
}

int ExportAll(const TArguments& arguments, TReport& out) {
    const std::int64_t bank = ParseBankNumber(arguments.Positionals[1]);
    const std::string& folder = arguments.Positionals[2];
    const sound::TGameSounds sounds = OpenGameSounds(arguments.Positionals[0]);
    const std::vector<sound::TSoundEntry> entries = sounds.Sounds(bank);
    // Every sound is read, and every name checked, before the first file is made: a bank
    // that fails half way, or a file in the way, leaves the folder as it was.
    std::vector<std::vector<std::uint8_t>> files;
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int index = static_cast<int>(i);
        files.push_back(WavOfSound(sounds, bank, index, entries[i]));
        paths.push_back(Utf8Text(FileSystemPath(folder) /
                                 FileSystemPath(std::to_string(bank) + '_' + std::to_string(index) +
                                                std::string(WavExtension))));
        std::error_code error;
        if (!arguments.Has(ForceFlag) && std::filesystem::exists(std::filesystem::symlink_status(
                                             FileSystemPath(paths.back()), error))) {
            throw EFailure("'" + paths.back() + "' already exists; add " +
                           std::string(ForceFlag.Name) + " to replace it");
        }
    }
    MakeFolder(folder);
    for (std::size_t i = 0; i < files.size(); ++i) {
        WriteWholeFile(arguments, paths[i], files[i]);
        out.FileChanged = true;
    }
    out << "wrote " << files.size() << " sounds of bank " << bank << " to " << folder << '\n';
    return ExitSuccess;
}

int RunExportSound(const TArguments& arguments, TReport& out) {
    RequirePositionals(arguments, FolderOperands, true);
    if (arguments.Positionals.size() > MostOperands) {
        RequirePositionals(arguments, MostOperands);
    }
    return arguments.Positionals.size() == MostOperands ? ExportOne(arguments, out)
                                                        : ExportAll(arguments, out);
}

} // namespace

const TCommand ExportSoundCommand{
    "export-sound",
    "GAME BANK [SOUND] OUT",
    "Writes sound SOUND of bank BANK of the game's own sound files (GAME: the\n"
    "game's folder or any file in it) to the WAV file OUT: PCM, 16-bit, mono, at\n"
    "the sound's own rate, its samples exactly; a loop start is written as a\n"
    "'smpl' chunk, one loop from it to the end. Without SOUND, OUT is a folder\n"
    "(made if missing) that receives every sound of the bank as BANK_SOUND.wav\n"
    "(38_0.wav, 38_1.wav, ...). Says 'wrote OUT: ...'.\n"
    "Each file is written whole under another name beside it and then renamed, so\n"
    "a failed export leaves no part of a file. An existing file is never replaced\n"
    "unless --force is given; without it, nothing is written.\n",
    ExportSoundFlags,
    RunExportSound,
};

} // namespace klarvon::cli

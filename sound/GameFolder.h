#pragma once
// The game's folder and the sound files in it, found whatever the case of their names:
// Windows ignores case, so a copied install may spell them "Audio/Config/bankLkup.dat".

#include <filesystem>
#include <optional>
#include <string_view>

namespace klarvon::sound {

// The files' places under the game's folder, in the game's own spelling.
inline constexpr std::string_view PackageListPath = "audio/CONFIG/PakFiles.dat";
inline constexpr std::string_view BankLookupPath = "audio/CONFIG/BankLkup.dat";
inline constexpr std::string_view BankSlotsPath = "audio/CONFIG/BankSlot.dat";
inline constexpr std::string_view PackageFolderPath = "audio/SFX";

// The game's folder for a path the user gave: the path itself when it is a folder, else
// the folder holding it (gta_sa.exe, the cfg beside it, or any other file there).
std::filesystem::path GameFolderOf(const std::filesystem::path& path);

// folder / relative ("audio/CONFIG/BankLkup.dat"), each part of relative matched with the
// folder's entries ignoring ASCII case where the exact spelling is not there; none when a
// part is missing.
std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& folder,
                                                      std::string_view relative);

// Whether the folder holds the game's sound files (its BankLkup.dat, in any case).
bool HasSoundFiles(const std::filesystem::path& folder);

// The game folder whose sound files go with file (an executable or a cfg): the one the user
// gave, when given (a folder or any file in it); else file's own folder when it holds sound
// files; none otherwise. `check`, `listen` and the editor all find the folder so.
std::optional<std::filesystem::path>
SoundFolderFor(const std::filesystem::path& file,
               const std::optional<std::filesystem::path>& given = {});

} // namespace klarvon::sound

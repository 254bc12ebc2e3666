#pragma once
// Which banks' facts the rules judge a file's records by (catalogue/AudioRules.h): the
// sound files of the game the file belongs to when they can be found, else the stock
// game's. The companion's `check`, its writing commands and the editor all ask here, so a
// file gets the same findings wherever it is checked.

#include "catalogue/BankFacts.h"

#include <filesystem>
#include <optional>

namespace klarvon::sound {

// The facts for file (an executable or a cfg): those of the sound files in gameFolder
// when given (a folder or any file in it), else of those beside file (HasSoundFiles),
// else the stock game's. The user's files are read through TGameSounds: a missing or
// malformed one throws its error (EFinalError naming the file) rather than judging by
// facts the game does not have.
TBankFacts CheckedBankFacts(const std::filesystem::path& file,
                            const std::optional<std::filesystem::path>& gameFolder = {});

} // namespace klarvon::sound

#include "sound/CheckedBanks.h"

#include "sound/GameFolder.h"
#include "sound/GameSounds.h"

namespace klarvon::sound {

TBankFacts CheckedBankFacts(const std::filesystem::path& file,
                            const std::optional<std::filesystem::path>& gameFolder) {
    if (gameFolder) {
        return TGameSounds(*gameFolder).Facts();
    }
    const std::filesystem::path beside = GameFolderOf(file);
    if (HasSoundFiles(beside)) {
        return TGameSounds(beside).Facts();
    }
    return StockBankFacts();
}

} // namespace klarvon::sound

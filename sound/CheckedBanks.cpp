#include "sound/CheckedBanks.h"

#include "sound/GameFolder.h"
#include "sound/GameSounds.h"

namespace klarvon::sound {

TBankFacts CheckedBankFacts(const std::filesystem::path& file,
                            const std::optional<std::filesystem::path>& gameFolder) {
    if (const std::optional<std::filesystem::path> folder = SoundFolderFor(file, gameFolder)) {
        return TGameSounds(*folder).Facts();
    }
    return StockBankFacts();
}

} // namespace klarvon::sound

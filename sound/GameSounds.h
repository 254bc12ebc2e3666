#pragma once
// One game's sound files, opened: PakFiles.dat and BankLkup.dat are read whole (a few KB)
// and each package's size is learnt once; BankSlot.dat, a bank's header and a sound's PCM
// are read only when asked, through the core's file handle. Nothing read is trusted: a
// lookup record pointing past its package's end (mod packs ship these), a package that is
// missing, a header that does not fit its bank are each an EFinalError whose text names
// the bank and what is wrong, and whose Context is the file it concerns.

#include "catalogue/BankFacts.h"
#include "sound/SoundFormat.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace klarvon::sound {

class TGameSounds {
public:
    // gameFolder: the game's folder, or any file in it (GameFolderOf). Throws EFinalError
    // when PakFiles.dat or BankLkup.dat is missing or unreadable ("no sound files in
    // FOLDER: audio/CONFIG/BankLkup.dat is missing"), or either is malformed.
    explicit TGameSounds(const std::filesystem::path& gameFolder);

    const std::filesystem::path& Folder() const { return folder_; }
    int BankCount() const { return static_cast<int>(lookup_.size()); }
    bool HasBank(std::int64_t bank) const { return bank >= 0 && bank < BankCount(); }

    // The bank's lookup record; throws for a bank the lookup does not hold ("BankLkup.dat
    // holds no bank 800 (it has 710: 0 to 709)").
    const TBankLocation& Location(std::int64_t bank) const;
    // Its package's name ("GENRL"), "" when PakFiles.dat has no such package.
    std::string PackageName(std::int64_t bank) const;

    // Why the game could not load the bank from these files, in words that follow "bank
    // 38: " ("its package audio/SFX/GENRL is missing", "audio/SFX/GENRL ends at byte
    // 1,000, before the bank's end at byte 258,322"); none when it can. Reads nothing.
    std::optional<std::string> WhyUnloadable(std::int64_t bank) const;

    // The bank's sounds, from its header alone (BankHeaderSize bytes read).
    std::vector<TSoundEntry> Sounds(std::int64_t bank) const;
    // One sound's samples (only its PCM read); throws for a sound the bank does not hold.
    std::vector<std::int16_t> Samples(std::int64_t bank, int sound) const;

    // Each slot's buffer size from BankSlot.dat, by slot number; read at the first call.
    // Throws when the file is missing, malformed, or has no player engine slot.
    const std::vector<std::uint32_t>& SlotSizes() const;
    std::uint32_t PlayerSlotBytes() const;
    // The smallest of the dummy engine slots: a DummyBank may go into any of them.
    std::uint32_t DummySlotBytes() const;

    // What `check` judges banks by: each bank's size and whether it can be loaded, with
    // the slots' sizes, from these files (reads no header).
    TBankFacts Facts() const;

private:
    struct TPackage {
        std::string Name;
        std::optional<std::filesystem::path> Path; // none: missing
        std::int64_t Size = 0;
    };
    const TPackage* PackageOf(std::int64_t bank) const;

    std::filesystem::path folder_;
    std::filesystem::path lookupPath_;
    std::vector<TPackage> packages_;
    std::vector<TBankLocation> lookup_;
    mutable std::optional<std::vector<std::uint32_t>> slotSizes_;
};

} // namespace klarvon::sound

#include "sound/GameSounds.h"

#include "sound/GameFolder.h"
#include "table/FileHandle.h"
#include "table/FileRead.h"
#include "table/PathText.h"

#include <algorithm>
#include <string>

namespace klarvon::sound {

namespace {

// No configuration file of the game comes near this (the stock lookup is 8,520 bytes, the
// slots 216,902); a larger one is no such file, and is refused before it is read.
constexpr std::int64_t LargestConfigFile = std::int64_t{16} << 20;

std::string BankText(std::int64_t bank) {
    return "bank " + std::to_string(bank);
}

// The file at relative under folder, or a failure saying it is missing.
std::filesystem::path RequireFile(const std::filesystem::path& folder, std::string_view relative) {
    std::optional<std::filesystem::path> found = FindIgnoringCase(folder, relative);
    if (!found) {
        throw EFinalError("no sound files of the game here: " + std::string(relative) +
                              " is missing",
                          Utf8Text(folder));
    }
    return *found;
}

std::vector<std::uint8_t> ReadConfigFile(const std::filesystem::path& path) {
    const std::string name = Utf8Text(path);
    return NamingFile(name, [&name] {
        TFileHandle file;
        file.Open(name, TAccess::ReadOnly);
        if (file.Size() > LargestConfigFile) {
            throw EFinalError("the file is too large to be one of the game's sound files");
        }
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.Size()));
        if (file.ReadAt(0, bytes) != bytes.size()) {
            throw EFinalError("the file was cut short while it was read");
        }
        file.Close();
        return bytes;
    });
}

// count bytes at offset of path, all of them or a failure.
std::vector<std::uint8_t> ReadPart(const std::filesystem::path& path, std::int64_t offset,
                                   std::size_t count) {
    const std::string name = Utf8Text(path);
    return NamingFile(name, [&] {
        TFileHandle file;
        file.Open(name, TAccess::ReadOnly);
        std::vector<std::uint8_t> bytes(count);
        if (file.ReadAt(offset, bytes) != count) {
            throw EFinalError("the file ends before byte " +
                              std::to_string(offset + static_cast<std::int64_t>(count)));
        }
        file.Close();
        return bytes;
    });
}

} // namespace

TGameSounds::TGameSounds(const std::filesystem::path& gameFolder)
    : folder_(GameFolderOf(gameFolder)) {
    const std::filesystem::path packageList = RequireFile(folder_, PackageListPath);
    lookupPath_ = RequireFile(folder_, BankLookupPath);
    for (std::string& name : NamingFile(Utf8Text(packageList), [&packageList] {
             return ReadPackageNames(ReadConfigFile(packageList));
         })) {
        TPackage package{std::move(name), {}, 0};
        package.Path =
            FindIgnoringCase(folder_, std::string(PackageFolderPath) + "/" + package.Name);
        if (package.Path) {
            const std::string path = Utf8Text(*package.Path);
            package.Size = NamingFile(path, [&path] {
                TFileHandle file;
                file.Open(path, TAccess::ReadOnly);
                const std::int64_t size = file.Size();
                file.Close();
                return size;
            });
        }
        packages_.push_back(std::move(package));
    }
    lookup_ = NamingFile(Utf8Text(lookupPath_),
                         [this] { return ReadBankLookup(ReadConfigFile(lookupPath_)); });
}

const TBankLocation& TGameSounds::Location(std::int64_t bank) const {
    if (!HasBank(bank)) {
        throw EFinalError(BankText(bank) + ": BankLkup.dat holds no such bank (it holds " +
                              std::to_string(BankCount()) +
                              (BankCount() > 0 ? ": 0 to " + std::to_string(BankCount() - 1) : "") +
                              ")",
                          Utf8Text(lookupPath_));
    }
    return lookup_[static_cast<std::size_t>(bank)];
}

const TGameSounds::TPackage* TGameSounds::PackageOf(std::int64_t bank) const {
    const std::size_t index = static_cast<std::size_t>(Location(bank).Package);
    return index < packages_.size() ? &packages_[index] : nullptr;
}

std::string TGameSounds::PackageName(std::int64_t bank) const {
    const TPackage* package = PackageOf(bank);
    return package != nullptr ? package->Name : std::string();
}

std::optional<std::string> TGameSounds::WhyUnloadable(std::int64_t bank) const {
    const TBankLocation& location = Location(bank);
    const TPackage* package = PackageOf(bank);
    if (package == nullptr) {
        return "its package " + std::to_string(location.Package) +
               " is not in PakFiles.dat (it lists " + std::to_string(packages_.size()) + ")";
    }
    const std::string packagePath = std::string(PackageFolderPath) + "/" + package->Name;
    if (!package->Path) {
        return "its package " + packagePath + " is missing";
    }
    const std::int64_t end =
        std::int64_t{location.Offset} + std::int64_t{BankHeaderSize} + std::int64_t{location.Bytes};
    if (end > package->Size) {
        return packagePath + " ends at byte " + std::to_string(package->Size) +
               ", before the bank's end at byte " + std::to_string(end);
    }
    return std::nullopt;
}

std::vector<TSoundEntry> TGameSounds::Sounds(std::int64_t bank) const {
    if (std::optional<std::string> why = WhyUnloadable(bank)) {
        const TPackage* package = PackageOf(bank);
        throw EFinalError(
            BankText(bank) + ": " + *why,
            Utf8Text(package != nullptr && package->Path ? *package->Path : lookupPath_));
    }
    const TBankLocation& location = Location(bank);
    const std::filesystem::path& path = *PackageOf(bank)->Path;
    const std::vector<std::uint8_t> header = ReadPart(path, location.Offset, BankHeaderSize);
    try {
        return ReadBankHeader(header, location.Bytes);
    } catch (const EFinalError& failure) {
        throw EFinalError(BankText(bank) + ": " + failure.what(), Utf8Text(path));
    }
}

std::vector<std::int16_t> TGameSounds::Samples(std::int64_t bank, int sound) const {
    const std::vector<TSoundEntry> sounds = Sounds(bank);
    if (sound < 0 || static_cast<std::size_t>(sound) >= sounds.size()) {
        throw EFinalError(
            BankText(bank) + " has no sound " + std::to_string(sound) + " (it has " +
                std::to_string(sounds.size()) +
                (sounds.empty() ? "" : ": 0 to " + std::to_string(sounds.size() - 1)) + ")",
            Utf8Text(*PackageOf(bank)->Path));
    }
    const TSoundEntry& entry = sounds[static_cast<std::size_t>(sound)];
    const std::int64_t at =
        std::int64_t{Location(bank).Offset} + std::int64_t{BankHeaderSize} + entry.Start;
    return ReadSamples(ReadPart(*PackageOf(bank)->Path, at, entry.Bytes));
}

const std::vector<std::uint32_t>& TGameSounds::SlotSizes() const {
    if (!slotSizes_) {
        const std::filesystem::path path = RequireFile(folder_, BankSlotsPath);
        std::vector<std::uint32_t> sizes =
            NamingFile(Utf8Text(path), [&path] { return ReadSlotSizes(ReadConfigFile(path)); });
        if (sizes.size() <= static_cast<std::size_t>(PlayerEngineSlot)) {
            throw EFinalError("the file has " + std::to_string(sizes.size()) +
                                  " slots; the game loads the player's engine into slot " +
                                  std::to_string(PlayerEngineSlot),
                              Utf8Text(path));
        }
        slotSizes_ = std::move(sizes);
    }
    return *slotSizes_;
}

std::uint32_t TGameSounds::PlayerSlotBytes() const {
    return SlotSizes()[PlayerEngineSlot];
}

std::uint32_t TGameSounds::DummySlotBytes() const {
    const std::vector<std::uint32_t>& sizes = SlotSizes();
    return *std::min_element(sizes.begin() + FirstDummyEngineSlot,
                             sizes.begin() + LastDummyEngineSlot + 1);
}

TBankFacts TGameSounds::Facts() const {
    TBankFacts facts;
    facts.PlayerSlotBytes = PlayerSlotBytes();
    facts.DummySlotBytes = DummySlotBytes();
    facts.UsersFolder = Utf8Text(folder_);
    facts.Banks.reserve(lookup_.size());
    for (int bank = 0; bank < BankCount(); ++bank) {
        facts.Banks.push_back({lookup_[static_cast<std::size_t>(bank)].Bytes, WhyUnloadable(bank)});
    }
    return facts;
}

} // namespace klarvon::sound

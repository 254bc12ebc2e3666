#pragma once
// A small install of the game's sound files, built by a test in a folder of its own:
// audio/CONFIG/PakFiles.dat, BankLkup.dat (with the PC's 0xCC pads) and BankSlot.dat, and
// the packages under audio/SFX, each holding its banks back to back as the game's do.
// Banks an install does not define point at one empty bank at the start of the first
// package, so a test names only the banks it needs (38, 74, 138) and the files stay small.

#include "TempDir.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace klarvon::test {

struct TTestSound {
    std::uint16_t Rate = 22050;
    std::vector<std::int16_t> Samples;
    std::int32_t LoopStart = -1;
    std::int16_t Headroom = 0;
};

struct TTestBank {
    int Package = 1; // GENRL, where every vehicle bank is
    std::vector<TTestSound> Sounds;
};

inline constexpr std::uint32_t TestBankHeaderSize = 4804;
inline constexpr std::size_t TestSlotRecordSize = 4820;

// The stock slot sizes that matter (7..16 the dummy engine slots, 40 the player's); the
// other slots of the 45 hold 100,000 bytes.
inline std::vector<std::uint32_t> StockLikeSlotSizes() {
    std::vector<std::uint32_t> sizes(45, 100000);
    for (int slot = 7; slot <= 16; ++slot) {
        sizes[static_cast<std::size_t>(slot)] = 74496;
    }
    sizes[40] = 290048;
    return sizes;
}

struct TTestInstall {
    std::vector<std::string> Packages{"FEET", "GENRL", "PAIN_A"};
    std::map<int, TTestBank> Banks; // by bank id
    int BankCount = 0;              // lookup records; at least one past the last bank
    std::vector<std::uint32_t> SlotSizes = StockLikeSlotSizes();
};

// A ramp that differs with seed, so that a sound read from the wrong place shows.
inline TTestSound TestTone(std::uint16_t rate, std::size_t count, int seed = 0) {
    TTestSound sound;
    sound.Rate = rate;
    sound.Samples.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        sound.Samples[i] =
            static_cast<std::int16_t>((static_cast<int>(i) * 37 + seed * 1009) % 60000 - 30000);
    }
    return sound;
}

inline void PutU16(TBytes& bytes, std::uint32_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void PutU32(TBytes& bytes, std::uint32_t value) {
    PutU16(bytes, value & 0xFFFF);
    PutU16(bytes, value >> 16);
}

// A bank's header and PCM, as its package holds it.
inline TBytes BankBytes(const TTestBank& bank) {
    TBytes bytes;
    PutU16(bytes, static_cast<std::uint32_t>(bank.Sounds.size()));
    PutU16(bytes, 0);
    std::uint32_t start = 0;
    for (const TTestSound& sound : bank.Sounds) {
        PutU32(bytes, start);
        PutU32(bytes, static_cast<std::uint32_t>(sound.LoopStart));
        PutU16(bytes, sound.Rate);
        PutU16(bytes, static_cast<std::uint16_t>(sound.Headroom));
        start += static_cast<std::uint32_t>(sound.Samples.size() * 2);
    }
    bytes.resize(TestBankHeaderSize, 0);
    for (const TTestSound& sound : bank.Sounds) {
        for (std::int16_t sample : sound.Samples) {
            PutU16(bytes, static_cast<std::uint16_t>(sample));
        }
    }
    return bytes;
}

struct TTestLocation {
    int Package = 0;
    std::uint32_t Offset = 0;
    std::uint32_t Bytes = 0;
};

inline TBytes LookupBytes(const std::vector<TTestLocation>& banks) {
    TBytes bytes;
    for (const TTestLocation& bank : banks) {
        bytes.push_back(static_cast<std::uint8_t>(bank.Package));
        bytes.insert(bytes.end(), 3, 0xCC);
        PutU32(bytes, bank.Offset);
        PutU32(bytes, bank.Bytes);
    }
    return bytes;
}

inline std::filesystem::path ConfigFile(const std::filesystem::path& folder,
                                        const std::string& name) {
    return folder / "audio" / "CONFIG" / name;
}

inline std::filesystem::path PackageFile(const std::filesystem::path& folder,
                                         const std::string& name) {
    return folder / "audio" / "SFX" / name;
}

// Writes the install into folder; returns every bank's lookup record.
inline std::vector<TTestLocation> WriteSoundInstall(const std::filesystem::path& folder,
                                                    const TTestInstall& install) {
    std::filesystem::create_directories(folder / "audio" / "CONFIG");
    std::filesystem::create_directories(folder / "audio" / "SFX");
    TBytes names;
    for (const std::string& name : install.Packages) {
        TBytes record(52, 0);
        std::copy(name.begin(), name.end(), record.begin());
        std::fill(record.begin() + static_cast<std::ptrdiff_t>(name.size()) + 1,
                  record.begin() + 12, 0xCD);
        names.insert(names.end(), record.begin(), record.end());
    }
    WriteBytes(ConfigFile(folder, "PakFiles.dat").string(), names);

    // The first package starts with the empty bank the undefined ids point at.
    std::vector<TBytes> packages(install.Packages.size());
    packages[0] = BankBytes({});
    const int count =
        std::max(install.BankCount, install.Banks.empty() ? 0 : install.Banks.rbegin()->first + 1);
    std::vector<TTestLocation> lookup(static_cast<std::size_t>(count));
    for (const auto& [id, bank] : install.Banks) {
        TBytes& package = packages.at(static_cast<std::size_t>(bank.Package));
        const TBytes bytes = BankBytes(bank);
        lookup[static_cast<std::size_t>(id)] = {
            bank.Package, static_cast<std::uint32_t>(package.size()),
            static_cast<std::uint32_t>(bytes.size() - TestBankHeaderSize)};
        package.insert(package.end(), bytes.begin(), bytes.end());
    }
    WriteBytes(ConfigFile(folder, "BankLkup.dat").string(), LookupBytes(lookup));
    for (std::size_t i = 0; i < packages.size(); ++i) {
        WriteBytes(PackageFile(folder, install.Packages[i]).string(), packages[i]);
    }

    TBytes slots;
    PutU16(slots, static_cast<std::uint32_t>(install.SlotSizes.size()));
    for (std::uint32_t size : install.SlotSizes) {
        TBytes record;
        PutU32(record, 0);
        PutU32(record, size);
        record.resize(TestSlotRecordSize, 0);
        slots.insert(slots.end(), record.begin(), record.end());
    }
    WriteBytes(ConfigFile(folder, "BankSlot.dat").string(), slots);
    return lookup;
}

} // namespace klarvon::test

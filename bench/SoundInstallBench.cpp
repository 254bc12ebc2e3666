#include "SoundInstallBench.h"

#include "catalogue/BankNames.h"
#include "sound/GameFolder.h"
#include "sound/SoundFormat.h"

#include <cstdint>
#include <fstream>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace klarvon::bench {

namespace {

using namespace klarvon::sound;

constexpr std::uint16_t BenchRate = 22050;
constexpr int SoundsPerBank = 3;
constexpr std::size_t SlotCount = 45;

void Put(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void WriteAll(int file, const std::vector<std::uint8_t>& bytes, std::int64_t at) {
    if (pwrite(file, bytes.data(), bytes.size(), at) != static_cast<ssize_t>(bytes.size())) {
        throw std::runtime_error("cannot write the benchmark's install");
    }
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

} // namespace

const std::filesystem::path& FullSizeInstall(const std::filesystem::path& folder,
                                             const std::set<int>& banksWithSamples) {
    if (HasSoundFiles(folder)) {
        return folder;
    }
    std::filesystem::create_directories(folder / "audio" / "CONFIG");
    std::filesystem::create_directories(folder / "audio" / "SFX");
    std::vector<std::string> packages;
    std::map<std::string, int> packageIndex;
    std::vector<std::uint8_t> lookup(StockBankCount * LookupRecordSize, 0xCC);
    std::map<std::string, std::int64_t> ends;
    std::map<std::string, int> files;
    std::mt19937 random(7);
    for (int bank = 0; bank < StockBankCount; ++bank) {
        const TBankName& name = *StockBankName(bank);
        const std::string package(name.Package);
        if (!packageIndex.contains(package)) {
            packageIndex[package] = static_cast<int>(packages.size());
            packages.push_back(package);
            files[package] = open((folder / "audio" / "SFX" / package).c_str(),
                                  O_CREAT | O_TRUNC | O_WRONLY, 0644);
        }
        const std::int64_t offset = ends[package];
        const std::size_t at = static_cast<std::size_t>(bank) * LookupRecordSize;
        lookup[at] = static_cast<std::uint8_t>(packageIndex[package]);
        Put(lookup, at + 4, static_cast<std::uint32_t>(offset), 4);
        Put(lookup, at + 8, name.StockBytes, 4);

        std::vector<std::uint8_t> header(BankHeaderSize, 0);
        Put(header, 0, SoundsPerBank, 2);
        const std::uint32_t third = name.StockBytes / SoundsPerBank / 2 * 2;
        for (int sound = 0; sound < SoundsPerBank; ++sound) {
            const std::size_t entry = 4 + static_cast<std::size_t>(sound) * SoundEntrySize;
            Put(header, entry, third * static_cast<std::uint32_t>(sound), 4);
            Put(header, entry + 4, static_cast<std::uint32_t>(NoLoop), 4);
            Put(header, entry + 8, BenchRate, 2);
        }
        const int file = files[package];
        WriteAll(file, header, offset);
        if (banksWithSamples.contains(bank)) {
            std::vector<std::uint8_t> pcm(name.StockBytes);
            for (std::uint8_t& byte : pcm) {
                byte = static_cast<std::uint8_t>(random());
            }
            WriteAll(file, pcm, offset + static_cast<std::int64_t>(BankHeaderSize));
        }
        ends[package] = offset + static_cast<std::int64_t>(BankHeaderSize) + name.StockBytes;
    }
    for (const auto& [package, file] : files) {
        if (ftruncate(file, ends[package]) != 0 || close(file) != 0) {
            throw std::runtime_error("cannot size the benchmark's packages");
        }
    }
    std::vector<std::uint8_t> names(packages.size() * PackageRecordSize, 0);
    for (std::size_t i = 0; i < packages.size(); ++i) {
        std::copy(packages[i].begin(), packages[i].end(),
                  names.begin() + static_cast<std::ptrdiff_t>(i * PackageRecordSize));
    }
    std::vector<std::uint8_t> slots(SlotCountSize + SlotCount * SlotRecordSize, 0);
    Put(slots, 0, SlotCount, 2);
    for (std::size_t slot = 0; slot < SlotCount; ++slot) {
        const bool dummy = slot >= FirstDummyEngineSlot && slot <= LastDummyEngineSlot;
        Put(slots, SlotCountSize + slot * SlotRecordSize + 4,
            slot == PlayerEngineSlot ? 290048U
            : dummy                  ? 74496U
                                     : 100000U,
            4);
    }
    WriteFile(folder / PackageListPath, names);
    WriteFile(folder / BankLookupPath, lookup);
    WriteFile(folder / BankSlotsPath, slots);
    return folder;
}

} // namespace klarvon::bench

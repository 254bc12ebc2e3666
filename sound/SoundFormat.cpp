#include "sound/SoundFormat.h"

#include "table/Errors.h"

#include <algorithm>
#include <string>

namespace klarvon::sound {

namespace {

// The offsets inside a record; each file's layout is the game's, little-endian.
constexpr std::size_t LookupPackageAt = 0;
constexpr std::size_t LookupOffsetAt = 4;
constexpr std::size_t LookupBytesAt = 8;
constexpr std::size_t SlotBufferSizeAt = 4;
constexpr std::size_t HeaderCountAt = 0;
constexpr std::size_t HeaderEntriesAt = 4;
constexpr std::size_t EntryStartAt = 0;
constexpr std::size_t EntryLoopAt = 4;
constexpr std::size_t EntryRateAt = 8;
constexpr std::size_t EntryHeadroomAt = 10;
constexpr std::uint64_t MillisecondsPerSecond = 1000;

std::uint16_t U16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t U32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) |
           (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

void RequireRecords(std::span<const std::uint8_t> bytes, std::size_t recordSize) {
    if (bytes.size() % recordSize != 0) {
        throw EFinalError("the file's size, " + std::to_string(bytes.size()) +
                          " bytes, is no multiple of " + std::to_string(recordSize) +
                          " (the size of its records)");
    }
}

} // namespace

std::uint64_t TSoundEntry::Milliseconds() const {
    return std::uint64_t{Samples()} * MillisecondsPerSecond / Rate;
}

std::optional<std::uint32_t> TSoundEntry::Loop() const {
    if (LoopStart < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(LoopStart);
}

std::vector<std::string> ReadPackageNames(std::span<const std::uint8_t> bytes) {
    RequireRecords(bytes, PackageRecordSize);
    std::vector<std::string> names;
    for (std::size_t at = 0; at < bytes.size(); at += PackageRecordSize) {
        const auto name = bytes.subspan(at, PackageNameSize);
        const auto end = std::find(name.begin(), name.end(), std::uint8_t{0});
        names.emplace_back(name.begin(), end);
    }
    return names;
}

std::vector<TBankLocation> ReadBankLookup(std::span<const std::uint8_t> bytes) {
    RequireRecords(bytes, LookupRecordSize);
    std::vector<TBankLocation> banks;
    banks.reserve(bytes.size() / LookupRecordSize);
    for (std::size_t at = 0; at < bytes.size(); at += LookupRecordSize) {
        banks.push_back({bytes[at + LookupPackageAt], U32(bytes, at + LookupOffsetAt),
                         U32(bytes, at + LookupBytesAt)});
    }
    return banks;
}

std::vector<std::uint32_t> ReadSlotSizes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < SlotCountSize) {
        throw EFinalError("the file is too short to hold its count of slots");
    }
    const std::size_t count = U16(bytes, 0);
    if ((bytes.size() - SlotCountSize) / SlotRecordSize < count) {
        throw EFinalError("the file counts " + std::to_string(count) + " slots but holds only " +
                          std::to_string((bytes.size() - SlotCountSize) / SlotRecordSize));
    }
    std::vector<std::uint32_t> sizes;
    sizes.reserve(count);
    for (std::size_t slot = 0; slot < count; ++slot) {
        sizes.push_back(U32(bytes, SlotCountSize + slot * SlotRecordSize + SlotBufferSizeAt));
    }
    return sizes;
}

std::vector<TSoundEntry> ReadBankHeader(std::span<const std::uint8_t> header,
                                        std::uint32_t bankBytes) {
    if (header.size() < BankHeaderSize) {
        throw EFinalError("its header is cut short (" + std::to_string(header.size()) + " of " +
                          std::to_string(BankHeaderSize) + " bytes)");
    }
    const auto count = static_cast<std::int16_t>(U16(header, HeaderCountAt));
    if (count < 0 || count > MostSoundsInBank) {
        throw EFinalError("its header counts " + std::to_string(count) +
                          " sounds (a bank holds 0 to " + std::to_string(MostSoundsInBank) + ")");
    }
    std::vector<TSoundEntry> sounds(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        const std::size_t at = HeaderEntriesAt + i * SoundEntrySize;
        TSoundEntry& sound = sounds[i];
        sound.Start = U32(header, at + EntryStartAt);
        sound.LoopStart = static_cast<std::int32_t>(U32(header, at + EntryLoopAt));
        sound.Rate = U16(header, at + EntryRateAt);
        sound.Headroom = static_cast<std::int16_t>(U16(header, at + EntryHeadroomAt));
        const std::string which = "sound " + std::to_string(i);
        if (sound.Rate == 0) {
            throw EFinalError(which + " has a sample rate of 0");
        }
        if (sound.Start > bankBytes) {
            throw EFinalError(which + " starts at byte " + std::to_string(sound.Start) +
                              ", past the bank's end at byte " + std::to_string(bankBytes));
        }
        if (i > 0 && sound.Start < sounds[i - 1].Start) {
            throw EFinalError(which + " starts at byte " + std::to_string(sound.Start) +
                              ", before sound " + std::to_string(i - 1) + " (at byte " +
                              std::to_string(sounds[i - 1].Start) + ")");
        }
    }
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        const std::uint32_t end = i + 1 < sounds.size() ? sounds[i + 1].Start : bankBytes;
        sounds[i].Bytes = end - sounds[i].Start;
    }
    return sounds;
}

std::vector<std::int16_t> ReadSamples(std::span<const std::uint8_t> pcm) {
    std::vector<std::int16_t> samples(pcm.size() / BytesPerSample);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(U16(pcm, i * BytesPerSample));
    }
    return samples;
}

} // namespace klarvon::sound

#pragma once
// The layouts of the game's sound configuration files and of a bank's header, read from
// bytes alone: no file is opened here (GameSounds.h opens them). Every reader checks
// each count, offset and size before it uses it and throws EFinalError whose text says
// what is wrong in the user's words; the caller adds the file (as Context) and the bank.
// Numbers are little-endian.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace klarvon::sound {

// audio/CONFIG/PakFiles.dat: records of 52 bytes, a NUL-terminated name in the first 12.
inline constexpr std::size_t PackageRecordSize = 52;
inline constexpr std::size_t PackageNameSize = 12;
// audio/CONFIG/BankLkup.dat: records of 12 bytes; a bank's id is its record number.
inline constexpr std::size_t LookupRecordSize = 12;
// audio/CONFIG/BankSlot.dat: a u16 count, then records of 4,820 bytes.
inline constexpr std::size_t SlotCountSize = 2;
inline constexpr std::size_t SlotRecordSize = 4820;
// A bank in its package: a header of 4,804 bytes (i16 count, u16 0, 400 entries of 12
// bytes), then the PCM its lookup record counts.
inline constexpr std::size_t BankHeaderSize = 4804;
inline constexpr std::size_t SoundEntrySize = 12;
inline constexpr int MostSoundsInBank = 400;
// A sample of PCM: signed 16-bit little-endian mono.
inline constexpr std::size_t BytesPerSample = 2;
inline constexpr std::int32_t NoLoop = -1;

// The slots of BankSlot.dat a vehicle's engine banks are loaded into.
inline constexpr int FirstDummyEngineSlot = 7;
inline constexpr int LastDummyEngineSlot = 16;
inline constexpr int PlayerEngineSlot = 40;

// One record of BankLkup.dat.
struct TBankLocation {
    int Package = 0;          // index into PakFiles.dat
    std::uint32_t Offset = 0; // of the bank's header in its package, in bytes
    std::uint32_t Bytes = 0;  // the bank's PCM after the header (NumBytes)
};

// One sound of a bank, as its header describes it, its end taken from the next sound's
// start (the last one's from the bank's size).
struct TSoundEntry {
    std::uint32_t Start = 0; // of its PCM, in bytes after the header
    std::uint32_t Bytes = 0;
    std::int32_t LoopStart = NoLoop; // in samples
    std::uint16_t Rate = 0;          // in Hz, never 0
    std::int16_t Headroom = 0;       // in hundredths of a dB

    std::uint32_t Samples() const { return Bytes / BytesPerSample; }
    // Its length in whole milliseconds, rounded down.
    std::uint64_t Milliseconds() const;
    std::optional<std::uint32_t> Loop() const; // the loop start, none for NoLoop
};

// The package names, in order ("GENRL"). A size that is no multiple of 52 is refused.
std::vector<std::string> ReadPackageNames(std::span<const std::uint8_t> bytes);

// Every bank's place. A size that is no multiple of 12 is refused ("the file's size, 8,521
// bytes, is no multiple of 12"); the pad bytes are ignored (0xCC on PC, 0 elsewhere).
std::vector<TBankLocation> ReadBankLookup(std::span<const std::uint8_t> bytes);

// Each slot's buffer size in bytes, by slot number. A count the file is too short for is
// refused.
std::vector<std::uint32_t> ReadSlotSizes(std::span<const std::uint8_t> bytes);

// The sounds of a bank from its header (BankHeaderSize bytes) and its PCM size (from the
// lookup). Refused: a count below 0 or above 400, a rate of 0, a start past the bank's end,
// a start before the one of the sound before it.
std::vector<TSoundEntry> ReadBankHeader(std::span<const std::uint8_t> header,
                                        std::uint32_t bankBytes);

// Little-endian samples from PCM bytes (an odd last byte is dropped).
std::vector<std::int16_t> ReadSamples(std::span<const std::uint8_t> pcm);

} // namespace klarvon::sound

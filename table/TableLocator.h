#pragma once
// Where the table of vehicle audio records lies in an executable: a fixed place in the
// one release known by its size, else right after the last copy of a 36-byte signature.

#include "table/FileHandle.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace klarvon {

class TRecordFile;

inline constexpr std::int64_t KnownExeSize = 14383616;  // 0xDB7A00, the v1.0 US release
inline constexpr std::int64_t KnownTableBase = 4569776; // 0x45BAB0
inline constexpr int FirstVehicleId = 400;
inline constexpr int LastVehicleId = 630;
inline constexpr int SlotCount = LastVehicleId - FirstVehicleId + 1;
// A signature found this close to the start of the file is not believed.
inline constexpr std::int64_t MinSignatureOffset = 10;
// The file search reads this much at a time, so memory stays bounded whatever the size.
// It fits the second-level cache of today's processors, so the search finds the bytes the
// read has just put there, and is large enough that the reads cost little more than the
// copying itself.
inline constexpr std::size_t SearchChunkSize = std::size_t{512} << 10;

inline constexpr char KnownVersionText[] = "v1.0 us";
inline constexpr char UnknownVersionText[] = "Unknown";

// "\User Tracks\" 0 0 0, "wb" 0 0, float32 0.005, 3.6, 50.0, then four zero bytes:
// the data that precedes the record of ID 400 in every release seen so far.
inline constexpr std::array<std::uint8_t, 36> TableSignature{
    0x5C, 0x55, 0x73, 0x65, 0x72, 0x20, 0x54, 0x72, 0x61, 0x63, 0x6B, 0x73,
    0x5C, 0x00, 0x00, 0x00, 0x77, 0x62, 0x00, 0x00, 0x0A, 0xD7, 0xA3, 0x3B,
    0x66, 0x66, 0x66, 0x40, 0x00, 0x00, 0x48, 0x42, 0x00, 0x00, 0x00, 0x00};

struct TTableLocation {
    bool Known = true;
    std::int64_t SearchBase = 0; // meaningful when !Known
    std::string VersionText;
    std::int64_t FileSize = 0;
    std::int64_t SignatureOffset = -1; // last match, -1 for none; meaningful when !Known
};

// The editor refuses a file of unknown size with no signature at offset 10 or later.
bool IsRejected(const TTableLocation& location);
// What the user is told of a refused file, as is, with no full stop.
inline constexpr std::string_view RejectedFileText = "Unknown gta_sa.exe";

class TTableLocator {
public:
    // onSize hears the file size as soon as it is known, before anything is decided.
    // I/O failures throw EInOutError; a rejected file is returned, see IsRejected.
    // The editor opens for writing too (a file it could not write is refused at once);
    // a tool that only reads asks for TAccess::ReadOnly.
    static TTableLocation Locate(const std::string& path,
                                 const std::function<void(std::int64_t)>& onSize = {},
                                 TAccess access = TAccess::ReadWrite);
    // The same in a file already open, which stays open.
    static TTableLocation Locate(const TRecordFile& file,
                                 const std::function<void(std::int64_t)>& onSize = {});

    // Whether the 36 bytes before the table of a file of the known size are the signature:
    // the known size alone does not make a file the game.
    static bool SignatureBeforeKnownTable(const TRecordFile& file);

    // File offset of the record of list position (0 = ID 400).
    static std::int64_t RecordOffset(const TTableLocation& location, int position);

    // The last full match of TableSignature in the bytes, or -1.
    static std::int64_t FindLastSignature(std::span<const std::uint8_t> bytes);

    // The same result as FindLastSignature over the file's first size bytes, read from
    // the end backwards in overlapping chunks of chunkSize bytes (at least 36). A file
    // that turns out shorter than size fails with "Read beyond end of file".
    static std::int64_t FindLastSignatureInFile(const TRecordFile& file, std::int64_t size,
                                                std::size_t chunkSize = SearchChunkSize);
};

} // namespace klarvon

#include "table/TableLocator.h"

#include "table/InOutError.h"
#include "table/RecordFile.h"
#include "table/TwinSearch.h"
#include "table/VehicleAudioRecord.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace klarvon {

namespace {

constexpr std::int64_t SignatureSize = static_cast<std::int64_t>(TableSignature.size());
static_assert(TableSignature.size() == RecordSize, "the signature is one record long");

// The candidate filter: the three 'f's (66 66 66, in the float 3.6) from this offset of
// the signature. Two equal bytes at an even address, which every run of three has, are
// found a whole word at a time; they are rare in code and data, so few places are
// compared in full.
constexpr std::size_t RunOfThree = 24;
static_assert(TableSignature[RunOfThree] == TableSignature[RunOfThree + 1] &&
              TableSignature[RunOfThree + 1] == TableSignature[RunOfThree + 2]);

// The distance from a base to the record of the first vehicle: the base is the address
// of an (imaginary) record of ID 0.
constexpr std::int64_t FirstRecordDistance = static_cast<std::int64_t>(RecordSize) * FirstVehicleId;

} // namespace

bool IsRejected(const TTableLocation& location) {
    return !location.Known && location.SignatureOffset < MinSignatureOffset;
}

TTableLocation TTableLocator::Locate(const std::string& path,
                                     const std::function<void(std::int64_t)>& onSize,
                                     TAccess access) {
    TRecordFile file(path,
                     access == TAccess::ReadOnly ? TOpenMode::ReadOnly : TOpenMode::ReadWrite);
    TTableLocation location = Locate(file, onSize);
    file.Close();
    return location;
}

TTableLocation TTableLocator::Locate(const TRecordFile& file,
                                     const std::function<void(std::int64_t)>& onSize) {
    const std::int64_t size = file.Size();
    if (onSize) {
        onSize(size);
    }

    TTableLocation location;
    location.FileSize = size;
    if (size == KnownExeSize) {
        location.Known = true;
        location.VersionText = KnownVersionText;
    } else {
        location.Known = false;
        location.VersionText = UnknownVersionText;
        location.SignatureOffset = FindLastSignatureInFile(file, size);
        // Also for a rejected file: the caller shows what was found either way.
        location.SearchBase = location.SignatureOffset + SignatureSize - FirstRecordDistance;
    }
    return location;
}

bool TTableLocator::SignatureBeforeKnownTable(const TRecordFile& file) {
    std::array<std::uint8_t, TableSignature.size()> bytes{};
    const std::int64_t at = KnownTableBase + FirstRecordDistance - SignatureSize;
    return file.ReadAt(at, bytes) == bytes.size() &&
           std::equal(bytes.begin(), bytes.end(), TableSignature.begin());
}

std::int64_t TTableLocator::RecordOffset(const TTableLocation& location, int position) {
    // A position outside the list (-1 is "nothing selected") would name bytes that are
    // no vehicle's record; writing there would damage the executable.
    if (position < 0 || position >= SlotCount) {
        throw ERangeError();
    }
    const std::int64_t base = location.Known ? KnownTableBase : location.SearchBase;
    return base + FirstRecordDistance + static_cast<std::int64_t>(RecordSize) * position;
}

std::int64_t TTableLocator::FindLastSignature(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < TableSignature.size()) {
        return -1;
    }
    // Only positions where all 36 bytes fit can start a match.
    const std::uint8_t* const data = bytes.data();
    const std::size_t candidates = bytes.size() - TableSignature.size() + 1;
    // A match at p has its aligned pair at p + RunOfThree or one further. Backwards, and
    // the higher start first, so the first full match is the last one.
    std::size_t pairsBelow = candidates + RunOfThree + 1;
    for (;;) {
        const std::size_t pair = FindLastAlignedTwin(data, pairsBelow, TableSignature[RunOfThree]);
        if (pair == pairsBelow) {
            return -1;
        }
        for (const std::size_t before : {RunOfThree, RunOfThree + 1}) {
            const std::size_t position = pair - before;
            if (pair >= before && position < candidates &&
                std::memcmp(data + position, TableSignature.data(), TableSignature.size()) == 0) {
                return static_cast<std::int64_t>(position);
            }
        }
        pairsBelow = pair;
    }
}

std::int64_t TTableLocator::FindLastSignatureInFile(const TRecordFile& file, std::int64_t size,
                                                    std::size_t chunkSize) {
    if (chunkSize < TableSignature.size()) {
        throw std::invalid_argument("search chunks must hold at least one signature");
    }
    if (size < SignatureSize) {
        return -1;
    }
    // Chunks overlap by one byte less than the signature, so a match cut by a chunk's
    // start lies whole in the chunk before it, and none is seen twice.
    const auto chunk = static_cast<std::int64_t>(
        std::min<std::uint64_t>(chunkSize, static_cast<std::uint64_t>(size)));
    const std::int64_t overlap = SignatureSize - 1;
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(chunk));

    // From the end backwards: the first match found is the last in the file, so a table
    // near the end is found without reading what lies before it.
    std::int64_t end = size;
    for (;;) {
        const std::int64_t start = std::max<std::int64_t>(0, end - chunk);
        const auto length = static_cast<std::size_t>(end - start);
        const std::span<std::uint8_t> window(buffer.data(), length);
        // A file cut short by another program while we search has no answer we could
        // trust; say so instead of searching what happens to be left.
        if (file.ReadAt(start, window) < length) {
            throw ReadBeyondEndOfFile();
        }
        const std::int64_t match = FindLastSignature(window);
        if (match >= 0) {
            return start + match;
        }
        if (start == 0) {
            return -1;
        }
        end = start + overlap;
    }
}

} // namespace klarvon

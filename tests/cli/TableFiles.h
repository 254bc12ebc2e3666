#pragma once
// Executable-like files for the end-to-end tests, built here byte by byte so that the
// tests do not lean on the program's own demo generator.

#include "support/TempDir.h"
#include "table/TableLocator.h"
#include "table/VehicleAudioRecord.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace klarvon::test {

inline constexpr std::int64_t SampleSignatureOffset = 5000;
inline constexpr std::size_t SampleTrailingBytes = 777;

// Distinct, in-range values for every field of every slot.
inline TVehicleAudioRecord SampleRecord(int id) {
    TVehicleAudioRecord record;
    const auto set = [&record](TField field, std::int64_t value) {
        record[field] = BitsOfInteger(EditorField(field).Type, value);
    };
    set(TField::VehicleType, id % 11);
    set(TField::PowerOnSoundId, id);
    set(TField::PowerOffSoundId, -id);
    set(TField::Unknown1, id * 3);
    record[TField::Unknown2] = BitsOfFloat(static_cast<float>(id) / 7.0F);
    record[TField::Unknown3] = BitsOfFloat(1.0F / static_cast<float>(id));
    set(TField::HornType, id % 12 == 11 ? 255 : id % 12);
    record[TField::HornTone] = BitsOfFloat(1.0F + static_cast<float>(id % 50) / 1000.0F);
    set(TField::DoorSoundType, id % 6);
    set(TField::RadioStation, id % 14);
    set(TField::RadioType, id % 4);
    set(TField::Unknown4, id % 256);
    set(TField::Unknown5, (id * 7) % 256);
    set(TField::Unknown6, (id * 13) % 256);
    record[TField::Unknown7] = BitsOfFloat(static_cast<float>(id) * 0.5F);
    set(TField::Unknown8, 255 - id % 256);
    return record;
}

// Filler that never holds the signature's first byte, the signature at
// signatureOffset, the 231 records, then trailing filler.
inline TBytes MakeTableFile(std::int64_t signatureOffset = SampleSignatureOffset,
                            const std::function<TVehicleAudioRecord(int)>& recordOf = SampleRecord,
                            std::size_t trailing = SampleTrailingBytes) {
    TBytes bytes;
    for (std::int64_t i = 0; i < signatureOffset; ++i) {
        bytes.push_back(static_cast<std::uint8_t>('A' + i % 26));
    }
    bytes.insert(bytes.end(), TableSignature.begin(), TableSignature.end());
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        const TRecordBytes record = recordOf(id).Bytes;
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    bytes.insert(bytes.end(), trailing, std::uint8_t{0x90});
    return bytes;
}

// A file of the known release's size with the signature where that release has it, so
// that it is taken for the game, and the sample records after it.
inline constexpr std::int64_t KnownSignatureOffset = 4584176 - 36;
inline TBytes KnownSizeGame() {
    TBytes bytes = MakeTableFile(KnownSignatureOffset);
    bytes.resize(static_cast<std::size_t>(KnownExeSize), std::uint8_t{0x90});
    return bytes;
}

// The file offset of a slot's record in a file made by MakeTableFile.
inline std::size_t SampleRecordOffset(int id,
                                      std::int64_t signatureOffset = SampleSignatureOffset) {
    return static_cast<std::size_t>(signatureOffset) +
           RecordSize * static_cast<std::size_t>(id - FirstVehicleId + 1);
}

inline std::string WriteTableFile(const TTempDir& dir, const std::string& name,
                                  const TBytes& bytes = MakeTableFile()) {
    const std::string path = dir.File(name);
    WriteBytes(path, bytes);
    return path;
}

// A text file of the test's own, written byte for byte (no line-end translation).
inline std::string WriteText(const TTempDir& dir, const std::string& name,
                             const std::string& text) {
    const std::string path = dir.File(name);
    WriteBytes(path, TBytes(text.begin(), text.end()));
    return path;
}

inline std::string ReadText(const std::string& path) {
    const TBytes bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

// A command's words with "CFG" standing for the cfg and "MOD" for a mod's cfg, written
// beside it with the text mod when the words name it.
inline std::vector<std::string> WithCfgFiles(std::vector<std::string> words, const TTempDir& dir,
                                             const std::string& cfg, const std::string& mod) {
    for (std::string& word : words) {
        word = word == "CFG" ? cfg : word == "MOD" ? WriteText(dir, "mod.cfg", mod) : word;
    }
    return words;
}

} // namespace klarvon::test

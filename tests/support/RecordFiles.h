#pragma once
// Whole-record reads and writes by path and offset, for tests that look at a file's bytes
// without a table around them. Each opens and closes the file as the programs do.

#include "table/RecordFile.h"
#include "table/VehicleAudioRecord.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace klarvon::test {

using TBitsArray = std::array<TFieldBits, FieldCount>;

inline TVehicleAudioRecord RecordOf(const TBitsArray& bits) {
    TVehicleAudioRecord record;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        record[static_cast<TField>(i)] = bits[i];
    }
    return record;
}

inline TBitsArray BitsOf(const TVehicleAudioRecord& record) {
    TBitsArray bits{};
    for (std::size_t i = 0; i < FieldCount; ++i) {
        bits[i] = record[static_cast<TField>(i)];
    }
    return bits;
}

inline TBitsArray BitsOf(const TRecordBytes& bytes) {
    return BitsOf(TVehicleAudioRecord{bytes});
}

inline TRecordBytes ReadWholeRecord(const std::string& path, std::int64_t offset,
                                    TOpenMode mode = TOpenMode::ReadWrite) {
    TRecordFile file(path, mode);
    const TRecordBytes bytes = file.ReadRecord(offset);
    file.Close();
    return bytes;
}

inline void ReadRecord(const std::string& path, std::int64_t offset, TVehicleAudioRecord& current,
                       const std::function<void(TField)>& onField = {}) {
    TRecordFile file(path);
    ReadRecordFields(file, offset, current, onField);
    file.Close();
}

// One record's commit, computed from what the file holds now (as far as it reaches).
inline void WriteRecord(TRecordFile& file, std::int64_t offset, const TRecordBytes& bytes) {
    TRecordBytes before{};
    if (offset >= 0) {
        file.ReadAt(offset, before);
    }
    const std::array change{TRecordChange{offset, before, bytes}};
    file.Commit(change);
}

inline void WriteWholeRecord(const std::string& path, std::int64_t offset,
                             const TRecordBytes& bytes) {
    TRecordFile file(path, TOpenMode::Change);
    WriteRecord(file, offset, bytes);
    file.Close();
}

} // namespace klarvon::test

#include "cli/TableFile.h"

#include "cli/Failure.h"
#include "table/RecordFile.h"

#include <utility>

namespace klarvon::cli {

TTableFile::TTableFile(std::string path)
    : Path_(std::move(path)), Location_(TTableLocator::Locate(Path_)) {
    if (IsRejected(Location_)) {
        throw ERejectedFile();
    }
}

std::int64_t TTableFile::RecordOffset(int id) const {
    return TTableLocator::RecordOffset(Location_, id - FirstVehicleId);
}

TVehicleAudioRecord TTableFile::Read(int id) const {
    return ReadWholeRecord(Path_, RecordOffset(id));
}

void TTableFile::Write(int id, const TVehicleAudioRecord& record) const {
    WriteWholeRecord(Path_, RecordOffset(id), record);
}

std::vector<TVehicleAudioRecord> TTableFile::ReadAll() const {
    std::vector<TVehicleAudioRecord> records;
    records.reserve(SlotCount);
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        records.push_back(Read(id));
    }
    return records;
}

} // namespace klarvon::cli

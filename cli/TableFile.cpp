#include "cli/TableFile.h"

#include "cli/Failure.h"
#include "table/RecordFile.h"

#include <utility>

namespace klarvon::cli {

TTableFile::TTableFile(std::string path)
    : path_(std::move(path)), location_(TTableLocator::Locate(path_)) {
    if (IsRejected(location_)) {
        throw ERejectedFile();
    }
}

std::int64_t TTableFile::RecordOffset(int id) const {
    return TTableLocator::RecordOffset(location_, id - FirstVehicleId);
}

TVehicleAudioRecord TTableFile::Read(int id) const {
    return ReadWholeRecord(path_, RecordOffset(id));
}

void TTableFile::Write(int id, const TVehicleAudioRecord& record) const {
    WriteWholeRecord(path_, RecordOffset(id), record);
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

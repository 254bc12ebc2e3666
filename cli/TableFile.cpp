#include "cli/TableFile.h"

#include "cli/Failure.h"

#include <stdexcept>
#include <utility>

namespace klarvon::cli {

TTableFile::TTableFile(std::string path, TAccess access) : path_(std::move(path)), access_(access) {
    // The lock comes before the locate, so the table found is the one that is written.
    if (access_ == TAccess::ReadWrite) {
        writer_ = std::make_unique<TRecordWriter>(path_);
    }
    location_ = TTableLocator::Locate(path_, {}, access_);
    if (IsRejected(location_)) {
        throw ERejectedFile();
    }
}

std::int64_t TTableFile::RecordOffset(int id) const {
    return TTableLocator::RecordOffset(location_, id - FirstVehicleId);
}

TVehicleAudioRecord TTableFile::Read(int id) const {
    if (writer_) {
        return writer_->Read(RecordOffset(id));
    }
    return ReadWholeRecord(path_, RecordOffset(id), access_);
}

std::vector<TVehicleAudioRecord> TTableFile::ReadAll() const {
    std::vector<TVehicleAudioRecord> records;
    records.reserve(SlotCount);
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        records.push_back(Read(id));
    }
    return records;
}

void TTableFile::Write(int id, const TVehicleAudioRecord& record) {
    const TRecordUpdate update{id, record};
    WriteAll(std::span(&update, 1));
}

void TTableFile::WriteAll(std::span<const TRecordUpdate> updates) {
    if (!writer_) {
        throw std::logic_error("The file was opened for reading only");
    }
    std::vector<TRecordChange> changes;
    changes.reserve(updates.size());
    for (const TRecordUpdate& update : updates) {
        changes.push_back({RecordOffset(update.Id), update.Record});
    }
    writer_->WriteAll(changes);
}

void TTableFile::Close() {
    if (writer_) {
        writer_->Close();
        writer_.reset();
    }
}

} // namespace klarvon::cli

#include "table/TableFile.h"

#include "table/InOutError.h"

namespace klarvon {

TTableFile::TTableFile(const std::string& path, TOpenMode mode,
                       const std::function<void(std::int64_t)>& onSize)
    : file_(path, mode), location_(TTableLocator::Locate(file_, onSize)) {}

TTableFile::TTableFile(const std::string& path, TOpenMode mode, const TTableLocation& location)
    : file_(path, mode), location_(location) {}

TTableFile::TTableFile(TFileHandle&& opened, const std::string& path, TOpenMode mode)
    : file_(std::move(opened), path, mode), location_(TTableLocator::Locate(file_, {})) {}

std::int64_t TTableFile::RecordOffset(int id) const {
    return TTableLocator::RecordOffset(location_, id - FirstVehicleId);
}

TRecordBytes TTableFile::Read(int id) const {
    return file_.ReadRecord(RecordOffset(id));
}

std::vector<TRecordBytes> TTableFile::ReadAll() const {
    const std::int64_t first = RecordOffset(FirstVehicleId);
    std::vector<TRecordBytes> records(SlotCount);
    const std::span<std::uint8_t> all(records.front().data(), records.size() * RecordSize);
    static_assert(sizeof(TRecordBytes) == RecordSize, "records lie back to back");
    if (file_.ReadAt(first, all) < all.size()) {
        throw ReadBeyondEndOfFile();
    }
    return records;
}

void TTableFile::ReadFields(int id, TVehicleAudioRecord& current,
                            const std::function<void(TField)>& onField) const {
    ReadRecordFields(file_, RecordOffset(id), current, onField);
}

bool TTableFile::SignatureBeforeKnownTable() const {
    return TTableLocator::SignatureBeforeKnownTable(file_);
}

void TTableFile::Commit(std::span<const TTableChange> changes) {
    std::vector<TRecordChange> atOffsets;
    atOffsets.reserve(changes.size());
    for (const TTableChange& change : changes) {
        atOffsets.push_back({RecordOffset(change.Id), change.Before, change.After});
    }
    file_.Commit(atOffsets);
}

} // namespace klarvon

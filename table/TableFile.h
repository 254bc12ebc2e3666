#pragma once
// An executable as its table of vehicle audio records: one open file, the table located
// in it once, records read by vehicle ID and changed as one commit. The editor's
// handlers and every command of the companion work through one of these each.

#include "table/RecordBytes.h"
#include "table/RecordFile.h"
#include "table/TableLocator.h"
#include "table/VehicleAudioRecord.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace klarvon {

// One vehicle's change: its record as it was read, and as it is to be.
struct TTableChange {
    int Id;
    TRecordBytes Before;
    TRecordBytes After;
};

class TTableFile {
public:
    // Opens the file and locates the table in it; onSize hears the size first. A file
    // the editor refuses is opened all the same: see IsRejected(Location()).
    TTableFile(const std::string& path, TOpenMode mode,
               const std::function<void(std::int64_t)>& onSize = {});
    // Opens the file at a table located earlier, as the editor does at each event after
    // the file was chosen; a file replaced in between is read where its table was.
    TTableFile(const std::string& path, TOpenMode mode, const TTableLocation& location);
    // Locates the table in a file already open for mode (see TRecordFile).
    TTableFile(TFileHandle&& opened, const std::string& path, TOpenMode mode);

    const std::string& Path() const { return file_.Path(); }
    const TTableLocation& Location() const { return location_; }

    // Of vehicle ID 400..630; another ID is "Range check error".
    std::int64_t RecordOffset(int id) const;
    TRecordBytes Read(int id) const;
    // All 231 records, ID 400 first, in one read.
    std::vector<TRecordBytes> ReadAll() const;
    // The editor's show (see ReadRecordFields).
    void ReadFields(int id, TVehicleAudioRecord& current,
                    const std::function<void(TField)>& onField) const;

    // For a file of the known size: whether the signature stands before its table.
    bool SignatureBeforeKnownTable() const;

    // The changes as one write, whole or not at all; a record that no longer holds its
    // Before is EStaleRecord and nothing is written. Needs TOpenMode::Change.
    void Commit(std::span<const TTableChange> changes);

    void Close() { file_.Close(); }

private:
    TRecordFile file_;
    TTableLocation location_;
};

} // namespace klarvon

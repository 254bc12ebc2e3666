#pragma once
// One executable as the commands see it: located once, refused when the editor would
// refuse it, and read or written through the core.

#include "table/FileHandle.h"
#include "table/RecordFile.h"
#include "table/TableLocator.h"
#include "table/VehicleAudioRecord.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace klarvon::cli {

struct TRecordUpdate {
    int Id;
    TVehicleAudioRecord Record;
};

class TTableFile {
public:
    // Locates the table; throws ERejectedFile for a file the editor would refuse and
    // the core's I/O errors otherwise. Opened ReadWrite, the file is held against other
    // Klarvon writers from here to Close or destruction, so what is read and then
    // written back cannot overwrite another Klarvon program's change in between.
    explicit TTableFile(std::string path, TAccess access = TAccess::ReadOnly);

    const std::string& Path() const { return path_; }
    const TTableLocation& Location() const { return location_; }

    std::int64_t RecordOffset(int id) const;
    TVehicleAudioRecord Read(int id) const;
    // All 231 records, ID 400 first.
    std::vector<TVehicleAudioRecord> ReadAll() const;

    // Writing needs a file opened ReadWrite. One 36-byte write, only inside the file as
    // it is now (the core's rule), whole or not at all.
    void Write(int id, const TVehicleAudioRecord& record);
    // Several records as one change: all or, after a failure part-way, none.
    void WriteAll(std::span<const TRecordUpdate> updates);
    // Ends the write lock; reading goes on working.
    void Close();

private:
    std::string path_;
    TAccess access_;
    TTableLocation location_;
    std::unique_ptr<TRecordWriter> writer_;
};

} // namespace klarvon::cli

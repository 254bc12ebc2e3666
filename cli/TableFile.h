#pragma once
// One executable as the commands see it: located once, refused when the editor would
// refuse it, and read or written one record at a time through the core.

#include "table/TableLocator.h"
#include "table/VehicleAudioRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace klarvon::cli {

class TTableFile {
public:
    // Locates the table; throws ERejectedFile for a file the editor would refuse and
    // the core's I/O errors otherwise.
    explicit TTableFile(std::string path);

    const std::string& Path() const { return path_; }
    const TTableLocation& Location() const { return location_; }

    std::int64_t RecordOffset(int id) const;
    TVehicleAudioRecord Read(int id) const;
    // One 36-byte write, only inside the file as it is now (the core's rule).
    void Write(int id, const TVehicleAudioRecord& record) const;
    // All 231 records, ID 400 first.
    std::vector<TVehicleAudioRecord> ReadAll() const;

private:
    std::string path_;
    TTableLocation location_;
};

} // namespace klarvon::cli

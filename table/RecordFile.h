#pragma once
// Moving records between the executable and the program. Every operation opens the
// file, transfers what it needs and closes it again; nothing is held between operations.

#include "table/FileHandle.h"
#include "table/VehicleAudioRecord.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace klarvon {

// An existing file opened for reading and writing, or for reading only (never created,
// never truncated by a read or a write). Closed by Close() or, without throwing, by the
// destructor.
class TRecordFile {
public:
    TRecordFile() = default;
    explicit TRecordFile(const std::string& path, TAccess access = TAccess::ReadWrite) {
        Open(path, access);
    }
    TRecordFile(const TRecordFile&) = delete;
    TRecordFile& operator=(const TRecordFile&) = delete;

    void Open(const std::string& path, TAccess access = TAccess::ReadWrite);
    void Close();
    // Up to buffer.size() bytes at offset; returns how many arrived, fewer only at the end
    // of the file.
    std::size_t ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const;

    std::int64_t Size() const;
    bool IsOpen() const { return file_.IsOpen(); }
    const std::string& Path() const { return path_; }

private:
    friend class TRecordWriter;
    TFileHandle file_;
    std::string path_;
};

// Reads the record at offset and hands it over field by field in stored order: each field
// is stored into current and handed to onField, so a record cut off by the end of the
// file delivers the fields before the cut and then fails with "Read beyond end of file".
void ReadRecord(const std::string& path, std::int64_t offset, TVehicleAudioRecord& current,
                const std::function<void(TField)>& onField = {});

// The whole record as one block.
TVehicleAudioRecord ReadWholeRecord(const std::string& path, std::int64_t offset,
                                    TAccess access = TAccess::ReadWrite);

struct TRecordChange {
    std::int64_t Offset;
    TVehicleAudioRecord Record;
};

// How long a writer waits for another Klarvon program to finish its write.
inline constexpr std::chrono::milliseconds LockWait{3000};

// The one way records are written. Opens the file for reading and writing and holds
// Klarvon's write lock until it is closed or destroyed, so a read-change-write through it
// cannot lose another Klarvon program's change made in between. Programs that are not
// Klarvon are not bound by the lock.
class TRecordWriter {
public:
    // Waits up to wait for the lock, then fails with "Another Klarvon program is changing
    // this file".
    explicit TRecordWriter(const std::string& path, std::chrono::milliseconds wait = LockWait);

    TVehicleAudioRecord Read(std::int64_t offset) const;

    // One record's 36 bytes in one write, whole or not at all: a field whose bits do not
    // fit its width is "Range check error"; a record not wholly inside the file as it is
    // now is "Write beyond end of file"; a write that fails part-way puts the old bytes
    // back and says whether that worked.
    void Write(std::int64_t offset, const TVehicleAudioRecord& record);

    // Several records as one change: every record is checked before the first is written,
    // and a failure part-way puts back every record already written.
    void WriteAll(std::span<const TRecordChange> changes);

    void Close();

private:
    TRecordFile file_;
};

// Convenience for one record: TRecordWriter's Write, with the file closed afterwards.
void WriteWholeRecord(const std::string& path, std::int64_t offset,
                      const TVehicleAudioRecord& record);

} // namespace klarvon

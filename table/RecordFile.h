#pragma once
// The executable as a file of records at known offsets. Every operation of the editor
// and of the companion opens the file once, does its reads and at most one commit, and
// closes it again; nothing is held between operations.
//
// How a change reaches the disk (Commit), in this order:
//  1. The file is held under Klarvon's advisory write lock from open to close, so the
//     read-change-write of one Klarvon program cannot interleave with another's.
//  2. Everything that can be known is checked before the first byte: each record lies
//     wholly inside the file as it is now (a write never grows the file), and each
//     record on disk is still the one the change was computed from (else nothing is
//     written: another program changed it in between).
//  3. The bytes the changed records span are read (unchanged records in between as they
//     are on disk), and disk space is reserved for them, so a full disk fails here.
//  4. The new span goes out in one write: a process killed at any point leaves either
//     the old records or the new ones, never some of each.
//  5. The file's size is checked again; a write that grew a file another program cut
//     short meanwhile is cut back and fails.
//  6. The bytes are flushed to the disk before the change is reported as saved.
// A failure in 4 to 6 writes the old span back and reads it to say whether that worked.
// A power cut during 4 or 6 may still leave part of the span written: the file system
// gives no stronger promise for a write in place, which is why the companion offers a
// backup first.

#include "table/FileHandle.h"
#include "table/RecordBytes.h"
#include "table/VehicleAudioRecord.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace klarvon {

enum class TOpenMode {
    ReadOnly,  // reading only: a write-protected file can still be read
    ReadWrite, // opened as for writing, so a file that cannot be written is refused at once
    Change,    // read-write under Klarvon's write lock: the only mode that can Commit
};

// How a file of records is opened for a mode.
TAccess AccessOf(TOpenMode mode);

// How long a change waits for another Klarvon program to finish its own.
inline constexpr std::chrono::milliseconds LockWait{3000};

// Takes Klarvon's write lock on file, trying until giveUp, then fails with "Another
// Klarvon program is changing this file".
void LockBefore(TFileHandle& file, std::chrono::steady_clock::time_point giveUp);

// One record's change: what it held when the change was computed, and what it becomes.
struct TRecordChange {
    std::int64_t Offset;
    TRecordBytes Before;
    TRecordBytes After;
};

// "This record was changed by another program after it was read": the record on disk
// is no longer the one a change was computed from, and nothing was written.
class EStaleRecord : public EKlarvonError {
public:
    EStaleRecord();
    using EKlarvonError::EKlarvonError;
};

class TRecordFile {
public:
    // Opens an existing file, never creating or truncating it. In Change mode, waits up
    // to wait for the lock, then fails with "Another Klarvon program is changing this
    // file".
    explicit TRecordFile(const std::string& path, TOpenMode mode = TOpenMode::ReadWrite,
                         std::chrono::milliseconds wait = LockWait);
    // The same for a file already open, in AccessOf(mode) or one that allows more.
    TRecordFile(TFileHandle&& opened, const std::string& path, TOpenMode mode,
                std::chrono::milliseconds wait = LockWait);
    TRecordFile(const TRecordFile&) = delete;
    TRecordFile& operator=(const TRecordFile&) = delete;

    const std::string& Path() const { return path_; }
    std::int64_t Size() const;
    // Up to buffer.size() bytes at offset; fewer only at the end of the file.
    std::size_t ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const;
    // The whole record at offset, or "Read beyond end of file".
    TRecordBytes ReadRecord(std::int64_t offset) const;

    // Several records as one change, whole or not at all (see the top of this file).
    // Changes whose After equals Before write nothing of their own.
    void Commit(std::span<const TRecordChange> changes);

    // Ends the lock and closes; a failure is still reported. The destructor closes
    // without throwing.
    void Close();

private:
    TFileHandle file_;
    std::string path_;
    TOpenMode mode_;
};

// The editor's show: the record at offset handed over field by field in stored order.
// Each field is stored into current and handed to onField, so a record cut off by the
// end of the file delivers the fields before the cut, then fails with "Read beyond end
// of file".
void ReadRecordFields(const TRecordFile& file, std::int64_t offset, TVehicleAudioRecord& current,
                      const std::function<void(TField)>& onField = {});

} // namespace klarvon

#pragma once
// Moving one record between the executable and the program. Every operation opens the
// file, transfers one record and closes it again; nothing is held between operations.

#include "table/FileHandle.h"
#include "table/VehicleAudioRecord.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <variant>

namespace klarvon {

// An existing file opened for reading and writing (never created, never truncated).
// Closed by Close() or, without throwing, by the destructor.
class TRecordFile {
public:
    TRecordFile() = default;
    explicit TRecordFile(const std::string& path) { Open(path); }
    TRecordFile(const TRecordFile&) = delete;
    TRecordFile& operator=(const TRecordFile&) = delete;

    void Open(const std::string& path);
    void Seek(std::int64_t offset);
    // Exactly width bytes at the position, little-endian; fewer is "Read beyond end of file".
    TFieldBits ReadField(std::size_t width);
    void WriteField(std::span<const std::uint8_t> bytes);
    void Close();
    // Up to buffer.size() bytes at offset, without moving the position; returns how many
    // arrived, fewer only at the end of the file. For scans larger than one field.
    std::size_t ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const;

    std::int64_t Size() const;
    std::int64_t Position() const { return position_; }
    bool IsOpen() const { return file_.IsOpen(); }
    const std::string& Path() const { return path_; }

private:
    TFileHandle file_;
    std::int64_t position_ = 0;
    std::string path_;
};

// Reads the record at offset field by field in stored order; each field is stored into
// current and handed to onField as soon as it has arrived, so a record cut off by the
// end of the file delivers the fields before the cut and then throws.
void ReadRecord(const std::string& path, std::int64_t offset, TVehicleAudioRecord& current,
                const std::function<void(TField)>& onField = {});

// What an apply writes for one field: the bits the field was read with, or a
// conversion of what the user entered (which may throw).
using TFieldConverter = std::function<TFieldBits()>;
using TFieldSource = std::variant<TFieldBits, TFieldConverter>;

// All-or-nothing: all 16 sources are converted in stored order first (current takes
// each value as it converts, up to a failure); only when every one converted are the
// 36 bytes written, and only if the whole record lies inside the file as it is now.
void WriteRecord(const std::string& path, std::int64_t offset, TVehicleAudioRecord& current,
                 std::span<const TFieldSource, FieldCount> sources);

// Convenience for tools: the whole record, read or written as one block.
TVehicleAudioRecord ReadWholeRecord(const std::string& path, std::int64_t offset);
void WriteWholeRecord(const std::string& path, std::int64_t offset,
                      const TVehicleAudioRecord& record);

} // namespace klarvon

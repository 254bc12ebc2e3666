#include "table/RecordFile.h"

#include "table/InOutError.h"

#include <cstddef>
#include <limits>
#include <stdexcept>
#include <type_traits>
#include <variant>

namespace klarvon {

namespace {

constexpr std::size_t MaxFieldWidth = sizeof(TFieldBits);
constexpr int BitsPerByte = 8;
// The classic runtime's number for an operation on a file that is not open.
constexpr int CodeFileNotOpen = 103;
constexpr std::int64_t MaxOffset = std::numeric_limits<std::int64_t>::max();

TFieldBits LoadLittleEndian(std::span<const std::uint8_t> bytes) {
    TFieldBits bits = 0;
    for (std::size_t i = bytes.size(); i > 0; --i) {
        bits = (bits << BitsPerByte) | bytes[i - 1];
    }
    return bits;
}

void StoreLittleEndian(TFieldBits bits, std::span<std::uint8_t> bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(bits >> (BitsPerByte * i));
    }
}

// Bits wider than the field would be cut off silently when stored; a converter that
// hands back such bits has not range-checked, so the apply must stop before writing.
bool FitsWidth(TFieldBits bits, std::size_t width) {
    return width >= MaxFieldWidth || (bits >> (BitsPerByte * width)) == 0;
}

EInOutError NotOpen() {
    return EInOutError(CodeFileNotOpen, "File not open");
}

} // namespace

void TRecordFile::Open(const std::string& path) {
    if (IsOpen()) {
        Close();
    }
    file_.Open(path);
    position_ = 0;
    path_ = path;
}

void TRecordFile::Seek(std::int64_t offset) {
    if (!IsOpen()) {
        throw NotOpen();
    }
    if (offset < 0) {
        throw NegativeOffsetError(path_);
    }
    position_ = offset;
}

std::size_t TRecordFile::ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const {
    if (!IsOpen()) {
        throw NotOpen();
    }
    return file_.ReadAt(offset, buffer);
}

TFieldBits TRecordFile::ReadField(std::size_t width) {
    if (width == 0 || width > MaxFieldWidth) {
        throw std::invalid_argument("field width must be 1 to 4 bytes");
    }
    std::array<std::uint8_t, MaxFieldWidth> bytes{};
    const std::span<std::uint8_t> field = std::span(bytes).first(width);
    if (ReadAt(position_, field) < width) {
        throw ReadBeyondEndOfFile();
    }
    position_ += static_cast<std::int64_t>(width);
    return LoadLittleEndian(field);
}

void TRecordFile::WriteField(std::span<const std::uint8_t> bytes) {
    if (!IsOpen()) {
        throw NotOpen();
    }
    // A write never grows the file: bytes past its end would land where no record is.
    const auto count = static_cast<std::int64_t>(bytes.size());
    if (count > MaxOffset - position_ || position_ + count > Size()) {
        throw WriteBeyondEndOfFile();
    }
    file_.WriteAt(position_, bytes);
    position_ += count;
}

void TRecordFile::Close() {
    file_.Close();
}

std::int64_t TRecordFile::Size() const {
    if (!IsOpen()) {
        throw NotOpen();
    }
    return file_.Size();
}

void ReadRecord(const std::string& path, std::int64_t offset, TVehicleAudioRecord& current,
                const std::function<void(TField)>& onField) {
    TRecordFile file(path);
    file.Seek(offset);
    for (const TFieldDescriptor& field : RecordFields) {
        current[field.Field] = file.ReadField(field.Width);
        if (onField) {
            onField(field.Field);
        }
    }
    file.Close();
}

void WriteRecord(const std::string& path, std::int64_t offset, TVehicleAudioRecord& current,
                 std::span<const TFieldSource, FieldCount> sources) {
    TRecordFile file(path);
    file.Seek(offset);

    // Every field is converted before a single byte goes out, so a value the user mistyped
    // leaves the record in the file exactly as it was.
    TRecordBytes bytes{};
    for (std::size_t i = 0; i < FieldCount; ++i) {
        const TFieldDescriptor& field = RecordFields[i];
        const TFieldBits bits = std::visit(
            [](const auto& source) -> TFieldBits {
                if constexpr (std::is_same_v<std::decay_t<decltype(source)>, TFieldBits>) {
                    return source;
                } else {
                    return source();
                }
            },
            sources[i]);
        if (!FitsWidth(bits, field.Width)) {
            throw ERangeError();
        }
        current[field.Field] = bits;
        StoreLittleEndian(bits, std::span(bytes).subspan(field.Offset, field.Width));
    }

    // Checked for the whole record up front: a record cut by the end of the file is not
    // written in part.
    if (offset > file.Size() - static_cast<std::int64_t>(RecordSize)) {
        throw WriteBeyondEndOfFile();
    }
    file.WriteField(bytes);
    file.Close();
}

TVehicleAudioRecord ReadWholeRecord(const std::string& path, std::int64_t offset) {
    TRecordFile file(path);
    file.Seek(offset);
    TRecordBytes bytes{};
    if (file.ReadAt(file.Position(), bytes) < RecordSize) {
        throw ReadBeyondEndOfFile();
    }
    file.Close();

    TVehicleAudioRecord record;
    for (const TFieldDescriptor& field : RecordFields) {
        record[field.Field] = LoadLittleEndian(std::span(bytes).subspan(field.Offset, field.Width));
    }
    return record;
}

void WriteWholeRecord(const std::string& path, std::int64_t offset,
                      const TVehicleAudioRecord& record) {
    std::array<TFieldSource, FieldCount> sources;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        sources[i] = record.Bits[i];
    }
    TVehicleAudioRecord written;
    WriteRecord(path, offset, written, sources);
}

} // namespace klarvon

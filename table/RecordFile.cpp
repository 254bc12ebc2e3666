#include "table/RecordFile.h"

#include "table/InOutError.h"

#include <cerrno>
#include <cstddef>
#include <limits>
#include <stdexcept>
#include <type_traits>
#include <variant>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace klarvon {

static_assert(sizeof(off_t) == sizeof(std::int64_t), "file offsets must be 64-bit");

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

bool IsRegularFile(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

EInOutError NotOpen() {
    return EInOutError(CodeFileNotOpen, "File not open");
}

EInOutError AccessDenied(const std::string& path) {
    return InOutErrorFromErrno(EACCES, path);
}

} // namespace

TRecordFile::~TRecordFile() {
    if (Fd_ >= 0) {
        // Nothing useful can be done about a failed close during unwinding; an orderly
        // end goes through Close(), which reports it.
        ::close(Fd_);
    }
}

void TRecordFile::Open(const std::string& path) {
    if (IsOpen()) {
        Close();
    }
    // Only regular files: a pipe or a device has no fixed bytes to edit, and opening some
    // devices for writing already acts on them (a watchdog arms itself), so such paths are
    // refused before they are opened.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
        throw AccessDenied(path);
    }
    int fd = -1;
    do {
        // O_NOCTTY: should the path name a terminal after all, it never becomes ours.
        fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        throw InOutErrorFromErrno(errno, path);
    }
    // The path may have been swapped for something else between stat and open.
    if (!IsRegularFile(fd)) {
        ::close(fd);
        throw AccessDenied(path);
    }
    Fd_ = fd;
    Position_ = 0;
    Path_ = path;
}

void TRecordFile::Seek(std::int64_t offset) {
    if (!IsOpen()) {
        throw NotOpen();
    }
    if (offset < 0) {
        throw InOutErrorFromErrno(EINVAL, Path_);
    }
    Position_ = offset;
}

std::size_t TRecordFile::ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const {
    if (!IsOpen()) {
        throw NotOpen();
    }
    if (offset < 0) {
        throw InOutErrorFromErrno(EINVAL, Path_);
    }
    // Nothing lies beyond the largest offset, so a request reaching past it is cut there
    // rather than handing the system an offset that wraps around.
    std::size_t wanted = buffer.size();
    if (static_cast<std::uint64_t>(wanted) > static_cast<std::uint64_t>(MaxOffset - offset)) {
        wanted = static_cast<std::size_t>(MaxOffset - offset);
    }
    std::size_t done = 0;
    while (done < wanted) {
        const ssize_t got = ::pread(Fd_, buffer.data() + done, wanted - done,
                                    static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw InOutErrorFromErrno(errno, Path_);
        }
        if (got == 0) {
            break; // end of file
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

TFieldBits TRecordFile::ReadField(std::size_t width) {
    if (width == 0 || width > MaxFieldWidth) {
        throw std::invalid_argument("field width must be 1 to 4 bytes");
    }
    std::array<std::uint8_t, MaxFieldWidth> bytes{};
    const std::span<std::uint8_t> field = std::span(bytes).first(width);
    if (ReadAt(Position_, field) < width) {
        throw ReadBeyondEndOfFile();
    }
    Position_ += static_cast<std::int64_t>(width);
    return LoadLittleEndian(field);
}

void TRecordFile::WriteField(std::span<const std::uint8_t> bytes) {
    if (!IsOpen()) {
        throw NotOpen();
    }
    // A write never grows the file: bytes past its end would land where no record is.
    const auto count = static_cast<std::int64_t>(bytes.size());
    if (count > MaxOffset - Position_ || Position_ + count > Size()) {
        throw WriteBeyondEndOfFile();
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put =
            ::pwrite(Fd_, bytes.data() + done, bytes.size() - done,
                     static_cast<off_t>(Position_ + static_cast<std::int64_t>(done)));
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw InOutErrorFromErrno(errno, Path_);
        }
        if (put == 0) {
            // The system took nothing and named no cause: there is no room.
            throw InOutErrorFromErrno(ENOSPC, Path_);
        }
        done += static_cast<std::size_t>(put);
    }
    Position_ += count;
}

void TRecordFile::Close() {
    if (!IsOpen()) {
        return;
    }
    const int fd = Fd_;
    Fd_ = -1; // closed whatever close() says; retrying could close someone else's file
    if (::close(fd) != 0) {
        throw InOutErrorFromErrno(errno, Path_);
    }
}

std::int64_t TRecordFile::Size() const {
    if (!IsOpen()) {
        throw NotOpen();
    }
    struct stat info {};
    if (::fstat(Fd_, &info) != 0) {
        throw InOutErrorFromErrno(errno, Path_);
    }
    return static_cast<std::int64_t>(info.st_size);
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
        record[field.Field] =
            LoadLittleEndian(std::span(bytes).subspan(field.Offset, field.Width));
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

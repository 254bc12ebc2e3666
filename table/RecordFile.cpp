#include "table/RecordFile.h"

#include "table/InOutError.h"
#include "table/InOutErrorCodes.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <stdexcept>
#include <thread>
#include <vector>

namespace klarvon {

namespace {

constexpr std::size_t MaxFieldWidth = sizeof(TFieldBits);
constexpr std::size_t BitsPerByte = 8;
// The classic runtime's number for an operation on a file that is not open.
constexpr int CodeFileNotOpen = 103;
constexpr std::chrono::milliseconds LockRetry{20};
constexpr auto RecordLength = static_cast<std::int64_t>(RecordSize);

EInOutError NotOpen() {
    return EInOutError(CodeFileNotOpen, "File not open");
}

EInOutError LockedByAnotherKlarvon() {
    return EInOutError(CodeLockViolation, "Another Klarvon program is changing this file");
}

// The record's bytes, refusing bits wider than their field: storing them would cut them
// silently, and whoever produced them has not range-checked.
TRecordBytes EncodeChecked(const TVehicleAudioRecord& record) {
    for (const TFieldDescriptor& field : RecordFields) {
        const TFieldBits bits = record[field.Field];
        if (field.Width < MaxFieldWidth && (bits >> (BitsPerByte * field.Width)) != 0) {
            throw ERangeError();
        }
    }
    return EncodeRecord(record);
}

// The same failure with what happened to the file afterwards added, so the user knows
// whether the file still holds what it held before.
EInOutError WithAftermath(const EKlarvonError& failure, const std::string& aftermath) {
    const auto* io = dynamic_cast<const EInOutError*>(&failure);
    return EInOutError(io != nullptr ? io->Code : 0, std::string(failure.what()) + aftermath);
}

// After a failed write: makes the record's bytes the old ones again, as far as the file
// still reaches, and says whether the file now holds them. The write that failed may
// have done nothing, part, or all of its work, so the bytes are read back rather than
// assumed; a record another program has cut off the end is gone with that program's cut.
bool PutBack(TFileHandle& file, std::int64_t offset, const TRecordBytes& old) noexcept {
    try {
        // Never past the end as it is now: that would grow a file another program cut.
        const std::int64_t inside = std::clamp<std::int64_t>(file.Size() - offset, 0, RecordLength);
        const std::span<const std::uint8_t> wanted =
            std::span(old).first(static_cast<std::size_t>(inside));
        const auto holdsOld = [&] {
            TRecordBytes now{};
            return file.ReadAt(offset, std::span(now).first(wanted.size())) == wanted.size() &&
                   std::equal(wanted.begin(), wanted.end(), now.begin());
        };
        if (holdsOld()) {
            return true;
        }
        try {
            file.WriteAt(offset, wanted);
        } catch (const EKlarvonError&) {
            // Part of it may have gone back; reading tells.
        }
        return holdsOld();
    } catch (const EKlarvonError&) {
        return false;
    }
}

} // namespace

void TRecordFile::Open(const std::string& path, TAccess access) {
    if (IsOpen()) {
        Close();
    }
    file_.Open(path, access);
    path_ = path;
}

std::size_t TRecordFile::ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const {
    if (!IsOpen()) {
        throw NotOpen();
    }
    return file_.ReadAt(offset, buffer);
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

namespace {

TRecordBytes ReadBlock(const TRecordFile& file, std::int64_t offset) {
    if (offset < 0) {
        throw NegativeOffsetError(file.Path());
    }
    TRecordBytes bytes{};
    if (file.ReadAt(offset, bytes) < RecordSize) {
        throw ReadBeyondEndOfFile();
    }
    return bytes;
}

} // namespace

void ReadRecord(const std::string& path, std::int64_t offset, TVehicleAudioRecord& current,
                const std::function<void(TField)>& onField) {
    TRecordFile file(path);
    if (offset < 0) {
        throw NegativeOffsetError(path);
    }
    TRecordBytes bytes{};
    const std::size_t arrived = file.ReadAt(offset, bytes);
    const std::span<const std::uint8_t> all(bytes);
    for (const TFieldDescriptor& field : RecordFields) {
        if (field.Offset + field.Width > arrived) {
            throw ReadBeyondEndOfFile();
        }
        current[field.Field] = DecodeField(field, all.subspan(field.Offset, field.Width));
        if (onField) {
            onField(field.Field);
        }
    }
    file.Close();
}

TVehicleAudioRecord ReadWholeRecord(const std::string& path, std::int64_t offset, TAccess access) {
    TRecordFile file(path, access);
    const TRecordBytes bytes = ReadBlock(file, offset);
    file.Close();
    return DecodeRecord(bytes);
}

TRecordWriter::TRecordWriter(const std::string& path, std::chrono::milliseconds wait)
    : file_(path, TAccess::ReadWrite) {
    const auto giveUp = std::chrono::steady_clock::now() + wait;
    while (!file_.file_.TryLock()) {
        if (std::chrono::steady_clock::now() >= giveUp) {
            throw LockedByAnotherKlarvon();
        }
        std::this_thread::sleep_for(LockRetry);
    }
}

TVehicleAudioRecord TRecordWriter::Read(std::int64_t offset) const {
    return DecodeRecord(ReadBlock(file_, offset));
}

void TRecordWriter::Write(std::int64_t offset, const TVehicleAudioRecord& record) {
    const TRecordChange change{offset, record};
    WriteAll(std::span(&change, 1));
}

void TRecordWriter::WriteAll(std::span<const TRecordChange> changes) {
    TFileHandle& file = file_.file_;
    if (!file.IsOpen()) {
        throw NotOpen();
    }

    // Everything that can be known before writing is checked before the first byte goes
    // out: the values, that every record lies wholly inside the file as it is now (a write
    // never grows the file), and the old bytes, kept to put back should a write fail.
    std::vector<TRecordBytes> fresh;
    std::vector<TRecordBytes> old;
    fresh.reserve(changes.size());
    old.reserve(changes.size());
    for (const TRecordChange& change : changes) {
        fresh.push_back(EncodeChecked(change.Record));
    }
    const std::int64_t size = file.Size();
    for (const TRecordChange& change : changes) {
        if (change.Offset < 0) {
            throw NegativeOffsetError(file_.Path());
        }
        if (change.Offset > size - RecordLength) {
            throw WriteBeyondEndOfFile();
        }
    }
    for (const TRecordChange& change : changes) {
        old.push_back(ReadBlock(file_, change.Offset));
    }
    // A record over a sparse part of the file needs disk space before it can be written;
    // asking first makes a full disk fail here, with nothing written.
    for (const TRecordChange& change : changes) {
        file.Reserve(change.Offset, RecordLength);
    }

    std::size_t touched = 0;
    try {
        for (const TRecordChange& change : changes) {
            const std::int64_t before = file.Size();
            ++touched; // counted before the write: a write that fails may have done part
            file.WriteAt(change.Offset, fresh[touched - 1]);
            // Another program may cut the file short between the check and the write; the
            // write then ends the file exactly at this record. Cut such growth back, down to
            // where the gap it left begins, so the file is no longer than that program made
            // it (to the precision the file system keeps of its gaps).
            const std::int64_t after = file.Size();
            if (after != before && after == change.Offset + RecordLength) {
                --touched; // these bytes are gone with the cut
                file.Truncate(file.HoleStartBefore(change.Offset));
                throw WriteBeyondEndOfFile();
            }
        }
    } catch (const EKlarvonError& failure) {
        if (touched == 0) {
            throw;
        }
        bool allBack = true;
        for (std::size_t i = touched; i > 0; --i) {
            allBack = PutBack(file, changes[i - 1].Offset, old[i - 1]) && allBack;
        }
        throw WithAftermath(failure, !allBack ? "; putting the old bytes back failed too, so the "
                                                "file may hold a half-written record"
                                     : changes.size() == 1
                                         ? "; the record was put back as it was"
                                         : "; the records written were put back as they were");
    }
}

void TRecordWriter::Close() {
    file_.file_.Unlock();
    file_.Close();
}

void WriteWholeRecord(const std::string& path, std::int64_t offset,
                      const TVehicleAudioRecord& record) {
    TRecordWriter writer(path);
    writer.Write(offset, record);
    writer.Close();
}

} // namespace klarvon

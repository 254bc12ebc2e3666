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

constexpr std::chrono::milliseconds LockRetry{1};
constexpr auto RecordLength = static_cast<std::int64_t>(RecordSize);

EInOutError LockedByAnotherKlarvon() {
    return EInOutError(CodeLockViolation, "Another Klarvon program is changing this file");
}

// The same failure with what happened to the file afterwards added, so the user knows
// whether the file still holds what it held before.
EInOutError WithAftermath(const EKlarvonError& failure, const std::string& aftermath) {
    const auto* io = dynamic_cast<const EInOutError*>(&failure);
    return EInOutError(io != nullptr ? io->Code : 0, std::string(failure.what()) + aftermath);
}

// After a failed write: makes the bytes at offset the old ones again, as far as the file
// still reaches, and says whether the file now holds them. The write that failed may
// have done nothing, part, or all of its work, so the bytes are read back rather than
// assumed; bytes another program has cut off the end are gone with that program's cut.
bool PutBack(TFileHandle& file, std::int64_t offset, std::span<const std::uint8_t> old) noexcept {
    try {
        // Never past the end as it is now: that would grow a file another program cut.
        const auto inside = static_cast<std::size_t>(std::clamp<std::int64_t>(
            file.Size() - offset, 0, static_cast<std::int64_t>(old.size())));
        const std::span<const std::uint8_t> wanted = old.first(inside);
        const auto holdsOld = [&] {
            std::vector<std::uint8_t> now(wanted.size());
            return file.ReadAt(offset, now) == wanted.size() &&
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
    } catch (...) {
        return false;
    }
}

} // namespace

void LockBefore(TFileHandle& file, std::chrono::steady_clock::time_point giveUp) {
    while (!file.TryLock()) {
        if (std::chrono::steady_clock::now() >= giveUp) {
            throw LockedByAnotherKlarvon();
        }
        std::this_thread::sleep_for(LockRetry);
    }
}

EStaleRecord::EStaleRecord()
    : EKlarvonError("The record was changed by another program after it was read; "
                    "nothing was written") {}

TAccess AccessOf(TOpenMode mode) {
    return mode == TOpenMode::ReadOnly ? TAccess::ReadOnly : TAccess::ReadWrite;
}

TRecordFile::TRecordFile(const std::string& path, TOpenMode mode, std::chrono::milliseconds wait)
    : path_(path), mode_(mode) {
    file_.Open(path, AccessOf(mode));
    if (mode != TOpenMode::Change) {
        return;
    }
    LockBefore(file_, std::chrono::steady_clock::now() + wait);
}

TRecordFile::TRecordFile(TFileHandle&& opened, const std::string& path, TOpenMode mode,
                         std::chrono::milliseconds wait)
    : file_(std::move(opened)), path_(path), mode_(mode) {
    if (mode == TOpenMode::Change) {
        LockBefore(file_, std::chrono::steady_clock::now() + wait);
    }
}

std::int64_t TRecordFile::Size() const {
    return file_.Size();
}

std::size_t TRecordFile::ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const {
    if (offset < 0) {
        throw NegativeOffsetError(path_);
    }
    return file_.ReadAt(offset, buffer);
}

TRecordBytes TRecordFile::ReadRecord(std::int64_t offset) const {
    TRecordBytes bytes{};
    if (ReadAt(offset, bytes) < RecordSize) {
        throw ReadBeyondEndOfFile();
    }
    return bytes;
}

void TRecordFile::Commit(std::span<const TRecordChange> changes) {
    if (mode_ != TOpenMode::Change) {
        throw std::logic_error("Records are changed only through a file opened for a change");
    }
    if (changes.empty()) {
        return;
    }
    std::int64_t first = changes.front().Offset;
    std::int64_t end = first + RecordLength;
    const std::int64_t size = file_.Size();
    for (const TRecordChange& change : changes) {
        if (change.Offset < 0) {
            throw NegativeOffsetError(path_);
        }
        if (change.Offset > size - RecordLength) {
            throw WriteBeyondEndOfFile();
        }
        first = std::min(first, change.Offset);
        end = std::max(end, change.Offset + RecordLength);
    }

    // The span as it is on disk now, under the lock: the records between the changed ones
    // are written back exactly as they are.
    std::vector<std::uint8_t> old(static_cast<std::size_t>(end - first));
    if (file_.ReadAt(first, old) < old.size()) {
        throw ReadBeyondEndOfFile();
    }
    std::vector<std::uint8_t> fresh = old;
    for (const TRecordChange& change : changes) {
        const auto at = static_cast<std::ptrdiff_t>(change.Offset - first);
        if (!std::equal(change.Before.begin(), change.Before.end(), old.begin() + at)) {
            throw EStaleRecord();
        }
    }
    for (const TRecordChange& change : changes) {
        const auto at = static_cast<std::ptrdiff_t>(change.Offset - first);
        if (change.After != change.Before) {
            std::copy(change.After.begin(), change.After.end(), fresh.begin() + at);
        }
    }
    if (fresh == old) {
        return;
    }
    // A span over a sparse part of the file needs disk space before it can be written;
    // asking first makes a full disk fail here, with nothing written.
    file_.Reserve(first, end - first);

    bool written = false;
    try {
        written = true; // set before the write: a write that fails may have done part
        file_.WriteAt(first, fresh);
        // Another program may cut the file short between the check and the write; the
        // write then ends the file exactly at the span. Cut such growth back, down to where
        // the gap it left begins, so the file is no longer than that program made it (to
        // the precision the file system keeps of its gaps).
        const std::int64_t after = file_.Size();
        if (after != size && after == end) {
            written = false; // these bytes are gone with the cut
            file_.Truncate(file_.HoleStartBefore(first));
            throw WriteBeyondEndOfFile();
        }
        file_.Flush();
    } catch (const EKlarvonError& failure) {
        if (!written) {
            throw;
        }
        const bool back = PutBack(file_, first, old);
        const bool one = changes.size() == 1;
        throw WithAftermath(failure, !back ? "; putting the old bytes back failed too, so the "
                                             "file may hold a half-written record"
                                     : one ? "; the record was put back as it was"
                                           : "; the records written were put back as they were");
    }
}

void TRecordFile::Close() {
    file_.Unlock();
    file_.Close();
}

void ReadRecordFields(const TRecordFile& file, std::int64_t offset, TVehicleAudioRecord& current,
                      const std::function<void(TField)>& onField) {
    TRecordBytes bytes{};
    const std::size_t arrived = file.ReadAt(offset, bytes);
    for (std::size_t i = 0; i < FieldCount; ++i) {
        const auto field = static_cast<TField>(i);
        const TLayoutField& layoutField = EditorField(field);
        if (layoutField.Offset + TypeWidth(layoutField.Type) > arrived) {
            throw ReadBeyondEndOfFile();
        }
        current[field] = ReadField(layoutField, bytes);
        if (onField) {
            onField(field);
        }
    }
}

} // namespace klarvon

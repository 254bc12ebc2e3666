#pragma once
// A file read or changed as a table of vehicle records, whichever kind it is: an
// executable's table (231 slots, by ID) or a limit adjuster's cfg (a row per model, added
// vehicles included). The kind is told by what the file holds, never by its name, and the
// file is opened once: what is looked into to tell the kind is what is then read.
//
// Both programs go through this one class: the editor's open, show and apply, and every
// command of the companion. What differs between the kinds is asked of the table as what
// it can hold (CanHold, HoldsPadBytes, AsHeld), never as which kind it is.

#include "exchange/CfgDocument.h"
#include "exchange/Vehicle.h"
#include "table/Errors.h"
#include "table/LockedFile.h"
#include "table/RecordFile.h"
#include "table/TableFile.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon::exchange {

// What an open accepts: either kind, or only a cfg (the source of an import).
enum class TTableKinds { Either, CfgOnly };

// An executable the editor refuses ("Unknown gta_sa.exe"), with what was found of it, so
// that its size and version can still be shown. Path is the file; TooLargeText says that it
// is text, only too large for a cfg (LargestTextFile), so it was tried as an executable.
class ERejectedTable : public EFinalError {
public:
    explicit ERejectedTable(const TTableLocation& location, std::string path = {},
                            bool tooLargeText = false);
    TTableLocation Location;
    std::string Path;
    bool TooLargeText = false;
};

// A text that is no vehicle audio cfg at all (see NotACfgReason): what() lists its rows'
// faults as a faulty cfg's are listed, Reason says in one sentence why it is none.
class ENotACfg : public EFinalError {
public:
    ENotACfg(const std::string& faults, std::string path, std::string reason);
    std::string Path;
    std::string Reason;
};

// "PATH is 17000000 bytes; a vehicle audio cfg is at most 16 MiB (16777216 bytes)".
std::string TooLargeCfgText(std::string_view path, std::int64_t size);

// What a word names a vehicle by model name alone: "model:812m" is the row of 812m, however
// much its name looks like an ID.
inline constexpr std::string_view ModelWordPrefix = "model:";

// The ID a word is, when it is one: plain decimal digits, 400..630.
std::optional<int> VehicleIdOfWord(std::string_view word);

// A change that would set bytes a cfg row does not hold (a cfg keeps only the game's
// fields); nothing was written. Offsets: the record's pad bytes it would set.
class EPadBytes : public EFinalError {
public:
    EPadBytes(const TVehicle& vehicle, std::vector<std::size_t> offsets, const std::string& path);
    TVehicle Vehicle;
    std::vector<std::size_t> Offsets;
};

// One vehicle's change: its record as read (none for a row a cfg does not have yet) and as
// it is to be; or, Removed, a cfg's row taken out (After is then not used).
struct TVehicleChange {
    TVehicle Vehicle;
    std::optional<TRecordBytes> Before;
    TRecordBytes After;
    bool Removed = false;
};

// Changes checked against the file they are for and worked out as that file will hold
// them (see TVehicleTable::Prepare); a change whose After equals its Before is left out.
struct TPreparedChange {
    std::vector<TVehicleChange> Changes;
    std::string CfgText; // a cfg's whole new text; empty for an executable
};

// Every slot's record of an executable, ID 400 first, with its offset.
std::vector<TVehicleRecord> SlotRecords(const TTableFile& executable);

class TVehicleTable {
public:
    // mode: ReadOnly, ReadWrite (a file that cannot be written is refused at once), or
    // Change (Klarvon's write lock, held until Commit or the end; a cfg's text is read
    // under it). onSize hears the file's size first. An executable the editor would refuse
    // is ERejectedTable; a UTF-16 text, and a text that is no cfg, each fail with their own
    // message naming the file; a text that is no cfg at all is ENotACfg. With CfgOnly, an
    // empty file, one that is not text and a text over LargestTextFile fail with messages
    // of their own; with Either, such a text is ERejectedTable with TooLargeText. A failure
    // to open or read the file is EInOutError with Path set.
    TVehicleTable(const std::string& path, TOpenMode mode,
                  TTableKinds accepted = TTableKinds::Either,
                  const std::function<void(std::int64_t)>& onSize = {});
    ~TVehicleTable();
    TVehicleTable(const TVehicleTable&) = delete;
    TVehicleTable& operator=(const TVehicleTable&) = delete;

    const std::string& Path() const { return path_; }

    // Every vehicle: an executable's 231 slots in ID order, a cfg's models as their rows
    // stand (the row that counts for each, in file order).
    std::vector<TVehicleRecord> ReadAll() const;

    // The vehicle a modder's word means. In an executable, an ID or a name
    // (IdOfVehicleWord, whose EVehicleNameError passes). In a cfg, an ID (VehicleIdOfWord)
    // stays an ID; any other word the file has a row of names that row, else a stock name
    // whose model has a row; a word that starts like an ID but is none is EVehicleNameError,
    // naming the rows whose names start with it. "model:NAME" is the model NAME alone. A
    // vehicle without a row is an EFinalError naming the file.
    TVehicle Find(std::string_view word) const;
    // The same, but a vehicle a cfg has no row for yet is named all the same (a stock
    // slot's model, or the word itself as an added model's name), for a row to be added.
    TVehicle FindOrNew(std::string_view word) const;

    // The records of the vehicles the words name (see Find), each once, in the order first
    // named.
    std::vector<TVehicleRecord> ReadNamed(std::span<const std::string> words) const;

    // The record of a vehicle; none where the file has no record for it (a cfg without its
    // row). An added model asked of an executable is an EFinalError.
    std::optional<TVehicleRecord> Read(const TVehicle& vehicle) const;

    // Whether the file can hold a record of the vehicle: an executable holds the slots, a
    // cfg the vehicles with a model name (stock or added).
    bool CanHold(const TVehicle& vehicle) const;
    // Why a vehicle has no record here, after the file's path: " has no row for it",
    // " is an executable, which has no slot for a vehicle a mod adds".
    std::string_view NoRecordText() const;
    // Whether its records keep their pad bytes (an executable's do; a cfg row has none).
    bool HoldsPadBytes() const;
    // A record as the file would hold it: with zero pad bytes for a cfg, as it is for an
    // executable.
    TRecordBytes AsHeld(const TRecordBytes& record) const;

    // Checks changes against the file before anything is written: a cfg refuses pad bytes
    // that are not zero (EPadBytes), a model name a row cannot hold and a float no row can
    // write; a vehicle the file cannot hold is refused too, and so is a cfg text that would
    // grow past LargestTextFile (no program could read it back), and a removal where there
    // is no row to remove or from an executable, whose slots are fixed. Works out a cfg's
    // new text once, for Commit.
    TPreparedChange Prepare(std::span<const TVehicleChange> changes) const;

    // The prepared changes as one: in an executable one write of records in place, in a
    // cfg the file replaced by its new text. A record that no longer holds its Before (in
    // either kind, compared under the lock) is EStaleRecord and nothing is written. Needs
    // TOpenMode::Change. Here as in the reads, a failed file operation is EInOutError with
    // Path set.
    void Commit(const TPreparedChange& prepared);

    // What only one kind has: the executable behind the table (nullptr for a cfg), and the
    // cfg's document (nullptr for an executable).
    const TTableFile* Executable() const { return executable_.get(); }
    const TCfgDocument* Cfg() const { return cfg_.get(); }
    std::int64_t Size() const { return size_; }

private:
    void Open(TOpenMode mode, TTableKinds accepted,
              const std::function<void(std::int64_t)>& onSize);
    void OpenCfg(TFileHandle&& file, TOpenMode mode);
    void CommitChanges(const TPreparedChange& prepared);
    TVehicle FindModel(std::string_view model) const;
    std::string RowsStartingWith(std::string_view word) const;

    std::string path_;
    std::int64_t size_ = 0;
    std::unique_ptr<TTableFile> executable_;
    std::unique_ptr<TCfgDocument> cfg_;
    std::unique_ptr<TLockedFile> lockedCfg_;
};

} // namespace klarvon::exchange

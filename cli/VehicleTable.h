#pragma once
// A file the companion reads or changes as a table of vehicle records, whichever kind it
// is: an executable's table (231 slots, by ID) or a limit adjuster's cfg (a row per model,
// added vehicles included). The kind is told by what the file holds (exchange/TextKind.h).

#include "exchange/CfgDocument.h"
#include "exchange/Vehicle.h"
#include "table/FieldLayout.h"
#include "table/LockedFile.h"
#include "table/RecordFile.h"
#include "table/TableFile.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon::cli {

using exchange::TVehicle;
using exchange::TVehicleRecord;

enum class TTableKind { Executable, Cfg };

// Cfg for a file whose first bytes are text (UTF-16 text included, which the table then
// refuses by name), else Executable, whatever the file's name.
TTableKind KindOfTable(const std::string& path);

// Whether path is a file with nothing in it (no cfg and no executable either); false for
// one that cannot be opened, which the table's open reports.
bool IsEmptyFile(const std::string& path);

// One vehicle's change: its record as read (none for a row a cfg does not have yet) and as
// it is to be.
struct TVehicleChange {
    TVehicle Vehicle;
    std::optional<TRecordBytes> Before;
    TRecordBytes After;
};

class TVehicleTable {
public:
    // mode: ReadOnly, or Change (the write lock, held until Commit or the end). An
    // executable the editor would refuse is refused (RejectedFile()); a UTF-16 text, and a
    // text that is no cfg, each with their own message.
    TVehicleTable(const std::string& path, TOpenMode mode);
    ~TVehicleTable();
    TVehicleTable(const TVehicleTable&) = delete;
    TVehicleTable& operator=(const TVehicleTable&) = delete;

    TTableKind Kind() const { return kind_; }
    const std::string& Path() const { return path_; }

    // Every vehicle: an executable's 231 slots in ID order, a cfg's models as their rows
    // stand (the row that counts for each).
    std::vector<TVehicleRecord> ReadAll() const;

    // The vehicle a word of the command line means. In an executable, an ID or a name
    // (see ParseVehicleId). In a cfg, a model name the file has a row for, else an ID or a
    // stock name whose model has a row; a vehicle without a row is an EFailure naming
    // the file.
    TVehicle Find(std::string_view word) const;
    // The same, but a vehicle a cfg has no row for yet is named all the same (a stock
    // slot's model, or the word itself as an added model's name), for a row to be added.
    TVehicle FindOrNew(std::string_view word) const;

    // The records of the vehicles the words name (see Find), each once, in the order first
    // named.
    std::vector<TVehicleRecord> ReadNamed(std::span<const std::string> words) const;

    // The record of a vehicle Find gave; none for a cfg row not there yet.
    std::optional<TVehicleRecord> Read(const TVehicle& vehicle) const;

    // Refuses, before anything is written, changes a cfg cannot hold: pad bytes that are
    // not zero, a model name a row cannot hold, a float no row can write.
    void Validate(std::span<const TVehicleChange> changes) const;

    // The changes as one: in an executable one write of records in place, in a cfg the
    // file replaced by its edited text. A change whose After equals its Before is left
    // out. Needs TOpenMode::Change.
    void Commit(std::span<const TVehicleChange> changes);

    // The executable behind the table, for what only an executable has; nullptr for a cfg.
    const TTableFile* Executable() const { return executable_.get(); }
    const exchange::TCfgDocument* Cfg() const { return cfg_.get(); }

private:
    std::string EditedText(std::span<const TVehicleChange> changes) const;

    std::string path_;
    TTableKind kind_ = TTableKind::Executable;
    std::unique_ptr<TTableFile> executable_;
    std::unique_ptr<exchange::TCfgDocument> cfg_;
    std::unique_ptr<TLockedFile> lockedCfg_;
};

} // namespace klarvon::cli

#pragma once
// The file the editor has open, free of any window: an executable, whose table was located
// at the open and is read and written there at every event, or a cfg, whose rows are read
// and replaced through the same table as the companion's. Nothing is held open between
// events: each show and each apply opens the file, does its work and closes it.
//
// The open and each show open the file for reading and writing, as an apply will; where
// that is refused but reading is not (a read-only file, a folder that needs administrator
// rights, a game that holds the file open), they read it read-only instead and say why, so
// that the records can still be looked at. Each show tries again, so the file becomes
// writable for the editor as soon as whatever stood in the way is gone.

#include "exchange/Findings.h"
#include "exchange/VehicleTable.h"
#include "table/Errors.h"
#include "table/TableLocator.h"
#include "table/VehicleAudioRecord.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace klarvon {

using exchange::TVehicle;
using exchange::TVehicleChange;

// Why the open file may not be written just now.
enum class TWriteRefusal {
    None,     // it may
    ReadOnly, // access denied: a read-only file, or one in a protected folder
    InUse,    // another program holds it (a sharing or lock violation)
};

// The refusal a failed read-write open means, or None when the failure is no refusal to
// write (a missing file, a bad name, ...) and reading it would fail as well.
TWriteRefusal WriteRefusalOf(const EInOutError& error);

struct TEditorFile {
    std::string Path;
    bool IsCfg = false;
    // An executable the editor refuses ("Unknown gta_sa.exe"): opened all the same, its
    // slots listed, as the open runs to its end.
    bool IsRejected = false;
    TTableLocation Location;        // an executable's, as found at the open
    std::vector<TVehicle> Vehicles; // the list's lines, in order
    // As the last open, show or apply found it.
    TWriteRefusal Refusal = TWriteRefusal::None;
};

// Opens path as "Open" does, whatever its name: told by its content, its size handed to
// onSize at once. An executable is located (one the editor refuses comes back IsRejected);
// a cfg lists its stock models in ID order, then the vehicles it adds in file order. A file
// that may not be written is read read-only, with Refusal saying why.
TEditorFile OpenEditorFile(const std::string& path,
                           const std::function<void(std::int64_t)>& onSize);

// The list's line of a vehicle: a slot's as the catalogue writes it, an added vehicle's
// model name, indented as the slots' IDs are.
std::string ListLine(const TVehicle& vehicle);

// The list position of a vehicle, or none.
std::optional<int> ListPosition(const TEditorFile& file, const TVehicle& vehicle);

// The editor's show: the record of the vehicle handed over field by field in stored order,
// each stored into current first. An executable's record is read where the table was found
// at the open (a record cut off by the end of the file delivers the fields before the cut,
// then fails); a cfg's row is read as it is now, with zero pad bytes. Refusal is brought up
// to date before the first field.
void ReadVehicleFields(TEditorFile& file, const TVehicle& vehicle, TVehicleAudioRecord& current,
                       const std::function<void(TField)>& onField);

// Opens the file for a change, so that one that cannot be written is refused before the
// window's values are read, with the system's error ("File access denied", "I/O error 32").
// Refusal is brought up to date either way.
void RequireWritable(TEditorFile& file);

// Writes one record's change under Klarvon's write lock, whole or not at all: a record that
// no longer holds its Before is EStaleRecord, and a value a cfg row cannot hold is
// exchange::EPadBytes; nothing is written then.
void CommitChange(const TEditorFile& file, const TVehicleChange& change);

// The banks' facts the open file's records are judged by, as `check` judges them: the
// sound files of gameFolder (the game folder the user chose) when given, else of those
// beside the file, else the stock game's. Sound files that cannot be read leave the stock
// game's facts: a check or an apply is no place to fail for them.
TBankFacts EditorBankFacts(const TEditorFile& file,
                           const std::optional<std::filesystem::path>& gameFolder = {});

// What the open file's check finds, as `check` does: in a cfg, a misspelt model's note too,
// and without the findings the cfg marks as intended; banks judged by EditorBankFacts.
struct TEditorCheck {
    std::vector<exchange::TRecordFinding> Findings;
    std::size_t Vehicles = 0;
};
TEditorCheck CheckEditorFile(const TEditorFile& file,
                             const std::optional<std::filesystem::path>& gameFolder = {});

} // namespace klarvon

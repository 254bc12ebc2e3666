#include "ui/main/EditorFile.h"

#include "catalogue/VehicleCatalogue.h"
#include "exchange/PackCheck.h"
#include "sound/CheckedBanks.h"
#include "table/InOutErrorCodes.h"
#include "table/PathText.h"
#include "table/TableFile.h"

#include <algorithm>
#include <array>
#include <memory>

namespace klarvon {

namespace {

// An added vehicle's line starts where a slot's ID does.
constexpr std::string_view AddedLineIndent = "      ";

// Runs read(mode) with the file open read-write, as an apply will open it; where writing is
// refused, runs it again read-only. file.Refusal says which it was. A read that fails for
// any other reason, or fails read-only too, fails as it stands.
template <class TRead> void ReadWritableOrNot(TEditorFile& file, const TRead& read) {
    TWriteRefusal refusal = TWriteRefusal::None;
    try {
        read(TOpenMode::ReadWrite);
        file.Refusal = TWriteRefusal::None;
        return;
    } catch (const EInOutError& error) {
        refusal = WriteRefusalOf(error);
        if (refusal == TWriteRefusal::None) {
            throw;
        }
    }
    read(TOpenMode::ReadOnly);
    file.Refusal = refusal;
}

} // namespace

TWriteRefusal WriteRefusalOf(const EInOutError& error) {
    switch (error.Code) {
    case CodeAccessDenied:
        return TWriteRefusal::ReadOnly;
    case CodeSharingViolation:
    case CodeLockViolation:
        return TWriteRefusal::InUse;
    default:
        return TWriteRefusal::None;
    }
}

TEditorFile OpenEditorFile(const std::string& path,
                           const std::function<void(std::int64_t)>& onSize) {
    TEditorFile file{path, false, false, {}, {}, TWriteRefusal::None};
    std::unique_ptr<exchange::TVehicleTable> table;
    ReadWritableOrNot(file, [&](TOpenMode mode) {
        try {
            table = std::make_unique<exchange::TVehicleTable>(
                path, mode, exchange::TTableKinds::Either, onSize);
        } catch (const exchange::ERejectedTable& rejected) {
            file.IsRejected = true;
            file.Location = rejected.Location;
        }
    });
    if (table == nullptr || table->Executable() != nullptr) {
        if (table != nullptr) {
            file.Location = table->Executable()->Location();
        }
        for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
            file.Vehicles.push_back(exchange::SlotVehicle(id));
        }
        return file;
    }
    file.IsCfg = true;
    file.Location.FileSize = table->Size();
    std::vector<TVehicle> added;
    for (const exchange::TVehicleRecord& record : table->ReadAll()) {
        (record.Vehicle.Id ? file.Vehicles : added).push_back(record.Vehicle);
    }
    std::stable_sort(file.Vehicles.begin(), file.Vehicles.end(),
                     [](const TVehicle& a, const TVehicle& b) { return *a.Id < *b.Id; });
    file.Vehicles.insert(file.Vehicles.end(), added.begin(), added.end());
    return file;
}

std::string ListLine(const TVehicle& vehicle) {
    if (vehicle.Id) {
        return TVehicleCatalogue::ItemText(*vehicle.Id);
    }
    return std::string(AddedLineIndent) + vehicle.Model;
}

std::optional<int> ListPosition(const TEditorFile& file, const TVehicle& vehicle) {
    const auto found = std::find(file.Vehicles.begin(), file.Vehicles.end(), vehicle);
    if (found == file.Vehicles.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - file.Vehicles.begin());
}

void ReadVehicleFields(TEditorFile& file, const TVehicle& vehicle, TVehicleAudioRecord& current,
                       const std::function<void(TField)>& onField) {
    if (!file.IsCfg) {
        std::unique_ptr<TTableFile> table;
        ReadWritableOrNot(file, [&](TOpenMode mode) {
            table = std::make_unique<TTableFile>(file.Path, mode, file.Location);
        });
        table->ReadFields(*vehicle.Id, current, onField);
        table->Close();
        return;
    }
    std::unique_ptr<exchange::TVehicleTable> table;
    ReadWritableOrNot(file, [&](TOpenMode mode) {
        table = std::make_unique<exchange::TVehicleTable>(file.Path, mode);
    });
    const std::optional<exchange::TVehicleRecord> record = table->Read(vehicle);
    if (!record) {
        throw EFinalError(file.Path + " has no row for " + vehicle.Model +
                          " any more: open the file again");
    }
    const TVehicleAudioRecord row{record->Bytes};
    for (std::size_t i = 0; i < FieldCount; ++i) {
        const auto field = static_cast<TField>(i);
        current[field] = row[field];
        if (onField) {
            onField(field);
        }
    }
}

void RequireWritable(TEditorFile& file) {
    try {
        TRecordFile(file.Path, TOpenMode::ReadWrite).Close();
    } catch (const EInOutError& error) {
        const TWriteRefusal refusal = WriteRefusalOf(error);
        if (refusal != TWriteRefusal::None) {
            file.Refusal = refusal;
        }
        throw;
    }
    file.Refusal = TWriteRefusal::None;
}

void CommitChange(const TEditorFile& file, const TVehicleChange& change) {
    if (!file.IsCfg) {
        TTableFile table(file.Path, TOpenMode::Change, file.Location);
        const std::array changes{TTableChange{*change.Vehicle.Id, *change.Before, change.After}};
        table.Commit(changes);
        table.Close();
        return;
    }
    exchange::TVehicleTable table(file.Path, TOpenMode::Change);
    const std::array changes{change};
    table.Commit(table.Prepare(changes));
}

TBankFacts EditorBankFacts(const TEditorFile& file,
                           const std::optional<std::filesystem::path>& gameFolder) {
    try {
        return sound::CheckedBankFacts(FileSystemPath(file.Path), gameFolder);
    } catch (const EKlarvonError&) {
        return StockBankFacts();
    }
}

TEditorCheck CheckEditorFile(const TEditorFile& file,
                             const std::optional<std::filesystem::path>& gameFolder) {
    const TBankFacts banks = EditorBankFacts(file, gameFolder);
    if (!file.IsCfg) {
        const std::vector<exchange::TVehicleRecord> records =
            exchange::SlotRecords(TTableFile(file.Path, TOpenMode::ReadOnly, file.Location));
        return {exchange::CheckRecords(records, banks), records.size()};
    }
    const exchange::TVehicleTable table(file.Path, TOpenMode::ReadOnly);
    const std::vector<exchange::TVehicleRecord> records = table.ReadAll();
    TEditorCheck check{exchange::CheckPack(records, table.Cfg(), banks), records.size()};
    std::erase_if(check.Findings,
                  [](const exchange::TRecordFinding& found) { return found.Intended; });
    return check;
}

} // namespace klarvon

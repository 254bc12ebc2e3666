#include "cli/VehicleTable.h"

#include "catalogue/ModelNames.h"
#include "cli/Failure.h"
#include "cli/TableAccess.h"
#include "exchange/Changes.h"
#include "exchange/TextKind.h"
#include "table/FileHandle.h"
#include "table/FileRead.h"

#include <algorithm>
#include <array>
#include <set>

namespace klarvon::cli {

using exchange::ETextError;
using exchange::ETextErrors;
using exchange::TCfgDocument;
using exchange::TCfgDocumentRow;
using exchange::TCfgEdit;
using exchange::TContentKind;

namespace {

// Enough to tell the kinds apart: an executable's header has NUL bytes in its first
// bytes, and a UTF-16 text shows its pattern at once.
constexpr std::size_t SniffedBytes = std::size_t{64} << 10;

// What path holds. Its first bytes tell an executable (NUL bytes in its header) and a UTF-16
// text; a text must have no NUL byte at all, which a file of records after a long run of
// text (as some test files are) would have further on. A file that cannot be opened here is
// left to the executable's open, which words the failure as the editor does; so is an empty
// file, which is no cfg, and one too large to be a text file of settings.
TContentKind KindOfFile(const std::string& path) {
    TFileHandle file;
    try {
        file.Open(path, TAccess::ReadOnly);
    } catch (const std::exception&) {
        return TContentKind::Binary;
    }
    const std::int64_t size = file.Size();
    if (size == 0 || size > static_cast<std::int64_t>(LargestTextFile)) {
        return TContentKind::Binary;
    }
    std::vector<std::uint8_t> chunk(SniffedBytes);
    std::size_t length = file.ReadAt(0, chunk);
    const TContentKind kind = exchange::KindOfContent(std::span(chunk).first(length));
    for (std::int64_t at = static_cast<std::int64_t>(length);
         kind == TContentKind::Text && length != 0; at += static_cast<std::int64_t>(length)) {
        length = file.ReadAt(at, chunk);
        if (std::find(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(length), 0) !=
            chunk.begin() + static_cast<std::ptrdiff_t>(length)) {
            return TContentKind::Binary;
        }
    }
    return kind;
}

TContentKind KindOfText(const std::string& text) {
    return exchange::KindOfContent(
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::unique_ptr<TCfgDocument> ReadDocument(const std::string& path, std::string text) {
    try {
        return std::make_unique<TCfgDocument>(std::move(text));
    } catch (const ETextErrors& errors) {
        throw EFailure(errors.Located(path));
    } catch (const ETextError& error) {
        throw EFailure(error.Line == 0 ? path + ' ' + error.what() : error.Located(path));
    }
}

TVehicleRecord RecordOfRow(const TCfgDocumentRow& row) {
    TVehicleRecord record{exchange::ModelVehicle(row.Row.Model), exchange::RowBytes(row.Row), {}};
    record.Place.Line = row.Row.Line;
    record.Place.Columns.assign(row.ValueColumns.begin(), row.ValueColumns.end());
    return record;
}

} // namespace

TTableKind KindOfTable(const std::string& path) {
    return KindOfFile(path) == TContentKind::Binary ? TTableKind::Executable : TTableKind::Cfg;
}

bool IsEmptyFile(const std::string& path) {
    TFileHandle file;
    try {
        file.Open(path, TAccess::ReadOnly);
        return file.Size() == 0;
    } catch (const std::exception&) {
        return false;
    }
}

TVehicleTable::TVehicleTable(const std::string& path, TOpenMode mode) : path_(path) {
    if (KindOfTable(path) == TTableKind::Cfg) {
        std::string text;
        if (mode == TOpenMode::Change) {
            lockedCfg_ = std::make_unique<TLockedFile>(path);
            text = lockedCfg_->Text();
        } else {
            text = ReadTextFile(path);
        }
        // Told again from the whole text as read (under the lock, for a change).
        const TContentKind kind = KindOfText(text);
        if (kind == TContentKind::Utf16Text) {
            throw EFailure(exchange::Utf16Refusal(path));
        }
        if (kind == TContentKind::Text) {
            kind_ = TTableKind::Cfg;
            cfg_ = ReadDocument(path, std::move(text));
            return;
        }
        lockedCfg_.reset(); // replaced by an executable since its first bytes were read
    }
    executable_ = std::make_unique<TTableFile>(path, mode);
    RequireTable(*executable_);
}

TVehicleTable::~TVehicleTable() = default;

std::vector<TVehicleRecord> TVehicleTable::ReadAll() const {
    std::vector<TVehicleRecord> records;
    if (executable_) {
        const std::vector<TRecordBytes> all = executable_->ReadAll();
        for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
            records.push_back({exchange::SlotVehicle(id),
                               all[static_cast<std::size_t>(id - FirstVehicleId)],
                               {executable_->RecordOffset(id), 0, {}}});
        }
        return records;
    }
    for (const TCfgDocumentRow* row : cfg_->EffectiveRows()) {
        records.push_back(RecordOfRow(*row));
    }
    return records;
}

TVehicle TVehicleTable::Find(std::string_view word) const {
    TVehicle vehicle = FindOrNew(word);
    if (cfg_ && !Read(vehicle)) {
        throw EFailure(path_ + " has no row for " +
                       (vehicle.Model.empty() ? "vehicle " + std::to_string(*vehicle.Id)
                                              : "model '" + vehicle.Model + "'"));
    }
    return vehicle;
}

TVehicle TVehicleTable::FindOrNew(std::string_view word) const {
    if (executable_) {
        return exchange::SlotVehicle(ParseVehicleId(word));
    }
    if (const TCfgDocumentRow* row = cfg_->EffectiveRow(word)) {
        return exchange::ModelVehicle(row->Row.Model);
    }
    if (StartsLikeId(word) || !SlotsNamed(word).empty()) {
        TVehicle slot = exchange::SlotVehicle(ParseVehicleId(word));
        if (slot.Model.empty()) {
            throw EFailure(std::to_string(*slot.Id) +
                           " has no model name, so a cfg has no row for it (only " +
                           std::to_string(FirstVehicleId) + ".." + std::to_string(LastModelId) +
                           " and added models)");
        }
        if (const TCfgDocumentRow* row = cfg_->EffectiveRow(slot.Model)) {
            return exchange::ModelVehicle(row->Row.Model);
        }
        return slot;
    }
    return {std::nullopt, std::string(word)};
}

std::vector<TVehicleRecord> TVehicleTable::ReadNamed(std::span<const std::string> words) const {
    std::vector<TVehicleRecord> records;
    std::set<std::string> taken;
    for (const std::string& word : words) {
        const TVehicle vehicle = Find(word);
        if (taken.insert(exchange::VehicleKey(vehicle)).second) {
            records.push_back(*Read(vehicle));
        }
    }
    return records;
}

std::optional<TVehicleRecord> TVehicleTable::Read(const TVehicle& vehicle) const {
    if (executable_) {
        if (!vehicle.Id) {
            throw EFailure(path_ + " is an executable, which has no slot for the added model '" +
                           vehicle.Model + "'; only a cfg can hold it");
        }
        return TVehicleRecord{exchange::SlotVehicle(*vehicle.Id),
                              executable_->Read(*vehicle.Id),
                              {executable_->RecordOffset(*vehicle.Id), 0, {}}};
    }
    // Every vehicle's Model is set, but for the slots after the model names, which no row
    // can name.
    if (vehicle.Model.empty()) {
        return std::nullopt;
    }
    if (const TCfgDocumentRow* row = cfg_->EffectiveRow(vehicle.Model)) {
        return RecordOfRow(*row);
    }
    return std::nullopt;
}

std::string TVehicleTable::EditedText(std::span<const TVehicleChange> changes) const {
    std::vector<TCfgEdit> edits;
    for (const TVehicleChange& change : changes) {
        if (exchange::WithRowValues(TRecordBytes{}, change.After) != change.After) {
            throw EFailure(exchange::VehicleSubject(change.Vehicle) +
                               ": the change sets pad bytes, which a cfg row does not hold; change "
                               "the game's fields (--game)",
                           path_);
        }
        const std::optional<TVehicleRecord> current = Read(change.Vehicle);
        // A row keeps its model name as the file spells it.
        edits.push_back({current ? current->Vehicle.Model : change.Vehicle.Model,
                         exchange::RowValues(change.After)});
    }
    try {
        return cfg_->Edited(edits);
    } catch (const ETextError& problem) {
        throw EFailure(problem.what(), path_);
    }
}

void TVehicleTable::Validate(std::span<const TVehicleChange> changes) const {
    if (cfg_) {
        EditedText(changes);
    }
}

void TVehicleTable::Commit(std::span<const TVehicleChange> changes) {
    if (cfg_) {
        const std::string text = EditedText(changes);
        lockedCfg_->Replace(text);
        return;
    }
    std::vector<TTableChange> records;
    for (const TVehicleChange& change : changes) {
        records.push_back({*change.Vehicle.Id, *change.Before, change.After});
    }
    executable_->Commit(records);
    executable_->Close();
}

} // namespace klarvon::cli

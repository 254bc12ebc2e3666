#include "exchange/VehicleTable.h"

#include "catalogue/ModelNames.h"
#include "exchange/TextKind.h"
#include "exchange/WrittenFloat.h"
#include "table/FileHandle.h"
#include "table/FileRead.h"

#include <algorithm>
#include <set>

namespace klarvon::exchange {

namespace {

// Enough to tell the kinds apart: an executable's header has NUL bytes in its first
// bytes, and a UTF-16 text shows its pattern at once.
constexpr std::size_t SniffedBytes = std::size_t{64} << 10;

// A change opens its file so that a new one can be renamed over it: a cfg is replaced
// whole, and which kind the file is is known only once it has been looked into.
TAccess AccessForTable(TOpenMode mode) {
    return mode == TOpenMode::Change ? TAccess::ReadWriteReplaceable : AccessOf(mode);
}

// What the open file holds. Its first bytes tell an executable (NUL bytes in its header)
// and a UTF-16 text; a text must have no NUL byte at all, which a file of records after a
// long run of text (as some test files are) would have further on. An empty file is no cfg,
// and neither is one too large to be a text file of settings.
TContentKind KindOfFile(const TFileHandle& file, std::int64_t size) {
    if (size == 0 || size > static_cast<std::int64_t>(LargestTextFile)) {
        return TContentKind::Binary;
    }
    std::vector<std::uint8_t> chunk(SniffedBytes);
    std::size_t length = file.ReadAt(0, chunk);
    const TContentKind kind = KindOfContent(std::span(chunk).first(length));
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
    return KindOfContent(
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

TVehicleRecord RecordOfRow(const TCfgDocumentRow& row, std::string_view text) {
    TVehicleRecord record{ModelVehicle(row.Row.Model), RowBytes(row.Row), {}};
    record.Place.Line = row.Row.Line;
    record.Place.Columns.assign(row.ValueColumns.begin(), row.ValueColumns.end());
    // The model name stands before the first value, on the same line.
    record.Place.ModelColumn =
        row.ValueColumns[0] - (row.ValueSpans[0].Offset - row.ModelSpan.Offset);
    for (const TTextSpan& span : row.ValueSpans) {
        record.Decimals.push_back(WrittenDecimals(text.substr(span.Offset, span.Length)));
    }
    return record;
}

std::string PadBytesText(const TVehicle& vehicle) {
    return VehicleSubject(vehicle) +
           ": the change sets pad bytes, which a cfg row does not hold; change the game's "
           "fields (--game)";
}

} // namespace

ERejectedTable::ERejectedTable(const TTableLocation& location)
    : EFinalError(std::string(RejectedFileText)), Location(location) {}

EPadBytes::EPadBytes(const TVehicle& vehicle, std::vector<std::size_t> offsets,
                     const std::string& path)
    : EFinalError(PadBytesText(vehicle), path), Vehicle(vehicle), Offsets(std::move(offsets)) {}

TVehicleTable::TVehicleTable(const std::string& path, TOpenMode mode, TTableKinds accepted,
                             const std::function<void(std::int64_t)>& onSize)
    : path_(path) {
    TFileHandle file;
    file.Open(path, AccessForTable(mode));
    size_ = file.Size();
    if (onSize) {
        onSize(size_);
    }
    const TContentKind kind = KindOfFile(file, size_);
    if (accepted == TTableKinds::CfgOnly && size_ == 0) {
        throw EFinalError(path + " is empty: it holds no rows (a model name and 14 values)");
    }
    if (kind != TContentKind::Binary) {
        OpenCfg(std::move(file), mode);
        if (cfg_) {
            return;
        }
        // Replaced by an executable since its first bytes were read: opened anew below.
    }
    if (accepted == TTableKinds::CfgOnly) {
        throw EFinalError(path +
                          " is not a vehicle audio cfg: it is not text (it holds NUL bytes)");
    }
    executable_ = file.IsOpen() ? std::make_unique<TTableFile>(std::move(file), path, mode)
                                : std::make_unique<TTableFile>(path, mode);
    if (IsRejected(executable_->Location())) {
        throw ERejectedTable(executable_->Location());
    }
}

void TVehicleTable::OpenCfg(TFileHandle&& file, TOpenMode mode) {
    std::string text;
    if (mode == TOpenMode::Change) {
        lockedCfg_ = std::make_unique<TLockedFile>(std::move(file), path_);
        text = lockedCfg_->Text();
    } else {
        text = NamingFile(path_, [&file] { return ReadWholeText(file); });
        file.Close();
    }
    // Told again from the whole text as read (under the lock, for a change).
    const TContentKind kind = KindOfText(text);
    if (kind == TContentKind::Utf16Text) {
        throw EFinalError(Utf16Refusal(path_));
    }
    if (kind == TContentKind::Binary) {
        lockedCfg_.reset();
        return;
    }
    size_ = static_cast<std::int64_t>(text.size());
    cfg_ = ReadingText(path_, [&text] { return std::make_unique<TCfgDocument>(std::move(text)); });
}

TVehicleTable::~TVehicleTable() = default;

std::vector<TVehicleRecord> SlotRecords(const TTableFile& executable) {
    std::vector<TVehicleRecord> records;
    const std::vector<TRecordBytes> all = executable.ReadAll();
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        records.push_back({SlotVehicle(id),
                           all[static_cast<std::size_t>(id - FirstVehicleId)],
                           {executable.RecordOffset(id), 0, {}}});
    }
    return records;
}

std::vector<TVehicleRecord> TVehicleTable::ReadAll() const {
    if (executable_) {
        return SlotRecords(*executable_);
    }
    std::vector<TVehicleRecord> records;
    for (const TCfgDocumentRow* row : cfg_->EffectiveRows()) {
        records.push_back(RecordOfRow(*row, cfg_->Text()));
    }
    return records;
}

TVehicle TVehicleTable::Find(std::string_view word) const {
    TVehicle vehicle = FindOrNew(word);
    if (cfg_ && !Read(vehicle)) {
        throw EFinalError(path_ + " has no row for " +
                          (vehicle.Model.empty() ? "vehicle " + std::to_string(*vehicle.Id)
                                                 : "model '" + vehicle.Model + "'"));
    }
    return vehicle;
}

TVehicle TVehicleTable::FindOrNew(std::string_view word) const {
    if (executable_) {
        return SlotVehicle(IdOfVehicleWord(word));
    }
    if (const TCfgDocumentRow* row = cfg_->EffectiveRow(word)) {
        return ModelVehicle(row->Row.Model);
    }
    if (StartsLikeId(word) || !SlotsNamed(word).empty()) {
        TVehicle slot = SlotVehicle(IdOfVehicleWord(word));
        if (slot.Model.empty()) {
            throw EFinalError(std::to_string(*slot.Id) +
                              " has no model name, so a cfg has no row for it (only " +
                              std::to_string(FirstVehicleId) + ".." + std::to_string(LastModelId) +
                              " and added models)");
        }
        if (const TCfgDocumentRow* row = cfg_->EffectiveRow(slot.Model)) {
            return ModelVehicle(row->Row.Model);
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
        if (taken.insert(VehicleKey(vehicle)).second) {
            records.push_back(*Read(vehicle));
        }
    }
    return records;
}

std::optional<TVehicleRecord> TVehicleTable::Read(const TVehicle& vehicle) const {
    if (executable_) {
        if (!vehicle.Id) {
            throw EFinalError(path_ + " is an executable, which has no slot for the added model '" +
                              vehicle.Model + "'; only a cfg can hold it");
        }
        return TVehicleRecord{SlotVehicle(*vehicle.Id),
                              executable_->Read(*vehicle.Id),
                              {executable_->RecordOffset(*vehicle.Id), 0, {}}};
    }
    // Every vehicle's Model is set, but for the slots after the model names, which no row
    // can name.
    if (vehicle.Model.empty()) {
        return std::nullopt;
    }
    if (const TCfgDocumentRow* row = cfg_->EffectiveRow(vehicle.Model)) {
        return RecordOfRow(*row, cfg_->Text());
    }
    return std::nullopt;
}

bool TVehicleTable::CanHold(const TVehicle& vehicle) const {
    return executable_ ? vehicle.Id.has_value() : !vehicle.Model.empty();
}

std::string_view TVehicleTable::NoRecordText() const {
    return executable_ ? " is an executable, which has no slot for a vehicle a mod adds"
                       : " has no row for it";
}

bool TVehicleTable::HoldsPadBytes() const {
    return executable_ != nullptr;
}

TRecordBytes TVehicleTable::AsHeld(const TRecordBytes& record) const {
    return executable_ ? record : WithRowValues(TRecordBytes{}, record);
}

TPreparedChange TVehicleTable::Prepare(std::span<const TVehicleChange> changes) const {
    TPreparedChange prepared;
    for (const TVehicleChange& change : changes) {
        if (change.Before != change.After) {
            prepared.Changes.push_back(change);
        }
    }
    if (executable_) {
        for (const TVehicleChange& change : prepared.Changes) {
            if (!change.Vehicle.Id || !change.Before) {
                Read(change.Vehicle); // names the added model an executable cannot hold
                throw std::logic_error("A slot's change has no record as read");
            }
        }
        return prepared;
    }
    std::vector<TCfgEdit> edits;
    for (const TVehicleChange& change : prepared.Changes) {
        const TRecordBytes held = AsHeld(change.After);
        if (held != change.After) {
            std::vector<std::size_t> offsets;
            for (std::size_t at = 0; at < RecordSize; ++at) {
                if (held[at] != change.After[at]) {
                    offsets.push_back(at);
                }
            }
            throw EPadBytes(change.Vehicle, std::move(offsets), path_);
        }
        const std::optional<TVehicleRecord> current = Read(change.Vehicle);
        // A row keeps its model name as the file spells it.
        edits.push_back(
            {current ? current->Vehicle.Model : change.Vehicle.Model, RowValues(change.After)});
    }
    prepared.CfgText = NamingFile(path_, [this, &edits] { return cfg_->Edited(edits); });
    return prepared;
}

void TVehicleTable::Commit(const TPreparedChange& prepared) {
    if (prepared.Changes.empty()) {
        return;
    }
    if (cfg_) {
        if (!lockedCfg_) {
            throw std::logic_error("A cfg is changed only when opened for a change");
        }
        // The text was read under the lock, so a row that differs from what the change
        // was worked out from was changed by another program since.
        for (const TVehicleChange& change : prepared.Changes) {
            const std::optional<TVehicleRecord> now = Read(change.Vehicle);
            if ((now ? std::optional(now->Bytes) : std::nullopt) != change.Before) {
                throw EStaleRecord();
            }
        }
        lockedCfg_->Replace(prepared.CfgText);
        lockedCfg_.reset();
        return;
    }
    std::vector<TTableChange> records;
    for (const TVehicleChange& change : prepared.Changes) {
        records.push_back({*change.Vehicle.Id, *change.Before, change.After});
    }
    executable_->Commit(records);
    executable_->Close();
}

} // namespace klarvon::exchange

#include "exchange/VehicleTable.h"

#include "catalogue/ModelNames.h"
#include "exchange/CfgShape.h"
#include "exchange/TextKind.h"
#include "exchange/WrittenFloat.h"
#include "table/FileHandle.h"
#include "table/FileRead.h"

#include <algorithm>
#include <cctype>
#include <charconv>
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
// long run of text (as some test files are) would have further on. An empty file is no cfg.
// A file too large to be a text file of settings is told by its first bytes alone: as a
// text it is refused whatever follows, and it is not read through for nothing.
TContentKind KindOfFile(const TFileHandle& file, std::int64_t size) {
    if (size == 0) {
        return TContentKind::Binary;
    }
    std::vector<std::uint8_t> chunk(SniffedBytes);
    std::size_t length = file.ReadAt(0, chunk);
    const TContentKind kind = KindOfContent(std::span(chunk).first(length));
    if (size > static_cast<std::int64_t>(LargestTextFile)) {
        return kind;
    }
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

// Runs body; a failed file operation inside it names the file, for whoever words the
// failure anew (the companion); its text stays as it is.
template <class TBody> decltype(auto) OnFile(const std::string& path, TBody&& body) {
    try {
        return body();
    } catch (EInOutError& failure) {
        if (failure.Path.empty()) {
            failure.Path = path;
        }
        throw;
    }
}

std::string CfgLimitText() {
    return "a vehicle audio cfg is at most " + std::to_string(LargestTextFile >> 20) + " MiB (" +
           std::to_string(LargestTextFile) + " bytes)";
}

std::string PadBytesText(const TVehicle& vehicle) {
    return VehicleSubject(vehicle) +
           ": the change sets pad bytes, which a cfg row does not hold; change the game's "
           "fields (--game)";
}

} // namespace

ERejectedTable::ERejectedTable(const TTableLocation& location, std::string path, bool tooLargeText)
    : EFinalError(std::string(RejectedFileText)), Location(location), Path(std::move(path)),
      TooLargeText(tooLargeText) {}

ENotACfg::ENotACfg(const std::string& faults, std::string path, std::string reason)
    : EFinalError(faults), Path(std::move(path)), Reason(std::move(reason)) {}

std::string TooLargeCfgText(std::string_view path, std::int64_t size) {
    return std::string(path) + " is " + std::to_string(size) + " bytes; " + CfgLimitText();
}

std::optional<int> VehicleIdOfWord(std::string_view word) {
    int id = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, id);
    if (word.empty() || std::isdigit(static_cast<unsigned char>(word.front())) == 0 ||
        error != std::errc{} || stop != end || id < FirstVehicleId || id > LastVehicleId) {
        return std::nullopt;
    }
    return id;
}

EPadBytes::EPadBytes(const TVehicle& vehicle, std::vector<std::size_t> offsets,
                     const std::string& path)
    : EFinalError(PadBytesText(vehicle), path), Vehicle(vehicle), Offsets(std::move(offsets)) {}

TVehicleTable::TVehicleTable(const std::string& path, TOpenMode mode, TTableKinds accepted,
                             const std::function<void(std::int64_t)>& onSize)
    : path_(path) {
    OnFile(path_, [&] { Open(mode, accepted, onSize); });
}

void TVehicleTable::Open(TOpenMode mode, TTableKinds accepted,
                         const std::function<void(std::int64_t)>& onSize) {
    const std::string& path = path_;
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
    const bool tooLargeText =
        kind != TContentKind::Binary && size_ > static_cast<std::int64_t>(LargestTextFile);
    if (tooLargeText && accepted == TTableKinds::CfgOnly) {
        throw EFinalError(TooLargeCfgText(path, size_));
    }
    if (kind != TContentKind::Binary && !tooLargeText) {
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
        throw ERejectedTable(executable_->Location(), path, tooLargeText);
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
    try {
        cfg_ = ReadingText(path_, [&text] { return std::make_unique<TCfgDocument>(text); });
    } catch (const EFinalError& faults) {
        if (std::optional<std::string> reason = NotACfgReason(text)) {
            throw ENotACfg(faults.what(), path_, std::move(*reason));
        }
        throw;
    }
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
        return OnFile(path_, [this] { return SlotRecords(*executable_); });
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

TVehicle TVehicleTable::FindModel(std::string_view model) const {
    if (model.empty()) {
        throw EVehicleNameError("'" + std::string(ModelWordPrefix) + "' names no model");
    }
    if (cfg_) {
        if (const TCfgDocumentRow* row = cfg_->EffectiveRow(model)) {
            return ModelVehicle(row->Row.Model);
        }
    }
    // A stock model is its slot; any other name an added model (which only a cfg holds:
    // Read says so of an executable).
    return ModelVehicle(model);
}

// "; PATH has a row 812m (give model:812m)" for the rows whose names start with the word,
// in any case, up to a few; empty for none.
std::string TVehicleTable::RowsStartingWith(std::string_view word) const {
    constexpr std::size_t MostNamed = 3;
    const std::string start = LowerCaseName(word);
    std::vector<std::string> names;
    for (const TCfgDocumentRow* row : cfg_->EffectiveRows()) {
        if (LowerCaseName(row->Row.Model).starts_with(start) && names.size() < MostNamed) {
            names.push_back(row->Row.Model);
        }
    }
    if (names.empty()) {
        return {};
    }
    std::string text = "; " + path_ + " has " + (names.size() == 1 ? "a row" : "rows");
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += (i == 0 ? " " : ", ") + names[i];
    }
    return text + " (give " + std::string(ModelWordPrefix) + names.front() + ")";
}

TVehicle TVehicleTable::FindOrNew(std::string_view word) const {
    if (word.starts_with(ModelWordPrefix)) {
        return FindModel(word.substr(ModelWordPrefix.size()));
    }
    if (executable_) {
        return SlotVehicle(IdOfVehicleWord(word));
    }
    const std::optional<int> id = VehicleIdOfWord(word);
    if (!id) {
        if (const TCfgDocumentRow* row = cfg_->EffectiveRow(word)) {
            return ModelVehicle(row->Row.Model);
        }
    }
    if (id || StartsLikeId(word) || !SlotsNamed(word).empty()) {
        int slotId = 0;
        try {
            slotId = IdOfVehicleWord(word);
        } catch (const EVehicleNameError& failure) {
            if (!StartsLikeId(word)) {
                throw;
            }
            throw EVehicleNameError(failure.what() + RowsStartingWith(word));
        }
        TVehicle slot = SlotVehicle(slotId);
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
                              OnFile(path_, [&] { return executable_->Read(*vehicle.Id); }),
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
        if (change.Removed && !change.Before) {
            throw std::logic_error("A row is removed only where there is one");
        }
        if (change.Before != change.After || change.Removed) {
            prepared.Changes.push_back(change);
        }
    }
    if (executable_) {
        for (const TVehicleChange& change : prepared.Changes) {
            if (change.Removed) {
                throw EFinalError(path_ + " is an executable, whose slots cannot be removed");
            }
            if (!change.Vehicle.Id || !change.Before) {
                Read(change.Vehicle); // names the added model an executable cannot hold
                throw std::logic_error("A slot's change has no record as read");
            }
        }
        return prepared;
    }
    std::vector<TCfgEdit> edits;
    for (const TVehicleChange& change : prepared.Changes) {
        if (change.Removed) {
            const std::string model = Read(change.Vehicle)->Vehicle.Model;
            const auto rows = std::count_if(
                cfg_->Rows().begin(), cfg_->Rows().end(), [&model](const TCfgDocumentRow& row) {
                    return LowerCaseName(row.Row.Model) == LowerCaseName(model);
                });
            if (rows > 1) {
                // Taking out the row that counts would only bring an earlier one back.
                throw EFinalError(path_ + " has " + std::to_string(rows) + " rows for " + model +
                                  ", and only a model's one row is removed: delete the others "
                                  "by hand first");
            }
            edits.push_back({model, {}, true});
            continue;
        }
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
    if (prepared.CfgText.size() > LargestTextFile) {
        throw EFinalError(path_ + " would grow to " + std::to_string(prepared.CfgText.size()) +
                          " bytes; " + CfgLimitText() + ", so nothing was written");
    }
    return prepared;
}

void TVehicleTable::Commit(const TPreparedChange& prepared) {
    OnFile(path_, [&] { CommitChanges(prepared); });
}

void TVehicleTable::CommitChanges(const TPreparedChange& prepared) {
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

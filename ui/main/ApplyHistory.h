#pragma once
// The applies of this session that can still be undone, latest last. Each keeps the record
// as it was before the apply and as the apply wrote it, so an undo is itself a change with
// a record to find on disk: one that is no longer what the apply wrote is not undone.

#include "exchange/VehicleTable.h"

#include <algorithm>
#include <string>
#include <vector>

namespace klarvon {

struct TAppliedChange {
    std::string Path;
    exchange::TVehicleChange Change; // Before: the record before the apply; After: as written
};

class TApplyHistory {
public:
    void Applied(const std::string& path, const exchange::TVehicleChange& change) {
        applied_.push_back({path, change});
    }
    // Another file was opened: only the applies to it can still be undone.
    void Opened(const std::string& path) {
        std::erase_if(applied_,
                      [&path](const TAppliedChange& entry) { return entry.Path != path; });
    }
    bool CanUndo() const { return !applied_.empty(); }
    // The change that puts back the record of the latest apply not yet undone: from what it
    // wrote to what it replaced.
    TAppliedChange UndoChange() const {
        const TAppliedChange& latest = applied_.back();
        return {latest.Path, {latest.Change.Vehicle, latest.Change.After, *latest.Change.Before}};
    }
    void Undone() { applied_.pop_back(); }

private:
    std::vector<TAppliedChange> applied_;
};

} // namespace klarvon

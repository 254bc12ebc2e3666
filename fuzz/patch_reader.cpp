// The companion's patch reader: any text is changes or one ETextError that points into
// the text; each change written again as its line reads back the same; and a patch that
// applies without conflict is undone exactly by applying it in reverse.

#include "catalogue/VehicleCatalogue.h"
#include "exchange/Changes.h"
#include "exchange/Patch.h"
#include "fuzz/FuzzSupport.h"
#include "table/TableLocator.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

using namespace klarvon;
using namespace klarvon::exchange;
using klarvon::fuzz::Check;

void CheckErrorPlace(const ETextError& error, std::string_view text) {
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    Check(error.Line >= 1 && error.Line <= lines, "error line outside the text", error.what());
    Check(error.Column >= 1 && error.Column <= text.size() + 1, "error column outside the text",
          error.what());
    Check(std::strlen(error.what()) > 0, "error without a problem");
}

// The change's line as the companion prints it: a slot by its ID and caption, an added
// vehicle by its model name.
std::string LineOf(const TPatchChange& change) {
    return ChangeSubject(change.Layout, change.Vehicle,
                         change.Field ? change.Field->Name : PadBytesName) +
           ": " + ChangeValueText(change, change.Old) + " -> " +
           ChangeValueText(change, change.New);
}

void CheckLinesRoundTrip(const TPatch& patch) {
    for (const TPatchChange& change : patch.Changes) {
        if (change.Vehicle.Id && TVehicleCatalogue::Name(*change.Vehicle.Id).empty()) {
            continue;
        }
        const std::string line = LineOf(change);
        const TPatch again = ParsePatch(line);
        Check(again.Changes.size() == 1, "a change's line is not one change", line);
        const TPatchChange& read = again.Changes.front();
        Check(read.Vehicle == change.Vehicle && read.Field == change.Field &&
                  read.Offsets == change.Offsets && read.Old == change.Old &&
                  read.New == change.New,
              "a change's line reads back different", line);
    }
}

void CheckReverseUndoes(const TPatch& patch) {
    // A table of the patch's vehicles that holds what the first line to touch each byte
    // expects.
    std::vector<TVehicleRecord> records;
    std::map<std::string, std::size_t> index;
    for (auto change = patch.Changes.rbegin(); change != patch.Changes.rend(); ++change) {
        const auto [entry, added] = index.emplace(VehicleKey(change->Vehicle), records.size());
        if (added) {
            records.push_back({change->Vehicle, {}, {}});
        }
        TRecordBytes& record = records[entry->second].Bytes;
        for (std::size_t i = 0; i < change->Offsets.size(); ++i) {
            record[change->Offsets[i]] = change->Old[i];
        }
    }
    const auto bytes = [&records] {
        std::vector<TRecordBytes> all;
        for (const TVehicleRecord& record : records) {
            all.push_back(record.Bytes);
        }
        return all;
    };
    const std::vector<TRecordBytes> before = bytes();
    if (!ApplyPatch(patch.Changes, TPatchDirection::Forward, records).empty()) {
        return; // lines that contradict each other
    }
    Check(ApplyPatch(patch.Changes, TPatchDirection::Reverse, records).empty(),
          "a patch that applied conflicts in reverse");
    Check(bytes() == before, "reverse did not undo the patch");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText({data, size});
    TPatch patch;
    try {
        patch = ParsePatch(text);
    } catch (const ETextError& error) {
        CheckErrorPlace(error, text);
        return 0;
    }
    CheckLinesRoundTrip(patch);
    CheckReverseUndoes(patch);
    return 0;
}

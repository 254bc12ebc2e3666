#include "cli/Changes.h"

#include "catalogue/VehicleCatalogue.h"
#include "cli/FieldText.h"

namespace klarvon::cli {

std::size_t WriteChanges(std::ostream& out, int id, const TVehicleAudioRecord& before,
                         const TVehicleAudioRecord& after) {
    std::size_t changes = 0;
    for (const TFieldDescriptor& field : RecordFields) {
        const TFieldBits a = before[field.Field];
        const TFieldBits b = after[field.Field];
        if (a != b) {
            out << id << ' ' << TVehicleCatalogue::Name(id) << ' ' << field.Name << ": "
                << ChangeText(field, a, b) << '\n';
            ++changes;
        }
    }
    return changes;
}

void WriteChangesOrNone(std::ostream& out, int id, const TVehicleAudioRecord& before,
                        const TVehicleAudioRecord& after) {
    if (WriteChanges(out, id, before, after) == 0) {
        out << id << ' ' << TVehicleCatalogue::Name(id) << ": no change\n";
    }
}

} // namespace klarvon::cli

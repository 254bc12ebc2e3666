#include "exchange/Changes.h"

#include "catalogue/VehicleCatalogue.h"
#include "exchange/FieldText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace klarvon::exchange {

std::string ChangeSubject(TLayout layout, int id, std::string_view field) {
    std::string subject = std::to_string(id) + ' ' + std::string(TVehicleCatalogue::Name(id)) + ' ';
    if (layout == GameLayout()) {
        subject += std::string(GameMark) + ' ';
    }
    return subject + std::string(field);
}

std::size_t WriteChanges(std::ostream& out, TLayout layout, int id, const TRecordBytes& before,
                         const TRecordBytes& after) {
    std::size_t changes = 0;
    for (const TLayoutField& field : layout) {
        const TFieldBits a = ReadField(field, before);
        const TFieldBits b = ReadField(field, after);
        if (a != b) {
            out << ChangeSubject(layout, id, field.Name) << ": " << ChangeText(field, a, b) << '\n';
            ++changes;
        }
    }
    const std::vector<std::size_t> pads = PadOffsets(layout);
    if (std::any_of(pads.begin(), pads.end(),
                    [&](std::size_t offset) { return before[offset] != after[offset]; })) {
        out << ChangeSubject(layout, id, PadBytesName) << ": " << BytesHex(BytesAt(before, pads))
            << " -> " << BytesHex(BytesAt(after, pads)) << '\n';
        ++changes;
    }
    return changes;
}

} // namespace klarvon::exchange

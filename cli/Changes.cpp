#include "cli/Changes.h"

#include "catalogue/VehicleCatalogue.h"
#include "cli/FieldText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace klarvon::cli {

namespace {

std::string PadHex(const std::vector<std::size_t>& pads, const TRecordBytes& bytes) {
    std::vector<std::uint8_t> picked;
    for (const std::size_t offset : pads) {
        picked.push_back(bytes[offset]);
    }
    return BytesHex(picked);
}

} // namespace

std::string ChangeSubject(TLayout layout, int id, std::string_view field) {
    std::string subject = std::to_string(id) + ' ' + std::string(TVehicleCatalogue::Name(id)) + ' ';
    if (layout.data() == GameLayout().data()) {
        subject += std::string(GameMark) + ' ';
    }
    return subject + std::string(field);
}

std::size_t WriteChanges(std::ostream& out, TLayout layout, int id, const TRecordBytes& before,
                         const TRecordBytes& after) {
    std::size_t changes = 0;
    for (const TLayoutField& field : layout) {
        const TFieldBits a = ReadLayoutField(field, before);
        const TFieldBits b = ReadLayoutField(field, after);
        if (a != b) {
            out << ChangeSubject(layout, id, field.Name) << ": " << ChangeText(field, a, b) << '\n';
            ++changes;
        }
    }
    const std::vector<std::size_t> pads = PadOffsets(layout);
    if (std::any_of(pads.begin(), pads.end(),
                    [&](std::size_t offset) { return before[offset] != after[offset]; })) {
        out << ChangeSubject(layout, id, PadBytesName) << ": " << PadHex(pads, before) << " -> "
            << PadHex(pads, after) << '\n';
        ++changes;
    }
    return changes;
}

void WriteChangesOrNone(std::ostream& out, TLayout layout, int id, const TRecordBytes& before,
                        const TRecordBytes& after) {
    if (WriteChanges(out, layout, id, before, after) == 0) {
        out << id << ' ' << TVehicleCatalogue::Name(id) << ": no change\n";
    }
}

void WarnAboutEngineBanks(std::ostream& warnings, int id,
                          std::span<const TLayoutField* const> written, const TRecordBytes& after) {
    for (const TLayoutField* field : written) {
        if (!IsEngineBank(*field)) {
            continue;
        }
        const std::int64_t bank = LayoutIntegerValue(*field, ReadLayoutField(*field, after));
        if (bank > LastEngineBank) {
            warnings << "warning: " << id << ' ' << TVehicleCatalogue::Name(id) << ' '
                     << field->Name << " is " << bank << ", above " << LastEngineBank
                     << ", the game's last engine sound bank; the game is known to crash on it\n";
        }
    }
}

} // namespace klarvon::cli

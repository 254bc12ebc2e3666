#include "exchange/Changes.h"

#include "exchange/AudioCfg.h"
#include "exchange/FieldText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace klarvon::exchange {

std::string ChangeSubject(TLayout layout, const TVehicle& vehicle, std::string_view field) {
    std::string subject = VehicleSubject(vehicle) + ' ';
    if (!layout.Mark.empty()) {
        subject += std::string(layout.Mark) + ' ';
    }
    return subject + std::string(field);
}

std::size_t WriteChanges(std::ostream& out, TLayout layout, const TVehicle& vehicle,
                         const TRecordBytes& before, const TRecordBytes& after) {
    std::size_t changes = 0;
    for (const TLayoutField& field : layout) {
        const TFieldBits a = ReadField(field, before);
        const TFieldBits b = ReadField(field, after);
        if (a != b) {
            out << ChangeSubject(layout, vehicle, field.Name) << ": " << ChangeText(field, a, b)
                << '\n';
            ++changes;
        }
    }
    const std::vector<std::size_t> pads = PadOffsets(layout);
    if (std::any_of(pads.begin(), pads.end(),
                    [&](std::size_t offset) { return before[offset] != after[offset]; })) {
        out << ChangeSubject(layout, vehicle, PadBytesName) << ": "
            << BytesHex(BytesAt(before, pads)) << " -> " << BytesHex(BytesAt(after, pads)) << '\n';
        ++changes;
    }
    return changes;
}

std::string RowText(const std::optional<TRecordBytes>& row) {
    if (!row) {
        return std::string(NoRowText);
    }
    std::string text;
    for (const TLayoutField& field : GameLayout()) {
        text += text.empty() ? "" : " ";
        text += CfgValueText(field, ReadField(field, *row));
    }
    return text;
}

void WriteRowChange(std::ostream& out, const TVehicle& vehicle,
                    const std::optional<TRecordBytes>& before,
                    const std::optional<TRecordBytes>& after) {
    out << ChangeSubject(GameLayout(), vehicle, RowName) << ": " << RowText(before) << " -> "
        << RowText(after) << '\n';
}

} // namespace klarvon::exchange

#include "table/FieldLayout.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <stdexcept>
#include <string>

namespace klarvon {

namespace {

void RequireInside(const TLayoutField& field) {
    if (field.Offset + TypeWidth(field.Type) > RecordSize) {
        throw std::out_of_range("Field " + std::string(field.Name) + " lies outside the record");
    }
}

std::span<const std::uint8_t> BytesOf(const TLayoutField& field, const TRecordBytes& bytes) {
    RequireInside(field);
    return std::span(bytes).subspan(field.Offset, TypeWidth(field.Type));
}

} // namespace

const TLayout* LayoutWithField(std::span<const TLayout> layouts, std::string_view name) {
    const auto found = std::find_if(layouts.begin(), layouts.end(), [name](const TLayout& layout) {
        return FindLayoutField(layout, name) != nullptr;
    });
    return found == layouts.end() ? nullptr : &*found;
}

const TLayout* LayoutMarkedAtEnd(std::span<const TLayout> layouts, std::string_view text) {
    const auto found = std::find_if(layouts.begin(), layouts.end(), [text](const TLayout& layout) {
        if (layout.Mark.empty() || !text.ends_with(layout.Mark)) {
            return false;
        }
        const std::string_view before = text.substr(0, text.size() - layout.Mark.size());
        return before.empty() || before.ends_with(' ');
    });
    return found == layouts.end() ? nullptr : &*found;
}

std::optional<std::size_t> FieldIndex(const TLayout& layout, const TLayoutField& field) {
    const auto found = std::find(layout.begin(), layout.end(), field);
    if (found == layout.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(std::distance(layout.begin(), found));
}

const TLayoutField* FindLayoutField(const TLayout& layout, std::string_view name) {
    const auto found =
        std::find_if(layout.begin(), layout.end(),
                     [name](const TLayoutField& field) { return field.Name == name; });
    return found == layout.end() ? nullptr : &*found;
}

std::vector<std::size_t> PadOffsets(const TLayout& layout) {
    std::array<bool, RecordSize> covered{};
    for (const TLayoutField& field : layout) {
        RequireInside(field);
        std::fill_n(covered.begin() + static_cast<std::ptrdiff_t>(field.Offset),
                    TypeWidth(field.Type), true);
    }
    std::vector<std::size_t> pads;
    for (std::size_t offset = 0; offset < RecordSize; ++offset) {
        if (!covered[offset]) {
            pads.push_back(offset);
        }
    }
    return pads;
}

TFieldBits ReadField(const TLayoutField& field, const TRecordBytes& bytes) {
    return LoadBits(field.Type, BytesOf(field, bytes));
}

void WriteField(const TLayoutField& field, TFieldBits bits, TRecordBytes& bytes) {
    RequireInside(field);
    StoreBits(field.Type, bits, std::span(bytes).subspan(field.Offset, TypeWidth(field.Type)));
}

std::optional<std::string_view> MeaningOf(const TLayoutField& field, TFieldBits bits) {
    if (field.Type == TValueType::Float32) {
        return std::nullopt;
    }
    const TValueMeaning* meaning = FindMeaning(field.Meanings, IntegerValue(field.Type, bits));
    if (meaning == nullptr) {
        return std::nullopt;
    }
    return meaning->Text;
}

} // namespace klarvon

#pragma once
// The editor's typed view of one record: its 36 bytes, read and written through the
// editor's layout (FieldLayout.h) by field name. The bytes are the record; the view adds
// nothing that the layout does not say.

#include "table/FieldLayout.h"
#include "table/RecordBytes.h"

#include <cstddef>

namespace klarvon {

inline constexpr std::size_t FieldCount = 16;

// The editor's fields in stored order; the enumerator is the index into EditorLayout().
enum class TField : std::size_t {
    VehicleType,
    PowerOnSoundId,
    PowerOffSoundId,
    Unknown1,
    Unknown2,
    Unknown3,
    HornType,
    HornTone,
    DoorSoundType,
    RadioStation,
    RadioType,
    Unknown4,
    Unknown5,
    Unknown6,
    Unknown7,
    Unknown8,
};

const TLayoutField& EditorField(TField field);

// One field of a record as an lvalue: assigning bits wider than the field is
// "Range check error", so the record never holds a value cut to fit.
class TFieldReference {
public:
    TFieldReference(TRecordBytes& bytes, const TLayoutField& field)
        : bytes_(bytes), field_(field) {}
    operator TFieldBits() const { return ReadField(field_, bytes_); }
    TFieldReference& operator=(TFieldBits bits) {
        WriteField(field_, bits, bytes_);
        return *this;
    }
    TFieldReference& operator=(const TFieldReference& other) {
        return *this = static_cast<TFieldBits>(other);
    }

private:
    TRecordBytes& bytes_;
    const TLayoutField& field_;
};

struct TVehicleAudioRecord {
    TRecordBytes Bytes{};

    TFieldBits operator[](TField field) const { return ReadField(EditorField(field), Bytes); }
    TFieldReference operator[](TField field) { return {Bytes, EditorField(field)}; }
    friend bool operator==(const TVehicleAudioRecord&, const TVehicleAudioRecord&) = default;
};

} // namespace klarvon

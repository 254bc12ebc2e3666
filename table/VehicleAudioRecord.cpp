#include "table/VehicleAudioRecord.h"

namespace klarvon {

const TLayoutField& EditorField(TField field) {
    return EditorLayout().Fields[static_cast<std::size_t>(field)];
}

} // namespace klarvon

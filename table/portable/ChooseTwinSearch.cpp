// Targets without a vector unit we know: the plain-integer search is the only one.

#include "table/TwinSearch.h"

namespace klarvon {

std::size_t FindLastAlignedTwin(const std::uint8_t* data, std::size_t count, std::uint8_t value) {
    return FindLastAlignedTwinPortable(data, count, value);
}

std::vector<TTwinSearchImplementation> TwinSearchImplementations() {
    return {{"portable", FindLastAlignedTwinPortable}};
}

} // namespace klarvon

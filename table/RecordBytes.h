#pragma once
// One vehicle's audio record as the executable stores it: 36 bytes, little-endian,
// packed. Every reading of a record (the editor's sixteen fields, the game's fourteen)
// is a layout over these bytes (FieldLayout.h); the bytes themselves are what is read,
// compared and written.

#include <array>
#include <cstddef>
#include <cstdint>

namespace klarvon {

inline constexpr std::size_t RecordSize = 36;

using TRecordBytes = std::array<std::uint8_t, RecordSize>;

// A field's stored bytes as a little-endian number, zero-extended to 32 bits.
// Holding floats as bits keeps every pattern (signalling NaNs included) untouched.
using TFieldBits = std::uint32_t;

} // namespace klarvon

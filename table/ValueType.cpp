#include "table/ValueType.h"

#include "table/Errors.h"
#include "table/TextConversions.h"

#include <array>
#include <bit>
#include <limits>
#include <stdexcept>
#include <string>

namespace klarvon {

namespace {

constexpr unsigned BitsPerByte = 8;

// Indexed by TValueType.
constexpr std::array<TValueRange, 5> Ranges{{
    {"int8", 1, std::numeric_limits<std::int8_t>::min(), std::numeric_limits<std::int8_t>::max()},
    {"uint8", 1, 0, std::numeric_limits<std::uint8_t>::max()},
    {"int16", 2, std::numeric_limits<std::int16_t>::min(),
     std::numeric_limits<std::int16_t>::max()},
    {"int32", 4, std::numeric_limits<std::int32_t>::min(),
     std::numeric_limits<std::int32_t>::max()},
    {"float32", 4, 0, 0},
}};

static_assert(sizeof(TFieldBits) == 4, "no type is wider than the bits that hold it");

// All ones in the type's low bytes.
TFieldBits WidthMask(TValueType type) {
    const std::size_t width = TypeWidth(type);
    return width >= sizeof(TFieldBits) ? ~TFieldBits{0}
                                       : (TFieldBits{1} << (width * BitsPerByte)) - 1;
}

void RequireBytes(TValueType type, std::size_t available) {
    if (available < TypeWidth(type)) {
        throw std::out_of_range("A " + std::string(TypeName(type)) + " needs " +
                                std::to_string(TypeWidth(type)) + " bytes, got " +
                                std::to_string(available));
    }
}

} // namespace

const TValueRange& RangeOf(TValueType type) {
    return Ranges.at(static_cast<std::size_t>(type));
}

TFieldBits LoadBits(TValueType type, std::span<const std::uint8_t> bytes) {
    RequireBytes(type, bytes.size());
    TFieldBits bits = 0;
    for (std::size_t i = 0; i < TypeWidth(type); ++i) {
        bits |= TFieldBits{bytes[i]} << (i * BitsPerByte);
    }
    return bits;
}

void StoreBits(TValueType type, TFieldBits bits, std::span<std::uint8_t> bytes) {
    RequireBytes(type, bytes.size());
    if ((bits & ~WidthMask(type)) != 0) {
        throw ERangeError();
    }
    for (std::size_t i = 0; i < TypeWidth(type); ++i) {
        bytes[i] = static_cast<std::uint8_t>(bits >> (i * BitsPerByte));
    }
}

std::int64_t IntegerValue(TValueType type, TFieldBits bits) {
    const TFieldBits value = bits & WidthMask(type);
    if (RangeOf(type).Min >= 0) {
        // Unsigned bytes, and a float's raw pattern should anyone ask for it as a number.
        return std::int64_t{value};
    }
    // Sign-extend from the type's top bit: flip it, then subtract its weight.
    const std::int64_t signBit = std::int64_t{1} << (TypeWidth(type) * BitsPerByte - 1);
    return (std::int64_t{value} ^ signBit) - signBit;
}

bool FitsType(TValueType type, std::int64_t value) {
    const TValueRange& range = RangeOf(type);
    return type != TValueType::Float32 && value >= range.Min && value <= range.Max;
}

TFieldBits BitsOfInteger(TValueType type, std::int64_t value) {
    if (!FitsType(type, value)) {
        throw ERangeError();
    }
    // Two's complement: the low bytes of the value.
    return static_cast<TFieldBits>(static_cast<std::uint64_t>(value)) & WidthMask(type);
}

float FloatValue(TFieldBits bits) {
    return std::bit_cast<float>(bits);
}

TFieldBits BitsOfFloat(float value) {
    return std::bit_cast<TFieldBits>(value);
}

std::string FormatValue(TValueType type, TFieldBits bits, char decimalSeparator) {
    if (type == TValueType::Float32) {
        return FormatFloat32(bits, decimalSeparator);
    }
    return FormatInteger(IntegerValue(type, bits));
}

TFieldBits ParseValue(TValueType type, std::string_view text, char decimalSeparator) {
    if (type == TValueType::Float32) {
        return BitsOfFloat(ParseFloat32(text, decimalSeparator));
    }
    return BitsOfInteger(type, ParseInteger(text));
}

} // namespace klarvon

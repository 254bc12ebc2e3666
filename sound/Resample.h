#pragma once
// A sound played at another speed (a pitch: ×1.22 plays its samples 1.22 times as fast)
// and at another rate, by linear interpolation between neighbouring samples.

#include <cstdint>
#include <span>
#include <vector>

namespace klarvon::sound {

// samples recorded at fromRate, played at speed, as samples at toRate: floor(n × toRate /
// (fromRate × speed)) of them, output sample i taken at source position i × fromRate ×
// speed / toRate. speed must be finite and above 0.
std::vector<std::int16_t> Resample(std::span<const std::int16_t> samples, std::uint32_t fromRate,
                                   double speed, std::uint32_t toRate);

} // namespace klarvon::sound

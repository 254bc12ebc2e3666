#include "sound/Resample.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace klarvon::sound {

std::vector<std::int16_t> Resample(std::span<const std::int16_t> samples, std::uint32_t fromRate,
                                   double speed, std::uint32_t toRate) {
    if (!std::isfinite(speed) || speed <= 0.0 || fromRate == 0 || toRate == 0) {
        throw std::invalid_argument("a sound can only be played forwards, at a rate above 0");
    }
    const double step = static_cast<double>(fromRate) * speed / static_cast<double>(toRate);
    const auto count =
        static_cast<std::size_t>(std::floor(static_cast<double>(samples.size()) / step));
    std::vector<std::int16_t> out(count);
    const std::size_t last = samples.empty() ? 0 : samples.size() - 1;
    for (std::size_t i = 0; i < count; ++i) {
        const double position = static_cast<double>(i) * step;
        const auto before = std::min(static_cast<std::size_t>(position), last);
        const std::size_t after = std::min(before + 1, last);
        const double fraction = position - static_cast<double>(before);
        const double value = samples[before] + (samples[after] - samples[before]) * fraction;
        out[i] = static_cast<std::int16_t>(std::lround(value));
    }
    return out;
}

} // namespace klarvon::sound

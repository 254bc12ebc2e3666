#pragma once
// A sound as a WAV file: RIFF, PCM, 16-bit, mono, at the sound's own rate, its samples
// exactly; a loop start becomes a "smpl" chunk (one forward loop from it to the end), as
// sample editors and samplers read it.

#include <cstdint>
#include <optional>
#include <vector>

namespace klarvon::sound {

struct TPcmSound {
    std::uint32_t Rate = 0; // in Hz
    std::vector<std::int16_t> Samples;
    std::optional<std::uint32_t> LoopStart; // in samples
};

std::vector<std::uint8_t> WavBytes(const TPcmSound& sound);

} // namespace klarvon::sound

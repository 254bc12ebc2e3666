#pragma once
// A sound as a WAV file: RIFF, PCM, 16-bit, mono, at the sound's own rate, its samples
// exactly; a loop start becomes a "smpl" chunk (one forward loop from it to the end), as
// sample editors and samplers read it.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace klarvon::sound {

struct TPcmSound {
    std::uint32_t Rate = 0; // in Hz
    std::vector<std::int16_t> Samples;
    std::optional<std::uint32_t> LoopStart; // in samples
};

std::vector<std::uint8_t> WavBytes(const TPcmSound& sound);

// What a player needs of a WAV file of 16-bit PCM: its format and its sample bytes (a view
// into the bytes read), and the start of its first loop. The chunks are walked as players
// walk them, each size checked against the bytes there are.
struct TWavContents {
    std::uint16_t Channels = 0;
    std::uint32_t Rate = 0;
    std::span<const std::uint8_t> Data;
    std::optional<std::uint32_t> LoopStart;
};

// none for anything but a whole RIFF WAVE of 16-bit PCM with its format before its data.
std::optional<TWavContents> ReadWav(std::span<const std::uint8_t> bytes);

} // namespace klarvon::sound

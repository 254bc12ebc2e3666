#include "sound/Wav.h"

#include <cstring>
#include <string_view>

namespace klarvon::sound {

namespace {

constexpr std::uint16_t PcmFormat = 1;
constexpr std::uint16_t MonoChannels = 1;
constexpr std::uint16_t BitsPerSample = 16;
constexpr std::uint16_t BytesPerFrame = BitsPerSample / 8 * MonoChannels;
constexpr std::uint32_t FormatChunkSize = 16;
// The sampler chunk: nine fields of 4 bytes, then one loop of six.
constexpr std::uint32_t SamplerChunkSize = 36 + 24;
constexpr std::uint32_t NanosecondsPerSecond = 1000000000;
constexpr std::uint32_t MiddleC = 60; // the unity note: the sound plays as recorded
constexpr std::uint32_t ForwardLoop = 0;
constexpr std::uint32_t LoopForever = 0;
constexpr std::uint32_t ChunkHeaderSize = 8;
constexpr std::uint32_t RiffFormSize = 4; // "WAVE"
constexpr std::size_t RiffHeaderSize = ChunkHeaderSize + RiffFormSize;
// Where the fields are in the format chunk's and the sampler chunk's bodies.
constexpr std::size_t FormatChannelsAt = 2;
constexpr std::size_t FormatRateAt = 4;
constexpr std::size_t FormatBitsAt = 14;
constexpr std::size_t SamplerLoopsAt = 28;
constexpr std::size_t SamplerFirstLoopStartAt = 36 + 8;

class TWriter {
public:
    void Tag(std::string_view tag) { bytes_.insert(bytes_.end(), tag.begin(), tag.end()); }
    void U16(std::uint16_t value) {
        bytes_.push_back(static_cast<std::uint8_t>(value));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void U32(std::uint32_t value) {
        U16(static_cast<std::uint16_t>(value));
        U16(static_cast<std::uint16_t>(value >> 16));
    }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }
    void Reserve(std::size_t size) { bytes_.reserve(size); }

private:
    std::vector<std::uint8_t> bytes_;
};

std::uint32_t Read(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8U) | bytes[at + i];
    }
    return value;
}

bool IsTag(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag) {
    return std::memcmp(bytes.data() + at, tag.data(), tag.size()) == 0;
}

} // namespace

std::optional<TWavContents> ReadWav(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < RiffHeaderSize || !IsTag(bytes, 0, "RIFF") || !IsTag(bytes, 8, "WAVE")) {
        return std::nullopt;
    }
    std::optional<TWavContents> contents;
    std::optional<std::uint32_t> loop;
    bool data = false;
    for (std::size_t at = RiffHeaderSize; bytes.size() - at >= ChunkHeaderSize;) {
        const std::size_t size = Read(bytes, at + 4, 4);
        if (size > bytes.size() - at - ChunkHeaderSize) {
            return std::nullopt;
        }
        const std::span<const std::uint8_t> body = bytes.subspan(at + ChunkHeaderSize, size);
        // The first format chunk is the file's; a later one changes nothing already read.
        if (IsTag(bytes, at, "fmt ") && !contents) {
            if (size < FormatChunkSize || Read(body, 0, 2) != PcmFormat ||
                Read(body, FormatBitsAt, 2) != BitsPerSample) {
                return std::nullopt;
            }
            contents = TWavContents{static_cast<std::uint16_t>(Read(body, FormatChannelsAt, 2)),
                                    Read(body, FormatRateAt, 4),
                                    {},
                                    std::nullopt};
        } else if (IsTag(bytes, at, "data") && contents && !data) {
            contents->Data = body;
            data = true;
        } else if (IsTag(bytes, at, "smpl") && size >= SamplerChunkSize &&
                   Read(body, SamplerLoopsAt, 4) > 0) {
            loop = Read(body, SamplerFirstLoopStartAt, 4);
        }
        // Chunks are padded to an even size.
        at += ChunkHeaderSize + size + size % 2;
        if (at > bytes.size()) {
            break;
        }
    }
    if (!data) {
        return std::nullopt;
    }
    contents->LoopStart = loop;
    return contents;
}

std::vector<std::uint8_t> WavBytes(const TPcmSound& sound) {
    const auto dataSize = static_cast<std::uint32_t>(sound.Samples.size() * BytesPerFrame);
    const bool looped = sound.LoopStart.has_value();
    const std::uint32_t riffSize = RiffFormSize + ChunkHeaderSize + FormatChunkSize +
                                   ChunkHeaderSize + dataSize +
                                   (looped ? ChunkHeaderSize + SamplerChunkSize : 0);
    TWriter out;
    out.Reserve(ChunkHeaderSize + riffSize);
    out.Tag("RIFF");
    out.U32(riffSize);
    out.Tag("WAVE");

    out.Tag("fmt ");
    out.U32(FormatChunkSize);
    out.U16(PcmFormat);
    out.U16(MonoChannels);
    out.U32(sound.Rate);
    out.U32(sound.Rate * BytesPerFrame);
    out.U16(BytesPerFrame);
    out.U16(BitsPerSample);

    out.Tag("data");
    out.U32(dataSize);
    for (std::int16_t sample : sound.Samples) {
        out.U16(static_cast<std::uint16_t>(sample));
    }

    if (looped) {
        const std::uint32_t last =
            sound.Samples.empty() ? 0 : static_cast<std::uint32_t>(sound.Samples.size() - 1);
        out.Tag("smpl");
        out.U32(SamplerChunkSize);
        out.U32(0); // manufacturer
        out.U32(0); // product
        out.U32(sound.Rate == 0 ? 0 : NanosecondsPerSecond / sound.Rate);
        out.U32(MiddleC);
        out.U32(0); // pitch fraction
        out.U32(0); // SMPTE format
        out.U32(0); // SMPTE offset
        out.U32(1); // loops
        out.U32(0); // sampler data
        out.U32(0); // the loop's cue id
        out.U32(ForwardLoop);
        out.U32(*sound.LoopStart);
        out.U32(last); // the loop's last sample, inclusive
        out.U32(0);    // fraction
        out.U32(LoopForever);
    }
    return out.Take();
}

} // namespace klarvon::sound

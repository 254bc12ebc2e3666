#include "ui/controls/qt/WavePlayer.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>

#include <cstring>
#include <optional>

namespace klarvon {
namespace {

constexpr std::size_t RiffHeaderSize = 12;
constexpr std::size_t ChunkHeaderSize = 8;
constexpr std::size_t FmtChunkMinSize = 16;
constexpr std::uint16_t PcmFormatTag = 1;
constexpr std::uint16_t SampleBits = 16;

std::uint32_t LittleEndian(const std::uint8_t* bytes, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8U) | bytes[i];
    }
    return value;
}

struct TPcmStream {
    QAudioFormat Format;
    QByteArray Samples;
};

// The format and the samples of a 16-bit PCM WAV; none for anything else. Every chunk's
// size is checked against the bytes there are.
std::optional<TPcmStream> PcmOf(const std::vector<std::uint8_t>& wav) {
    if (wav.size() < RiffHeaderSize || std::memcmp(wav.data(), "RIFF", 4) != 0 ||
        std::memcmp(wav.data() + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }
    std::optional<QAudioFormat> format;
    std::size_t at = RiffHeaderSize;
    while (wav.size() - at >= ChunkHeaderSize) {
        const std::uint8_t* chunk = wav.data() + at;
        const std::size_t size = LittleEndian(chunk + 4, 4);
        const std::size_t room = wav.size() - at - ChunkHeaderSize;
        if (size > room) {
            return std::nullopt;
        }
        const std::uint8_t* body = chunk + ChunkHeaderSize;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (size < FmtChunkMinSize || LittleEndian(body, 2) != PcmFormatTag ||
                LittleEndian(body + 14, 2) != SampleBits) {
                return std::nullopt;
            }
            format.emplace();
            format->setChannelCount(static_cast<int>(LittleEndian(body + 2, 2)));
            format->setSampleRate(static_cast<int>(LittleEndian(body + 4, 4)));
            format->setSampleFormat(QAudioFormat::Int16);
        } else if (std::memcmp(chunk, "data", 4) == 0 && format) {
            return TPcmStream{*format, QByteArray(reinterpret_cast<const char*>(body),
                                                  static_cast<qsizetype>(size))};
        }
        // Chunks are padded to an even size.
        at += ChunkHeaderSize + size + (size % 2);
    }
    return std::nullopt;
}

} // namespace

bool TWavePlayer::Play(const std::vector<std::uint8_t>& wav) {
    Stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    std::optional<TPcmStream> pcm = PcmOf(wav);
    if (device.isNull() || !pcm || !device.isFormatSupported(pcm->Format)) {
        return false;
    }
    samples_ = new QBuffer(QCoreApplication::instance());
    samples_->setData(pcm->Samples);
    samples_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(device, pcm->Format, QCoreApplication::instance());
    sink_->start(samples_);
    if (sink_->error() != QAudio::NoError) {
        Stop();
        return false;
    }
    return true;
}

void TWavePlayer::Stop() {
    if (sink_) {
        sink_->stop();
        delete sink_;
    }
    delete samples_;
}

} // namespace klarvon

#include "ui/controls/qt/WavePlayer.h"

#include "sound/Wav.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>

#include <optional>
#include <utility>

namespace klarvon {
namespace {

// The format and the samples of a 16-bit PCM WAV; none for anything else.
std::optional<std::pair<QAudioFormat, QByteArray>> PcmOf(const std::vector<std::uint8_t>& wav) {
    const std::optional<sound::TWavContents> contents = sound::ReadWav(wav);
    if (!contents) {
        return std::nullopt;
    }
    QAudioFormat format;
    format.setChannelCount(contents->Channels);
    format.setSampleRate(static_cast<int>(contents->Rate));
    format.setSampleFormat(QAudioFormat::Int16);
    return std::pair(format, QByteArray(reinterpret_cast<const char*>(contents->Data.data()),
                                        static_cast<qsizetype>(contents->Data.size())));
}

} // namespace

bool TWavePlayer::Play(const std::vector<std::uint8_t>& wav) {
    Stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const auto pcm = PcmOf(wav);
    if (device.isNull() || !pcm || !device.isFormatSupported(pcm->first)) {
        return false;
    }
    samples_ = new QBuffer(QCoreApplication::instance());
    samples_->setData(pcm->second);
    samples_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(device, pcm->first, QCoreApplication::instance());
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

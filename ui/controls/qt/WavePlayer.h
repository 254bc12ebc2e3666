#pragma once
// Plays a WAV file's bytes on the default sound device through Qt Multimedia. One sound at
// a time: a new one stops the one playing.

#include <QPointer>

#include <cstdint>
#include <vector>

class QAudioSink;
class QBuffer;

namespace klarvon {

class TWavePlayer {
public:
    // false when there is no sound device, or the file is no 16-bit PCM WAV it can play.
    bool Play(const std::vector<std::uint8_t>& wav);
    void Stop();

private:
    // Owned by the application object, so that they go before it does even though the
    // player itself lives to the program's end.
    QPointer<QAudioSink> sink_;
    QPointer<QBuffer> samples_;
};

} // namespace klarvon

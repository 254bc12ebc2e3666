// The readers of the game's sound files: whatever the bytes, a lookup, a slot file, a
// package list or a bank's header is read or refused with an EFinalError, never read past;
// the sounds of a header read fit their bank, back to back, each at a rate above 0; a WAV
// of what was read reads back as written; and a WAV read from any bytes stays inside them.

#include "fuzz/FuzzSupport.h"
#include "sound/Resample.h"
#include "sound/SoundFormat.h"
#include "sound/Wav.h"
#include "table/Errors.h"

#include <cstring>

namespace {

using namespace klarvon;
using namespace klarvon::sound;
using klarvon::fuzz::Check;

// The input's first 4 bytes are the bank's PCM size; the rest starts its header, which
// zeros fill to its full size (inputs stay short, a header is 4,804 bytes).
void CheckHeader(std::span<const std::uint8_t> data) {
    if (data.size() < 4) {
        return;
    }
    std::uint32_t bankBytes = 0;
    std::memcpy(&bankBytes, data.data(), sizeof bankBytes);
    bankBytes = bankBytes % (1U << 20);
    std::vector<std::uint8_t> header(data.begin() + 4, data.end());
    header.resize(std::max(header.size(), BankHeaderSize), 0);
    std::vector<TSoundEntry> sounds;
    try {
        sounds = ReadBankHeader(header, bankBytes);
    } catch (const EFinalError&) {
        return;
    }
    std::uint64_t end = 0;
    for (const TSoundEntry& sound : sounds) {
        Check(sound.Rate > 0, "a sound with a rate of 0");
        Check(sound.Start == end || end == 0, "sounds not back to back");
        end = std::uint64_t{sound.Start} + sound.Bytes;
        Check(end <= bankBytes, "a sound past its bank's end");
    }
    if (!sounds.empty()) {
        Check(end == bankBytes, "the last sound does not end with its bank");
        // A short piece of the first sound, played at a speed from its rate.
        const std::vector<std::int16_t> samples(std::min<std::uint32_t>(sounds[0].Samples(), 64),
                                                1);
        const TPcmSound played{
            sounds[0].Rate,
            Resample(samples, sounds[0].Rate, 0.5 + sounds[0].Rate % 7 / 4.0, 44100),
            sounds[0].Loop()};
        const std::vector<std::uint8_t> wav = WavBytes(played);
        const std::optional<TWavContents> read = ReadWav(wav);
        Check(read && read->Rate == played.Rate && read->LoopStart == played.LoopStart &&
                  read->Data.size() == played.Samples.size() * BytesPerSample,
              "a WAV does not read back as written");
    }
}

template <class TRead> void CheckRefusedOrRead(TRead&& read) {
    try {
        read();
    } catch (const EFinalError& error) {
        Check(std::strlen(error.what()) > 0, "a refusal without a reason");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    CheckHeader(bytes);
    if (const std::optional<TWavContents> wav = ReadWav(bytes)) {
        Check(wav->Data.data() >= data && wav->Data.data() + wav->Data.size() <= data + size,
              "a WAV's samples outside its bytes");
    }
    CheckRefusedOrRead([&] {
        for (const TBankLocation& bank : ReadBankLookup(bytes)) {
            Check(bank.Package >= 0 && bank.Package < 256, "a package index beyond a byte");
        }
    });
    CheckRefusedOrRead([&] {
        Check(ReadSlotSizes(bytes).size() * SlotRecordSize + SlotCountSize <= size,
              "more slots than the file holds");
    });
    CheckRefusedOrRead([&] {
        for (const std::string& name : ReadPackageNames(bytes)) {
            Check(name.size() <= PackageNameSize, "a package name longer than its field");
        }
    });
    return 0;
}

#include "sound/Resample.h"
#include "sound/TestDrive.h"
#include "sound/Wav.h"
#include "table/FieldLayout.h"
#include "table/ValueType.h"

#include "support/SoundInstall.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace klarvon::test {
namespace {

using namespace klarvon::sound;

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value); // the tests run little-endian
    return value;
}

std::string TagAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes.begin() + static_cast<std::ptrdiff_t>(at) + 4);
}

TEST(Wav, HoldsTheSamplesExactlyAtTheirRateWithTheLoop) {
    const TPcmSound sound{11025, {0, 1, -1, 32767, -32768, 258}, 2};
    const std::vector<std::uint8_t> wav = WavBytes(sound);
    ASSERT_EQ(wav.size(), 44U + 12 + 68);
    EXPECT_EQ(TagAt(wav, 0), "RIFF");
    EXPECT_EQ(U32At(wav, 4), wav.size() - 8);
    EXPECT_EQ(TagAt(wav, 8), "WAVE");
    EXPECT_EQ(TagAt(wav, 12), "fmt ");
    EXPECT_EQ(U32At(wav, 20), 0x00010001U); // PCM, mono
    EXPECT_EQ(U32At(wav, 24), 11025U);
    EXPECT_EQ(U32At(wav, 28), 22050U);      // bytes a second
    EXPECT_EQ(U32At(wav, 32), 0x00100002U); // 2 bytes a frame, 16 bits
    EXPECT_EQ(TagAt(wav, 36), "data");
    ASSERT_EQ(U32At(wav, 40), 12U);
    const std::vector<std::uint8_t> data(wav.begin() + 44, wav.begin() + 56);
    EXPECT_EQ(data, (std::vector<std::uint8_t>{0, 0, 1, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0x80, 2, 1}));
    EXPECT_EQ(TagAt(wav, 56), "smpl");
    EXPECT_EQ(U32At(wav, 56 + 8 + 28), 1U); // one loop
    EXPECT_EQ(U32At(wav, 56 + 8 + 36 + 8), 2U);
    EXPECT_EQ(U32At(wav, 56 + 8 + 36 + 12), 5U); // to the last sample

    EXPECT_EQ(WavBytes({11025, sound.Samples, std::nullopt}).size(), 44U + 12);

    // Read back as the editor's player reads it; a file cut short anywhere is no sound.
    const std::optional<TWavContents> read = ReadWav(wav);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Rate, 11025U);
    EXPECT_EQ(read->LoopStart, 2U);
    EXPECT_TRUE(std::equal(read->Data.begin(), read->Data.end(), data.begin(), data.end()));
    for (const std::size_t cut : {std::size_t{11}, std::size_t{30}, std::size_t{50}}) {
        EXPECT_FALSE(ReadWav(std::span(wav).first(cut))) << cut << " bytes";
    }
    // A second format chunk after the samples changes nothing already read.
    std::vector<std::uint8_t> twice = wav;
    twice.insert(twice.end(), wav.begin() + 12, wav.begin() + 36);
    const std::optional<TWavContents> first = ReadWav(twice);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Rate, 11025U);
    EXPECT_TRUE(std::equal(first->Data.begin(), first->Data.end(), data.begin(), data.end()));
}

TEST(Resample, PlaysASoundAtItsSpeedAndRate) {
    const std::vector<std::int16_t> ramp{0, 100, 200, 300, 400, 500, 600, 700, 800, 900};
    EXPECT_EQ(Resample(ramp, 22050, 1.0, 22050), ramp);
    EXPECT_EQ(Resample(ramp, 22050, 2.0, 22050),
              (std::vector<std::int16_t>{0, 200, 400, 600, 800}));
    // Twice the rate: every other sample lies halfway between two.
    const std::vector<std::int16_t> doubled = Resample(ramp, 22050, 1.0, 44100);
    ASSERT_EQ(doubled.size(), 20U);
    EXPECT_EQ(doubled[3], 150);
    // A pitch of 1.22 lasts 1/1.22 as long.
    const std::vector<std::int16_t> long_(10000, 7);
    EXPECT_EQ(Resample(long_, 22050, 1.22, 44100).size(),
              static_cast<std::size_t>(std::floor(10000 * 2 / 1.22)));
}

// A record in the game's layout with the values that decide its sounds.
TRecordBytes Record(std::int64_t type, std::int64_t player, std::int64_t dummy, std::int64_t horn,
                    float pitch, std::int64_t doors) {
    TRecordBytes bytes{};
    const auto set = [&bytes](std::string_view name, TFieldBits bits) {
        WriteField(*FindLayoutField(GameLayout(), name), bits, bytes);
    };
    const auto integer = [&set](std::string_view name, std::int64_t value) {
        set(name, BitsOfInteger(FindLayoutField(GameLayout(), name)->Type, value));
    };
    integer("VehicleAudioType", type);
    integer("PlayerBank", player);
    integer("DummyBank", dummy);
    integer("HornType", horn);
    set("HornPitch", BitsOfFloat(pitch));
    integer("DoorType", doors);
    return bytes;
}

// An engine's two banks, the horns and the general vehicle sounds, each sound its own length.
TTestInstall Garage() {
    TTestInstall install;
    install.Banks[37] = {1, {TestTone(22050, 900, 1), TestTone(11025, 1200, 2)}};
    install.Banks[38] = {
        1, {TestTone(22050, 2200, 3), TestTone(32000, 640, 4), TestTone(8000, 400, 5)}};
    for (int horn = 0; horn < 10; ++horn) {
        install.Banks[74].Sounds.push_back(
            TestTone(22050, 100 + static_cast<std::size_t>(horn), horn));
    }
    for (int sound = 0; sound < 44; ++sound) {
        install.Banks[138].Sounds.push_back(
            TestTone(16000, 50 + static_cast<std::size_t>(sound), sound));
    }
    install.Banks[138].Package = 2;
    return install;
}

std::size_t PlayedLength(const TTestSound& sound, double speed) {
    return Resample(sound.Samples, sound.Rate, speed, OutputRate).size();
}

TEST(TestDrive, PlaysTheEngineThroughTheGearsThenTheHornAtItsPitch) {
    TTempDir folder;
    const TTestInstall install = Garage();
    WriteSoundInstall(folder.Path(), install);
    const TGameSounds sounds(folder.Path());
    std::vector<std::string> leftOut;
    const std::vector<TSoundPart> parts =
        TestDriveParts(VehicleSoundsOf(Record(0, 38, 37, 3, 1.25F, 1)), leftOut);
    EXPECT_TRUE(leftOut.empty());

    struct TExpected {
        const char* Name;
        std::int64_t Bank;
        int Sound;
        double Speed;
    };
    const std::vector<TExpected> expected{
        {"idle", 37, 1, 1.0},
        {"accelerate, gear 1", 38, 0, 1.22},
        {"accelerate, gear 2", 38, 0, 1.13},
        {"accelerate, gear 3", 38, 0, 1.075},
        {"accelerate, gear 4", 38, 0, 1.0},
        {"cruise", 38, 1, 1.0},
        {"throttle off", 38, 2, 1.0},
        {"horn", 74, 3, 1.25},
    };
    ASSERT_EQ(parts.size(), expected.size());
    std::size_t length = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        SCOPED_TRACE(expected[i].Name);
        EXPECT_EQ(parts[i].Name, expected[i].Name);
        EXPECT_EQ(parts[i].Bank, expected[i].Bank);
        EXPECT_EQ(parts[i].Sound, expected[i].Sound);
        EXPECT_DOUBLE_EQ(parts[i].Speed, expected[i].Speed);
        length += PlayedLength(install.Banks.at(static_cast<int>(expected[i].Bank))
                                   .Sounds[static_cast<std::size_t>(expected[i].Sound)],
                               expected[i].Speed);
    }
    // The first gear lasts 1/1.22 of the sound: 2,200 samples at 22,050 Hz are 4,400 at 44,100.
    EXPECT_EQ(PlayedLength(install.Banks.at(38).Sounds[0], 1.22), 3606U);

    const TPcmSound played = PlayParts(sounds, parts, leftOut);
    EXPECT_TRUE(leftOut.empty());
    EXPECT_EQ(played.Rate, OutputRate);
    EXPECT_EQ(played.Samples.size(), length + PauseMilliseconds * OutputRate / 1000);
    const std::vector<std::int16_t> idle =
        Resample(install.Banks.at(37).Sounds[1].Samples, 11025, 1.0, OutputRate);
    EXPECT_TRUE(std::equal(idle.begin(), idle.end(), played.Samples.begin()));
}

TEST(TestDrive, WhatAVehicleLacksIsLeftOutAndSaid) {
    struct TCase {
        TRecordBytes Record;
        std::vector<std::string> Parts;
        std::vector<std::string> LeftOut;
    };
    const std::vector<TCase> cases{
        {Record(3, 22, 21, 2, 1.0F, 0),
         {"engine", "horn"},
         {"no accelerate, cruise or throttle off: a boat's PlayerBank is never played"}},
        {Record(0, -1, 37, 0, -5.0F, 0),
         {"idle", "bell"},
         {"no accelerate, cruise or throttle off: PlayerBank is -1"}},
        {Record(1, 38, -1, 12, 1.0F, 0),
         {"accelerate, gear 1", "accelerate, gear 2", "accelerate, gear 3", "accelerate, gear 4",
          "cruise", "throttle off"},
         {"no idle: DummyBank is -1", "no horn: HornType is 12"}},
        {Record(0, 38, 37, 5, 0.0F, 0),
         {"idle", "accelerate, gear 1", "accelerate, gear 2", "accelerate, gear 3",
          "accelerate, gear 4", "cruise", "throttle off"},
         {"no horn: a HornPitch of 0 cannot be played"}},
    };
    for (const TCase& test : cases) {
        std::vector<std::string> leftOut;
        std::vector<std::string> names;
        for (const TSoundPart& part : TestDriveParts(VehicleSoundsOf(test.Record), leftOut)) {
            names.push_back(part.Name);
        }
        EXPECT_EQ(names, test.Parts);
        EXPECT_EQ(leftOut, test.LeftOut);
    }
}

TEST(TestDrive, DoorsPlayTheOpenThenTheCloseSoundOfTheirType) {
    struct TCase {
        std::int64_t DoorType;
        std::vector<int> Sounds;
    };
    for (const TCase& test :
         std::vector<TCase>{{0, {39, 32}}, {4, {42, 35}}, {-1, {40, 33}}, {5, {}}}) {
        std::vector<std::string> leftOut;
        std::vector<int> played;
        for (const TSoundPart& part :
             DoorParts(VehicleSoundsOf(Record(0, 38, 37, 1, 1.0F, test.DoorType)), leftOut)) {
            EXPECT_EQ(part.Bank, VehicleGeneralBank);
            played.push_back(part.Sound);
        }
        EXPECT_EQ(played, test.Sounds) << "DoorType " << test.DoorType;
        EXPECT_EQ(leftOut.size(), test.Sounds.empty() ? 1U : 0U);
    }
}

TEST(TestDrive, APartTheFilesLackIsLeftOutAndTheRestPlays) {
    TTempDir folder;
    TTestInstall install = Garage();
    install.Banks[37].Sounds.pop_back(); // no idle sound
    WriteSoundInstall(folder.Path(), install);
    const TGameSounds sounds(folder.Path());
    std::vector<std::string> leftOut;
    const TPcmSound played = PlayParts(
        sounds, {{"idle", 37, 1, 1.0, 0}, {"cruise", 600, 1, 1.0, 0}, {"horn", 74, 2, 1.0, 300}},
        leftOut);
    EXPECT_EQ(leftOut, (std::vector<std::string>{
                           "no idle: bank 37 has no sound 1 (it has 1)",
                           "no cruise: bank 600 is not in BankLkup.dat (it holds 139)"}));
    // The horn is all there is, so no pause comes before it.
    EXPECT_EQ(played.Samples.size(), PlayedLength(install.Banks.at(74).Sounds[2], 1.0));
}

} // namespace
} // namespace klarvon::test

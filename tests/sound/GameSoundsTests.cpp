#include "sound/GameSounds.h"
#include "table/Errors.h"

#include "support/ExpectError.h"
#include "support/SoundInstall.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>

namespace klarvon::test {
namespace {

using sound::TGameSounds;

// Three packages: an engine bank with a loop and negative headroom in GENRL, the horns,
// and a speech bank in the third package.
TTestInstall ThreePackages() {
    TTestInstall install;
    TTestSound looped = TestTone(11025, 300, 2);
    looped.LoopStart = 120;
    looped.Headroom = -125;
    install.Banks[38] = {1, {TestTone(22050, 500, 1), looped, TestTone(8000, 7, 3)}};
    install.Banks[74] = {1, {TestTone(44100, 64, 4)}};
    install.Banks[145] = {2, {TestTone(16000, 40, 5)}};
    install.BankCount = 153;
    return install;
}

TEST(GameSounds, ReadsTheBanksOfAnInstallWhateverTheCaseOfItsNames) {
    TTempDir folder;
    const TTestInstall install = ThreePackages();
    WriteSoundInstall(folder.Path(), install);
    // A copied install as Windows leaves it: names in another case, the game beside them.
    std::filesystem::rename(folder.Path() / "audio", folder.Path() / "Audio");
    std::filesystem::rename(folder.Path() / "Audio" / "CONFIG", folder.Path() / "Audio" / "Config");
    std::filesystem::rename(folder.Path() / "Audio" / "Config" / "BankLkup.dat",
                            folder.Path() / "Audio" / "Config" / "bankLkup.dat");
    std::filesystem::rename(folder.Path() / "Audio" / "SFX" / "GENRL",
                            folder.Path() / "Audio" / "SFX" / "Genrl");
    WriteBytes(folder.File("gta_sa.exe"), {});

    const TGameSounds sounds(folder.Path() / "gta_sa.exe");
    EXPECT_EQ(sounds.BankCount(), 153);
    EXPECT_EQ(sounds.PackageName(38), "GENRL");
    EXPECT_EQ(sounds.PackageName(145), "PAIN_A");
    EXPECT_FALSE(sounds.WhyUnloadable(145));

    const std::vector<sound::TSoundEntry> entries = sounds.Sounds(38);
    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(entries[1].Rate, 11025);
    EXPECT_EQ(entries[1].Samples(), 300U);
    EXPECT_EQ(entries[1].Loop(), 120U);
    EXPECT_EQ(entries[1].Headroom, -125);
    EXPECT_FALSE(entries[0].Loop());
    EXPECT_EQ(entries[0].Milliseconds(), 22U); // 500 samples at 22,050 Hz
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(sounds.Samples(38, i),
                  install.Banks.at(38).Sounds[static_cast<std::size_t>(i)].Samples)
            << "sound " << i;
    }
    EXPECT_EQ(sounds.Samples(145, 0), install.Banks.at(145).Sounds[0].Samples);
    EXPECT_EQ(sounds.PlayerSlotBytes(), 290048U);
    EXPECT_EQ(sounds.DummySlotBytes(), 74496U);
}

// Bytes of a file of the install, changed in place.
void Patch(const std::filesystem::path& file, std::size_t at, const TBytes& bytes) {
    TBytes content = ReadBytes(file.string());
    std::copy(bytes.begin(), bytes.end(), content.begin() + static_cast<std::ptrdiff_t>(at));
    WriteBytes(file.string(), content);
}

void Cut(const std::filesystem::path& file, std::size_t removed) {
    TBytes content = ReadBytes(file.string());
    content.resize(content.size() - removed);
    WriteBytes(file.string(), content);
}

// Where bank 38's header is in GENRL: the first bank there.
constexpr std::size_t Bank38 = 0;
constexpr std::size_t SecondEntry = 4 + 12;

struct TFault {
    const char* Name;
    std::function<void(const std::filesystem::path&)> Damage;
    std::function<void(const TGameSounds&)> Read; // empty: opening the install fails
    std::string Text;
    std::string File; // the file the failure names, relative to the install
};

TEST(GameSounds, EveryFaultOfTheFilesIsAClearErrorNamingTheFileAndTheBank) {
    const auto readBank = [](std::int64_t bank) {
        return [bank](const TGameSounds& sounds) { sounds.Sounds(bank); };
    };
    const std::vector<TFault> faults{
        {"lookup not whole records",
         [](auto& f) { Cut(ConfigFile(f, "BankLkup.dat"), 5); },
         {},
         "the file's size, 1831 bytes, is no multiple of 12 (the size of its records)",
         "audio/CONFIG/BankLkup.dat"},
        {"lookup missing",
         [](auto& f) { std::filesystem::remove(ConfigFile(f, "BankLkup.dat")); },
         {},
         "no sound files of the game here: audio/CONFIG/BankLkup.dat is missing",
         ""},
        {"shortened lookup", [](auto&) {}, readBank(200),
         "bank 200: BankLkup.dat holds no such bank (it holds 153: 0 to 152)",
         "audio/CONFIG/BankLkup.dat"},
        {"package shorter than its lookup", [](auto& f) { Cut(PackageFile(f, "GENRL"), 3); },
         readBank(74),
         "bank 74: audio/SFX/GENRL ends at byte 11347, before the bank's end at byte 11350",
         "audio/SFX/GENRL"},
        {"package missing", [](auto& f) { std::filesystem::remove(PackageFile(f, "PAIN_A")); },
         readBank(145), "bank 145: its package audio/SFX/PAIN_A is missing",
         "audio/CONFIG/BankLkup.dat"},
        {"too many sounds",
         [](auto& f) {
             Patch(PackageFile(f, "GENRL"), Bank38, {0x91, 0x01});
         },
         readBank(38), "bank 38: its header counts 401 sounds (a bank holds 0 to 400)",
         "audio/SFX/GENRL"},
        {"rate 0",
         [](auto& f) {
             Patch(PackageFile(f, "GENRL"), Bank38 + SecondEntry + 8, {0, 0});
         },
         readBank(38), "bank 38: sound 1 has a sample rate of 0", "audio/SFX/GENRL"},
        {"start past the end",
         [](auto& f) {
             Patch(PackageFile(f, "GENRL"), Bank38 + SecondEntry, {0xFF, 0xFF, 0, 0});
         },
         readBank(38), "bank 38: sound 1 starts at byte 65535, past the bank's end at byte 1614",
         "audio/SFX/GENRL"},
        {"starts out of order",
         [](auto& f) {
             Patch(PackageFile(f, "GENRL"), Bank38 + SecondEntry + 12, {0x10, 0, 0, 0});
         },
         readBank(38), "bank 38: sound 2 starts at byte 16, before sound 1 (at byte 1000)",
         "audio/SFX/GENRL"},
        {"no sound of that number", [](auto&) {},
         [](const TGameSounds& sounds) { sounds.Samples(38, 3); },
         "bank 38 has no sound 3 (it has 3: 0 to 2)", "audio/SFX/GENRL"},
        {"too few slots",
         [](auto& f) {
             Patch(ConfigFile(f, "BankSlot.dat"), 0, {40, 0});
         },
         [](const TGameSounds& sounds) { sounds.PlayerSlotBytes(); },
         "the file has 40 slots; the game loads the player's engine into slot 40",
         "audio/CONFIG/BankSlot.dat"},
    };
    for (const TFault& fault : faults) {
        SCOPED_TRACE(fault.Name);
        TTempDir folder;
        WriteSoundInstall(folder.Path(), ThreePackages());
        fault.Damage(folder.Path());
        const std::optional<EFinalError> failure = ExpectError<EFinalError>(
            [&] {
                const TGameSounds sounds(folder.Path());
                if (fault.Read) {
                    fault.Read(sounds);
                }
            },
            fault.Text);
        if (failure) {
            const std::filesystem::path named =
                fault.File.empty() ? folder.Path() : folder.Path() / fault.File;
            EXPECT_EQ(std::filesystem::path(failure->Context).lexically_normal(),
                      named.lexically_normal());
        }
    }
}

} // namespace
} // namespace klarvon::test

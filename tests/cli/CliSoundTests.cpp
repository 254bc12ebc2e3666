// The sound commands on a small install of the game's sound files built here: what a
// modder reads about a bank before choosing it, and the WAV files written to hear it.

#include "CliProcess.h"
#include "TableFiles.h"
#include "catalogue/BankNames.h"
#include "sound/Wav.h"
#include "support/SoundInstall.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>

namespace klarvon::test {
namespace {

constexpr std::uint32_t MixRate = 44100;
constexpr std::uint32_t PauseSamples = MixRate * 300 / 1000;

// The bank whose lookup points past its package's end, as mod packs ship them.
constexpr int BrokenBank = 39;

TTestSound Looped(TTestSound sound, std::int32_t loopStart, std::int16_t headroom) {
    sound.LoopStart = loopStart;
    sound.Headroom = headroom;
    return sound;
}

// A game folder: a dummy engine bank (37), a player engine bank with a looped, quieted
// accelerate (38), the horns (74), a script bank two bytes too big for a dummy engine
// slot (300), and bank 39 pointing past its package's end.
std::string WriteInstall(const TTempDir& dir) {
    TTestInstall install;
    install.Banks[37] = {1, {TestTone(22050, 500, 2), TestTone(11025, 700, 3)}};
    install.Banks[38] = {1,
                         {Looped(TestTone(22050, 2205, 1), 100, -125), TestTone(22050, 900, 4),
                          TestTone(22050, 600, 5)}};
    install.Banks[BrokenBank] = {1, {TestTone(22050, 100, 6)}};
    install.Banks[74] = {
        1, {TestTone(22050, 300, 7), TestTone(22050, 400, 8), TestTone(44100, 1000, 9)}};
    install.Banks[300] = {2, {TestTone(22050, 37249, 10)}};
    const std::filesystem::path folder = dir.Path() / "game";
    std::vector<TTestLocation> lookup = WriteSoundInstall(folder, install);
    lookup[BrokenBank].Bytes += 1000000;
    WriteBytes(ConfigFile(folder, "BankLkup.dat").string(), LookupBytes(lookup));
    return folder.string();
}

std::string Field(std::int64_t bank, std::string_view (*part)(const TBankName&)) {
    const TBankName* name = StockBankName(bank);
    return name == nullptr ? "" : std::string(part(*name));
}

std::string NameAndUsers(std::int64_t bank) {
    return Field(bank, [](const TBankName& n) { return n.Name; }) + '\t' +
           Field(bank, [](const TBankName& n) { return n.StockUsers; });
}

std::optional<std::string> LineOf(const std::string& out, const std::string& start) {
    for (const std::string& line : Lines(out)) {
        if (line.starts_with(start)) {
            return line;
        }
    }
    return std::nullopt;
}

// The sample bytes of a WAV file, read back the way the editor's player reads them; none
// when it is no WAV of 16-bit PCM.
std::optional<TBytes> WavData(const TBytes& wav) {
    const std::optional<sound::TWavContents> contents = sound::ReadWav(wav);
    if (!contents) {
        return std::nullopt;
    }
    return TBytes(contents->Data.begin(), contents->Data.end());
}

TBytes SampleBytes(const TTestSound& sound) {
    TBytes bytes;
    for (const std::int16_t sample : sound.Samples) {
        PutU16(bytes, static_cast<std::uint16_t>(sample));
    }
    return bytes;
}

// Its length once played at speed in the mix: a sound at x1.22 lasts 1/1.22 as long.
std::size_t MixedLength(std::size_t samples, std::uint32_t rate, double speed) {
    return static_cast<std::size_t>(
        std::floor(static_cast<double>(samples) * MixRate / (static_cast<double>(rate) * speed)));
}

TEST(CliSounds, BanksListsEveryBankAndTheOnesThatCannotBeRead) {
    TTempDir dir;
    const std::string game = WriteInstall(dir);

    const TCliRun all = RunCli({"banks", game});
    EXPECT_EQ(all.ExitCode, 1);
    EXPECT_EQ(Lines(all.Out).size(), 1U + 301U) << "the other banks are still listed";
    EXPECT_EQ(LineOf(all.Out, "38\t"), "38\tGENRL\t3\t7410\t100\tfits\tfits\t" + NameAndUsers(38));
    // Two bytes more than a dummy engine slot: the game would overwrite what follows.
    EXPECT_EQ(LineOf(all.Out, "300\t"),
              "300\tPAIN_A\t1\t74498\t1689\tfits\ttoo big\t" + NameAndUsers(300));
    const std::optional<std::string> broken = LineOf(all.Out, "39\t");
    ASSERT_TRUE(broken);
    EXPECT_TRUE(broken->starts_with("39\tGENRL\tunreadable: bank 39: ")) << *broken;
    EXPECT_NE(all.Err.find("bank 39"), std::string::npos) << all.Err;
    EXPECT_NE(all.Err.find("GENRL"), std::string::npos) << all.Err;

    const TCliRun named = RunCli({"banks", game, "300", "38", "300"});
    EXPECT_EQ(named.ExitCode, 0) << named.Err;
    const std::vector<std::string> lines = Lines(named.Out);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_TRUE(lines[1].starts_with("300\t") && lines[2].starts_with("38\t")) << named.Out;

    // Scripts read the same from JSON: the broken bank's error, the slot that is too small.
    const TCliRun json = RunCli({"banks", game, "39", "300", "--json"});
    EXPECT_EQ(json.ExitCode, 1);
    const nlohmann::json banks = nlohmann::json::parse(json.Out);
    ASSERT_EQ(banks.size(), 2U);
    EXPECT_TRUE(banks[0]["error"].is_string() && banks[0]["sounds"].is_null()) << json.Out;
    EXPECT_EQ(banks[1]["dummy_slot"], false);
    EXPECT_EQ(banks[1]["bytes"], 74498);

    const TCliRun missing = RunCli({"banks", game + "/gta_sa.exe", "900"});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_EQ(missing.Out, "");
    EXPECT_NE(missing.Err.find("900"), std::string::npos) << missing.Err;
}

TEST(CliSounds, SoundsGiveEachSoundsLengthLoopHeadroomAndRole) {
    TTempDir dir;
    const std::string game = WriteInstall(dir);
    const struct {
        std::string Bank;
        std::vector<std::string> Lines;
    } cases[] = {
        {"38",
         {"0\t22050\t2205\t100\t100\t-1.25\taccelerate", "1\t22050\t900\t40\tnone\t0.00\tcruise",
          "2\t22050\t600\t27\tnone\t0.00\tthrottle off"}},
        {"37", {"0\t22050\t500\t22\tnone\t0.00\trev", "1\t11025\t700\t63\tnone\t0.00\tidle"}},
        {"300", {"0\t22050\t37249\t1689\tnone\t0.00\t"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Bank);
        const TCliRun run = RunCli({"sounds", game, c.Bank});
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        std::vector<std::string> expected{"sound\trate\tsamples\tms\tloop\theadroom_db\trole"};
        expected.insert(expected.end(), c.Lines.begin(), c.Lines.end());
        EXPECT_EQ(Lines(run.Out), expected);
    }
}

TEST(CliSounds, ExportSoundWritesTheSamplesAndNeverAPartOrAnOldFile) {
    TTempDir dir;
    const std::string game = WriteInstall(dir);
    const TTestSound accelerate = Looped(TestTone(22050, 2205, 1), 100, -125);

    const std::string one = dir.File("accelerate.wav");
    const TCliRun run = RunCli({"export-sound", game, "38", "0", one});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const TBytes wav = ReadBytes(one);
    const std::optional<sound::TWavContents> contents = sound::ReadWav(wav);
    ASSERT_TRUE(contents) << "PCM, 16-bit";
    EXPECT_EQ(contents->Channels, 1);
    EXPECT_EQ(contents->Rate, 22050U);
    EXPECT_EQ(WavData(wav), SampleBytes(accelerate));
    EXPECT_EQ(contents->LoopStart, 100U) << "the loop start";

    // Without SOUND, OUT is a folder made for them.
    const std::filesystem::path folder = dir.Path() / "bank37";
    ASSERT_EQ(RunCli({"export-sound", game, "37", folder.string()}).ExitCode, 0);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"37_0.wav", "37_1.wav"}));

    const TBytes old{'o', 'l', 'd'};
    WriteBytes(one, old);
    const TCliRun refused = RunCli({"export-sound", game, "38", "1", one});
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_NE(refused.Err.find("--force"), std::string::npos) << refused.Err;
    EXPECT_EQ(ReadBytes(one), old);
    const TCliRun forced = RunCli({"export-sound", game, "38", "1", one, "--force"});
    EXPECT_EQ(forced.ExitCode, 0) << forced.Err;
    EXPECT_EQ(WavData(ReadBytes(one)), SampleBytes(TestTone(22050, 900, 4)));

    // A bank that cannot be read leaves nothing behind.
    const std::string failed = dir.File("broken.wav");
    EXPECT_EQ(RunCli({"export-sound", game, "39", "0", failed}).ExitCode, 1);
    EXPECT_EQ(RunCli({"export-sound", game, "39", dir.File("broken")}).ExitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(failed));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "broken" / "39_0.wav"));
}

TEST(CliSounds, ListenPlaysTheRowsPartsAtTheirSpeedsAndNamesThoseLeftOut) {
    TTempDir dir;
    const std::string game = WriteInstall(dir);
    // No DummyBank: the idle is left out. Horn 2 at its own pitch.
    const std::string row = "infernus 0 38 -1 0 0.9 1 2 1 2 0 7 0 2 0\n";
    const std::string cfg = WriteText(dir, "game/gtasa_vehicleAudioSettings.cfg", row);
    const std::string drive = dir.File("drive.wav");

    const TCliRun run = RunCli({"listen", cfg, "infernus", drive});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "no idle: DummyBank is -1\n");
    std::size_t expected = 0;
    for (const double gear : {1.22, 1.13, 1.075, 1.0}) {
        expected += MixedLength(2205, 22050, gear);
    }
    expected += MixedLength(900, 22050, 1.0) + MixedLength(600, 22050, 1.0) + PauseSamples +
                MixedLength(1000, 44100, 1.0);
    const std::optional<TBytes> data = WavData(ReadBytes(drive));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->size() / 2, expected);

    // A cfg away from the game: its folder has no sound files until --game-dir names them.
    const std::string away = WriteText(dir, "away.cfg", row);
    const TCliRun lost = RunCli({"listen", away, "infernus", dir.File("away.wav")});
    EXPECT_EQ(lost.ExitCode, 1);
    EXPECT_NE(lost.Err.find("--game-dir"), std::string::npos) << lost.Err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("away.wav")));
    EXPECT_EQ(
        RunCli({"listen", away, "infernus", dir.File("away.wav"), "--game-dir", game}).ExitCode, 0);
}

} // namespace
} // namespace klarvon::test

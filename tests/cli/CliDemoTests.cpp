// demo through the built program: a file every command and the editor accept, written
// without ever clobbering what is there.

#include "CliProcess.h"
#include "catalogue/AudioRules.h"
#include "catalogue/ModelNames.h"
#include "cli/DemoExecutable.h"
#include "table/RecordFile.h"
#include "table/TableLocator.h"

#include "support/RecordFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace klarvon::test {
namespace {

constexpr std::int64_t SignatureOffset = cli::DemoSignatureOffset;
constexpr std::int64_t FirstRecordOffset = SignatureOffset + static_cast<std::int64_t>(RecordSize);

TEST(CliDemo, WritesAFileThatIsFoundByItsSignature) {
    TTempDir dir;
    const std::string path = dir.File("demo.exe");
    const TCliRun demo = RunCli({"demo", path});
    ASSERT_EQ(demo.ExitCode, 0) << demo.Err;
    const TBytes bytes = ReadBytes(path);
    EXPECT_EQ(demo.Out,
              "wrote " + path + ": " + std::to_string(bytes.size()) +
                  " bytes, signature at offset 327680, record of ID 400 at offset 327716\n");

    const TCliRun info = RunCli({"info", path});
    EXPECT_EQ(info.ExitCode, 0) << info.Err;
    EXPECT_EQ(info.Out, "size: " + std::to_string(bytes.size()) +
                            "\nversion: Unknown\nfound-by: signature\nsignature-offset: 327680\n"
                            "id-400-offset: 327716\n");

    // The signature sits where info says, and the record of ID 400 right after it.
    ASSERT_GT(bytes.size(), static_cast<std::size_t>(FirstRecordOffset) + RecordSize * SlotCount);
    EXPECT_TRUE(
        std::equal(TableSignature.begin(), TableSignature.end(), bytes.begin() + SignatureOffset));
    EXPECT_EQ(TTableLocator::FindLastSignature(bytes), SignatureOffset);
    const TTableLocation location = TTableLocator::Locate(path);
    EXPECT_FALSE(IsRejected(location));
    EXPECT_EQ(TTableLocator::RecordOffset(location, 0), FirstRecordOffset);
    EXPECT_EQ(test::ReadWholeRecord(path, FirstRecordOffset), cli::DemoRecord(400).Bytes);
    // A few hundred KiB, as promised, and not the size of the known release.
    EXPECT_GT(bytes.size(), 200U * 1024);
    EXPECT_LT(bytes.size(), 1024U * 1024);
}

TEST(CliDemo, ShowsTheOddValuesRealTablesHold) {
    TTempDir dir;
    const std::string path = dir.File("demo.exe");
    ASSERT_EQ(RunCli({"demo", path}).ExitCode, 0);

    struct TOdd {
        std::string Id;
        bool Game; // the game's view
        std::string Line;
    };
    const std::vector<TOdd> odd{
        {"431", false, "DoorSoundType\t257\tType 5"},
        {"431", true, "DoorType\t1\told"},
        {"449", false, "RadioType\t255\tSpecial vehicles"},
        {"449", false, "HornType\t255\tslider 10"},
        {"460", false, "VehicleType\t6\tSpecial"},
        {"403", false, "RadioStation\t0\tNothing"},
        {"596", false, "RadioType\t3\tNoncivilian vehicles"},
        {"407", true, "EngineVolumeOffset\t0x40A00000\t5"},
    };
    for (const auto& [id, game, line] : odd) {
        std::vector<std::string> arguments{"show", path, id};
        if (game) {
            arguments.emplace_back("--game");
        }
        const TCliRun show = RunCli(arguments);
        EXPECT_NE(show.Out.find("\n" + line + "\n"), std::string::npos) << id << ": " << line;
    }
}

TEST(CliDemo, RecordsAreLaidOutAsTheGameLaysThemOutAndBreakNoRule) {
    const TLayout& game = GameLayout();
    std::map<std::string_view, std::set<std::int64_t>> seen;
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        const TRecordBytes bytes = cli::DemoRecord(id).Bytes;
        for (const std::size_t pad : PadOffsets(game)) {
            EXPECT_EQ(bytes[pad], 0) << id << " pad byte " << pad;
        }
        const float volume =
            FloatValue(ReadField(*FindLayoutField(game, "EngineVolumeOffset"), bytes));
        EXPECT_TRUE(volume == 0.0F || (volume >= 1.0F && volume <= 10.0F)) << id << ": " << volume;

        const std::optional<int> slot = id;
        for (const TFinding& finding : CheckRecord(slot, ModelName(id), bytes)) {
            EXPECT_EQ(finding.Severity, TSeverity::Note)
                << id << " " << finding.Field->Name << ": " << finding.What;
        }
        for (const TLayoutField& field : game) {
            if (field.Type != TValueType::Float32) {
                seen[field.Name].insert(IntegerValue(field.Type, ReadField(field, bytes)));
            }
        }
    }
    const std::vector<std::pair<std::string_view, std::vector<std::int64_t>>> choices{
        {"VehicleAudioType", {0, 1, 2, 3, 4, 5, 6, 8, 9, 10}},
        {"BassSetting", {0, 1, 2}},
        {"HornType", {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"DoorType", {-1, 0, 1, 2, 3, 4}},
        {"RadioStation", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {"RadioType", {-1, 0, 1, 2, 3}},
    };
    for (const auto& [field, values] : choices) {
        for (const std::int64_t value : values) {
            EXPECT_TRUE(seen[field].contains(value)) << field << " " << value;
        }
    }
    for (const std::string_view bank : {"PlayerBank", "DummyBank"}) {
        EXPECT_EQ(*seen[bank].begin(), -1) << bank;
        EXPECT_LE(*seen[bank].rbegin(), 142) << bank;
        EXPECT_GT(seen[bank].size(), 30U) << bank;
    }
}

TEST(CliDemo, NeverOverwritesWithoutForceAndReplacesWholeWithIt) {
    TTempDir dir;
    const std::string path = dir.File("mine.exe");
    const TBytes precious{'m', 'i', 'n', 'e'};
    WriteBytes(path, precious);

    const TCliRun refused = RunCli({"demo", path});
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_EQ(refused.Err, "'" + path + "' already exists; give --force to replace it.\n");
    EXPECT_EQ(ReadBytes(path), precious);

    const TCliRun forced = RunCli({"demo", "--force", path});
    ASSERT_EQ(forced.ExitCode, 0) << forced.Err;
    const TBytes replaced = ReadBytes(path);
    EXPECT_EQ(replaced, cli::BuildDemoExecutable());

    // The same bytes every time, and no temporary file left beside it.
    ASSERT_EQ(RunCli({"demo", dir.File("again.exe")}).ExitCode, 0);
    EXPECT_EQ(ReadBytes(dir.File("again.exe")), replaced);
    const auto entries = std::distance(std::filesystem::directory_iterator(dir.Path()),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(entries, 2);
}

TEST(CliDemo, ADanglingLinkOrMissingFolderIsNotWrittenThrough) {
    TTempDir dir;
    const std::string link = dir.File("link.exe");
    std::filesystem::create_symlink(dir.File("target.exe"), link);
    const TCliRun dangling = RunCli({"demo", link});
    EXPECT_EQ(dangling.ExitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.File("target.exe")));

    const TCliRun missing = RunCli({"demo", dir.File("no/such/folder.exe")});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_EQ(missing.Err, "Invalid filename.\n");
}

} // namespace
} // namespace klarvon::test

// set, copy and diff through the built program: exactly the asked-for bytes change.

#include "CliProcess.h"
#include "TableFiles.h"

#include <gtest/gtest.h>

#include <sstream>

namespace klarvon::test {
namespace {

// The CSV rows of a dump, header included.
std::vector<std::string> DumpRows(const std::string& path) {
    const TCliRun run = RunCli({"dump", path});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    std::vector<std::string> rows;
    std::istringstream in(run.Out);
    for (std::string row; std::getline(in, row);) {
        rows.push_back(row);
    }
    return rows;
}

// Offsets at which two equally long files differ.
std::vector<std::size_t> ChangedOffsets(const TBytes& a, const TBytes& b) {
    EXPECT_EQ(a.size(), b.size());
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i]) {
            offsets.push_back(i);
        }
    }
    return offsets;
}

struct TSetCase {
    int Id;
    std::string Assignment;
    std::vector<std::uint8_t> FieldBytes; // what the field's bytes become
    std::string Change;                   // the line set prints
};

TEST(CliSet, ChangesExactlyTheNamedFieldAndNothingElse) {
    const std::vector<TSetCase> cases{
        {400, "PowerOnSoundId=100", {0x64, 0x00}, "400 LANDSTAL PowerOnSoundId: 400 -> 100"},
        {400, "PowerOnSoundId= $FFFFFFFF", {0xFF, 0xFF}, "400 LANDSTAL PowerOnSoundId: 400 -> -1"},
        {630, "Unknown1=-32768", {0x00, 0x80}, "630 //Extra Slot Unknown1: 1890 -> -32768"},
        {512,
         "HornTone=0.95",
         {0x33, 0x33, 0x73, 0x3F},
         "512 CROPDUST HornTone: 1.01199996471405 -> 0.949999988079071"},
        {512,
         "Unknown7=1E-40",
         {0xC2, 0x16, 0x01, 0x00},
         "512 CROPDUST Unknown7: 256 -> 9.99994610111476E-41"},
        {401, "VehicleType=6", {0x06, 0x00}, "401 BRAVURA VehicleType: 5 -> 6"},
        {401, "DoorSoundType=257", {0x01, 0x01}, "401 BRAVURA DoorSoundType: 5 -> 257"},
        {401, "HornType=-7", {0xF9, 0xFF, 0xFF, 0xFF}, "401 BRAVURA HornType: 5 -> -7"},
        {401, "RadioType=255", {0xFF}, "401 BRAVURA RadioType: 1 -> 255"},
        {401, "RadioStation=0x0", {0x00}, "401 BRAVURA RadioStation: 9 -> 0"},
        {401, "Unknown8=$FF", {0xFF}, "401 BRAVURA Unknown8: 110 -> 255"},
    };
    TTempDir dir;
    for (const TSetCase& c : cases) {
        SCOPED_TRACE(c.Assignment);
        const TBytes before = MakeTableFile();
        const std::string path = WriteTableFile(dir, "set.exe", before);
        const std::vector<std::string> rowsBefore = DumpRows(path);

        const TCliRun run = RunCli({"set", path, std::to_string(c.Id), c.Assignment});
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_EQ(run.Out, c.Change + "\n");

        // The whole file: only the field's own bytes may differ, and they hold the value.
        const TBytes after = ReadBytes(path);
        const TLayoutField& field = [&c]() -> const TLayoutField& {
            for (const TLayoutField& f : EditorLayout()) {
                if (c.Assignment.starts_with(std::string(f.Name) + "=")) {
                    return f;
                }
            }
            throw std::logic_error("no field");
        }();
        const std::size_t start = SampleRecordOffset(c.Id) + field.Offset;
        TBytes expected = before;
        std::copy(c.FieldBytes.begin(), c.FieldBytes.end(),
                  expected.begin() + static_cast<std::ptrdiff_t>(start));
        EXPECT_EQ(after, expected);

        // The dump shows the change in that one row only.
        const std::vector<std::string> rowsAfter = DumpRows(path);
        ASSERT_EQ(rowsAfter.size(), rowsBefore.size());
        for (std::size_t row = 0; row < rowsAfter.size(); ++row) {
            const bool changedRow = row == static_cast<std::size_t>(c.Id - FirstVehicleId + 1);
            EXPECT_EQ(rowsAfter[row] != rowsBefore[row], changedRow) << row;
        }
    }
}

TEST(CliSet, SeveralFieldsAtOnceKeepTheOthers) {
    TTempDir dir;
    const TBytes before = MakeTableFile();
    const std::string path = WriteTableFile(dir, "multi.exe", before);
    const TCliRun run = RunCli({"set", path, "450", "Unknown5=1", "Unknown2=2.5", "VehicleType=3"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    // Reported in stored order, whatever order they were given in.
    EXPECT_EQ(run.Out, "450 ARTICT2 VehicleType: 10 -> 3\n"
                       "450 ARTICT2 Unknown2: 64.2857131958008 -> 2.5\n"
                       "450 ARTICT2 Unknown5: 78 -> 1\n");
    const std::size_t record = SampleRecordOffset(450);
    const std::vector<std::size_t> expected{record + 0,  record + 8,  record + 9,
                                            record + 10, record + 11, record + 29};
    EXPECT_EQ(ChangedOffsets(before, ReadBytes(path)), expected);
}

// A file of the known size is edited at the known table position even without the
// signature there, but a file that is probably not the game is not edited blindly.
TEST(CliSet, AKnownSizeFileWithoutTheSignatureIsEditedWithAWarning) {
    TTempDir dir;
    TBytes notTheGame = KnownSizeGame();
    notTheGame[static_cast<std::size_t>(KnownSignatureOffset)] ^= 0xFF;
    const struct {
        const char* Name;
        TBytes Bytes;
        bool Warned;
    } cases[] = {{"the game", KnownSizeGame(), false}, {"not the game", notTheGame, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = WriteTableFile(dir, "known.exe", c.Bytes);
        const TCliRun run = RunCli({"set", path, "450", "Unknown5=1"});
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_EQ(run.Out, "450 ARTICT2 Unknown5: 78 -> 1\n");
        EXPECT_EQ(run.Err.starts_with("warning: " + path +
                                      " has the size of gta_sa.exe v1.0 us "
                                      "but not its table signature"),
                  c.Warned)
            << run.Err;
        EXPECT_EQ(ReadBytes(path)[SampleRecordOffset(450, KnownSignatureOffset) + 29], 1);
    }
}

struct TFailingSet {
    std::vector<std::string> Arguments; // after "set FILE"
    int ExitCode;
    std::string FirstErrorLine;
};

TEST(CliSet, AFailingSetLeavesTheFileByteIdentical) {
    const std::vector<TFailingSet> cases{
        {{"400", "PowerOnSoundId=32768"}, 1, "PowerOnSoundId=32768: out of range -32768..32767"},
        {{"400", "Unknown4=256"}, 1, "Unknown4=256: out of range 0..255"},
        {{"400", "Unknown4=-1"}, 1, "Unknown4=-1: out of range 0..255"},
        {{"400", "RadioStation=256"}, 1, "RadioStation=256: out of range 0..255"},
        {{"400", "VehicleType=-32769"}, 1, "VehicleType=-32769: out of range -32768..32767"},
        {{"400", "Unknown5=12a"}, 1, "'12a' is not a valid integer value."},
        {{"400", "Unknown5=12 "}, 1, "'12 ' is not a valid integer value."},
        {{"400", "HornType=1.5"}, 1, "'1.5' is not a valid integer value."},
        {{"400", "Unknown1="}, 1, "'' is not a valid integer value."},
        {{"400", "HornTone=1E39"}, 1, "Floating point overflow."},
        {{"400", "HornTone=1E5000"}, 1, "'1E5000' is not a valid floating point value."},
        {{"400", "HornTone=1,5"}, 1, "HornTone=1,5: write 1.5 with a point"},
        {{"400", "Unknown2=INF"}, 1, "'INF' is not a valid floating point value."},
        // A good assignment before a bad one is not written either.
        {{"400", "PowerOnSoundId=1", "Unknown4=300"}, 1, "Unknown4=300: out of range 0..255"},
        {{"399", "Unknown4=1"}, 2, "klarvon-cli: '399' is not a vehicle ID (400..630)"},
        {{"631", "Unknown4=1"}, 2, "klarvon-cli: '631' is not a vehicle ID (400..630)"},
        {{"0x190", "Unknown4=1"}, 2, "klarvon-cli: '0x190' is not a vehicle ID (400..630)"},
        {{"", "Unknown4=1"}, 2, "klarvon-cli: '' is not a vehicle ID (400..630)"},
        {{"99999999999", "Unknown4=1"},
         2,
         "klarvon-cli: '99999999999' is not a vehicle ID (400..630)"},
        {{"400", "unknown4=1"},
         2,
         "klarvon-cli: 'unknown4' is not a field; the fields are VehicleType, PowerOnSoundId, "
         "PowerOffSoundId, Unknown1, Unknown2, Unknown3, HornType, HornTone, DoorSoundType, "
         "RadioStation, RadioType, Unknown4, Unknown5, Unknown6, Unknown7, Unknown8"},
        {{"400", "Unknown4"}, 2, "klarvon-cli: 'Unknown4' is not FIELD=TEXT"},
        {{"400", "Unknown4=1", "Unknown4=2"}, 2, "klarvon-cli: field 'Unknown4' is named twice"},
        {{"400"}, 2, "klarvon-cli: missing arguments"},
    };
    TTempDir dir;
    const TBytes before = MakeTableFile();
    const std::string path = WriteTableFile(dir, "keep.exe", before);
    for (const TFailingSet& c : cases) {
        SCOPED_TRACE(c.Arguments.back());
        std::vector<std::string> arguments{"set", path};
        arguments.insert(arguments.end(), c.Arguments.begin(), c.Arguments.end());
        const TCliRun run = RunCli(arguments);
        EXPECT_EQ(run.ExitCode, c.ExitCode);
        EXPECT_EQ(run.FirstErrorLine(), c.FirstErrorLine);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(ReadBytes(path), before);
    }
}

TEST(CliSet, FailuresNameTheAssignmentOrFile) {
    TTempDir dir;
    const std::string path = WriteTableFile(dir, "name.exe");
    EXPECT_EQ(RunCli({"set", path, "400", "Unknown6=1", "Unknown4=300"}).Err,
              "Unknown4=300: out of range 0..255\n");
    EXPECT_EQ(RunCli({"set", dir.File("none.exe"), "400", "Unknown4=3"}).Err,
              dir.File("none.exe") + ": file not found\n");
}

TEST(CliSet, ARecordPastTheEndOfTheFileIsNeitherWrittenNorGrown) {
    TTempDir dir;
    TBytes before = MakeTableFile(SampleSignatureOffset, SampleRecord, 0);
    before.resize(before.size() - 1); // the last record lacks its last byte
    const std::string path = WriteTableFile(dir, "short.exe", before);
    const TCliRun run = RunCli({"set", path, "630", "Unknown1=5"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, path + ": Read beyond end of file.\n");
    EXPECT_EQ(ReadBytes(path), before);
}

TEST(CliCopy, CopiesAllBytesOfOneSlotOntoAnotherAndDiffShowsThem) {
    TTempDir dir;
    const TBytes original = MakeTableFile();
    const std::string before = WriteTableFile(dir, "before.exe", original);
    const std::string after = WriteTableFile(dir, "after.exe", original);

    const TCliRun copy = RunCli({"copy", after, "411", "400"});
    ASSERT_EQ(copy.ExitCode, 0) << copy.Err;

    TBytes expected = original;
    std::copy_n(original.begin() + static_cast<std::ptrdiff_t>(SampleRecordOffset(411)), RecordSize,
                expected.begin() + static_cast<std::ptrdiff_t>(SampleRecordOffset(400)));
    EXPECT_EQ(ReadBytes(after), expected);

    // SampleRecord gives 400 and 411 the same VehicleType and every other field apart.
    const TCliRun diff = RunCli({"diff", before, after});
    ASSERT_EQ(diff.ExitCode, 0) << diff.Err;
    EXPECT_EQ(diff.Out, copy.Out);
    EXPECT_EQ(diff.Out, "400 LANDSTAL PowerOnSoundId: 400 -> 411\n"
                        "400 LANDSTAL PowerOffSoundId: -400 -> -411\n"
                        "400 LANDSTAL Unknown1: 1200 -> 1233\n"
                        "400 LANDSTAL Unknown2: 57.1428565979004 -> 58.7142868041992\n"
                        "400 LANDSTAL Unknown3: 0.00249999994412065 -> 0.00243309000506997\n"
                        "400 LANDSTAL HornType: 4 -> 3\n"
                        "400 LANDSTAL HornTone: 1 -> 1.0110000371933\n"
                        "400 LANDSTAL DoorSoundType: 4 -> 3\n"
                        "400 LANDSTAL RadioStation: 8 -> 5\n"
                        "400 LANDSTAL RadioType: 0 -> 3\n"
                        "400 LANDSTAL Unknown4: 144 -> 155\n"
                        "400 LANDSTAL Unknown5: 240 -> 61\n"
                        "400 LANDSTAL Unknown6: 80 -> 223\n"
                        "400 LANDSTAL Unknown7: 200 -> 205.5\n"
                        "400 LANDSTAL Unknown8: 111 -> 100\n");
}

TEST(CliDiff, SaysIdenticalForTheSameTableWhereverItLies) {
    TTempDir dir;
    const std::string a = WriteTableFile(dir, "a.exe", MakeTableFile(1000));
    const std::string b = WriteTableFile(dir, "b.exe", MakeTableFile(20000, SampleRecord, 5));
    const std::string identical = "identical: all 231 records are the same\n";
    for (const auto& [left, right] :
         std::vector<std::pair<std::string, std::string>>{{a, a}, {a, b}}) {
        const TCliRun run = RunCli({"diff", left, right});
        EXPECT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_EQ(run.Out, identical);
    }
}

TEST(CliDiff, ShowsLookAlikeFloatsAsBitsAndNamesTheFailingFile) {
    TTempDir dir;
    const std::string a = WriteTableFile(dir, "a.exe");
    const std::string b =
        WriteTableFile(dir, "b.exe", MakeTableFile(SampleSignatureOffset, [](int id) {
                           TVehicleAudioRecord record = SampleRecord(id);
                           if (id == 612) {
                               record[TField::Unknown3] =
                                   0x7FC00001; // another quiet NaN than below
                           }
                           return record;
                       }));
    const std::string c =
        WriteTableFile(dir, "c.exe", MakeTableFile(SampleSignatureOffset, [](int id) {
                           TVehicleAudioRecord record = SampleRecord(id);
                           if (id == 612) {
                               record[TField::Unknown3] = 0x7FC00000;
                           }
                           return record;
                       }));
    EXPECT_EQ(RunCli({"diff", b, c}).Out, "612 //Extra Slot Unknown3: 0x7FC00001 -> 0x7FC00000\n");
    EXPECT_EQ(RunCli({"diff", a, c}).Out,
              "612 //Extra Slot Unknown3: 0.00163398694712669 -> 0x7FC00000\n");

    const std::string rejected = WriteTableFile(dir, "r.exe", TBytes(100, 0));
    const TCliRun run = RunCli({"diff", a, rejected});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, rejected +
                           " is neither a gta_sa.exe nor a vehicle audio cfg: it is not text (it "
                           "holds NUL bytes), and no vehicle audio table was found in it (no "
                           "table signature)\n");
    EXPECT_EQ(run.Out, "");
}

} // namespace
} // namespace klarvon::test

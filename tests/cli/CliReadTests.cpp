// info, show and dump through the built program.

#include "CliProcess.h"
#include "TableFiles.h"
#include "catalogue/ModelNames.h"
#include "catalogue/VehicleCatalogue.h"
#include "cli/CrLfLines.h"
#include "table/TextConversions.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <regex>
#include <sstream>

namespace klarvon::test {
namespace {

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, separator);) {
        cells.push_back(cell);
    }
    return cells;
}

std::string HexOf(const TBytes& bytes, std::size_t offset, std::size_t count) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = offset; i < offset + count; ++i) {
        text += Digits[bytes[i] >> 4];
        text += Digits[bytes[i] & 0xF];
    }
    return text;
}

struct TInfoCase {
    std::string Name;
    std::function<TBytes()> Make;
    int ExitCode;
    std::string Out;
    std::string Err;
};

TEST(CliInfo, ReportsHowTheTableWasFound) {
    const std::vector<TInfoCase> cases{
        {"signature at 1000", [] { return MakeTableFile(1000); }, 0,
         "size: " + std::to_string(MakeTableFile(1000).size()) +
             "\nversion: Unknown\nfound-by: signature\nsignature-offset: 1000\nid-400-offset: "
             "1036\n",
         ""},
        {"signature at 10", [] { return MakeTableFile(10); }, 0,
         "size: " + std::to_string(MakeTableFile(10).size()) +
             "\nversion: Unknown\nfound-by: signature\nsignature-offset: 10\nid-400-offset: 46\n",
         ""},
        {"known size", [] { return TBytes(static_cast<std::size_t>(KnownExeSize), 0); }, 0,
         "size: 14383616\nversion: v1.0 us\nfound-by: known size\nsignature-offset: -\n"
         "signature-before-table: no\nid-400-offset: 4584176\n",
         ""},
        {"known size, the game's signature", [] { return KnownSizeGame(); }, 0,
         "size: 14383616\nversion: v1.0 us\nfound-by: known size\nsignature-offset: -\n"
         "signature-before-table: yes\nid-400-offset: 4584176\n",
         ""},
        {"signature at 9", [] { return MakeTableFile(9); }, 1,
         "size: " + std::to_string(MakeTableFile(9).size()) +
             "\nversion: Unknown\nfound-by: none\n",
         "INFO is neither a gta_sa.exe nor a vehicle audio cfg: its only table signature is at "
         "offset 9, too near the start to be the game's\n"},
        {"empty", [] { return TBytes{}; }, 1, "size: 0\nversion: Unknown\nfound-by: none\n",
         "INFO is neither a gta_sa.exe nor a vehicle audio cfg: it is empty\n"},
    };
    TTempDir dir;
    for (const TInfoCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = WriteTableFile(dir, "info.exe", c.Make());
        const TCliRun run = RunCli({"info", path});
        EXPECT_EQ(run.ExitCode, c.ExitCode);
        EXPECT_EQ(run.Out, c.Out);
        std::string err = c.Err;
        if (err.starts_with("INFO")) {
            err.replace(0, 4, path);
        }
        EXPECT_EQ(run.Err, err);
    }
}

TEST(CliInfo, AMissingFileAndAFolderAreNamed) {
    TTempDir dir;
    const TCliRun missing = RunCli({"info", dir.File("absent.exe")});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_EQ(missing.Err, dir.File("absent.exe") + ": file not found\n");
    const TCliRun folder = RunCli({"info", dir.Path().string()});
    EXPECT_EQ(folder.ExitCode, 1);
    EXPECT_EQ(folder.Err, dir.Path().string() + " is a folder, not a file\n");
}

TEST(CliRejected, EveryCommandRefusesTheFileAndLeavesItAlone) {
    TTempDir dir;
    const TBytes bytes = MakeTableFile(9);
    const std::string path = WriteTableFile(dir, "rejected.exe", bytes);
    const std::vector<std::vector<std::string>> commands{
        {"show", path, "400"},        {"dump", path},
        {"dump", path, "--json"},     {"set", path, "400", "Unknown8=1"},
        {"copy", path, "401", "400"},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(command[0]);
        const TCliRun run = RunCli(command);
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_EQ(run.Err, path +
                               " is neither a gta_sa.exe nor a vehicle audio cfg: its only table "
                               "signature is at offset 9, too near the start to be the game's\n");
        EXPECT_EQ(run.Out, "");
    }
    EXPECT_EQ(ReadBytes(path), bytes);
}

TEST(CliShow, ListsStoredAndShownValuesInStoredOrder) {
    TTempDir dir;
    TVehicleAudioRecord odd = SampleRecord(455);
    odd[TField::VehicleType] = 6;
    odd[TField::DoorSoundType] = 257;
    odd[TField::HornType] = 0xFFFFFFFF; // -1 shows the slider's left end
    odd[TField::RadioStation] = 0;
    odd[TField::RadioType] = 255;
    odd[TField::HornTone] = 0x3C23D70A; // 0.01
    odd[TField::Unknown7] = 0x7F800001; // a signalling NaN
    const std::string path =
        WriteTableFile(dir, "show.exe", MakeTableFile(SampleSignatureOffset, [&odd](int id) {
                           return id == 455 ? odd : SampleRecord(id);
                       }));

    const TCliRun run = RunCli({"show", path, "455"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 2 + FieldCount);
    EXPECT_EQ(lines[0],
              "# 455 FLATBED (flatbed) at offset " + std::to_string(SampleRecordOffset(455)));
    EXPECT_EQ(lines[1], "field\tstored\tshown");
    for (std::size_t i = 0; i < FieldCount; ++i) {
        const std::vector<std::string> cells = Split(lines[2 + i], '\t');
        ASSERT_EQ(cells.size(), 3U) << lines[2 + i];
        EXPECT_EQ(cells[0], EditorLayout()[i].Name);
    }
    EXPECT_EQ(lines[2], "VehicleType\t6\tSpecial");
    EXPECT_EQ(lines[3], "PowerOnSoundId\t455\t455");
    EXPECT_EQ(lines[4], "PowerOffSoundId\t-455\t-455");
    EXPECT_EQ(lines[8], "HornType\t-1\tslider 0");
    EXPECT_EQ(lines[9], "HornTone\t0x3C23D70A\t0.00999999977648258");
    EXPECT_EQ(lines[10], "DoorSoundType\t257\tType 5");
    EXPECT_EQ(lines[11], "RadioStation\t0\tNothing");
    EXPECT_EQ(lines[12], "RadioType\t255\tSpecial vehicles");
    EXPECT_EQ(lines[16], "Unknown7\t0x7F800001\t(Invalid floating point operation)");
}

TEST(CliDump, CsvHasTheHeaderAndOneRowPerSlotWithItsBytes) {
    TTempDir dir;
    const TBytes bytes = MakeTableFile();
    const TCliRun run = RunCli({"dump", WriteTableFile(dir, "dump.exe", bytes)});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 1U + SlotCount);
    EXPECT_EQ(lines[0],
              "id,name,model,VehicleType,PowerOnSoundId,PowerOffSoundId,Unknown1,Unknown2,Unknown3,"
              "HornType,HornTone,DoorSoundType,RadioStation,RadioType,Unknown4,Unknown5,"
              "Unknown6,Unknown7,Unknown8,bytes");
    EXPECT_EQ(lines[1].substr(0, lines[1].find(",57.")), "400,LANDSTAL,landstal,4,400,-400,1200");
    EXPECT_EQ(lines[213].substr(0, 18), "612,//Extra Slot,,");
    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        const std::vector<std::string> cells =
            Split(lines[static_cast<std::size_t>(id - 399)], ',');
        ASSERT_EQ(cells.size(), 4 + FieldCount);
        EXPECT_EQ(cells[0], std::to_string(id));
        EXPECT_EQ(cells.back(), HexOf(bytes, SampleRecordOffset(id), RecordSize));
    }
}

// Every float's text must read back to the stored bits, or nothing is exact.
TEST(CliDump, JsonHasEveryFieldAndFloatTextsReadBackToTheSameBits) {
    TTempDir dir;
    const TBytes bytes = MakeTableFile();
    const TCliRun run = RunCli({"dump", WriteTableFile(dir, "json.exe", bytes), "--json"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const nlohmann::ordered_json table = nlohmann::ordered_json::parse(run.Out);
    ASSERT_TRUE(table.is_array());
    ASSERT_EQ(table.size(), static_cast<std::size_t>(SlotCount));

    std::vector<std::string> keys{"id", "name", "model"};
    for (const TLayoutField& field : EditorLayout()) {
        keys.emplace_back(field.Name);
    }
    keys.emplace_back("bytes");

    for (int id = FirstVehicleId; id <= LastVehicleId; ++id) {
        const auto& object = table[static_cast<std::size_t>(id - FirstVehicleId)];
        std::vector<std::string> objectKeys;
        for (const auto& item : object.items()) {
            objectKeys.push_back(item.key());
        }
        ASSERT_EQ(objectKeys, keys);
        EXPECT_EQ(object["id"], id);
        EXPECT_EQ(object["name"], std::string(TVehicleCatalogue::Name(id)));
        if (id <= 611) {
            EXPECT_EQ(object["model"], std::string(ModelName(id)));
        } else {
            EXPECT_TRUE(object["model"].is_null());
        }
        EXPECT_EQ(object["bytes"], HexOf(bytes, SampleRecordOffset(id), RecordSize));

        const TVehicleAudioRecord record = SampleRecord(id);
        for (const TLayoutField& field : EditorLayout()) {
            const auto& value = object[std::string(field.Name)];
            const TFieldBits bits = ReadField(field, record.Bytes);
            if (field.Type == TValueType::Float32) {
                ASSERT_TRUE(value.is_string()) << field.Name;
                EXPECT_EQ(BitsOfFloat(ParseFloat32(value.get<std::string>(), '.')), bits)
                    << id << ' ' << field.Name;
            } else {
                ASSERT_TRUE(value.is_number_integer()) << field.Name;
                EXPECT_EQ(value.get<std::int64_t>(), IntegerValue(field.Type, bits));
            }
        }
    }
}

// What the editor's text cannot give back is printed as bits, which set reads back.
TEST(CliDump, FloatsTheEditorsTextCannotGiveBackArePrintedAsBits) {
    struct TCase {
        TFieldBits Bits;
        std::string Text;
    };
    const std::vector<TCase> cases{
        {0x7F800000, "0x7F800000"},
        {0xFF800000, "0xFF800000"},
        {0x7FC00000, "0x7FC00000"},
        {0x7F800001, "0x7F800001"}, // signalling NaN: the editor cannot show it
        {0x80000000, "0x80000000"},
        {0x00000000, "0"},
        {0x00000001, "1.40129846432482E-45"}, // the smallest denormal still reads back
    };
    TTempDir dir;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const TBytes bytes = MakeTableFile(SampleSignatureOffset, [&c](int id) {
            TVehicleAudioRecord record = SampleRecord(id);
            record[TField::Unknown3] = c.Bits;
            return record;
        });
        const std::string path = WriteTableFile(dir, "special.exe", bytes);
        const TCliRun csv = RunCli({"dump", path});
        ASSERT_EQ(csv.ExitCode, 0) << csv.Err;
        const std::vector<std::string> cells = Split(Lines(csv.Out)[1], ',');
        EXPECT_EQ(cells[3 + static_cast<std::size_t>(TField::Unknown3)], c.Text);
        EXPECT_EQ(cells.back(), HexOf(bytes, SampleRecordOffset(400), RecordSize));

        const TCliRun json = RunCli({"dump", path, "--json"});
        ASSERT_EQ(json.ExitCode, 0) << json.Err;
        EXPECT_EQ(nlohmann::json::parse(json.Out)[0]["Unknown3"], c.Text);
    }
}

TEST(CliDump, ATableCutOffByTheEndOfTheFileFailsWithoutPrintingHalfOfIt) {
    TTempDir dir;
    TBytes bytes = MakeTableFile(SampleSignatureOffset, SampleRecord, 0);
    bytes.resize(bytes.size() - 10);
    const std::string path = WriteTableFile(dir, "cut.exe", bytes);
    const TCliRun run = RunCli({"dump", path});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, path + ": Read beyond end of file.\n");
    EXPECT_EQ(run.Out, "");
}

TEST(CliOutput, AFullDiskIsAFailureNotASuccess) {
    TTempDir dir;
    const TCliRun run = RunCli({"dump", WriteTableFile(dir, "full.exe")}, "/dev/full");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "Disk full.\n");
}

// Notepad, findstr and a batch file's for /f read lines ended by CR LF: what the Windows
// program prints into a pipe or a file has them, on both streams; the Linux program's
// keeps bare LFs.
TEST(CliOutput, RedirectedTextHasTheSystemsLineEnds) {
    TTempDir dir;
    const std::string path = WriteTableFile(dir, "game.exe");
    const std::string file = dir.File("dump.csv");
    const TCliRun dump = RunCli({"dump", path});
    ASSERT_EQ(RunCli({"dump", path}, file).ExitCode, 0);
    const TCliRun usage = RunCli({"dumb", path}); // several lines on stderr
    const std::string lineEnd = CliIsWindowsProgram() ? "\r\n" : "\n";
    const std::vector<std::pair<std::string, std::string>> printed{
        {dump.RawOut, dump.Out}, {ReadText(file), dump.Out}, {usage.RawErr, usage.Err}};
    for (const auto& [raw, text] : printed) {
        EXPECT_EQ(text.find('\r'), std::string::npos);
        EXPECT_GT(std::ranges::count(text, '\n'), 2) << text;
        EXPECT_EQ(raw, std::regex_replace(text, std::regex("\n"), lineEnd));
    }
}

// The Windows program writes each piece as it comes (stderr a piece per <<): a CR LF
// printed as such, even cut between two pieces, stays one line end, not CR CR LF.
TEST(CliOutput, WindowsLineEndsStayWholeWhereverAWriteEnds) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"a\nb\n"}, "a\r\nb\r\n"},       {{"a\r\nb\r\n"}, "a\r\nb\r\n"},
        {{"a\r", "\nb\n"}, "a\r\nb\r\n"}, {{"a", "\n", "\n"}, "a\r\n\r\n"},
        {{"a\r", "b\n"}, "a\rb\r\n"},
    };
    for (const auto& [pieces, expected] : cases) {
        cli::TCrLfLines lines;
        std::string written;
        for (const std::string& piece : pieces) {
            written += lines(piece);
        }
        EXPECT_EQ(written, expected);
    }
}

} // namespace
} // namespace klarvon::test

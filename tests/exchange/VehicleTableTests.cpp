// The table of either kind as both programs commit through it: a cfg row changed by
// another program since it was read is not written over, a change a cfg row cannot hold is
// refused with the bytes it would set, and an unchanged record writes nothing.
#include "exchange/VehicleTable.h"

#include "tests/support/ExpectError.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace klarvon::test {
namespace {

using exchange::TVehicleChange;
using exchange::TVehicleTable;

constexpr std::string_view Cfg = "; sounds\r\n"
                                 "infernus 0 38 37 1 0.9 1 2 1.06 2 0 7 0 2 0\r\n"
                                 "mycar 0 38 37 1 0.9 1 2 1.06 2 0 7 0 2 0\r\n";

std::string Text(const std::string& path) {
    const TBytes bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

std::string WriteCfg(const TTempDir& dir, std::string_view text) {
    const std::string path = dir.File("vehicleAudio.cfg");
    WriteBytes(path, TBytes(text.begin(), text.end()));
    return path;
}

// The record of a vehicle as read now, and the same with its horn (the game's byte 16)
// set to horn.
struct TReadChange {
    exchange::TVehicle Vehicle;
    TRecordBytes Before;
    TRecordBytes After;
};
TReadChange HornChange(const std::string& path, std::string_view model, std::uint8_t horn) {
    const TVehicleTable table(path, TOpenMode::ReadOnly);
    const exchange::TVehicleRecord record = *table.Read(table.Find(model));
    TRecordBytes after = record.Bytes;
    after[16] = horn;
    return {record.Vehicle, record.Bytes, after};
}

void Commit(const std::string& path, const TVehicleChange& change) {
    TVehicleTable table(path, TOpenMode::Change);
    const std::array changes{change};
    table.Commit(table.Prepare(changes));
}

// A row, or an added vehicle's row, that another program changed, added or removed after it
// was read: nothing is written, whichever vehicle of the file it is.
TEST(VehicleTable, ACfgRowChangedSinceItWasReadIsNotWrittenOver) {
    TTempDir dir;
    struct Case {
        std::string_view Model;
        std::string_view ChangedMeanwhile;
    };
    const Case cases[] = {
        {"infernus", "; sounds\r\ninfernus 0 38 37 1 0.9 1 9 1.06 2 0 7 0 2 0\r\n"
                     "mycar 0 38 37 1 0.9 1 2 1.06 2 0 7 0 2 0\r\n"},
        {"mycar", "; sounds\r\ninfernus 0 38 37 1 0.9 1 2 1.06 2 0 7 0 2 0\r\n"
                  "mycar 0 38 37 1 0.9 1 2 1.06 2 0 8 0 2 0\r\n"},
        {"mycar", "; sounds\r\ninfernus 0 38 37 1 0.9 1 2 1.06 2 0 7 0 2 0\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ChangedMeanwhile));
        const std::string path = WriteCfg(dir, Cfg);
        const TReadChange read = HornChange(path, c.Model, 5);
        WriteCfg(dir, c.ChangedMeanwhile);
        ExpectError<EStaleRecord>(
            [&] {
                Commit(path, {read.Vehicle, read.Before, read.After});
            },
            "The record was changed by another program after it was read; "
            "nothing was written");
        EXPECT_EQ(Text(path), c.ChangedMeanwhile);
    }
    // Read and written with nothing in between, the change is made.
    const std::string path = WriteCfg(dir, Cfg);
    const TReadChange read = HornChange(path, "infernus", 5);
    Commit(path, {read.Vehicle, read.Before, read.After});
    EXPECT_EQ(Text(path), "; sounds\r\ninfernus 0 38 37 1 0.9 1 5 1.06 2 0 7 0 2 0\r\n"
                          "mycar 0 38 37 1 0.9 1 2 1.06 2 0 7 0 2 0\r\n");
}

// Bytes the game leaves empty have no column in a cfg: a change that sets one is refused
// before anything is written, with the bytes named for whoever words the refusal.
TEST(VehicleTable, AChangeThatSetsPadBytesIsRefusedWithThem) {
    TTempDir dir;
    const std::string path = WriteCfg(dir, Cfg);
    const TReadChange read = HornChange(path, "infernus", 2);
    TRecordBytes after = read.After;
    after[17] = 1;
    after[29] = 7;
    const TVehicleTable table(path, TOpenMode::ReadOnly);
    const std::array changes{TVehicleChange{read.Vehicle, read.Before, after}};
    const auto refused = ExpectError<exchange::EPadBytes>(
        [&] { table.Prepare(changes); },
        "411 INFERNUS: the change sets pad bytes, which a cfg row does not hold; change the "
        "game's fields (--game)");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->Offsets, (std::vector<std::size_t>{17, 29}));
    EXPECT_EQ(refused->Context, path);
    EXPECT_EQ(Text(path), Cfg);
}

// A record whose change leaves it as it was is not a change: a cfg is not even replaced.
TEST(VehicleTable, AnUnchangedRecordIsLeftOut) {
    TTempDir dir;
    const std::string path = WriteCfg(dir, Cfg);
    const TReadChange read = HornChange(path, "mycar", 2);
    TVehicleTable table(path, TOpenMode::Change);
    const std::array changes{TVehicleChange{read.Vehicle, read.Before, read.Before}};
    const exchange::TPreparedChange prepared = table.Prepare(changes);
    EXPECT_TRUE(prepared.Changes.empty());
    table.Commit(prepared);
    EXPECT_EQ(Text(path), Cfg);
}

} // namespace
} // namespace klarvon::test

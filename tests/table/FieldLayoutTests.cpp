#include "table/FieldLayout.h"
#include "table/VehicleAudioRecord.h"

#include "support/ExpectError.h"
#include "table/Errors.h"
#include "table/TextConversions.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace klarvon {
namespace {

// A record as the game stores a car with an engine upgrade: editor and game disagree
// on offsets 16..19, 24..25 and 31..35.
TRecordBytes UpgradedCar() {
    return {
        0x00, 0xAA,             // VehicleAudioType 0, pad
        0x26, 0x00, 0x25, 0x00, // PlayerBank 38, DummyBank 37
        0x01, 0xBB,             // BassSetting 1, pad
        0x66, 0x66, 0x66, 0x3F, // BassFactor 0.9
        0x00, 0x00, 0x80, 0x3F, // EnginePitch 1
        0xFF, 0x11, 0x22, 0x33, // HornType -1, pad
        0x00, 0x00, 0xC0, 0x3F, // HornPitch 1.5
        0x02, 0x02, 0x0D, 0xFF, // DoorType 2, EngineUpgrade 2, RadioStation 13, RadioType -1
        0x07, 0x44, 0x55, 0x66, // VehicleAudioTypeForName 7, pad
        0x00, 0x00, 0xC0, 0xC0, // EngineVolumeOffset -6
    };
}

TEST(GameLayout, ReadsEachFieldAtTheGamesOffsetWithItsSign) {
    struct TCase {
        std::string_view Field;
        std::string Text; // FormatLayoutField with '.'
        std::optional<std::string_view> Meaning;
    };
    const std::vector<TCase> cases{
        {"VehicleAudioType", "0", "car"},
        {"PlayerBank", "38", {}},
        {"DummyBank", "37", {}},
        {"BassSetting", "1", "boost"},
        {"BassFactor", "0.899999976158142", {}},
        {"EnginePitch", "1", {}},
        {"HornType", "-1", "none"},
        {"HornPitch", "1.5", {}},
        {"DoorType", "2", "new"},
        {"EngineUpgrade", "2", {}},
        {"RadioStation", "13", "off"},
        {"RadioType", "-1", "disabled"},
        {"VehicleAudioTypeForName", "7", {}},
        {"EngineVolumeOffset", "-6", {}},
    };
    ASSERT_EQ(GameLayout().size(), cases.size());
    const TRecordBytes bytes = UpgradedCar();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const TLayoutField& field = GameLayout()[i];
        ASSERT_EQ(field.Name, cases[i].Field);
        const TFieldBits bits = ReadField(field, bytes);
        EXPECT_EQ(FormatValue(field.Type, bits, '.'), cases[i].Text) << field.Name;
        EXPECT_EQ(MeaningOf(field, bits), cases[i].Meaning) << field.Name;
    }
    // The editor reads the same bytes as a door type of 514 and garbage horn and float.
    const TVehicleAudioRecord editor = TVehicleAudioRecord{bytes};
    EXPECT_EQ(IntegerValue(EditorField(TField::DoorSoundType).Type, editor[TField::DoorSoundType]),
              514);
    EXPECT_EQ(editor[TField::HornType], 0x332211FFU);
}

TEST(GameLayout, PadBytesAreExactlyThoseNoFieldCovers) {
    EXPECT_EQ(PadOffsets(GameLayout()), (std::vector<std::size_t>{1, 7, 17, 18, 19, 29, 30, 31}));
    EXPECT_TRUE(PadOffsets(EditorLayout()).empty());
    // No two fields share a byte: widths and pads add up to the record.
    for (const TLayout layout : {GameLayout(), EditorLayout()}) {
        const std::size_t widths = std::accumulate(
            layout.begin(), layout.end(), std::size_t{0},
            [](std::size_t sum, const TLayoutField& f) { return sum + TypeWidth(f.Type); });
        EXPECT_EQ(widths + PadOffsets(layout).size(), RecordSize);
    }
}

TEST(GameLayout, WritingAFieldTouchesOnlyItsOwnBytes) {
    for (const TLayout layout : {GameLayout(), EditorLayout()}) {
        for (const TLayoutField& field : layout) {
            const TRecordBytes before = UpgradedCar();
            TRecordBytes after = before;
            const TFieldBits mask =
                TypeWidth(field.Type) == 4 ? 0xFFFFFFFF : (1U << (8 * TypeWidth(field.Type))) - 1;
            WriteField(field, 0xA5C3E781 & mask, after);
            for (std::size_t i = 0; i < RecordSize; ++i) {
                const bool own = i >= field.Offset && i < field.Offset + TypeWidth(field.Type);
                EXPECT_EQ(after[i] != before[i], own) << field.Name << " byte " << i;
            }
            EXPECT_EQ(ReadField(field, after), 0xA5C3E781 & mask) << field.Name;
            // Bits wider than the field would be cut to another value: refused, unwritten.
            if (mask != 0xFFFFFFFF) {
                TRecordBytes refused = before;
                EXPECT_THROW(WriteField(field, mask + 1, refused), ERangeError) << field.Name;
                EXPECT_EQ(refused, before) << field.Name;
            }
        }
    }
}

TEST(GameLayout, TextsAreCheckedAgainstTheFieldsOwnType) {
    struct TCase {
        std::string_view Field;
        std::string_view Text;
        std::optional<TFieldBits> Bits; // empty: Range check error
    };
    const std::vector<TCase> cases{
        {"VehicleAudioType", "-1", 0xFF}, {"VehicleAudioType", "127", 0x7F},
        {"VehicleAudioType", "128", {}},  {"VehicleAudioType", "-129", {}},
        {"EngineUpgrade", "255", 0xFF},   {"EngineUpgrade", "-1", {}},
        {"EngineUpgrade", "256", {}},     {"PlayerBank", "-32768", 0x8000},
        {"PlayerBank", "32768", {}},      {"PlayerBank", "$FFFFFFFF", 0xFFFF},
        {"HornType", "$FFFFFFFF", 0xFF},  {"EngineVolumeOffset", "-6", 0xC0C00000},
    };
    for (const TCase& c : cases) {
        const TLayoutField& field = *FindLayoutField(GameLayout(), c.Field);
        if (c.Bits) {
            EXPECT_EQ(ParseValue(field.Type, c.Text, '.'), *c.Bits) << c.Field << '=' << c.Text;
        } else {
            EXPECT_THROW(ParseValue(field.Type, c.Text, '.'), ERangeError) << c.Text;
        }
    }
    EXPECT_EQ(FindLayoutField(GameLayout(), "DoorSoundType"), nullptr);
    test::ExpectError<EConvertError>(
        [] { ParseValue(FindLayoutField(GameLayout(), "DoorType")->Type, "1.5", '.'); },
        "'1.5' is not a valid integer value");
}

// The window finds its fields by TField; a slip between the enumeration and the editor's
// layout would show and write one field's bytes in another's control.
TEST(EditorLayout, FieldsFollowTheWindowsNamesInStoredOrder) {
    constexpr std::array<std::pair<TField, std::string_view>, FieldCount> names{{
        {TField::VehicleType, "VehicleType"},
        {TField::PowerOnSoundId, "PowerOnSoundId"},
        {TField::PowerOffSoundId, "PowerOffSoundId"},
        {TField::Unknown1, "Unknown1"},
        {TField::Unknown2, "Unknown2"},
        {TField::Unknown3, "Unknown3"},
        {TField::HornType, "HornType"},
        {TField::HornTone, "HornTone"},
        {TField::DoorSoundType, "DoorSoundType"},
        {TField::RadioStation, "RadioStation"},
        {TField::RadioType, "RadioType"},
        {TField::Unknown4, "Unknown4"},
        {TField::Unknown5, "Unknown5"},
        {TField::Unknown6, "Unknown6"},
        {TField::Unknown7, "Unknown7"},
        {TField::Unknown8, "Unknown8"},
    }};
    ASSERT_EQ(EditorLayout().size(), FieldCount);
    std::size_t end = 0;
    for (const auto& [field, name] : names) {
        EXPECT_EQ(EditorField(field).Name, name);
        EXPECT_EQ(EditorField(field).Offset, end) << name; // packed, no gaps
        end = EditorField(field).Offset + TypeWidth(EditorField(field).Type);
    }
    EXPECT_EQ(end, RecordSize);
}

// A patch line names its layout by the mark before the field, and a field is placed by its
// index in a layout: a slip would read "--game HornType" as the editor's four-byte horn, or
// find the editor's HornType (int32 at 16) in the game's reading (int8 at 16).
TEST(Layouts, AreFoundByTheirMarkAndByTheFieldsTheyHold) {
    struct TMarkCase {
        std::string_view Text;
        const TLayout* Layout; // nullptr: no layout's mark ends the text
    };
    const std::vector<TMarkCase> marks{
        {"411 INFERNUS --game", &GameLayout()},
        {"--game", &GameLayout()},
        {"INFERNUS", nullptr},
        {"INFERNUS--game", nullptr},
        {"", nullptr},
        {"--game INFERNUS", nullptr},
    };
    for (const TMarkCase& c : marks) {
        const TLayout* found = LayoutMarkedAtEnd(Layouts(), c.Text);
        EXPECT_EQ(found ? found->Name : "none", c.Layout ? c.Layout->Name : "none") << c.Text;
    }

    struct THolderCase {
        std::string_view Field;
        const TLayout* Layout; // the first of Layouts() holding it
    };
    const std::vector<THolderCase> holders{
        {"HornType", &EditorLayout()}, {"DoorSoundType", &EditorLayout()},
        {"PlayerBank", &GameLayout()}, {"EngineVolumeOffset", &GameLayout()},
        {"hornType", nullptr},
    };
    for (const THolderCase& c : holders) {
        const TLayout* found = LayoutWithField(Layouts(), c.Field);
        EXPECT_EQ(found ? found->Name : "none", c.Layout ? c.Layout->Name : "none") << c.Field;
    }

    for (const TLayout& layout : Layouts()) {
        for (std::size_t i = 0; i < layout.size(); ++i) {
            EXPECT_EQ(FieldIndex(layout, layout[i]), i) << layout[i].Name;
        }
    }
    EXPECT_EQ(FieldIndex(GameLayout(), EditorField(TField::HornType)), std::nullopt);
    EXPECT_EQ(FieldIndex(EditorLayout(), *FindLayoutField(GameLayout(), "RadioType")),
              std::nullopt);
}

} // namespace
} // namespace klarvon

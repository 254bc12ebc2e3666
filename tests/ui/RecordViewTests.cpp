// The editor's view of a record on the real road: read from a file, shown on stand-in
// controls, changed, applied through the record file's commit, and the whole file compared
// afterwards.

#include "ui/main/RecordView.h"

#include "support/RecordFiles.h"
#include "support/TempDir.h"
#include "table/Errors.h"
#include "table/RecordFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace klarvon {
namespace {

using test::ReadRecord;

using test::TBytes;

constexpr std::int64_t RecordOffset = 77; // odd, with bytes on both sides
constexpr std::size_t FileSize = 200;

// Stand-ins for the window's controls. The radio groups are written out here on
// purpose, apart from the binding table: RadioButton1-9, 10-15, 16-28, 29-31.
struct TFakeForm {
    static constexpr std::array<std::pair<int, int>, RadioGroupCount> Groups{
        {{1, 9}, {10, 15}, {16, 28}, {29, 31}}};

    std::array<bool, RadioButtonCount + 1> Radio{};
    int Slider = 0;
    std::array<std::string, EditCount + 1> Edit{};

    void Check(int button) {
        for (const auto& [first, last] : Groups) {
            if (button >= first && button <= last) {
                for (int b = first; b <= last; ++b) {
                    Radio.at(static_cast<std::size_t>(b)) = false;
                }
            }
        }
        Radio.at(static_cast<std::size_t>(button)) = true;
    }

    TFormControls Controls() {
        return {
            [this](int b) { return Radio.at(static_cast<std::size_t>(b)); },
            [this](int b) { Check(b); },
            [this] { return Slider; },
            [this](int p) { Slider = p; },
            [this](int e) { return Edit.at(static_cast<std::size_t>(e)); },
            [this](int e, const std::string& t) { Edit.at(static_cast<std::size_t>(e)) = t; },
        };
    }
};

TFieldBits Int(TField field, std::int64_t value) {
    return BitsOfInteger(EditorField(field).Type, value);
}

constexpr TFieldBits NegativeZero = 0x8000'0000;
constexpr TFieldBits PlusInfinity = 0x7F80'0000;
constexpr TFieldBits QuietNaN = 0x7FC0'0000;
constexpr TFieldBits QuietNaNWithPayload = 0xFFC1'2345;
constexpr TFieldBits SignallingNaN = 0x7FA0'0000;

TVehicleAudioRecord TypicalRecord() {
    TVehicleAudioRecord r;
    r[TField::VehicleType] = 0;
    r[TField::PowerOnSoundId] = 99;
    r[TField::PowerOffSoundId] = 100;
    r[TField::Unknown1] = 1;
    r[TField::Unknown2] = BitsOfFloat(0.78F);
    r[TField::Unknown3] = BitsOfFloat(1.0F);
    r[TField::HornType] = 3;
    r[TField::HornTone] = BitsOfFloat(0.005F);
    r[TField::DoorSoundType] = 2;
    r[TField::RadioStation] = 5;
    r[TField::RadioType] = 0;
    r[TField::Unknown4] = 1;
    r[TField::Unknown7] = BitsOfFloat(3.6F);
    return r;
}

TBytes FileWith(const TVehicleAudioRecord& record) {
    TBytes bytes(FileSize);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    const TRecordBytes& encoded = record.Bytes;
    std::copy(encoded.begin(), encoded.end(), bytes.begin() + RecordOffset);
    return bytes;
}

// A file holding one record, read into a view through ReadRecord as the window does.
struct TOpenRecord {
    test::TTempDir Dir;
    std::string Path = Dir.File("gta_sa.exe");
    TBytes Original;
    TRecordView View;

    TOpenRecord(const TVehicleAudioRecord& record, char separator) : Original(FileWith(record)) {
        test::WriteBytes(Path, Original);
        Read(separator);
    }

    void Read(char separator) {
        TVehicleAudioRecord current;
        View.BeginShow();
        ReadRecord(Path, RecordOffset, current,
                   [&](TField f) { View.FieldArrived(f, current[f], separator); });
    }

    // As the window applies: the file first, then the controls' values, then one write.
    void Apply(const TFormValues& now, char separator) {
        TRecordFile writer(Path, TOpenMode::Change);
        const TVehicleAudioRecord record = View.Collect(now, separator);
        const std::array change{TRecordChange{RecordOffset, View.AsRead().Bytes, record.Bytes}};
        writer.Commit(change);
        writer.Close();
    }

    TBytes Bytes() const { return test::ReadBytes(Path); }
};

struct TOddValue {
    const char* Name;
    std::vector<std::pair<TField, TFieldBits>> Fields;
};

TVehicleAudioRecord With(const std::vector<std::pair<TField, TFieldBits>>& fields) {
    TVehicleAudioRecord record = TypicalRecord();
    for (const auto& [field, bits] : fields) {
        record[field] = bits;
    }
    return record;
}

const std::vector<TOddValue> OddValues{
    {"typical", {}},
    {"vehicle type 6", {{TField::VehicleType, 6}}},
    {"vehicle type 7", {{TField::VehicleType, 7}}},
    {"vehicle type -1", {{TField::VehicleType, Int(TField::VehicleType, -1)}}},
    {"door 514", {{TField::DoorSoundType, 514}}},
    {"door 257", {{TField::DoorSoundType, 257}}},
    {"door -1", {{TField::DoorSoundType, Int(TField::DoorSoundType, -1)}}},
    {"station 0", {{TField::RadioStation, 0}}},
    {"station 200", {{TField::RadioStation, 200}}},
    {"radio type 255", {{TField::RadioType, 255}}},
    {"radio type 2", {{TField::RadioType, 2}}},
    {"horn 300", {{TField::HornType, 300}}},
    {"horn -5", {{TField::HornType, Int(TField::HornType, -5)}}},
    {"horn 10", {{TField::HornType, 10}}},
    {"negative zero", {{TField::Unknown7, NegativeZero}, {TField::HornTone, NegativeZero}}},
    {"infinity",
     {{TField::Unknown2, PlusInfinity}, {TField::Unknown3, PlusInfinity | NegativeZero}}},
    {"quiet NaN", {{TField::HornTone, QuietNaN}, {TField::Unknown7, QuietNaNWithPayload}}},
    {"smallest denormal", {{TField::Unknown2, 1}}},
    {"integer extremes",
     {{TField::PowerOnSoundId, Int(TField::PowerOnSoundId, -32768)},
      {TField::PowerOffSoundId, 32767},
      {TField::Unknown4, 255},
      {TField::Unknown8, 255}}},
    {"all odd at once",
     {{TField::VehicleType, 7},
      {TField::DoorSoundType, 514},
      {TField::RadioStation, 0},
      {TField::RadioType, 255},
      {TField::HornType, 300},
      {TField::Unknown2, NegativeZero},
      {TField::Unknown3, PlusInfinity},
      {TField::Unknown7, QuietNaN}}},
};

TEST(RecordViewTest, UntouchedRecordWritesBackBitIdentical) {
    for (const char separator : {'.', ','}) {
        for (const TOddValue& odd : OddValues) {
            SCOPED_TRACE(std::string(odd.Name) + ", separator " + separator);
            TOpenRecord file(With(odd.Fields), separator);
            ASSERT_TRUE(file.View.IsWhole());
            file.Apply(file.View.Shown(), separator);
            EXPECT_EQ(file.Bytes(), file.Original);
        }
    }
}

// The user moves every control away and back, through the controls themselves.
TEST(RecordViewTest, ChangedAndChangedBackIsStillAsRead) {
    const char separator = ',';
    TOpenRecord file(With(OddValues.back().Fields), separator);
    TFakeForm form;
    const TFormControls controls = form.Controls();
    for (const TFieldBinding& binding : FieldBindings) {
        PutField(binding.Field, file.View.Shown(), controls);
    }
    ASSERT_EQ(ReadControls(controls), file.View.Shown());

    const TFakeForm asShown = form;
    for (const int button : {2, 11, 17, 29}) {
        form.Check(button);
    }
    form.Slider = 4;
    for (std::string& text : form.Edit) {
        text += "1";
    }
    ASSERT_NE(ReadControls(controls), file.View.Shown());
    for (const int button : {9, 15, 28, 31}) {
        form.Check(button);
    }
    form.Slider = asShown.Slider;
    form.Edit = asShown.Edit;

    file.Apply(ReadControls(controls), separator);
    EXPECT_EQ(file.Bytes(), file.Original);
}

struct TShowCase {
    const char* Name;
    TField Field;
    TFieldBits Bits;
    char Separator;
    TControlKind Kind;
    int Number;       // the checked radio button, the slider position, or the edit
    std::string Text; // edits only
};

TEST(RecordViewTest, ShowPutsEachFieldOnItsControl) {
    using enum TControlKind;
    const std::vector<TShowCase> cases{
        {"type 6 is Special", TField::VehicleType, 6, '.', RadioGroup, 9, ""},
        {"door 514 is Type 5", TField::DoorSoundType, 514, '.', RadioGroup, 15, ""},
        {"station 0 is Nothing", TField::RadioStation, 0, '.', RadioGroup, 28, ""},
        {"radio type 255", TField::RadioType, 255, '.', RadioGroup, 31, ""},
        {"horn 300", TField::HornType, 300, '.', Slider, 10, ""},
        {"power on", TField::PowerOnSoundId, 0x8000, '.', Edit, 1, "-32768"},
        {"power off", TField::PowerOffSoundId, 12, '.', Edit, 2, "12"},
        {"horn tone", TField::HornTone, BitsOfFloat(0.005F), ',', Edit, 3, "0,00499999988824129"},
        {"unknown1", TField::Unknown1, 0xFFFF, '.', Edit, 4, "-1"},
        {"unknown2", TField::Unknown2, PlusInfinity, '.', Edit, 5, "INF"},
        {"unknown3", TField::Unknown3, QuietNaN, '.', Edit, 6, "NAN"},
        {"unknown4", TField::Unknown4, 255, '.', Edit, 7, "255"},
        {"unknown5", TField::Unknown5, 5, '.', Edit, 8, "5"},
        {"unknown6", TField::Unknown6, 6, '.', Edit, 9, "6"},
        {"unknown7", TField::Unknown7, NegativeZero, '.', Edit, 10, "0"},
        {"unknown8", TField::Unknown8, 8, '.', Edit, 11, "8"},
    };
    for (const TShowCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TFormValues values;
        ShowField(c.Field, c.Bits, c.Separator, values);
        TFakeForm form;
        PutField(c.Field, values, form.Controls());
        switch (c.Kind) {
        case RadioGroup:
            for (int b = 1; b <= RadioButtonCount; ++b) {
                EXPECT_EQ(form.Radio.at(static_cast<std::size_t>(b)), b == c.Number) << b;
            }
            break;
        case Slider:
            EXPECT_EQ(form.Slider, c.Number);
            break;
        case Edit:
            for (int e = 1; e <= static_cast<int>(EditCount); ++e) {
                EXPECT_EQ(form.Edit.at(static_cast<std::size_t>(e)), e == c.Number ? c.Text : "")
                    << e;
            }
            break;
        }
    }
}

using TChange = std::function<void(TFormValues&)>;

TChange Row(std::size_t group, std::optional<std::size_t> row) {
    return [=](TFormValues& v) { v.CheckedRow[group] = row; };
}
TChange Slide(int position) {
    return [=](TFormValues& v) { v.SliderPosition = position; };
}
TChange Type(int edit, std::string text) {
    return [=](TFormValues& v) { v.EditText[EditIndex(edit)] = text; };
}

struct TChangeCase {
    const char* Name;
    std::vector<std::pair<TField, TFieldBits>> Stored;
    TChange Change;
    char Separator;
    TField Field;
    TFieldBits Written;
};

TEST(RecordViewTest, ChangedControlsEncodeByTheirRules) {
    const std::vector<TChangeCase> cases{
        {"Special", {}, Row(0, 8), '.', TField::VehicleType, 10},
        {"no vehicle type checked", {}, Row(0, std::nullopt), '.', TField::VehicleType, 10},
        {"door Type 5", {}, Row(1, 5), '.', TField::DoorSoundType, 255},
        {"514 to Type 1", {{TField::DoorSoundType, 514}}, Row(1, 1), '.', TField::DoorSoundType, 1},
        {"Nothing", {}, Row(2, 12), '.', TField::RadioStation, 13},
        {"Special vehicles", {}, Row(3, 2), '.', TField::RadioType, 1},
        {"Noncivilian over 255", {{TField::RadioType, 255}}, Row(3, 1), '.', TField::RadioType, 3},
        {"slider to 10", {}, Slide(10), '.', TField::HornType, 255},
        {"slider 300 to 0", {{TField::HornType, 300}}, Slide(0), '.', TField::HornType, 0},
        {"negative id", {}, Type(1, "-5"), '.', TField::PowerOnSoundId, 0xFFFB},
        {"comma float", {}, Type(3, "1,5"), ',', TField::HornTone, BitsOfFloat(1.5F)},
        {"typed negative zero", {}, Type(6, "-0"), '.', TField::Unknown3, NegativeZero},
        {"over INF",
         {{TField::Unknown7, PlusInfinity}},
         Type(10, "2"),
         '.',
         TField::Unknown7,
         BitsOfFloat(2.0F)},
        {"last byte", {}, Type(11, "200"), '.', TField::Unknown8, 200},
    };
    for (const TChangeCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TOpenRecord file(With(c.Stored), c.Separator);
        TFormValues now = file.View.Shown();
        c.Change(now);
        file.Apply(now, c.Separator);

        TVehicleAudioRecord expected = file.View.AsRead();
        expected[c.Field] = c.Written;
        EXPECT_EQ(file.Bytes(), FileWith(expected));
    }
}

struct TFailureCase {
    const char* Name;
    std::vector<TChange> Changes;
    char Separator;
    std::string Message;
};

TEST(RecordViewTest, FailedConversionWritesNothing) {
    const std::vector<TFailureCase> cases{
        {"byte 300", {Type(7, "300")}, '.', "Range check error"},
        {"letters", {Type(2, "abc")}, '.', "'abc' is not a valid integer value"},
        {"cleared", {Type(1, "")}, '.', "'' is not a valid integer value"},
        {"point under comma", {Type(3, "1.5")}, ',', "'1.5' is not a valid floating point value"},
        {"overflow", {Type(5, "1E39")}, '.', "Floating point overflow"},
        // Edit4 (Unknown1) is stored before Edit3 (HornTone): stored order decides.
        {"stored order", {Type(3, "x"), Type(4, "99999")}, '.', "Range check error"},
        {"first of two",
         {Type(7, "300"), Type(2, "abc")},
         '.',
         "'abc' is not a valid integer value"},
    };
    for (const TFailureCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TOpenRecord file(With({}), c.Separator);
        TFormValues now = file.View.Shown();
        for (const TChange& change : c.Changes) {
            change(now);
        }
        try {
            file.Apply(now, c.Separator);
            ADD_FAILURE() << "applied";
        } catch (const EKlarvonError& e) {
            EXPECT_EQ(std::string(e.what()), c.Message);
        }
        EXPECT_EQ(file.Bytes(), file.Original);
    }
}

TEST(RecordViewTest, RecordNotReadWholeCannotBeApplied) {
    for (const TField field :
         {TField::Unknown2, TField::Unknown3, TField::HornTone, TField::Unknown7}) {
        for (const TFieldBits nan : {SignallingNaN, SignallingNaN | NegativeZero | 1}) {
            SCOPED_TRACE(std::string(EditorField(field).Name) + " " + std::to_string(nan));
            TVehicleAudioRecord record = TypicalRecord();
            record[field] = nan;
            EXPECT_THROW(Show(record, '.'), EInvalidOp);

            test::TTempDir dir;
            const std::string path = dir.File("gta_sa.exe");
            test::WriteBytes(path, FileWith(record));
            TRecordView view;
            TVehicleAudioRecord current;
            EXPECT_THROW(ReadRecord(path, RecordOffset, current,
                                    [&](TField f) { view.FieldArrived(f, current[f], '.'); }),
                         EInvalidOp);
            EXPECT_FALSE(view.IsWhole());
            EXPECT_THROW((void)view.Collect(view.Shown(), '.'), std::logic_error);
        }
    }

    // A record cut off by the end of the file, then a whole one: only the latter applies.
    TOpenRecord file(TypicalRecord(), '.');
    TVehicleAudioRecord current;
    file.View.BeginShow();
    EXPECT_THROW(ReadRecord(file.Path, FileSize - 20, current,
                            [&](TField f) { file.View.FieldArrived(f, current[f], '.'); }),
                 EInOutError);
    EXPECT_FALSE(file.View.IsWhole());
    EXPECT_THROW(file.Apply(file.View.Shown(), '.'), std::logic_error);
    file.Read('.');
    EXPECT_TRUE(file.View.IsWhole());
    EXPECT_NO_THROW(file.Apply(file.View.Shown(), '.'));
    EXPECT_EQ(file.Bytes(), file.Original);
}

} // namespace
} // namespace klarvon

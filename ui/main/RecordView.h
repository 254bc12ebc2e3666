#pragma once
// The editor's view of one record, free of any window: which control shows which
// field, what the controls show for a stored record, and what an apply writes.
//
// The rule that keeps files intact: a control whose value is still what the show put
// there writes the field's bits exactly as they were read. Only values the user
// actually changed go through the choice tables, the slider code or the text parse,
// so odd stored values (a door sound of 514, a radio type of 255, a negative zero, an
// INF) survive an apply that did not touch them.

#include "table/ValueCodes.h"
#include "table/VehicleAudioRecord.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace klarvon {

// --- Which control shows which field -----------------------------------------------

enum class TControlKind { RadioGroup, Slider, Edit };

inline constexpr std::size_t RadioGroupCount = 4;
inline constexpr std::size_t EditCount = 11;
inline constexpr int RadioButtonCount = 31;
inline constexpr int HornSlider = 1; // TrackBar1

// A radio group: RadioButton<FirstRadioButton> shows the choice table's row 0, the
// following buttons the following rows.
struct TRadioGroupBinding {
    int FirstRadioButton;
    const TChoiceTable* Choices;
};

// In the order of TFormValues::CheckedRow.
inline constexpr std::array<TRadioGroupBinding, RadioGroupCount> RadioGroups{{
    {1, &VehicleTypeChoices},
    {10, &DoorSoundTypeChoices},
    {16, &RadioStationChoices},
    {29, &RadioTypeChoices},
}};

// Control is the number in the control's name: Edit<Control>, TrackBar<Control>, or
// the first radio button of the field's group.
struct TFieldBinding {
    TField Field;
    TControlKind Kind;
    int Control;
};

// In stored order, one row per field.
inline constexpr std::array<TFieldBinding, FieldCount> FieldBindings{{
    {TField::VehicleType, TControlKind::RadioGroup, 1},
    {TField::PowerOnSoundId, TControlKind::Edit, 1},
    {TField::PowerOffSoundId, TControlKind::Edit, 2},
    {TField::Unknown1, TControlKind::Edit, 4},
    {TField::Unknown2, TControlKind::Edit, 5},
    {TField::Unknown3, TControlKind::Edit, 6},
    {TField::HornType, TControlKind::Slider, HornSlider},
    {TField::HornTone, TControlKind::Edit, 3},
    {TField::DoorSoundType, TControlKind::RadioGroup, 10},
    {TField::RadioStation, TControlKind::RadioGroup, 16},
    {TField::RadioType, TControlKind::RadioGroup, 29},
    {TField::Unknown4, TControlKind::Edit, 7},
    {TField::Unknown5, TControlKind::Edit, 8},
    {TField::Unknown6, TControlKind::Edit, 9},
    {TField::Unknown7, TControlKind::Edit, 10},
    {TField::Unknown8, TControlKind::Edit, 11},
}};

constexpr const TFieldBinding& Binding(TField field) {
    return FieldBindings[static_cast<std::size_t>(field)];
}

// Index into TFormValues::EditText of Edit<number>.
constexpr std::size_t EditIndex(int editNumber) {
    return static_cast<std::size_t>(editNumber - 1);
}

constexpr int EditNumber(std::size_t editIndex) {
    return static_cast<int>(editIndex) + 1;
}

// Index into RadioGroups / TFormValues::CheckedRow of the group bound to a field.
constexpr std::size_t RadioGroupIndex(const TFieldBinding& binding) {
    for (std::size_t i = 0; i < RadioGroupCount; ++i) {
        if (RadioGroups[i].FirstRadioButton == binding.Control) {
            return i;
        }
    }
    return RadioGroupCount;
}

constexpr int RadioButtonOf(std::size_t group, std::size_t row) {
    return RadioGroups[group].FirstRadioButton + static_cast<int>(row);
}

// --- What the controls show ----------------------------------------------------------

struct TFormValues {
    // Per radio group: the first checked row in table order, or none.
    std::array<std::optional<std::size_t>, RadioGroupCount> CheckedRow{};
    int SliderPosition = HornSliderMin;
    // EditText[EditIndex(n)] is the text of Edit<n>.
    std::array<std::string, EditCount> EditText{};

    friend bool operator==(const TFormValues&, const TFormValues&) = default;
};

// Puts one stored field into values the way its control shows it: the choice its
// group selects, the clamped slider position, or its text. A signalling NaN throws
// EInvalidOp, as the core does.
void ShowField(TField field, TFieldBits bits, char decimalSeparator, TFormValues& values);

// The whole record, field by field in stored order.
TFormValues Show(const TVehicleAudioRecord& record, char decimalSeparator);

// The record an apply writes. A field whose control still holds what the show produced
// keeps its bits as read; any other is converted from the control's current value, in
// stored order, and the first conversion that fails throws with its message.
TVehicleAudioRecord Collect(const TVehicleAudioRecord& asRead, const TFormValues& shown,
                            const TFormValues& now, char decimalSeparator);

// --- The window's controls ------------------------------------------------------------

// How the window reads and sets its controls, by the numbers in their names. Lets the
// binding table, not the window, decide which control a field goes to.
struct TFormControls {
    std::function<bool(int radioButton)> IsChecked;
    std::function<void(int radioButton)> Check;
    std::function<int()> SliderPosition;
    std::function<void(int position)> SetSliderPosition;
    std::function<std::string(int edit)> EditText;
    std::function<void(int edit, const std::string& text)> SetEditText;
};

// Sets the control of one field to what values hold for it (a group without a row
// is left as it is: nothing can show "no choice").
void PutField(TField field, const TFormValues& values, const TFormControls& controls);

// What the controls show now; a group's row is its first checked button.
TFormValues ReadControls(const TFormControls& controls);

// --- One record from its show to its apply --------------------------------------------

// Keeps the record as read and what its show produced, and knows whether the record
// arrived whole: a show cut short (end of file, a signalling NaN) leaves the form with
// two vehicles' values, and such a form must not be applied.
class TRecordView {
public:
    // Forgets the previous record; nothing can be applied until a new one is whole.
    void BeginShow();
    // A field has arrived from the file with these bits: remembers them and works out
    // what its control shows (see ShowField; may throw EInvalidOp, and then the field
    // does not count as shown).
    void FieldArrived(TField field, TFieldBits bits, char decimalSeparator);

    bool IsWhole() const { return arrived_.all(); }
    const TVehicleAudioRecord& AsRead() const { return asRead_; }
    const TFormValues& Shown() const { return shown_; }

    // An apply wrote record: it is what the file now holds, so a second apply of the same
    // show is computed from it (and is not taken for another program's change).
    void Written(const TVehicleAudioRecord& record) { asRead_ = record; }

    // Collect for the controls' current values; throws std::logic_error unless the record
    // arrived whole.
    TVehicleAudioRecord Collect(const TFormValues& now, char decimalSeparator) const;

private:
    TVehicleAudioRecord asRead_{};
    TFormValues shown_{};
    std::bitset<FieldCount> arrived_{};
};

} // namespace klarvon

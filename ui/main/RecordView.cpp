#include "ui/main/RecordView.h"

#include "table/ValueType.h"

#include <stdexcept>
#include <utility>

namespace klarvon {

namespace {

// The binding table is checked where it is compiled, so a slip in it cannot build.
constexpr bool BindingsFollowStoredOrder() {
    for (std::size_t i = 0; i < FieldCount; ++i) {
        if (FieldBindings[i].Field != static_cast<TField>(i)) {
            return false;
        }
    }
    return true;
}

constexpr bool EachControlShowsOneField() {
    std::array<int, EditCount> editUses{};
    std::array<int, RadioGroupCount> groupUses{};
    int sliderUses = 0;
    for (const TFieldBinding& binding : FieldBindings) {
        switch (binding.Kind) {
        case TControlKind::Edit:
            if (binding.Control < 1 || EditIndex(binding.Control) >= EditCount) {
                return false;
            }
            ++editUses[EditIndex(binding.Control)];
            break;
        case TControlKind::RadioGroup: {
            const std::size_t group = RadioGroupIndex(binding);
            if (group >= RadioGroupCount || RadioGroups[group].Choices->Field != binding.Field) {
                return false;
            }
            ++groupUses[group];
            break;
        }
        case TControlKind::Slider:
            if (binding.Control != HornSlider || binding.Field != TField::HornType) {
                return false;
            }
            ++sliderUses;
            break;
        }
    }
    for (const int uses : editUses) {
        if (uses != 1) {
            return false;
        }
    }
    for (const int uses : groupUses) {
        if (uses != 1) {
            return false;
        }
    }
    return sliderUses == 1;
}

// The groups' buttons follow one another without gap or overlap: RadioButton1 to
// RadioButton31.
constexpr bool RadioButtonsTileTheGroups() {
    int next = 1;
    for (const TRadioGroupBinding& group : RadioGroups) {
        if (group.FirstRadioButton != next) {
            return false;
        }
        next += static_cast<int>(group.Choices->RowCount());
    }
    return next == RadioButtonCount + 1;
}

static_assert(BindingsFollowStoredOrder());
static_assert(EachControlShowsOneField());
static_assert(RadioButtonsTileTheGroups());

TFieldBits Convert(const TFieldBinding& binding, const TFormValues& now, char decimalSeparator) {
    switch (binding.Kind) {
    case TControlKind::RadioGroup: {
        const std::size_t group = RadioGroupIndex(binding);
        return EncodeChoice(*RadioGroups[group].Choices, now.CheckedRow[group]);
    }
    case TControlKind::Slider:
        return EncodeHornPosition(now.SliderPosition);
    case TControlKind::Edit:
        return ParseValue(EditorField(binding.Field).Type, now.EditText[EditIndex(binding.Control)],
                          decimalSeparator);
    }
    throw std::logic_error("Unknown control kind");
}

bool StillAsShown(const TFieldBinding& binding, const TFormValues& shown, const TFormValues& now) {
    switch (binding.Kind) {
    case TControlKind::RadioGroup: {
        const std::size_t group = RadioGroupIndex(binding);
        return now.CheckedRow[group] == shown.CheckedRow[group];
    }
    case TControlKind::Slider:
        return now.SliderPosition == shown.SliderPosition;
    case TControlKind::Edit: {
        const std::size_t edit = EditIndex(binding.Control);
        return now.EditText[edit] == shown.EditText[edit];
    }
    }
    return false;
}

} // namespace

void ShowField(TField field, TFieldBits bits, char decimalSeparator, TFormValues& values) {
    const TFieldBinding& binding = Binding(field);
    switch (binding.Kind) {
    case TControlKind::RadioGroup: {
        const std::size_t group = RadioGroupIndex(binding);
        values.CheckedRow[group] = DecodeChoice(*RadioGroups[group].Choices, bits);
        return;
    }
    case TControlKind::Slider:
        values.SliderPosition = DecodeHornPosition(bits);
        return;
    case TControlKind::Edit:
        values.EditText[EditIndex(binding.Control)] =
            FormatValue(EditorField(field).Type, bits, decimalSeparator);
        return;
    }
}

TFormValues Show(const TVehicleAudioRecord& record, char decimalSeparator) {
    TFormValues values;
    for (const TFieldBinding& binding : FieldBindings) {
        ShowField(binding.Field, record[binding.Field], decimalSeparator, values);
    }
    return values;
}

TVehicleAudioRecord Collect(const TVehicleAudioRecord& asRead, const TFormValues& shown,
                            const TFormValues& now, char decimalSeparator) {
    TVehicleAudioRecord record = asRead;
    for (const TFieldBinding& binding : FieldBindings) {
        if (!StillAsShown(binding, shown, now)) {
            record[binding.Field] = Convert(binding, now, decimalSeparator);
        }
    }
    return record;
}

void PutField(TField field, const TFormValues& values, const TFormControls& controls) {
    const TFieldBinding& binding = Binding(field);
    switch (binding.Kind) {
    case TControlKind::RadioGroup: {
        const std::size_t group = RadioGroupIndex(binding);
        if (const std::optional<std::size_t> row = values.CheckedRow[group]) {
            controls.Check(RadioButtonOf(group, *row));
        }
        return;
    }
    case TControlKind::Slider:
        controls.SetSliderPosition(values.SliderPosition);
        return;
    case TControlKind::Edit:
        controls.SetEditText(binding.Control, values.EditText[EditIndex(binding.Control)]);
        return;
    }
}

TFormValues ReadControls(const TFormControls& controls) {
    TFormValues values;
    for (std::size_t group = 0; group < RadioGroupCount; ++group) {
        const std::size_t rows = RadioGroups[group].Choices->RowCount();
        for (std::size_t row = 0; row < rows; ++row) {
            if (controls.IsChecked(RadioButtonOf(group, row))) {
                values.CheckedRow[group] = row;
                break;
            }
        }
    }
    values.SliderPosition = controls.SliderPosition();
    for (std::size_t edit = 0; edit < EditCount; ++edit) {
        values.EditText[edit] = controls.EditText(EditNumber(edit));
    }
    return values;
}

void TRecordView::BeginShow() {
    *this = TRecordView{};
}

void TRecordView::FieldArrived(TField field, TFieldBits bits, char decimalSeparator) {
    const auto index = static_cast<std::size_t>(field);
    arrived_.reset(index);
    asRead_[field] = bits;
    ShowField(field, bits, decimalSeparator, shown_);
    arrived_.set(index);
}

TVehicleAudioRecord TRecordView::Collect(const TFormValues& now, char decimalSeparator) const {
    if (!IsWhole()) {
        throw std::logic_error("A record that was not read whole cannot be applied");
    }
    return klarvon::Collect(asRead_, shown_, now, decimalSeparator);
}

} // namespace klarvon

#include "ui/main/TForm1.h"

#include "assets/Assets.h"

#include <map>
#include <stdexcept>
#include <string>

namespace klarvon {
namespace {

// The number a control's name ends in: 17 for "RadioButton17".
int NumberIn(std::string_view name) {
    const std::size_t digits = name.find_last_not_of("0123456789") + 1;
    return std::stoi(std::string(name.substr(digits)));
}

template <class T, std::size_t N> T& Keep(std::array<T*, N>& family, int n, T& control) {
    family.at(static_cast<std::size_t>(n)) = &control;
    return control;
}

// A renamed executable (gta-sa.exe, a copy) or a cfg can be chosen through either dialog.
const TFileFilter AllFilesFilter{"All files", "*"};

template <class T> T* Named(const TForm& form, std::string_view name) {
    auto* component = dynamic_cast<T*>(form.FindComponent(name));
    if (component == nullptr) {
        throw std::logic_error("The main window has no " + std::string(name));
    }
    return component;
}

} // namespace

TForm1::TForm1() : TForm("Form1") {
    SetCaption(MainCaption(NarrowCaptionGap));
    SetBorderIcons({.Minimize = true, .Maximize = false});
    SetPosition(TFormPosition::ScreenCenter);
    SetAlphaBlendValue(MainAlphaBlend);
    SetColor(clMenuBar);
    SetClientSize(MainClientWidth, MainClientHeight);

    CreateMenu();
    CreateControls();
    CreateNonVisual();
    LoadBackground();
    // The scale under the horn slider stands under its ticks whatever the font's width.
    Label(6).SetSpread(true);
    BindControls();
    ConnectEvents();
    // Nothing to undo or check until a file is open.
    Undoapply1->SetEnabled(false);
    Check1->SetEnabled(false);
    // The creation handler runs as any event does: a failure in it is reported, and the
    // window stands all the same.
    Application().Invoke([this] { FormCreate(); });
}

void TForm1::CreateMenu() {
    MainMenu1 = &Add<TMainMenu>(*this, "MainMenu1");
    std::map<std::string_view, TMenuItem*> items;
    for (const TMenuRow& row : MainMenuLayout()) {
        TMenuItem& item = row.Parent.empty() ? Add<TMenuItem>(*MainMenu1, row.Name)
                                             : Add<TMenuItem>(*items.at(row.Parent), row.Name);
        item.SetCaption(row.Caption);
        item.SetCheckable(row.Checkable);
        items.emplace(row.Name, &item);
    }
    Programme1 = items.at("Programme1");
    Openexe1 = items.at("Openexe1");
    Opencfg1 = items.at("Opencfg1");
    Saveexe1 = items.at("Saveexe1");
    Undoapply1 = items.at("Undoapply1");
    Check1 = items.at("Check1");
    Exit1 = items.at("Exit1");
    Settings1 = items.at("Settings1");
    ShowUnknown1 = items.at("ShowUnknown1");
    Sounds1 = items.at("Sounds1");
    Testdrive1 = items.at("Testdrive1");
    Horn1 = items.at("Horn1");
    Doors1 = items.at("Doors1");
    Stop1 = items.at("Stop1");
    Gamefolder1 = items.at("Gamefolder1");
    About1 = items.at("About1");
    IDofEngineSound1 = items.at("IDofEngineSound1");
    Help1 = items.at("Help1");
    About2 = items.at("About2");
}

void TForm1::CreateControls() {
    std::map<std::string_view, TWinControl*> containers{{"Form1", this}};
    for (const TLayoutRow& row : MainLayout()) {
        TWinControl& parent = *containers.at(row.Parent);
        const std::string_view name = row.Name;
        const int n = NumberIn(name);
        TControl* control = nullptr;
        switch (row.Kind) {
        case TLayoutKind::Image:
            control = Image1 = &Add<TImage>(parent, name);
            break;
        case TLayoutKind::ListBox:
            control = ListBox1 = &Add<TListBox>(parent, name);
            break;
        case TLayoutKind::TrackBar:
            control = TrackBar1 = &Add<TTrackBar>(parent, name);
            break;
        case TLayoutKind::Panel: {
            TPanel& panel = Keep(panels_, n, Add<TPanel>(parent, name));
            panel.SetBevel((row.State & LoweredBevel) != 0 ? TBevel::Lowered : TBevel::None);
            containers.emplace(name, &panel);
            control = &panel;
            break;
        }
        case TLayoutKind::GroupBox:
            control = &Keep(groupBoxes_, n, Add<TGroupBox>(parent, name));
            containers.emplace(name, static_cast<TGroupBox*>(control));
            break;
        case TLayoutKind::Label:
            control = &Keep(labels_, n, Add<TLabel>(parent, name));
            break;
        case TLayoutKind::Button:
            control = &Keep(buttons_, n, Add<TButton>(parent, name));
            break;
        case TLayoutKind::Edit:
            control = &Keep(edits_, n, Add<TEdit>(parent, name));
            break;
        case TLayoutKind::CheckBox:
            control = &Keep(checkBoxes_, n, Add<TCheckBox>(parent, name));
            break;
        case TLayoutKind::RadioButton:
            control = &Keep(radioButtons_, n, Add<TRadioButton>(parent, name));
            break;
        }
        // Caption first: a label fits itself to it, then takes the designed bounds.
        control->SetCaption(row.Caption);
        control->SetBounds(row.Left, row.Top, row.Width, row.Height);
        if ((row.State & InfoColour) != 0) {
            control->SetColor(clInfoBk);
        }
        if ((row.State & Disabled) != 0) {
            control->SetEnabled(false);
        }
    }
}

void TForm1::CreateNonVisual() {
    OpenDialog1 = &Add<TOpenDialog>(*this, "OpenDialog1");
    OpenDialog1->SetTitle("Select your gta_sa.exe");
    OpenDialog1->SetFilters({{"gta_sa.exe", "*gta_sa.exe"}, AllFilesFilter});
    OpenDialog1->SetHideReadOnly(true);

    OpenDialog2 = &Add<TOpenDialog>(*this, "OpenDialog2");
    OpenDialog2->SetTitle("Select your gtasa_vehicleAudioSettings.cfg");
    OpenDialog2->SetFilters({{"gtasa_vehicleAudioSettings.cfg", "*.cfg"}, AllFilesFilter});
    OpenDialog2->SetHideReadOnly(true);

    Timer1 = &Add<TTimer>(*this, "Timer1");
    Timer1->SetInterval(1000);
    Timer1->SetEnabled(false);
}

void TForm1::LoadBackground() {
    // A missing or damaged picture costs the background, not the editor.
    try {
        Image1->LoadFromResource(MainBackgroundAsset);
    } catch (const std::exception& error) {
        Application().ShowException(error);
    }
}

void TForm1::BindControls() {
    // The record view names controls by number; these reach them.
    controls_ = {
        .IsChecked = [this](int n) { return RadioButton(n).Checked(); },
        .Check = [this](int n) { RadioButton(n).SetChecked(true); },
        .SliderPosition = [this] { return TrackBar1->Position(); },
        .SetSliderPosition = [this](int position) { TrackBar1->SetPosition(position); },
        .EditText = [this](int n) { return Edit(n).Text(); },
        .SetEditText = [this](int n, const std::string& text) { Edit(n).SetText(text); },
    };
}

void TForm1::ConnectEvents() {
    ListBox1->OnClick = [this] { ListBox1Click(); };
    Edit(1).OnChange = [this] { Edit1Change(); };
    Edit(2).OnChange = [this] { Edit2Change(); };
    CheckBox(1).OnClick = [this] { CheckBox1Click(); };
    CheckBox(2).OnClick = [this] { CheckBox2Click(); };
    CheckBox(3).OnClick = [this] { CheckBox3Click(); };
    TrackBar1->OnChange = [this] { TrackBar1Change(); };
    Button(1).OnClick = [this] { Button1Click(); };
    Button(2).OnClick = [this] { Button2Click(); };
    Button(3).OnClick = [this] { Button3Click(); };
    Button(4).OnClick = [this] { Button4Click(); };
    Timer1->OnTimer = [this] { Timer1Timer(); };
    Openexe1->OnClick = [this] { Openexe1Click(); };
    Opencfg1->OnClick = [this] { Opencfg1Click(); };
    Saveexe1->OnClick = [this] { Saveexe1Click(); };
    Undoapply1->OnClick = [this] { Undoapply1Click(); };
    Check1->OnClick = [this] { Check1Click(); };
    Exit1->OnClick = [this] { Exit1Click(); };
    ShowUnknown1->OnClick = [this] { ShowUnknown1Click(); };
    Testdrive1->OnClick = [this] { Testdrive1Click(); };
    Horn1->OnClick = [this] { Horn1Click(); };
    Doors1->OnClick = [this] { Doors1Click(); };
    Stop1->OnClick = [this] { Stop1Click(); };
    Gamefolder1->OnClick = [this] { Gamefolder1Click(); };
    IDofEngineSound1->OnClick = [this] { IDofEngineSound1Click(); };
    Help1->OnClick = [this] { Help1Click(); };
    About2->OnClick = [this] { About2Click(); };
}

} // namespace klarvon

#include "ui/About/TForm2.h"

#include "assets/Assets.h"

#include <algorithm>
#include <array>
#include <exception>
#include <string>

namespace klarvon {

namespace {

constexpr std::string_view FormName = "Form2";
constexpr std::string_view FormCaption = "A B O U T";
constexpr int FormClientWidth = 165;
constexpr int FormClientHeight = 194;

// The designed faces are "Bookman Old Style" and "Century Gothic", 10 point (13 pixels);
// the URW families are their freely installable look-alikes.
constexpr const char* TitleFace = "URW Bookman";
constexpr const char* CreditFace = "URW Gothic";
constexpr int CreditPixelHeight = 13;

enum class TLabelStyle { Heading, Name, Credit };

TFont LabelFont(TLabelStyle style) {
    TFont font;
    font.PixelHeight = CreditPixelHeight;
    switch (style) {
    case TLabelStyle::Heading:
        font.Name = TitleFace;
        font.Color = clFuchsia;
        font.Underline = true;
        break;
    case TLabelStyle::Name:
        font.Name = TitleFace;
        font.Color = clFuchsia;
        break;
    case TLabelStyle::Credit:
        font.Name = CreditFace;
        font.Color = clWhite;
        break;
    }
    return font;
}

struct TLabelDesign {
    std::string_view Name;
    int Left;
    int Top;
    int Width;
    int Height;
    std::string_view Caption;
    TLabelStyle Style;
};

// In creation (and drawing) order, above the picture.
constexpr std::array<TLabelDesign, 7> LabelDesigns{{
    {"Label1", 16, 0, 133, 18, "Klarvon", TLabelStyle::Heading},
    {"Label2", 24, 32, 61, 18, "Coded by:", TLabelStyle::Heading},
    {"Label3", 40, 54, 70, 18, AboutAuthorFirstName, TLabelStyle::Name},
    {"Label4", 56, 70, 60, 18, AboutAuthorSurname, TLabelStyle::Name},
    {"Label5", 24, 96, 71, 18, "Thanks to:", TLabelStyle::Heading},
    {"Label6", 40, 118, 64, 18, AboutContributor, TLabelStyle::Name},
    {"Label7", 16, 150, 120, 17, AboutCreditLine, TLabelStyle::Credit},
}};

} // namespace

TForm2::TForm2(TForm& mainForm) : TForm(FormName, &mainForm), mainForm_(mainForm) {
    SetCaption(FormCaption);
    SetClientSize(FormClientWidth, FormClientHeight);
    SetBorderIcons({.Minimize = false, .Maximize = false});
    SetPosition(TFormPosition::OwnerFormCenter);
    CreateControls();
    ConnectEvents();
}

void TForm2::CreateControls() {
    Image2 = &Add<TImage>(*this, "Image2");
    // The picture is larger than the window on purpose: it is squeezed into a control
    // that overhangs the client area on both sides and below.
    Image2->SetBounds(-18, 0, 235, 241);
    Image2->SetStretch(true);
    try {
        Image2->LoadFromResource(AboutBackgroundAsset);
    } catch (const std::exception& error) {
        // The window works without its picture; say why it is missing and go on.
        Application().ShowException(error);
    }

    std::array<TLabel**, LabelDesigns.size()> members{&Label1, &Label2, &Label3, &Label4,
                                                      &Label5, &Label6, &Label7};
    for (std::size_t i = 0; i < LabelDesigns.size(); ++i) {
        const TLabelDesign& design = LabelDesigns[i];
        TLabel& label = Add<TLabel>(*this, design.Name);
        label.SetFont(LabelFont(design.Style));
        label.SetCaption(design.Caption);
        label.SetBounds(design.Left, design.Top, design.Width, design.Height);
        // The designed width, unless the stand-in face needs more: a clipped credit
        // would lose its last letter.
        label.SetAutoSize(false);
        label.FitToCaption();
        label.SetWidth(std::max(label.Width(), design.Width));
        *members[i] = &label;
    }
    Label3->SetCursor(TCursor::HandPoint);

    Button1 = &Add<TButton>(*this, "Button1");
    Button1->SetBounds(40, 168, 81, 25);
    Button1->SetCaption("Close");
}

void TForm2::ConnectEvents() {
    Button1->OnClick = [this] { Button1Click(); };
    Label3->OnClick = [this] { Label3Click(); };
    OnClose = [this] { FormClose(); };
}

void TForm2::Open() {
    Application().Beep();
    Show();
    mainForm_.SetEnabled(false);
}

void TForm2::Button1Click() {
    Close();
}

void TForm2::FormClose() {
    mainForm_.SetEnabled(true);
    Application().Beep();
}

void TForm2::Label3Click() {
    Application().ShellOpen(AboutAuthorPage);
}

} // namespace klarvon

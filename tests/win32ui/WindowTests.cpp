// The main window and the About window on the Windows control layer, seen through the
// Windows API alone: window classes, bounds, captions, start states, styles, colours and
// fonts against the design (tests/support), and the road of one edit driven through the
// controls' own messages on a generated executable.
#include "sound/Wav.h"
#include "tests/controls/Driver.h"
#include "tests/support/AnsweringDialogs.h"
#include "tests/support/ExeBuilder.h"
#include "tests/support/MainWindowDesign.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowTestFiles.h"
#include "tests/win32ui/KeyPress.h"
#include "ui/About/TForm2.h"
#include "ui/controls/Dialogs.h"
#include "ui/controls/win32/ControlImpl.h"
#include "ui/controls/win32/NativeDialogs.h"
#include "ui/main/TForm1.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <cwctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace klarvon::test {
namespace {

// --- The design --------------------------------------------------------------------------

struct TKindClass {
    TKind Kind;
    const wchar_t* ClassName;
    LONG ButtonType; // BS_... for buttons, -1 otherwise
};

const TKindClass KindClasses[] = {
    {Picture, L"KlarvonPicture", -1},
    {List, L"ListBox", -1},
    {Panel, L"KlarvonPanel", -1},
    {Group, L"Button", BS_GROUPBOX},
    {Label, L"Static", -1},
    {Push, L"Button", BS_PUSHBUTTON},
    {Edit, L"Edit", -1},
    {Check, L"Button", BS_AUTOCHECKBOX},
    {Radio, L"Button", BS_AUTORADIOBUTTON},
    {Slider, L"msctls_trackbar32", -1},
};

// The first radio button of each of the four groups opens a keyboard group.
const std::vector<std::string> GroupLeaders{"RadioButton1", "RadioButton10", "RadioButton16",
                                            "RadioButton29"};

// --- Helpers -----------------------------------------------------------------------------

std::string Text(HWND window) {
    return Narrow(WindowText(window));
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

RECT BoundsInParent(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

LONG Style(HWND window) {
    return static_cast<LONG>(GetWindowLongPtrW(window, GWL_STYLE));
}

void Pump(int milliseconds) {
    DeliverUntil([] { return false; }, milliseconds);
}

// The background a container hands a child for its WM_CTLCOLOR... message.
COLORREF ChildBackground(HWND child, UINT message) {
    HDC dc = GetDC(child);
    SendMessageW(GetParent(child), message, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(child));
    const COLORREF colour = GetBkColor(dc);
    ReleaseDC(child, dc);
    return colour;
}

// A 32-bit top-down bitmap selected into a memory DC of its own, so that the display's
// depth cannot round what is drawn into it; released with the object.
class TBitmap32 {
public:
    TBitmap32(int width, int height) : memory_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(memory_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(memory_, bitmap_);
    }
    ~TBitmap32() {
        SelectObject(memory_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(memory_);
    }
    TBitmap32(const TBitmap32&) = delete;
    TBitmap32& operator=(const TBitmap32&) = delete;

    HDC Dc() const { return memory_; }
    // Blue-green-red pixels, row by row from the top.
    const std::uint32_t* Pixels() const { return static_cast<const std::uint32_t*>(bits_); }

private:
    HDC memory_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

// The colour a window erases its own background with, read from a 32-bit bitmap so that
// the display's depth cannot round it.
COLORREF ErasedBackground(HWND window) {
    constexpr int Side = 16;
    const TBitmap32 canvas(Side, Side);
    SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
    return GetPixel(canvas.Dc(), Side / 2, Side / 2);
}

// The columns a caption's drawing inks, from the control's own drawing code into a
// bitmap wider than the control by Pad on each side, so that nothing the drawing does
// is clipped away: a label through the WM_DRAWITEM its container routes to it, a group
// box through WM_PRINTCLIENT (only the rows above its frame line: the title). Returns
// {first, past last} relative to the control's left edge; {0, 0} when nothing is inked.
std::pair<int, int> InkedColumns(HWND window, bool isGroup) {
    constexpr int Pad = 24;
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right + 2 * Pad;
    const int height = client.bottom;
    const TBitmap32 canvas(width, height);
    const HDC memory = canvas.Dc();
    const COLORREF background = BackgroundOf(GetParent(window));
    RECT all{0, 0, width, height};
    FillRect(memory, &all, BrushFor(background));
    SetViewportOrgEx(memory, Pad, 0, nullptr);
    int rows = height;
    if (isGroup) {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
        TEXTMETRICW metrics{};
        const HGDIOBJ font = SelectObject(memory, ImplOf(window)->Font);
        GetTextMetricsW(memory, &metrics);
        SelectObject(memory, font);
        rows = metrics.tmHeight / 2;
    } else {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_STATIC;
        item.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = IsWindowEnabled(window) ? 0 : ODS_DISABLED;
        item.hwndItem = window;
        item.hDC = memory;
        item.rcItem = client;
        SendMessageW(GetParent(window), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    }
    GdiFlush();
    // A DIB holds blue-green-red; COLORREF is red-green-blue.
    const std::uint32_t plain =
        (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
    const std::uint32_t* pixels = canvas.Pixels();
    int first = width;
    int last = -1;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x) {
            if ((pixels[y * width + x] & 0xFFFFFF) != plain) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return last < 0 ? std::pair{0, 0} : std::pair{first - Pad, last + 1 - Pad};
}

LOGFONTW FontOf(HWND window) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// Whether the program runs on the themed common controls, version 6, that its manifest asks
// for: the library says so itself, or (Wine, whose library reports 5.81 in either role) it
// was loaded from the side-by-side assembly of version 6.
bool UsesCommonControls6() {
    HMODULE library = GetModuleHandleW(L"comctl32.dll");
    using TGetVersion = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
    const auto getVersion = reinterpret_cast<TGetVersion>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllGetVersion")));
    DLLVERSIONINFO version{};
    version.cbSize = sizeof version;
    if (getVersion != nullptr && SUCCEEDED(getVersion(&version)) && version.dwMajorVersion >= 6) {
        return true;
    }
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(library, path, MAX_PATH);
    std::wstring lower(path);
    for (wchar_t& c : lower) {
        c = static_cast<wchar_t>(towlower(c));
    }
    return lower.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.") !=
           std::wstring::npos;
}

// A user's click, as the control itself turns it into its notification.
void Click(HWND window) {
    SendMessageW(window, BM_CLICK, 0, 0);
}

// --- The windows -------------------------------------------------------------------------

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousFolder_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_.Path());
        form1_ = std::make_unique<TForm1>();
        form2_ = std::make_unique<TForm2>(*form1_);
        form1_->Form2 = form2_.get();
    }

    // Only where a test needs it: Wine without a window manager waits two seconds for every
    // shown window that goes away.
    void ShowMain() {
        form1_->Show();
        Pump(50);
    }

    void TearDown() override {
        form2_.reset();
        form1_.reset();
        std::filesystem::current_path(previousFolder_);
    }

    HWND Window(std::string_view name) const {
        if (name == "Form1") {
            return form1_->Impl().Handle;
        }
        auto* control = dynamic_cast<TControl*>(form1_->FindComponent(name));
        return control != nullptr ? control->Impl().Handle : nullptr;
    }

    // The windows again, started in a folder whose Settings.ini names language.
    void Restart(std::string_view language) {
        form2_.reset();
        form1_.reset();
        WriteBytes(folder_.File("Settings.ini"), TBytes(language.begin(), language.end()));
        form1_ = std::make_unique<TForm1>();
        form2_ = std::make_unique<TForm2>(*form1_);
        form1_->Form2 = form2_.get();
    }

    HWND Form1() const { return form1_->Impl().Handle; }
    HWND Form2() const { return form2_->Impl().Handle; }

    TAnsweringDialogs answers_;
    TPlatformDialogsOverride seam_{answers_};
    TTempDir folder_;
    std::filesystem::path previousFolder_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
};

TEST_F(WindowTest, EveryControlStandsAsDesigned) {
    for (const TExpectedControl& expected : Design) {
        SCOPED_TRACE(expected.Name);
        HWND window = Window(expected.Name);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(GetParent(window), Window(expected.Parent));
        for (const TKindClass& kind : KindClasses) {
            if (kind.Kind != expected.Kind) {
                continue;
            }
            EXPECT_EQ(lstrcmpiW(ClassOf(window).c_str(), kind.ClassName), 0)
                << Narrow(ClassOf(window));
            if (kind.ButtonType >= 0) {
                EXPECT_EQ(Style(window) & BS_TYPEMASK, kind.ButtonType);
            }
        }
        const RECT bounds = BoundsInParent(window);
        EXPECT_EQ(bounds.left, expected.Left);
        EXPECT_EQ(bounds.top, expected.Top);
        // A label may be wider than designed where the face standing in for the design font
        // needs more room for its text (CaptionsAreDrawnWhole), never narrower. The scale
        // under the slider (Label6) spreads its text over the designed width instead.
        const bool fitsText = expected.Kind == Label && std::string_view(expected.Name) != "Label6";
        if (fitsText) {
            EXPECT_GE(bounds.right - bounds.left, expected.Width);
        } else {
            EXPECT_EQ(bounds.right - bounds.left, expected.Width);
        }
        EXPECT_EQ(bounds.bottom - bounds.top, expected.Height);
        EXPECT_EQ(Text(window), expected.Caption);
        EXPECT_EQ(IsWindowEnabled(window) != FALSE, expected.Enabled);
        EXPECT_NE(Style(window) & WS_VISIBLE, 0);
        if (expected.Kind == Radio) {
            const bool leads = std::find(GroupLeaders.begin(), GroupLeaders.end(), expected.Name) !=
                               GroupLeaders.end();
            EXPECT_EQ((Style(window) & WS_GROUP) != 0, leads);
            EXPECT_EQ(SendMessageW(window, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        }
    }
    // Nothing but the designed controls: the window's children are exactly these.
    int children = 0;
    EnumChildWindows(
        Form1(),
        [](HWND, LPARAM count) {
            ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    EXPECT_EQ(children, static_cast<int>(std::size(Design)));
    EXPECT_TRUE(answers_.Boxes.empty())
        << "an error box at start-up: " << answers_.Boxes.front().Text;
}

// Every label's and group title's drawing stays inside its bounds, and every label inside
// its container short of a group box's frame, in both languages: no last letter or colon
// cut off, no frame line painted over, whatever face stands in for the design font.
TEST_F(WindowTest, CaptionsAreDrawnWholeInBothLanguages) {
    for (const char* language : {"Eng", "Rus"}) {
        SCOPED_TRACE(language);
        Restart(language);
        for (const TExpectedControl& expected : Design) {
            if (expected.Kind != Label && expected.Kind != Group) {
                continue;
            }
            SCOPED_TRACE(expected.Name);
            HWND window = Window(expected.Name);
            const RECT bounds = BoundsInParent(window);
            const auto [first, last] = InkedColumns(window, expected.Kind == Group);
            EXPECT_GT(last, first) << "nothing drawn";
            EXPECT_GE(first, 0);
            if (expected.Kind == Group) {
                EXPECT_LE(last, RoomRightOf(window, 0));
            } else {
                EXPECT_LE(last, bounds.right - bounds.left);
                EXPECT_LE(bounds.right - bounds.left, RoomRightOf(GetParent(window), bounds.left));
            }
        }
    }
}

TEST_F(WindowTest, WindowsHaveTheirFramesSizesAndPlaces) {
    ShowMain();
    struct TFrame {
        const char* Name;
        HWND Window;
        bool Minimize;
        int ClientWidth;
        int ClientHeight;
        const char* Caption;
    };
    const TFrame frames[] = {
        {"Form1", Form1(), true, 631, 417,
         "Klarvon for GTA San Andreas                                       by Klarvon "
         "contributors"},
        {"Form2", Form2(), false, 165, 194, "A B O U T"},
    };
    for (const TFrame& frame : frames) {
        SCOPED_TRACE(frame.Name);
        const LONG style = Style(frame.Window);
        EXPECT_NE(style & WS_CAPTION, 0);
        EXPECT_NE(style & WS_SYSMENU, 0);
        EXPECT_EQ((style & WS_MINIMIZEBOX) != 0, frame.Minimize);
        EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
        EXPECT_EQ(style & WS_THICKFRAME, 0);
        RECT client{};
        GetClientRect(frame.Window, &client);
        EXPECT_EQ(client.right, frame.ClientWidth);
        EXPECT_EQ(client.bottom, frame.ClientHeight);
        EXPECT_EQ(Text(frame.Window), frame.Caption);
        EXPECT_EQ(lstrcmpiW(ClassOf(frame.Window).c_str(), FormClassName), 0);
    }
    EXPECT_EQ(GetWindow(Form2(), GW_OWNER), Form1());
    EXPECT_TRUE(UsesCommonControls6()) << "the themed common controls are not in use";
    EXPECT_FALSE(IsWindowVisible(Form2()));

    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_NE(GetWindowLongPtrW(Form1(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    ASSERT_TRUE(GetLayeredWindowAttributes(Form1(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 245);
    EXPECT_NE(flags & LWA_ALPHA, 0U);

    // Centred on the desktop's work area.
    RECT area{};
    RECT bounds{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(Form1(), &bounds);
    EXPECT_LE(std::abs((bounds.left + bounds.right) - (area.left + area.right)), 1);
    EXPECT_LE(std::abs((bounds.top + bounds.bottom) - (area.top + area.bottom)), 1);
}

TEST_F(WindowTest, ColoursAndFontsFollowTheDesign) {
    struct TBackground {
        const char* Name;
        UINT Message; // WM_CTLCOLOR... to ask the parent, or WM_ERASEBKGND to ask the window
        int SystemColour;
    };
    const TBackground backgrounds[] = {
        {"Form1", WM_ERASEBKGND, COLOR_MENUBAR},
        {"Panel1", WM_ERASEBKGND, COLOR_INFOBK},
        {"Panel3", WM_ERASEBKGND, COLOR_INFOBK},
        {"ListBox1", WM_CTLCOLORLISTBOX, COLOR_INFOBK},
        {"Edit1", WM_CTLCOLORSTATIC, COLOR_WINDOW},        // disabled: asks as a static
        {"GroupBox1", WM_CTLCOLORSTATIC, COLOR_INFOBK},    // the panel's colour
        {"RadioButton1", WM_CTLCOLORSTATIC, COLOR_INFOBK}, // through its group box
        {"RadioButton29", WM_CTLCOLORSTATIC, COLOR_INFOBK},
        {"TrackBar1", WM_CTLCOLORSTATIC, COLOR_INFOBK},
        {"CheckBox1", WM_CTLCOLORSTATIC, COLOR_INFOBK},
    };
    for (const TBackground& background : backgrounds) {
        SCOPED_TRACE(background.Name);
        HWND window = Window(background.Name);
        const COLORREF colour = background.Message == WM_ERASEBKGND
                                    ? ErasedBackground(window)
                                    : ChildBackground(window, background.Message);
        EXPECT_EQ(colour, GetSysColor(background.SystemColour));
    }

    struct TExpectedFont {
        HWND Window;
        const wchar_t* Face;
        LONG Height;
        bool Underline;
    };
    auto label = [](TLabel* control) { return control->Impl().Handle; };
    const TExpectedFont fonts[] = {
        {Window("Label2"), L"MS Sans Serif", -11, false},
        {Window("Button1"), L"MS Sans Serif", -11, false},
        {Window("Edit3"), L"MS Sans Serif", -11, false},
        {label(form2_->Label1), L"Bookman Old Style", -13, true},
        {label(form2_->Label3), L"Bookman Old Style", -13, false},
        {label(form2_->Label7), L"Century Gothic", -13, false},
    };
    for (const TExpectedFont& font : fonts) {
        SCOPED_TRACE(Text(font.Window));
        const LOGFONTW actual = FontOf(font.Window);
        EXPECT_EQ(std::wstring(actual.lfFaceName), font.Face);
        EXPECT_EQ(actual.lfHeight, font.Height);
        EXPECT_EQ(actual.lfUnderline != 0, font.Underline);
    }

    // Both backgrounds decoded from the executable's own resources.
    EXPECT_EQ(form1_->Image1->PictureWidth(), 896);
    EXPECT_EQ(form1_->Image1->PictureHeight(), 717);
    EXPECT_EQ(form2_->Image2->PictureWidth(), 1024);
    EXPECT_EQ(form2_->Image2->PictureHeight(), 768);
    // The picture lies behind every other child of the window.
    EXPECT_EQ(GetWindow(Window("ListBox1"), GW_HWNDLAST), Window("Image1"));
}

TEST_F(WindowTest, ControlsCarryTheirClassicSettings) {
    struct TSetting {
        const char* Name;
        const char* What;
        UINT Message;
        LRESULT Expected;
    };
    const TSetting settings[] = {
        {"ListBox1", "line height", LB_GETITEMHEIGHT, 13},
        {"TrackBar1", "lowest position", TBM_GETRANGEMIN, 0},
        {"TrackBar1", "highest position", TBM_GETRANGEMAX, 10},
        {"TrackBar1", "line step", TBM_GETLINESIZE, 1},
        {"TrackBar1", "page step", TBM_GETPAGESIZE, 2},
        {"TrackBar1", "ticks, one at every position", TBM_GETNUMTICS, 11},
        {"Edit1", "length limit, none to speak of", EM_GETLIMITTEXT, 0x7FFFFFFE},
        {"Edit11", "length limit, none to speak of", EM_GETLIMITTEXT, 0x7FFFFFFE},
    };
    for (const TSetting& setting : settings) {
        SCOPED_TRACE(std::string(setting.Name) + ": " + setting.What);
        EXPECT_EQ(SendMessageW(Window(setting.Name), setting.Message, 0, 0), setting.Expected);
    }
    const LONG slider = Style(Window("TrackBar1"));
    EXPECT_EQ(slider & (TBS_VERT | TBS_BOTTOM | TBS_AUTOTICKS), TBS_BOTTOM | TBS_AUTOTICKS);
    // The list's soft bevel lies in its frame: two pixels on every side.
    RECT outer{};
    RECT client{};
    HWND list = Window("ListBox1");
    GetWindowRect(list, &outer);
    GetClientRect(list, &client);
    MapWindowPoints(list, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(client.left - outer.left, 2);
    EXPECT_EQ(client.top - outer.top, 2);
    EXPECT_EQ(outer.bottom - client.bottom, 2);
}

TEST_F(WindowTest, MenuHoldsTheDesignedItemsAndShowUnknownWidensTheWindow) {
    // The bar's columns and their items, in the design's order.
    std::vector<const TExpectedMenuItem*> columns;
    for (const TExpectedMenuItem& item : MenuDesign) {
        if (*item.Menu == '\0') {
            columns.push_back(&item);
        }
    }
    HMENU bar = GetMenu(Form1());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(columns.size()));
    auto captionAt = [](HMENU menu, int position) {
        wchar_t caption[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(position), caption, 64, MF_BYPOSITION);
        return Narrow(caption);
    };
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        const TExpectedMenuItem& column = *columns[static_cast<std::size_t>(i)];
        SCOPED_TRACE(column.Caption);
        EXPECT_EQ(captionAt(bar, i), column.Caption);
        std::vector<std::string> items;
        std::vector<UINT> states;
        for (const TExpectedMenuItem& item : MenuDesign) {
            if (std::string_view(item.Menu) == column.Name) {
                items.push_back(item.Caption);
                states.push_back(item.StartsDisabled ? MF_GRAYED : 0U);
            }
        }
        HMENU dropDown = GetSubMenu(bar, i);
        ASSERT_EQ(GetMenuItemCount(dropDown), static_cast<int>(items.size()));
        for (int j = 0; j < GetMenuItemCount(dropDown); ++j) {
            EXPECT_EQ(captionAt(dropDown, j), items[static_cast<std::size_t>(j)]);
            EXPECT_EQ(GetMenuState(dropDown, static_cast<UINT>(j), MF_BYPOSITION) &
                          (MF_CHECKED | MF_GRAYED),
                      states[static_cast<std::size_t>(j)]);
        }
    }

    // Settings > Show Unknown as the menu sends it, twice: wide with the mark, then back.
    HMENU settings = GetSubMenu(bar, 1);
    const UINT showUnknown = GetMenuItemID(settings, 0);
    struct TWidth {
        bool Checked;
        int ClientWidth;
        int PanelWidth;
    };
    for (const TWidth& step : {TWidth{true, 799 - 8, 585}, TWidth{false, 639 - 8, 425}}) {
        SendMessageW(Form1(), WM_COMMAND, MAKEWPARAM(showUnknown, 0), 0);
        EXPECT_EQ((GetMenuState(settings, 0, MF_BYPOSITION) & MF_CHECKED) != 0, step.Checked);
        RECT client{};
        GetClientRect(Form1(), &client);
        EXPECT_EQ(client.right, step.ClientWidth);
        EXPECT_EQ(client.bottom, 417);
        const RECT panel = BoundsInParent(Window("Panel1"));
        EXPECT_EQ(panel.right - panel.left, step.PanelWidth);
    }

    // Sounds > Stop through the system's own sound, after a short sound it may or may not
    // have had a device for: the bytes it kept are let go, and nothing fails.
    const std::unique_ptr<TPlatformDialogs> native = MakeNativePlatformDialogs();
    const TPlatformDialogsOverride system(*native);
    sound::TPcmSound tenth;
    tenth.Rate = 22050;
    tenth.Samples.resize(2205);
    native->PlayWave({sound::WavBytes(tenth)});
    form1_->Stop1->Click();
    form1_->Stop1->Click();
}

TEST_F(WindowTest, TabVisitsTheUsableControlsInDesignOrder) {
    ShowMain();
    // At start the list and the editing panel are disabled, and so is "Apply Changes":
    // the focus starts on "Open gta_sa.exe" and Tab goes round the three usable buttons in
    // the order they were created.
    // Shown, the window hands the focus to its first usable control.
    EXPECT_EQ(GetFocus(), Window("Button1"));
    SetFocus(Window("Button1"));
    std::vector<std::string> visited;
    for (int press = 0; press < 4; ++press) {
        // What the program's message loop does with a key it takes from the queue.
        MSG key{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        ASSERT_TRUE(IsDialogMessageW(Form1(), &key));
        const TControlImpl* focused = ImplOf(GetFocus());
        visited.push_back(
            focused != nullptr && focused->Control != nullptr ? focused->Control->Name() : "?");
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"Button3", "Button4", "Button1", "Button3"}));
}

TEST_F(WindowTest, AboutLocksTheMainWindowUntilItCloses) {
    ShowMain();
    Click(Window("Button3"));
    EXPECT_TRUE(IsWindowVisible(Form2()));
    EXPECT_FALSE(IsWindowEnabled(Form1()));
    EXPECT_EQ(answers_.Beeps, 1);
    // Centred on the main window.
    RECT main{};
    RECT about{};
    GetWindowRect(Form1(), &main);
    GetWindowRect(Form2(), &about);
    EXPECT_LE(std::abs((main.left + main.right) - (about.left + about.right)), 1);
    EXPECT_LE(std::abs((main.top + main.bottom) - (about.top + about.bottom)), 1);

    // The author's name shows the hand over it, opens the web page and leaves the window
    // open.
    HWND name = form2_->Label3->Impl().Handle;
    SendMessageW(name, WM_SETCURSOR, reinterpret_cast<WPARAM>(name),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, MAKEINTRESOURCEW(32649))); // IDC_HAND
    SendMessageW(Form2(), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(form2_->Label3->Impl().Handle), STN_CLICKED),
                 reinterpret_cast<LPARAM>(form2_->Label3->Impl().Handle));
    EXPECT_EQ(answers_.ShellTargets, std::vector<std::string>{std::string(AboutAuthorPage)});
    EXPECT_TRUE(IsWindowVisible(Form2()));

    // The system close box.
    SendMessageW(Form2(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump(50);
    EXPECT_FALSE(IsWindowVisible(Form2()));
    EXPECT_TRUE(IsWindowEnabled(Form1()));
    EXPECT_EQ(answers_.Beeps, 2);
}

// A ReadMe beside the program is the one opened, by its whole name, wherever the editor
// was started from; without one there, the working folder's is asked for as before.
TEST_F(WindowTest, TheReadMeBesideTheProgramIsOpenedByItsWholeName) {
    std::wstring module(MAX_PATH, L'\0');
    module.resize(GetModuleFileNameW(nullptr, module.data(), MAX_PATH));
    const std::filesystem::path beside =
        std::filesystem::path(module).parent_path() / std::string(ReadMeFileName);
    ASSERT_FALSE(std::filesystem::exists(beside));
    form1_->IDofEngineSound1->Click();
    { std::ofstream(beside) << "ReadMe\n"; }
    form1_->IDofEngineSound1->Click();
    std::filesystem::remove(beside);
    const std::u8string whole = beside.u8string();
    EXPECT_EQ(answers_.ShellTargets,
              (std::vector<std::string>{std::string(ReadMeFileName),
                                        std::string(whole.begin(), whole.end())}));
}

TEST_F(WindowTest, OneEditFromOpenToConfirmation) {
    const TBytes original = TableExecutable(1);
    // In a folder no ANSI code page can spell (Cyrillic, Latin-1, and a character outside
    // the Basic Multilingual Plane): the path the dialog hands over is UTF-8.
    const std::filesystem::path folder = folder_.Path() / u8"Игры café 𝄞";
    std::filesystem::create_directory(folder);
    const std::u8string exeName = (folder / u8"gta_sa.exe").u8string();
    const std::string exe(exeName.begin(), exeName.end());
    const auto writeBytes = [&folder](const TBytes& bytes) {
        std::ofstream out(folder / u8"gta_sa.exe", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    };
    const auto readBytes = [&folder] {
        std::ifstream in(folder / u8"gta_sa.exe", std::ios::binary);
        return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    writeBytes(original);

    // Open, through the dialog seam.
    answers_.ChosenFile = exe;
    Click(Window("Button1"));
    ASSERT_EQ(answers_.OpenRequests.size(), 1U);
    EXPECT_EQ(answers_.OpenRequests.front().Title, "Select your gta_sa.exe");
    ASSERT_TRUE(answers_.Boxes.empty()) << answers_.Boxes.front().Text;
    HWND list = Window("ListBox1");
    EXPECT_EQ(Text(Window("Label22")), std::to_string(original.size()));
    EXPECT_EQ(Text(Window("Label26")), "Unknown");
    EXPECT_EQ(Text(Window("Label24")), "230");
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), Slots);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_TRUE(IsWindowEnabled(list));
    EXPECT_FALSE(IsWindowEnabled(Window("Button2")));

    // Select slot 3 as the list reports a user's choice.
    SendMessageW(list, LB_SETCURSEL, OneEditSlot, 0);
    SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    ASSERT_TRUE(answers_.Boxes.empty()) << answers_.Boxes.front().Text;
    EXPECT_TRUE(IsWindowEnabled(Window("Panel1")));
    EXPECT_TRUE(IsWindowEnabled(Window("Button2")));
    EXPECT_EQ(Text(Window("Edit1")), "103");
    EXPECT_EQ(Text(Window("Edit2")), "203");
    EXPECT_EQ(Text(Window("Edit3")), "1");
    HWND slider = Window("TrackBar1");
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 3);
    EXPECT_EQ(SendMessageW(Window("RadioButton4"), BM_GETCHECK, 0, 0), BST_CHECKED); // Boat

    // A radio choice, the slider by two page steps of the keyboard, and a float.
    Click(Window("RadioButton2"));
    EXPECT_EQ(SendMessageW(Window("RadioButton2"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(Window("RadioButton4"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    for (int step = 0; step < 2; ++step) {
        SendMessageW(slider, WM_KEYDOWN, VK_NEXT, 0);
        SendMessageW(slider, WM_KEYUP, VK_NEXT, 0);
    }
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), OneEditHornType);
    Click(Window("CheckBox2"));
    ASSERT_TRUE(IsWindowEnabled(Window("Edit3")));
    const std::wstring tone = std::wstring(L"2") + static_cast<wchar_t>(DecimalSeparator()) + L"5";
    SetWindowTextW(Window("Edit3"), tone.c_str());

    // Apply.
    const ULONGLONG applied = GetTickCount64();
    Click(Window("Button2"));
    ASSERT_TRUE(answers_.Boxes.empty()) << answers_.Boxes.front().Text;
    EXPECT_TRUE(form1_->Timer1->Enabled());
    EXPECT_FALSE(IsWindowEnabled(list));
    EXPECT_FALSE(IsWindowEnabled(Window("Button2")));

    EXPECT_TRUE(readBytes() == AfterOneEdit(original))
        << "the file holds more or less than the one edit";

    // The confirmation, a second later, from the window timer.
    ASSERT_TRUE(DeliverUntil([this] { return !answers_.Boxes.empty(); }, 3000));
    EXPECT_GE(GetTickCount64() - applied, 900U);
    const TMessageBoxRequest& box = answers_.Boxes.front();
    EXPECT_EQ(box.Text, "Saved successful.");
    EXPECT_EQ(box.Title, "Information");
    EXPECT_EQ(box.Icon, TMessageIcon::Information);
    EXPECT_EQ(box.Buttons, std::vector<std::string>{"OK"});
    Pump(1200);
    EXPECT_EQ(answers_.Boxes.size(), 1U) << "the confirmation came more than once";
    EXPECT_FALSE(form1_->Timer1->Enabled());
    EXPECT_TRUE(IsWindowEnabled(list));
    EXPECT_TRUE(IsWindowEnabled(Window("Button2")));
}

TEST_F(WindowTest, EngineSoundFieldsDropTrailingCharactersThatAreNoNumberAsTheyAreTyped) {
    const std::string exe = folder_.File("gta_sa.exe");
    WriteBytes(exe, TableExecutable(1));
    answers_.ChosenFile = exe;
    Click(Window("Button1"));
    HWND list = Window("ListBox1");
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    Click(Window("CheckBox1"));
    HWND edit = Window("Edit1");
    ASSERT_TRUE(IsWindowEnabled(edit));

    // A text the filter shortens leaves the caret after its last character.
    struct TTyping {
        const wchar_t* Before;
        int Caret;
        const wchar_t* Typed;
        const char* After;
        DWORD CaretAfter;
    };
    const TTyping typings[] = {
        {L"", 0, L"12ab", "12", 2},
        {L"123", 1, L"x", "1", 1}, // the letter after the first digit: the end goes, not the letter
        {L"", 0, L"-", "", 0},     // a lone minus sign
        {L"5", 0, L"-", "-5", 1},  // the sign typed in front of the digits stays
    };
    for (const TTyping& typing : typings) {
        SCOPED_TRACE(Narrow(typing.Typed));
        SetWindowTextW(edit, typing.Before);
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(typing.Caret), typing.Caret);
        for (const wchar_t* c = typing.Typed; *c != 0; ++c) {
            SendMessageW(edit, WM_CHAR, *c, 0);
        }
        EXPECT_EQ(Text(edit), typing.After);
        DWORD caret = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
        EXPECT_EQ(caret, typing.CaretAfter);
    }
    EXPECT_TRUE(answers_.Boxes.empty());
}

// --- The message dialog the system's message box cannot be ----------------------------------

// Steps run one by one from a thread timer, inside the dialog's own modal loop.
std::vector<std::function<void()>>* gSteps = nullptr;
std::size_t gNextStep = 0;

void CALLBACK RunStep(HWND, UINT, UINT_PTR timer, DWORD) {
    if (gNextStep < gSteps->size()) {
        (*gSteps)[gNextStep++]();
    } else {
        KillTimer(nullptr, timer);
    }
}

HWND ShownDialog(const char* title) {
    return FindWindowW(MessageDialogClass, Widen(title).c_str());
}

TEST(MessageDialog, AnswersByButtonAcceleratorAndCloseBoxButNotEscWithoutEscButton) {
    // Through the platform's own seam, as the program asks: a box of one "OK" is the
    // system's message box, any other a dialog of the layer's own.
    const std::unique_ptr<TPlatformDialogs> native = MakeNativePlatformDialogs();
    struct TCase {
        const char* What;
        TMsgDlgType Type;
        TMsgDlgButtons Buttons;
        const char* Title;
        std::vector<std::function<void(HWND dialog)>> Actions;
        int Answer;
    };
    auto escape = [](HWND) { Key(VK_ESCAPE, 0); };
    auto stillShows = [](HWND dialog) {
        EXPECT_TRUE(IsWindowVisible(dialog)) << "Esc closed the dialog";
    };
    auto firstButton = [](HWND dialog) {
        HWND child = GetWindow(dialog, GW_CHILD);
        while (child != nullptr && lstrcmpiW(ClassOf(child).c_str(), L"Button") != 0) {
            child = GetWindow(child, GW_HWNDNEXT);
        }
        Click(child);
    };
    const TCase cases[] = {
        {"the button", TMsgDlgType::Error, {.Yes = true}, "Error", {firstButton}, 0},
        {"its accelerator",
         TMsgDlgType::Error,
         {.Yes = true},
         "Error",
         {[](HWND) { Key('Y', L'y'); }},
         0},
        {"Esc, then the close box",
         TMsgDlgType::Error,
         {.Yes = true},
         "Error",
         {escape, stillShows,
          [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
         MessageBoxClosed},
        {"Esc with a No button",
         TMsgDlgType::Error,
         {.Yes = true, .No = true},
         "Error",
         {escape},
         1},
        {"the system's box, by Esc",
         TMsgDlgType::Information,
         {.OK = true},
         "Information",
         {escape},
         0},
        {"the system's box, by its button",
         TMsgDlgType::Information,
         {.OK = true},
         "Information",
         {firstButton},
         0},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.What);
        const TMessageBoxRequest request =
            MessageDlgRequest("Unknown gta_sa.exe", test.Type, test.Buttons);
        std::vector<std::function<void()>> steps;
        // First: the dialog as it shows, its text and exactly the buttons asked for.
        steps.push_back([&request, &test] {
            HWND dialog = ShownDialog(test.Title);
            ASSERT_NE(dialog, nullptr);
            std::vector<std::string> captions;
            bool hasText = false;
            for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                if (lstrcmpiW(ClassOf(child).c_str(), L"Button") == 0) {
                    captions.push_back(Text(child));
                }
                hasText = hasText || Text(child) == request.Text;
            }
            EXPECT_EQ(captions, request.Buttons);
            EXPECT_TRUE(hasText);
        });
        for (const auto& action : test.Actions) {
            steps.push_back([&action, &test] { action(ShownDialog(test.Title)); });
        }
        gSteps = &steps;
        gNextStep = 0;
        const UINT_PTR timer = SetTimer(nullptr, 0, 150, RunStep);
        const int answer = native->ShowMessageBox(request);
        KillTimer(nullptr, timer);
        EXPECT_EQ(answer, test.Answer);
        EXPECT_EQ(ShownDialog(test.Title), nullptr);
    }
}

} // namespace
} // namespace klarvon::test

int main(int argc, char** argv) {
    klarvon::TApplication application(argc, argv);
    application.SetTitle("Klarvon window tests");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

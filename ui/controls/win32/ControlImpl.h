#pragma once
// What a control is on Windows: its window, the window its children go into, and what
// the Windows API does not keep for us (colours, font, how it reports its events).
// Private to the Windows implementation.
//
// Every window of the layer carries its TControlImpl in GWLP_USERDATA. Controls tell
// their parent what happened (WM_COMMAND, WM_HSCROLL, WM_CTLCOLOR..., WM_DRAWITEM); the
// parent, whichever container it is, hands that to RouteChildMessage, which finds the
// child's TControlImpl and lets it answer.

#include "ui/controls/Controls.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon {

// The window font of the design: "MS Sans Serif" 8 point, 11 pixels high at 96 dpi.
inline constexpr wchar_t DesignFontFamily[] = L"MS Sans Serif";

enum class TWindowKind : std::uint8_t {
    Form,
    Panel,
    GroupBox,
    Label,
    Button,
    Edit,
    CheckBox,
    RadioButton,
    ListBox,
    TrackBar,
    Image,
};

// A decoded picture as Windows draws it: a top-down 24-bit DIB.
struct TPicture {
    BITMAPINFO Info{};
    std::vector<std::uint8_t> Bits; // rows padded to 4 bytes, blue-green-red
    int Width = 0;
    int Height = 0;
};

struct TControlImpl {
    TWindowKind Kind = TWindowKind::Form;
    HWND Handle = nullptr;
    HWND Client = nullptr;       // where children go; null for plain controls
    TControl* Control = nullptr; // set once the control exists; null while it is taken down
    bool OwnColor = false;       // false: shows its parent's background
    bool AutoSize = false;       // width follows the caption
    bool Spread = false;         // label: characters spaced out to fill the width
    bool HandCursor = false;
    HFONT Font = nullptr;
    COLORREF TextColor = 0;
    std::unique_ptr<TPicture> Picture; // images only
    bool Stretch = false;
    int LastPosition = 0;       // track bars: the position OnChange last reported
    std::vector<HWND> Pictures; // containers: images among the children, kept at the back
    SIZE ClientSize{};          // forms: the client area asked for
    int Alpha = 255;            // forms: opacity
    HWND LastFocus = nullptr;   // forms: the control that had the focus when it was left
    // A notification from the control (the code of WM_COMMAND, or 0 for WM_HSCROLL).
    std::function<void(UINT code)> Notify;
    // Draws an owner-drawn control (labels).
    std::function<void(const DRAWITEMSTRUCT& item)> Draw;
};

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

std::wstring WindowText(HWND window);

TControlImpl* ImplOf(HWND window);

// A child window of the given class inside parent's client window, at the bottom of the
// drawing order so far (creation order is drawing order), with the design font.
std::unique_ptr<TControlImpl> MakeChild(TWindowKind kind, TWinControl& parent,
                                        const wchar_t* className, DWORD style, DWORD exStyle = 0);

// The layer's own window classes: forms and panels (containers that route their
// children's messages) and pictures.
inline constexpr wchar_t FormClassName[] = L"KlarvonForm";
inline constexpr wchar_t PanelClassName[] = L"KlarvonPanel";
inline constexpr wchar_t PictureClassName[] = L"KlarvonPicture";
void RegisterWindowClasses();
LRESULT CALLBACK FormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PanelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PictureWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Answers a message a child sent its container. true when handled, with its result.
bool RouteChildMessage(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Lets a standard control (a group box) route its children's messages like our own
// containers do.
void MakeContainer(HWND window);

COLORREF ToColorRef(TColor color);
HBRUSH BrushFor(COLORREF color);
HFONT FontFor(const TFont& font);
HFONT DesignFont();
// How labels and group titles lay out their text, for drawing and for measuring alike.
// No clipping: a glyph that reaches past its advance (the overhang of an italic or of a
// substitute face's 'f') is drawn whole, and measured so.
inline constexpr UINT CaptionTextFlags = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
// The width text covers when drawn with CaptionTextFlags in the font selected into dc,
// last glyph's overhang included.
int DrawnTextWidth(HDC dc, std::wstring_view text);
// The same in the control's font, in pixels.
int TextWidth(const TControlImpl& impl, std::wstring_view text);
// Draws a caption into area: spread, its characters spaced out to fill the width; and
// set closer where it is wider than the area, so that every glyph still shows.
void DrawCaption(HDC dc, const RECT& area, const std::wstring& text, bool spread);
// How far right a child starting at left may reach inside container before it covers
// the container's frame (a group box's etched line).
int RoomRightOf(HWND container, int left);
// The width a self-sizing caption takes at left: its text's, as far as there is room.
int CaptionWidth(const TControlImpl& impl, int left);
// The colour a window shows behind its content: its own, or its parent's.
COLORREF BackgroundOf(HWND window);
// Fills dc, the device context of control, with what lies behind the control: its
// parent's background and the parent's pictures.
void PaintBackdrop(HWND control, HDC dc);
void DrawPicture(const TControlImpl& image, HDC dc, int width, int height);

// WM_TIMER of a form: runs the timer with that id.
void FireTimer(UINT_PTR id);
// WM_COMMAND of a menu item: runs the item with that id.
void FireMenuCommand(UINT id);
// A form's menu bar came or changed: redrawn, and the client area kept as asked.
void MenuBarChanged(HWND form);
// The main window (the first form), or null; owner of the program's dialogs when no
// window of the program is active.
HWND MainFormWindow();
// The window a modal dialog belongs to (and disables while it shows).
HWND DialogOwner();

// Runs an event handler the way every event runs: through TApplication::Invoke.
void FireEvent(const std::function<void()>& handler);

} // namespace klarvon

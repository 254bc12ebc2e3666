#include "ui/controls/StdCtrls.h"
#include "ui/controls/Forms.h"
#include "ui/controls/win32/ControlImpl.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace klarvon {
namespace {

// List lines as high as the design's.
constexpr int ListItemHeight = 13;
// The list box's soft bevel: one raised and one lowered line on every side.
constexpr int ListBevelWidth = 2;

std::vector<HWND> RadioButtonsIn(HWND container) {
    std::vector<HWND> buttons;
    for (HWND child = GetWindow(container, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const TControlImpl* impl = ImplOf(child);
        if (impl != nullptr && impl->Kind == TWindowKind::RadioButton) {
            buttons.push_back(child);
        }
    }
    return buttons;
}

// A radio button opens a new keyboard group when it is the first of its parent: the
// buttons of one parent are one exclusive group.
DWORD RadioStyle(const TWinControl& parent) {
    DWORD style = BS_AUTORADIOBUTTON;
    if (RadioButtonsIn(parent.Impl().Client).empty()) {
        style |= WS_GROUP | WS_TABSTOP;
    }
    return style;
}

// The bevel lies in the list's non-client area, so its lines and scroll bar stay inside
// the designed bounds.
LRESULT CALLBACK SoftBevelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    if (message == WM_NCCALCSIZE && wParam != 0) {
        auto* sizes = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
        InflateRect(&sizes->rgrc[0], -ListBevelWidth, -ListBevelWidth);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    if (message == WM_NCPAINT) {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        HDC dc = GetWindowDC(window);
        RECT bounds{};
        GetWindowRect(window, &bounds);
        OffsetRect(&bounds, -bounds.left, -bounds.top);
        DrawEdge(dc, &bounds, BDR_RAISEDOUTER | BDR_SUNKENINNER, BF_RECT | BF_SOFT);
        ReleaseDC(window, dc);
        return result;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void DrawLabel(const TControlImpl& impl, const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    // Labels are see-through: what lies behind them shows around the letters.
    PaintBackdrop(item.hwndItem, dc);
    const int saved = SaveDC(dc);
    SelectObject(dc, impl.Font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (item.itemState & ODS_DISABLED) != 0 ? GetSysColor(COLOR_GRAYTEXT)
                                                          : impl.TextColor);
    DrawCaption(dc, item.rcItem, WindowText(item.hwndItem), impl.Spread);
    RestoreDC(dc, saved);
}

// A group box as the design shows it: the etched frame from half the title's height
// down, and the title on the parent's background at TitleIndent, drawn and measured by
// DrawCaption like a label rather than clipped by the system's own drawing.
void PaintGroupBox(HWND window, HDC dc) {
    constexpr int TitleIndent = 8;
    constexpr int TitleMargin = 2; // background either side of the title, over the line
    const TControlImpl* impl = ImplOf(window);
    if (impl == nullptr) {
        return;
    }
    PaintBackdrop(window, dc);
    const int saved = SaveDC(dc);
    SelectObject(dc, impl->Font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame{};
    GetClientRect(window, &frame);
    frame.top = metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring title = WindowText(window);
    if (!title.empty()) {
        const int room = RoomRightOf(window, TitleIndent);
        const int titleWidth = std::min(DrawnTextWidth(dc, title), room);
        // Never over the frame's right line, which a long title reaches.
        const int frameRight = RoomRightOf(window, 0) + 1;
        RECT behind{TitleIndent - TitleMargin, 0,
                    std::min(TitleIndent + titleWidth + TitleMargin, frameRight), metrics.tmHeight};
        FillRect(dc, &behind, BrushFor(BackgroundOf(GetParent(window))));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, IsWindowEnabled(window) ? impl->TextColor : GetSysColor(COLOR_GRAYTEXT));
        DrawCaption(dc, {TitleIndent, 0, TitleIndent + titleWidth, metrics.tmHeight}, title, false);
    }
    RestoreDC(dc, saved);
}

LRESULT CALLBACK GroupBoxPaintProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        PaintGroupBox(window, dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintGroupBox(window, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return TRUE; // all of it is painted in WM_PAINT
    default:
        return DefSubclassProc(window, message, wParam, lParam);
    }
}

LRESULT Send(const TControl& control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(control.Impl().Handle, message, wParam, lParam);
}

} // namespace

TButton::TButton(TWinControl& parent, std::string_view name)
    : TControl(&parent, name,
               MakeChild(TWindowKind::Button, parent, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP)) {
    Impl().Notify = [this](UINT code) {
        if (code == BN_CLICKED) {
            FireEvent(OnClick);
        }
    };
}

void TButton::Click() {
    FireEvent(OnClick);
}

TLabel::TLabel(TWinControl& parent, std::string_view name)
    : TControl(&parent, name,
               MakeChild(TWindowKind::Label, parent, L"STATIC", SS_OWNERDRAW | SS_NOTIFY)) {
    Impl().AutoSize = autoSize_;
    Impl().Notify = [this](UINT code) {
        if (code == STN_CLICKED) {
            FireEvent(OnClick);
        }
    };
    Impl().Draw = [this](const DRAWITEMSTRUCT& item) { DrawLabel(Impl(), item); };
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    Impl().AutoSize = autoSize;
    if (autoSize) {
        FitToCaption();
    }
}

void TLabel::FitToCaption() {
    SetWidth(CaptionWidth(Impl(), Left()));
}

void TLabel::SetSpread(bool spread) {
    Impl().Spread = spread;
    InvalidateRect(Impl().Handle, nullptr, TRUE);
}

TEdit::TEdit(TWinControl& parent, std::string_view name)
    : TControl(&parent, name,
               MakeChild(TWindowKind::Edit, parent, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP,
                         WS_EX_CLIENTEDGE)) {
    // 0 lifts the limit to the largest the control has.
    Send(*this, EM_SETLIMITTEXT, 0);
    SetColor(clWindow);
    Impl().Notify = [this](UINT code) {
        if (code == EN_CHANGE) {
            FireEvent(OnChange);
        }
    };
}

int TEdit::SelStart() const {
    DWORD start = 0;
    Send(*this, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

void TEdit::SetSelStart(int position) {
    Send(*this, EM_SETSEL, static_cast<WPARAM>(position), position);
}

TCheckBox::TCheckBox(TWinControl& parent, std::string_view name)
    : TControl(&parent, name,
               MakeChild(TWindowKind::CheckBox, parent, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP)) {
    Impl().Notify = [this](UINT code) {
        if (code == BN_CLICKED) {
            FireEvent(OnClick);
        }
    };
}

bool TCheckBox::Checked() const {
    return Send(*this, BM_GETCHECK) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == Checked()) {
        return;
    }
    // The control tells nothing of changes made by the program; the contract says it does.
    Send(*this, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
    FireEvent(OnClick);
}

TRadioButton::TRadioButton(TWinControl& parent, std::string_view name)
    : TControl(&parent, name,
               MakeChild(TWindowKind::RadioButton, parent, L"BUTTON", RadioStyle(parent))) {}

bool TRadioButton::Checked() const {
    return Send(*this, BM_GETCHECK) == BST_CHECKED;
}

void TRadioButton::SetChecked(bool checked) {
    // A click keeps the group exclusive by itself; a choice made by the program must too.
    if (checked) {
        for (HWND other : RadioButtonsIn(GetParent(Impl().Handle))) {
            if (other != Impl().Handle) {
                SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
    }
    Send(*this, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

TListBox::TListBox(TWinControl& parent, std::string_view name)
    : TControl(&parent, name,
               MakeChild(TWindowKind::ListBox, parent, L"LISTBOX",
                         LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP)) {
    SetWindowSubclass(Impl().Handle, SoftBevelProc, 0, 0);
    SetWindowPos(Impl().Handle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Send(*this, LB_SETITEMHEIGHT, 0, ListItemHeight);
    SetColor(clWindow);
    // The program's own changes (LB_SETCURSEL, LB_RESETCONTENT) send no notification, so
    // this hears the user only.
    Impl().Notify = [this](UINT code) {
        if (code == LBN_SELCHANGE && ItemIndex() >= 0) {
            FireEvent(OnClick);
        }
    };
}

void TListBox::AddItem(std::string_view text) {
    const std::wstring line = Widen(text);
    Send(*this, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

void TListBox::Clear() {
    Send(*this, LB_RESETCONTENT);
}
int TListBox::Count() const {
    return static_cast<int>(Send(*this, LB_GETCOUNT));
}

std::string TListBox::Item(int index) const {
    const LRESULT length = Send(*this, LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR) {
        return {};
    }
    std::wstring line(static_cast<std::size_t>(length) + 1, L'\0');
    Send(*this, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line.data()));
    line.resize(static_cast<std::size_t>(length));
    return Narrow(line);
}

int TListBox::ItemIndex() const {
    const LRESULT index = Send(*this, LB_GETCURSEL);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void TListBox::SetItemIndex(int index) {
    Send(*this, LB_SETCURSEL, static_cast<WPARAM>(index));
}

TGroupBox::TGroupBox(TWinControl& parent, std::string_view name)
    : TWinControl(&parent, &parent.Form(), name,
                  MakeChild(TWindowKind::GroupBox, parent, L"BUTTON", BS_GROUPBOX)) {
    MakeContainer(Impl().Handle);
    SetWindowSubclass(Impl().Handle, GroupBoxPaintProc, 0, 0);
}

int DrawnTextWidth(HDC dc, std::wstring_view text) {
    if (text.empty()) {
        return 0;
    }
    const int length = static_cast<int>(text.size());
    RECT measured{};
    DrawTextW(dc, text.data(), length, &measured, CaptionTextFlags | DT_CALCRECT);
    // DrawText measures whole-pixel advances; a substitute face may place its glyphs a
    // little further apart as it draws them, and its last glyph may reach past its
    // advance. So the text is drawn, black on white, in the same font with the same
    // flags, and the ink's right edge is the width.
    const int height = std::max<int>(measured.bottom, 1);
    const int width = measured.right + 2 * height; // room for whatever reaches further
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    int inkRight = 0;
    if (bitmap != nullptr) {
        const HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
        const HGDIOBJ previousFont = SelectObject(memory, GetCurrentObject(dc, OBJ_FONT));
        PatBlt(memory, 0, 0, width, height, WHITENESS);
        SetBkMode(memory, TRANSPARENT);
        SetTextColor(memory, RGB(0, 0, 0));
        RECT area{0, 0, width, height};
        DrawTextW(memory, text.data(), length, &area, CaptionTextFlags);
        GdiFlush();
        constexpr std::uint32_t White = 0xFFFFFF;
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (int x = width - 1; x >= 0 && inkRight == 0; --x) {
            for (int y = 0; y < height; ++y) {
                if ((pixels[y * width + x] & White) != White) {
                    inkRight = x + 1;
                    break;
                }
            }
        }
        SelectObject(memory, previousFont);
        SelectObject(memory, previousBitmap);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    return std::max<int>(measured.right, inkRight);
}

void DrawCaption(HDC dc, const RECT& area, const std::wstring& text, bool spread) {
    const int room = area.right - area.left;
    const int drawn = DrawnTextWidth(dc, text);
    if (text.size() < 2 || (!spread && drawn <= room)) {
        RECT bounds = area;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds, CaptionTextFlags);
        return;
    }
    // Each character at its own advance, moved by an equal share of the room left over
    // (or missing, which sets the text closer).
    const double gap = static_cast<double>(room - drawn) / static_cast<double>(text.size() - 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        SIZE before{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(i), &before);
        const int x =
            area.left + before.cx + static_cast<int>(std::lround(gap * static_cast<double>(i)));
        TextOutW(dc, x, area.top, &text[i], 1);
    }
}

} // namespace klarvon

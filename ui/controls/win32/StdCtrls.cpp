#include "ui/controls/StdCtrls.h"
#include "ui/controls/Forms.h"
#include "ui/controls/win32/ControlImpl.h"

#include <commctrl.h>

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
        if (impl != nullptr && impl->Kind == TWindowKind::RadioButton)
            buttons.push_back(child);
    }
    return buttons;
}

// A radio button opens a new keyboard group when it is the first of its parent: the
// buttons of one parent are one exclusive group.
DWORD RadioStyle(const TWinControl& parent) {
    DWORD style = BS_AUTORADIOBUTTON;
    if (RadioButtonsIn(parent.Impl().Client).empty())
        style |= WS_GROUP | WS_TABSTOP;
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

void DrawSpread(HDC dc, const RECT& area, const std::wstring& text) {
    SIZE whole{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &whole);
    const double room = area.right - area.left - whole.cx;
    const double gap = room > 0 ? room / static_cast<double>(text.size() - 1) : 0.0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        SIZE before{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(i), &before);
        const int x = area.left + before.cx + static_cast<int>(gap * static_cast<double>(i) + 0.5);
        TextOutW(dc, x, area.top, &text[i], 1);
    }
}

void DrawLabel(const TControlImpl& impl, const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    // Labels are see-through: what lies behind them shows around the letters.
    PaintBackdrop(item.hwndItem, dc);
    const std::wstring text = WindowText(item.hwndItem);
    const int saved = SaveDC(dc);
    SelectObject(dc, impl.Font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (item.itemState & ODS_DISABLED) != 0 ? GetSysColor(COLOR_GRAYTEXT)
                                                          : impl.TextColor);
    RECT area = item.rcItem;
    if (impl.Spread && text.size() >= 2)
        DrawSpread(dc, area, text);
    else
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
                  DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    RestoreDC(dc, saved);
}

LRESULT Send(const TControl& control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(control.Impl().Handle, message, wParam, lParam);
}

} // namespace

TButton::TButton(TWinControl& parent, std::string_view name)
    : TControl(&parent, name,
               MakeChild(TWindowKind::Button, parent, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP)) {
    Impl().Notify = [this](UINT code) {
        if (code == BN_CLICKED)
            FireEvent(OnClick);
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
        if (code == STN_CLICKED)
            FireEvent(OnClick);
    };
    Impl().Draw = [this](const DRAWITEMSTRUCT& item) { DrawLabel(Impl(), item); };
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    Impl().AutoSize = autoSize;
    if (autoSize)
        FitToCaption();
}

void TLabel::FitToCaption() {
    SetWidth(TextWidth(Impl(), WindowText(Impl().Handle)));
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
        if (code == EN_CHANGE)
            FireEvent(OnChange);
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
        if (code == BN_CLICKED)
            FireEvent(OnClick);
    };
}

bool TCheckBox::Checked() const {
    return Send(*this, BM_GETCHECK) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == Checked())
        return;
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
            if (other != Impl().Handle)
                SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
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
        if (code == LBN_SELCHANGE && ItemIndex() >= 0)
            FireEvent(OnClick);
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
    if (length == LB_ERR)
        return {};
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
}

} // namespace klarvon

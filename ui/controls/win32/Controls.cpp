#include "ui/controls/Controls.h"
#include "ui/controls/Forms.h"
#include "ui/controls/win32/ControlImpl.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <tuple>

namespace klarvon {
namespace {

// Child windows are numbered from here; lower numbers are the dialog commands (IDOK,
// IDCANCEL) that keyboard navigation sends to a form.
constexpr int FirstControlId = 1000;
int gNextControlId = FirstControlId;

// The faces the design names, for the free look-alikes a window may ask for by the
// name they carry on Linux; Windows has the originals or substitutes them itself.
struct TFaceAlias {
    std::string_view LookAlike;
    const wchar_t* Face;
};
constexpr TFaceAlias FaceAliases[] = {
    {"URW Bookman", L"Bookman Old Style"},
    {"URW Gothic", L"Century Gothic"},
    {"Liberation Sans Narrow", DesignFontFamily},
};

std::wstring FaceOf(const std::string& name) {
    if (name.empty()) {
        return DesignFontFamily;
    }
    for (const TFaceAlias& alias : FaceAliases) {
        if (alias.LookAlike == name) {
            return alias.Face;
        }
    }
    return Widen(name);
}

// Brushes and fonts live as long as the program; there are only a handful of each.
template <class Key, class Handle> class THandleCache {
public:
    THandleCache() = default;
    THandleCache(const THandleCache&) = delete;
    THandleCache& operator=(const THandleCache&) = delete;
    ~THandleCache() {
        for (const auto& entry : handles_) {
            DeleteObject(entry.second);
        }
    }

    template <class Make> Handle Get(const Key& key, Make make) {
        const auto found = handles_.find(key);
        if (found != handles_.end()) {
            return found->second;
        }
        const Handle handle = make();
        handles_.emplace(key, handle);
        return handle;
    }

private:
    std::map<Key, Handle> handles_;
};

THandleCache<COLORREF, HBRUSH>& Brushes() {
    static THandleCache<COLORREF, HBRUSH> cache;
    return cache;
}

using TFontKey = std::tuple<std::wstring, int, bool, bool>;

THandleCache<TFontKey, HFONT>& Fonts() {
    static THandleCache<TFontKey, HFONT> cache;
    return cache;
}

HWND ParentOf(HWND window) {
    return GetAncestor(window, GA_PARENT);
}

bool IsTopLevel(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0;
}

RECT BoundsInParent(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    if (!IsTopLevel(window)) {
        MapWindowPoints(HWND_DESKTOP, ParentOf(window), reinterpret_cast<POINT*>(&bounds), 2);
    }
    return bounds;
}

LRESULT CALLBACK ContainerSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    LRESULT result = 0;
    if (RouteChildMessage(window, message, wParam, lParam, result)) {
        return result;
    }
    if (message == WM_ERASEBKGND) {
        RECT client{};
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, BrushFor(BackgroundOf(window)));
        return TRUE;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void RegisterOwnClass(const wchar_t* name, WNDPROC procedure, HCURSOR cursor) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // Panels redraw their bevel when they are resized.
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = cursor;
    windowClass.lpszClassName = name;
    // The program's icon, when the executable carries one.
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("Cannot register the window class");
    }
}

} // namespace

std::wstring Widen(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, result.data(), length);
    return result;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, result.data(), length, nullptr, nullptr);
    return result;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return text;
}

TControlImpl* ImplOf(HWND window) {
    return window != nullptr
               ? reinterpret_cast<TControlImpl*>(GetWindowLongPtrW(window, GWLP_USERDATA))
               : nullptr;
}

void RegisterWindowClasses() {
    RegisterOwnClass(FormClassName, FormWindowProc, LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
    RegisterOwnClass(PanelClassName, PanelWindowProc,
                     LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
    RegisterOwnClass(PictureClassName, PictureWindowProc,
                     LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
}

std::unique_ptr<TControlImpl> MakeChild(TWindowKind kind, TWinControl& parent,
                                        const wchar_t* className, DWORD style, DWORD exStyle) {
    TControlImpl& container = parent.Impl();
    auto impl = std::make_unique<TControlImpl>();
    impl->Kind = kind;
    const auto id = static_cast<INT_PTR>(gNextControlId++);
    HWND window = CreateWindowExW(
        exStyle, className, L"", style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0,
        container.Client, reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) {
        throw std::runtime_error("Cannot create a window of class " + Narrow(className));
    }
    impl->Handle = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(impl.get()));
    impl->Font = DesignFont();
    impl->TextColor = GetSysColor(COLOR_WINDOWTEXT);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(impl->Font), FALSE);
    // A new child goes below its older siblings; pictures stay below them all.
    if (kind == TWindowKind::Image) {
        container.Pictures.push_back(window);
    }
    for (HWND picture : container.Pictures) {
        SetWindowPos(picture, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return impl;
}

void MakeContainer(HWND window) {
    SetWindowSubclass(window, ContainerSubclassProc, 0, 0);
    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_CLIPCHILDREN);
    SetWindowLongPtrW(window, GWL_EXSTYLE,
                      GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
}

bool RouteChildMessage(HWND /*container*/, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL: {
        TControlImpl* child = ImplOf(reinterpret_cast<HWND>(lParam));
        if (lParam == 0 || child == nullptr || child->Control == nullptr || !child->Notify) {
            return false;
        }
        child->Notify(message == WM_COMMAND ? HIWORD(wParam) : 0);
        result = 0;
        return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
        const auto childWindow = reinterpret_cast<HWND>(lParam);
        TControlImpl* child = ImplOf(childWindow);
        if (child == nullptr) {
            return false;
        }
        const auto dc = reinterpret_cast<HDC>(wParam);
        const COLORREF background = BackgroundOf(childWindow);
        SetBkColor(dc, background);
        SetTextColor(dc,
                     IsWindowEnabled(childWindow) ? child->TextColor : GetSysColor(COLOR_GRAYTEXT));
        result = reinterpret_cast<LRESULT>(BrushFor(background));
        return true;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        TControlImpl* child = ImplOf(item.hwndItem);
        if (child == nullptr || !child->Draw) {
            return false;
        }
        child->Draw(item);
        result = TRUE;
        return true;
    }
    case WM_SETCURSOR: {
        TControlImpl* child = ImplOf(reinterpret_cast<HWND>(wParam));
        if (child == nullptr || !child->HandCursor || LOWORD(lParam) != HTCLIENT) {
            return false;
        }
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649))); // IDC_HAND
        result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

COLORREF ToColorRef(TColor color) {
    if (!color.IsSystem()) {
        return RGB(color.Red(), color.Green(), color.Blue());
    }
    switch (color.Role()) {
    case TSystemColor::BtnFace:
        return GetSysColor(COLOR_BTNFACE);
    case TSystemColor::MenuBar:
        return GetSysColor(COLOR_MENUBAR);
    case TSystemColor::InfoBk:
        return GetSysColor(COLOR_INFOBK);
    case TSystemColor::Window:
        return GetSysColor(COLOR_WINDOW);
    case TSystemColor::WindowText:
        return GetSysColor(COLOR_WINDOWTEXT);
    }
    return GetSysColor(COLOR_BTNFACE);
}

HBRUSH BrushFor(COLORREF color) {
    return Brushes().Get(color, [color] { return CreateSolidBrush(color); });
}

HFONT FontFor(const TFont& font) {
    TFontKey key{FaceOf(font.Name), font.PixelHeight, font.Bold, font.Underline};
    return Fonts().Get(key, [&key] {
        const auto& [face, height, bold, underline] = key;
        return CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                           underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           face.c_str());
    });
}

HFONT DesignFont() {
    return FontFor(TFont{});
}

int TextWidth(const TControlImpl& impl, std::wstring_view text) {
    HDC dc = GetDC(impl.Handle);
    const HGDIOBJ previous = SelectObject(dc, impl.Font);
    const int width = DrawnTextWidth(dc, text);
    SelectObject(dc, previous);
    ReleaseDC(impl.Handle, dc);
    return width;
}

int CaptionWidth(const TControlImpl& impl, int left) {
    return std::min(TextWidth(impl, WindowText(impl.Handle)),
                    RoomRightOf(ParentOf(impl.Handle), left));
}

int RoomRightOf(HWND container, int left) {
    // A group box's etched frame is two pixels wide, with one left clear inside it.
    constexpr int GroupFrameInset = 3;
    RECT client{};
    GetClientRect(container, &client);
    const TControlImpl* impl = ImplOf(container);
    const bool framed = impl != nullptr && impl->Kind == TWindowKind::GroupBox;
    return client.right - (framed ? GroupFrameInset : 0) - left;
}

COLORREF BackgroundOf(HWND window) {
    for (HWND current = window; current != nullptr && current != GetDesktopWindow();
         current = ParentOf(current)) {
        const TControlImpl* impl = ImplOf(current);
        if (impl != nullptr && impl->Control != nullptr &&
            (impl->OwnColor || IsTopLevel(current))) {
            return ToColorRef(impl->Control->Color());
        }
        if (IsTopLevel(current)) {
            break;
        }
    }
    return GetSysColor(COLOR_BTNFACE);
}

void DrawPicture(const TControlImpl& image, HDC dc, int width, int height) {
    const TPicture* picture = image.Picture.get();
    if (picture == nullptr) {
        return;
    }
    if (image.Stretch) {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
    } else {
        width = picture->Width;
        height = picture->Height;
    }
    StretchDIBits(dc, 0, 0, width, height, 0, 0, picture->Width, picture->Height,
                  picture->Bits.data(), &picture->Info, DIB_RGB_COLORS, SRCCOPY);
}

void PaintBackdrop(HWND control, HDC dc) {
    const HWND parent = ParentOf(control);
    RECT client{};
    GetClientRect(control, &client);
    FillRect(dc, &client, BrushFor(BackgroundOf(parent)));
    const TControlImpl* container = ImplOf(parent);
    if (container == nullptr) {
        return;
    }
    const RECT bounds = BoundsInParent(control);
    for (HWND pictureWindow : container->Pictures) {
        const TControlImpl* image = ImplOf(pictureWindow);
        if (image == nullptr || (GetWindowLongPtrW(pictureWindow, GWL_STYLE) & WS_VISIBLE) == 0) {
            continue;
        }
        const RECT picture = BoundsInParent(pictureWindow);
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, picture.left - bounds.left, picture.top - bounds.top,
                          picture.right - bounds.left, picture.bottom - bounds.top);
        POINT origin{};
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + picture.left - bounds.left,
                         origin.y + picture.top - bounds.top, nullptr);
        DrawPicture(*image, dc, picture.right - picture.left, picture.bottom - picture.top);
        RestoreDC(dc, saved);
    }
}

TComponent::~TComponent() = default;

TControl::TControl(TWinControl* parent, std::string_view name, std::unique_ptr<TControlImpl> impl)
    : TComponent(name), parent_(parent), impl_(std::move(impl)) {
    impl_->Control = this;
}

TControl::~TControl() {
    impl_->Control = nullptr;
}

int TControl::Left() const {
    return BoundsInParent(impl_->Handle).left;
}
int TControl::Top() const {
    return BoundsInParent(impl_->Handle).top;
}

int TControl::Width() const {
    const RECT bounds = BoundsInParent(impl_->Handle);
    return bounds.right - bounds.left;
}

int TControl::Height() const {
    const RECT bounds = BoundsInParent(impl_->Handle);
    return bounds.bottom - bounds.top;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    // A label that sizes itself is never narrower than its text as drawn: a face that
    // stands in for the design font (Wine has no MS Sans Serif of its own) may be a few
    // pixels wider. It grows only as far as its container has room, short of a group
    // box's frame; a text wider still is drawn closer set (DrawCaption).
    if (impl_->Kind == TWindowKind::Label && impl_->AutoSize && !impl_->Spread) {
        width = std::max(width, CaptionWidth(*impl_, left));
    }
    SetWindowPos(impl_->Handle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// IsWindowEnabled reads the window's own flag: children of a disabled window keep theirs.
bool TControl::Enabled() const {
    return IsWindowEnabled(impl_->Handle) != FALSE;
}

void TControl::SetEnabled(bool enabled) {
    EnableWindow(impl_->Handle, enabled ? TRUE : FALSE);
    InvalidateRect(impl_->Handle, nullptr, TRUE);
}

bool TControl::Visible() const {
    return (GetWindowLongPtrW(impl_->Handle, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::string TControl::Caption() const {
    return Narrow(WindowText(impl_->Handle));
}

void TControl::SetCaption(std::string_view caption) {
    const std::wstring text = Widen(caption);
    // An edit field reports changes of its text, and setting the same text is none.
    if (impl_->Kind == TWindowKind::Edit && text == WindowText(impl_->Handle)) {
        return;
    }
    SetWindowTextW(impl_->Handle, text.c_str());
    if (impl_->AutoSize) {
        SetWidth(CaptionWidth(*impl_, Left()));
    }
    if (impl_->Kind == TWindowKind::Label) {
        InvalidateRect(impl_->Handle, nullptr, TRUE);
    }
}

void TControl::SetColor(TColor color) {
    color_ = color;
    impl_->OwnColor = true;
    RedrawWindow(impl_->Handle, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TControl::SetFont(const TFont& font) {
    font_ = font;
    impl_->Font = FontFor(font);
    impl_->TextColor = ToColorRef(font.Color);
    SendMessageW(impl_->Handle, WM_SETFONT, reinterpret_cast<WPARAM>(impl_->Font), TRUE);
}

void TControl::SetCursor(TCursor cursor) {
    impl_->HandCursor = cursor == TCursor::HandPoint;
}

TWinControl::TWinControl(TWinControl* parent, TForm* form, std::string_view name,
                         std::unique_ptr<TControlImpl> impl)
    : TControl(parent, name, std::move(impl)), form_(form) {
    if (Impl().Client == nullptr) {
        Impl().Client = Impl().Handle;
    }
}

} // namespace klarvon

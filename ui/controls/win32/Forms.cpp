#include "ui/controls/Forms.h"
#include "table/TextConversions.h"
#include "table/WideText.h"
#include "ui/controls/Platform.h"
#include "ui/controls/win32/ControlImpl.h"

#include <commctrl.h>
#include <shellapi.h>

#include <stdexcept>

namespace klarvon {
namespace {

TApplication* gApplication = nullptr;
// The first form created: closing it ends the program.
TForm* gMainForm = nullptr;

// A single border that cannot be resized; the boxes are added as asked.
constexpr DWORD FormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD FormExStyle = WS_EX_CONTROLPARENT;
constexpr int Opaque = 255;

TForm* FormOf(HWND window) {
    const TControlImpl* impl = ImplOf(window);
    return impl != nullptr && impl->Control != nullptr ? static_cast<TForm*>(impl->Control)
                                                       : nullptr;
}

void CloseForm(HWND window) {
    TForm* form = FormOf(window);
    if (form == nullptr) {
        return;
    }
    // The handler runs while the window still shows: an owner it enables again is the
    // window that becomes active when this one hides.
    FireEvent(form->OnClose);
    ShowWindow(window, SW_HIDE);
    if (form->Owner() != nullptr && IsWindowEnabled(form->Owner()->Impl().Handle)) {
        SetForegroundWindow(form->Owner()->Impl().Handle);
    }
    if (form == gMainForm) {
        Application().Terminate();
    }
}

void FitClientArea(HWND window, SIZE client) {
    RECT outer{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                       GetMenu(window) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps is taller than AdjustWindowRectEx assumes: measure and correct.
    RECT actual{};
    GetClientRect(window, &actual);
    const LONG extraWidth = client.cx - actual.right;
    const LONG extraHeight = client.cy - actual.bottom;
    if (extraWidth != 0 || extraHeight != 0) {
        RECT bounds{};
        GetWindowRect(window, &bounds);
        SetWindowPos(window, nullptr, 0, 0, bounds.right - bounds.left + extraWidth,
                     bounds.bottom - bounds.top + extraHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

std::unique_ptr<TControlImpl> MakeFormImpl(TForm* owner) {
    if (gApplication == nullptr) {
        throw std::logic_error("A window needs the application to exist first");
    }
    auto impl = std::make_unique<TControlImpl>();
    impl->Kind = TWindowKind::Form;
    HWND window = CreateWindowExW(FormExStyle, FormClassName, L"", FormStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  owner != nullptr ? owner->Impl().Handle : nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) {
        throw std::runtime_error("Cannot create a window");
    }
    impl->Handle = window;
    impl->Client = window;
    impl->OwnColor = true;
    impl->Font = DesignFont();
    impl->TextColor = GetSysColor(COLOR_WINDOWTEXT);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(impl.get()));
    return impl;
}

BOOL CALLBACK ForgetControl(HWND window, LPARAM /*unused*/) {
    if (TControlImpl* impl = ImplOf(window)) {
        impl->Control = nullptr;
    }
    return TRUE;
}

} // namespace

LRESULT CALLBACK FormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (RouteChildMessage(window, message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0) {
            FireMenuCommand(LOWORD(wParam));
        }
        return 0;
    case WM_ACTIVATE:
        // The focus comes back to where the user left it, or to the first control that
        // takes it, as in a dialog.
        if (TControlImpl* impl = ImplOf(window)) {
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                impl->LastFocus = focus != nullptr && IsChild(window, focus) ? focus : nullptr;
            } else if (HIWORD(wParam) == 0) {
                HWND focus = impl->LastFocus != nullptr && IsWindow(impl->LastFocus)
                                 ? impl->LastFocus
                                 : GetNextDlgTabItem(window, nullptr, FALSE);
                if (focus != nullptr) {
                    SetFocus(focus);
                }
                return 0;
            }
        }
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_TIMER:
        FireTimer(wParam);
        return 0;
    case WM_CLOSE:
        CloseForm(window);
        return 0;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, BrushFor(BackgroundOf(window)));
        return TRUE;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void FireEvent(const std::function<void()>& handler) {
    // A message that arrives after the application is gone has nobody to report to.
    if (gApplication != nullptr) {
        gApplication->Invoke(handler);
    }
}

void MenuBarChanged(HWND form) {
    DrawMenuBar(form);
    const TControlImpl* impl = ImplOf(form);
    if (impl != nullptr && impl->ClientSize.cx > 0) {
        FitClientArea(form, impl->ClientSize);
    }
}

HWND MainFormWindow() {
    return gMainForm != nullptr ? gMainForm->Impl().Handle : nullptr;
}

HWND DialogOwner() {
    HWND active = GetActiveWindow();
    return active != nullptr ? active : MainFormWindow();
}

TForm::TForm(std::string_view name, TForm* owner)
    : TWinControl(nullptr, this, name, MakeFormImpl(owner)), owner_(owner) {
    if (gMainForm == nullptr) {
        gMainForm = this;
    }
    SetBorderIcons({});
    SetFont(TFont{});
}

TForm::~TForm() {
    if (gMainForm == this) {
        gMainForm = nullptr;
    }
    // Controls tell nothing while they are taken down: the handlers they would call
    // belong to a window that is already half gone.
    HWND window = Impl().Handle;
    EnumChildWindows(window, ForgetControl, 0);
    Impl().Control = nullptr;
    DestroyWindow(window);
}

void TForm::Register(std::unique_ptr<TComponent> component) {
    byName_.emplace(component->Name(), component.get());
    components_.push_back(std::move(component));
}

TComponent* TForm::FindComponent(std::string_view name) const {
    const auto found = byName_.find(name);
    return found != byName_.end() ? found->second : nullptr;
}

int TForm::ClientWidth() const {
    RECT client{};
    GetClientRect(Impl().Handle, &client);
    return client.right;
}

int TForm::ClientHeight() const {
    RECT client{};
    GetClientRect(Impl().Handle, &client);
    return client.bottom;
}

void TForm::SetClientSize(int width, int height) {
    Impl().ClientSize = {width, height};
    FitClientArea(Impl().Handle, Impl().ClientSize);
}

void TForm::SetBorderIcons(TBorderIcons icons) {
    HWND window = Impl().Handle;
    auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    style &= ~static_cast<DWORD>(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    if (icons.Minimize) {
        style |= WS_MINIMIZEBOX;
    }
    if (icons.Maximize) {
        style |= WS_MAXIMIZEBOX;
    }
    SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(style));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TForm::SetAlphaBlendValue(int alpha) {
    HWND window = Impl().Handle;
    Impl().Alpha = alpha;
    auto exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (alpha >= Opaque) {
        SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
        return;
    }
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(alpha < 0 ? 0 : alpha), LWA_ALPHA);
}

void TForm::Show() {
    HWND window = Impl().Handle;
    RECT area{};
    bool centre = false;
    if (position_ == TFormPosition::ScreenCenter) {
        centre = SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0) != FALSE;
    } else if (position_ == TFormPosition::OwnerFormCenter && owner_ != nullptr) {
        centre = GetWindowRect(owner_->Impl().Handle, &area) != FALSE;
    }
    if (centre) {
        RECT bounds{};
        GetWindowRect(window, &bounds);
        const LONG width = bounds.right - bounds.left;
        const LONG height = bounds.bottom - bounds.top;
        SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
                     area.top + (area.bottom - area.top - height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
}

void TForm::Close() {
    SendMessageW(Impl().Handle, WM_CLOSE, 0, 0);
}

struct TApplicationImpl {};

TApplication::TApplication(int& /*argc*/, char** /*argv*/)
    : impl_(std::make_unique<TApplicationImpl>()) {
    if (gApplication != nullptr) {
        throw std::logic_error("The program has one application object");
    }
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
    RegisterWindowClasses();
    gApplication = this;
}

TApplication::~TApplication() {
    gApplication = nullptr;
}

int TApplication::ParamCount() const {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr) {
        return 0;
    }
    LocalFree(arguments);
    return count - 1;
}

std::string TApplication::ParamStr(int index) const {
    // The wide command line: argv is in the ANSI code page, which cannot spell every name.
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr) {
        return {};
    }
    std::string argument;
    if (index >= 0 && index < count) {
        argument = FromWide(arguments[index]);
    }
    LocalFree(arguments);
    return argument;
}

int TApplication::Run() {
    if (terminated_) {
        return 0;
    }
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, the arrow keys and mnemonics move between controls as in a dialog.
        HWND active = GetActiveWindow();
        if (active != nullptr && IsDialogMessageW(active, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

TApplication& Application() {
    if (gApplication == nullptr) {
        throw std::logic_error("The application does not exist yet");
    }
    return *gApplication;
}

char DecimalSeparator() {
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    // The count includes the terminating zero.
    if (length == 2 && separator[0] < 0x80) {
        return static_cast<char>(separator[0]);
    }
    return PlainDecimalSeparator;
}

} // namespace klarvon

#include "ui/controls/ExtCtrls.h"
#include "assets/Assets.h"
#include "ui/controls/Forms.h"
#include "ui/controls/JpegDecoder.h"
#include "ui/controls/win32/ControlImpl.h"

#include <commctrl.h>

#include <map>
#include <span>

namespace klarvon {
namespace {

// The slider's classic defaults.
constexpr int TrackMin = 0;
constexpr int TrackMax = 10;
constexpr int TrackLineStep = 1;
constexpr int TrackPageStep = 2;
constexpr int TrackTickStep = 1;

constexpr int DefaultTimerInterval = 1000;

std::unique_ptr<TPicture> ToPicture(const TBitmap& bitmap) {
    auto picture = std::make_unique<TPicture>();
    picture->Width = bitmap.Width;
    picture->Height = bitmap.Height;
    BITMAPINFOHEADER& header = picture->Info.bmiHeader;
    header.biSize = sizeof header;
    header.biWidth = bitmap.Width;
    header.biHeight = -bitmap.Height; // top-down, as decoded
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const auto width = static_cast<std::size_t>(bitmap.Width);
    const std::size_t stride = (width * 3 + 3) & ~std::size_t{3};
    picture->Bits.assign(stride * static_cast<std::size_t>(bitmap.Height), 0);
    for (std::size_t y = 0; y < static_cast<std::size_t>(bitmap.Height); ++y) {
        const std::uint8_t* source = bitmap.Rgb.data() + y * width * 3;
        std::uint8_t* target = picture->Bits.data() + y * stride;
        for (std::size_t x = 0; x < width; ++x) {
            target[3 * x] = source[3 * x + 2];
            target[3 * x + 1] = source[3 * x + 1];
            target[3 * x + 2] = source[3 * x];
        }
    }
    return picture;
}

void FillWithParentBackground(HWND window, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, BrushFor(BackgroundOf(GetParent(window))));
}

LRESULT Send(const TControl& control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(control.Impl().Handle, message, wParam, lParam);
}

} // namespace

LRESULT CALLBACK PanelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (RouteChildMessage(window, message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, BrushFor(BackgroundOf(window)));
        return TRUE;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        const TControlImpl* impl = ImplOf(window);
        if (impl != nullptr && impl->Control != nullptr) {
            const TBevel bevel = static_cast<const TPanel*>(impl->Control)->Bevel();
            RECT client{};
            GetClientRect(window, &client);
            if (bevel == TBevel::Lowered) {
                DrawEdge(dc, &client, BDR_SUNKENINNER, BF_RECT);
            } else if (bevel == TBevel::Raised) {
                DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
            }
        }
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK PictureWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE; // painted whole below
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        const TControlImpl* impl = ImplOf(window);
        RECT client{};
        GetClientRect(window, &client);
        if (impl == nullptr || impl->Picture == nullptr) {
            FillWithParentBackground(window, dc);
        } else {
            if (!impl->Stretch) {
                FillWithParentBackground(window, dc); // where the picture is smaller
            }
            DrawPicture(*impl, dc, client.right, client.bottom);
        }
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

TPanel::TPanel(TWinControl& parent, std::string_view name)
    : TWinControl(&parent, &parent.Form(), name,
                  MakeChild(TWindowKind::Panel, parent, PanelClassName, WS_CLIPCHILDREN,
                            WS_EX_CONTROLPARENT)) {}

void TPanel::SetBevel(TBevel bevel) {
    bevel_ = bevel;
    InvalidateRect(Impl().Handle, nullptr, TRUE);
}

TImage::TImage(TWinControl& parent, std::string_view name)
    : TControl(&parent, name, MakeChild(TWindowKind::Image, parent, PictureClassName, 0)) {}

void TImage::LoadFromResource(std::string_view path) {
    Impl().Picture.reset();
    InvalidateRect(Impl().Handle, nullptr, TRUE);
    const std::vector<std::uint8_t> bytes = ReadAsset(std::string(path));
    Impl().Picture = ToPicture(DecodeJpeg(std::span<const std::uint8_t>(bytes)));
}

bool TImage::HasPicture() const {
    return Impl().Picture != nullptr;
}
int TImage::PictureWidth() const {
    return HasPicture() ? Impl().Picture->Width : 0;
}
int TImage::PictureHeight() const {
    return HasPicture() ? Impl().Picture->Height : 0;
}

void TImage::SetStretch(bool stretch) {
    stretch_ = stretch;
    Impl().Stretch = stretch;
    InvalidateRect(Impl().Handle, nullptr, TRUE);
}

namespace {

// OnChange fires for a position it has not reported yet, whoever moved the slider.
void ReportPosition(TTrackBar& slider) {
    const int position = slider.Position();
    if (position == slider.Impl().LastPosition) {
        return;
    }
    slider.Impl().LastPosition = position;
    FireEvent(slider.OnChange);
}

} // namespace

TTrackBar::TTrackBar(TWinControl& parent, std::string_view name)
    : TControl(&parent, name,
               MakeChild(TWindowKind::TrackBar, parent, TRACKBAR_CLASSW,
                         TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM | WS_TABSTOP)) {
    Send(*this, TBM_SETRANGE, FALSE, MAKELPARAM(TrackMin, TrackMax));
    Send(*this, TBM_SETLINESIZE, 0, TrackLineStep);
    Send(*this, TBM_SETPAGESIZE, 0, TrackPageStep);
    Send(*this, TBM_SETTICFREQ, TrackTickStep, 0);
    Impl().LastPosition = Position();
    Impl().Notify = [this](UINT /*code*/) { ReportPosition(*this); };
}

int TTrackBar::Position() const {
    return static_cast<int>(Send(*this, TBM_GETPOS));
}

void TTrackBar::SetPosition(int position) {
    Send(*this, TBM_SETPOS, TRUE, position);
    ReportPosition(*this);
}

// A window timer of the owner form, found again by its id when WM_TIMER arrives.
struct TTimerImpl {
    HWND Window = nullptr;
    UINT_PTR Id = 0;
    int Interval = DefaultTimerInterval;
    bool Enabled = false;
};

namespace {

UINT_PTR gNextTimerId = 1;

std::map<UINT_PTR, TTimer*>& Timers() {
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}

} // namespace

void FireTimer(UINT_PTR id) {
    const auto found = Timers().find(id);
    if (found != Timers().end()) {
        FireEvent(found->second->OnTimer);
    }
}

TTimer::TTimer(TForm& owner, std::string_view name)
    : TComponent(name), impl_(std::make_unique<TTimerImpl>()) {
    impl_->Window = owner.Impl().Handle;
    impl_->Id = gNextTimerId++;
    Timers().emplace(impl_->Id, this);
}

TTimer::~TTimer() {
    SetEnabled(false);
    Timers().erase(impl_->Id);
}

void TTimer::SetInterval(int milliseconds) {
    impl_->Interval = milliseconds;
    if (impl_->Enabled) {
        SetTimer(impl_->Window, impl_->Id, static_cast<UINT>(milliseconds), nullptr);
    }
}

bool TTimer::Enabled() const {
    return impl_->Enabled;
}

void TTimer::SetEnabled(bool enabled) {
    impl_->Enabled = enabled;
    if (enabled) {
        SetTimer(impl_->Window, impl_->Id, static_cast<UINT>(impl_->Interval), nullptr);
    } else {
        KillTimer(impl_->Window, impl_->Id);
    }
}

} // namespace klarvon

#pragma once
// Panels, pictures, the slider and the timer.
//
//   TPanel     a plain container with a background colour (SetColor) and a bevel.
//   TImage     a picture loaded from the program's own resources (a JPEG), drawn at the
//              control's top-left corner unscaled and clipped to the control, or
//              stretched to it. A picture that cannot be loaded throws a clear error and
//              leaves the control empty.
//   TTrackBar  a horizontal slider with the classic defaults: range 0..10, line step 1,
//              page step 2, a tick at every position, ticks below. OnChange fires when
//              Position actually changes, moved by the user or set by the program.
//   TTimer     Interval (ms, 1000 by default) and Enabled (off by default); OnTimer
//              fires every Interval while enabled. Not a control: owned by the form.

#include "ui/controls/Controls.h"

#include <functional>
#include <memory>
#include <string_view>

namespace klarvon {

enum class TBevel : std::uint8_t { None, Lowered, Raised };

class TPanel : public TWinControl {
public:
    TPanel(TWinControl& parent, std::string_view name);

    TBevel Bevel() const { return bevel_; }
    void SetBevel(TBevel bevel);

private:
    TBevel bevel_ = TBevel::None;
};

class TImage : public TControl {
public:
    TImage(TWinControl& parent, std::string_view name);

    // path names a resource of the program, e.g. ":/assets/main-background.jpg".
    void LoadFromResource(std::string_view path);
    bool HasPicture() const;
    int PictureWidth() const;
    int PictureHeight() const;

    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

private:
    bool stretch_ = false;
};

class TTrackBar : public TControl {
public:
    TTrackBar(TWinControl& parent, std::string_view name);

    int Position() const;
    void SetPosition(int position);

    std::function<void()> OnChange;
};

struct TTimerImpl;

class TTimer : public TComponent {
public:
    TTimer(TForm& owner, std::string_view name);
    ~TTimer() override;

    void SetInterval(int milliseconds);
    bool Enabled() const;
    void SetEnabled(bool enabled);

    std::function<void()> OnTimer;

private:
    std::unique_ptr<TTimerImpl> impl_;
};

} // namespace klarvon

#pragma once
// The base of every window part: components with a name, and controls placed in a
// parent's client area.
//
//   TComponent   a named part owned by its form (controls, menu items, timers, dialogs).
//   TControl     a visible part: bounds in the parent's client area, Enabled (the
//                control's own flag, as set), Visible, Caption, Color, Font, Cursor.
//   TWinControl  a control that holds other controls (TForm's client area, TPanel,
//                TGroupBox).
//
// Controls are created through their form (TForm::Add), always with their parent, so the
// order of creation is the drawing order. Events are plain std::function members; an
// exception thrown by a handler ends that handler and is shown in the application's
// error box (TApplication::ShowException), never propagated into the event loop.
// The platform side is hidden behind TControlImpl (ui/controls/qt/ for Qt).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace klarvon {

enum class TSystemColor : std::uint8_t {
    BtnFace,    // face of buttons and dialogs
    MenuBar,    // background of the menu bar; the main window's colour
    InfoBk,     // background of tooltips
    Window,     // background of edit fields and lists
    WindowText, // text
};

// One of the system's colours (followed from the palette) or a fixed RGB value.
class TColor {
public:
    static constexpr TColor System(TSystemColor role) { return TColor(role); }
    static constexpr TColor Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return TColor(r, g, b);
    }

    constexpr bool IsSystem() const { return system_; }
    constexpr TSystemColor Role() const { return role_; }
    constexpr std::uint8_t Red() const { return r_; }
    constexpr std::uint8_t Green() const { return g_; }
    constexpr std::uint8_t Blue() const { return b_; }

    friend constexpr bool operator==(const TColor&, const TColor&) = default;

private:
    constexpr explicit TColor(TSystemColor role) : system_(true), role_(role) {}
    constexpr TColor(std::uint8_t r, std::uint8_t g, std::uint8_t b)
        : system_(false), r_(r), g_(g), b_(b) {}

    bool system_ = false;
    TSystemColor role_ = TSystemColor::BtnFace;
    std::uint8_t r_ = 0;
    std::uint8_t g_ = 0;
    std::uint8_t b_ = 0;
};

inline constexpr TColor clBtnFace = TColor::System(TSystemColor::BtnFace);
inline constexpr TColor clMenuBar = TColor::System(TSystemColor::MenuBar);
inline constexpr TColor clInfoBk = TColor::System(TSystemColor::InfoBk);
inline constexpr TColor clWindow = TColor::System(TSystemColor::Window);
inline constexpr TColor clWindowText = TColor::System(TSystemColor::WindowText);
inline constexpr TColor clBlack = TColor::Rgb(0, 0, 0);
inline constexpr TColor clGray = TColor::Rgb(128, 128, 128);
inline constexpr TColor clWhite = TColor::Rgb(255, 255, 255);
inline constexpr TColor clFuchsia = TColor::Rgb(255, 0, 255);

// A control's font. An empty Name keeps the window font's family (the design font).
struct TFont {
    std::string Name;
    int PixelHeight = 11;
    TColor Color = clWindowText;
    bool Bold = false;
    bool Underline = false;
};

enum class TCursor : std::uint8_t { Default, HandPoint };

struct TControlImpl; // defined by the platform layer
class TForm;
class TWinControl;

class TComponent {
public:
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }

protected:
    explicit TComponent(std::string_view name) : name_(name) {}

private:
    std::string name_;
};

class TControl : public TComponent {
public:
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetBounds(int left, int top, int width, int height);
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }

    // The control's own flag: a control inside a disabled container still reports true.
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;

    // The text the control shows: a button's, label's, check box's or radio button's
    // caption, a group box's title, an edit field's text. Controls without a caption
    // (list box, panel, slider, picture) keep it but do not show it.
    std::string Caption() const;
    void SetCaption(std::string_view caption);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    void SetCursor(TCursor cursor);

    // The platform's own object; for the platform layer only.
    TControlImpl& Impl() const { return *impl_; }

protected:
    TControl(TWinControl* parent, std::string_view name, std::unique_ptr<TControlImpl> impl);

private:
    TWinControl* parent_;
    std::unique_ptr<TControlImpl> impl_;
    TColor color_ = clBtnFace;
    TFont font_;
};

// A control that holds others. Children are placed in its client area, whose origin is
// the control's own top-left corner (a group box's caption lies inside that area).
class TWinControl : public TControl {
public:
    // The form the control belongs to: the owner of everything created inside it.
    TForm& Form() const { return *form_; }

protected:
    TWinControl(TWinControl* parent, TForm* form, std::string_view name,
                std::unique_ptr<TControlImpl> impl);

private:
    TForm* form_;
};

} // namespace klarvon

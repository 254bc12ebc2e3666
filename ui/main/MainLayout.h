#pragma once
// What the main window holds at start-up, one row per control in creation order (which
// is also the drawing order), one row per menu item, and the window's caption.
// TForm1 builds itself from these tables.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace klarvon {

enum class TLayoutKind : std::uint8_t {
    Image,
    ListBox,
    Panel,
    GroupBox,
    Label,
    Button,
    Edit,
    CheckBox,
    RadioButton,
    TrackBar,
};

// Start-up state beyond the defaults (enabled, no bevel, parent's colour).
enum TStartState : std::uint8_t {
    NoState = 0,
    Disabled = 1 << 0,
    InfoColour = 1 << 1,   // the tooltip-background colour
    LoweredBevel = 1 << 2, // panels only
};

struct TLayoutRow {
    TLayoutKind Kind;
    std::string_view Name;
    std::string_view Parent; // "Form1" for the window's client area
    int Left;
    int Top;
    int Width;
    int Height;
    std::string_view Caption;
    unsigned State;
};

struct TMenuRow {
    std::string_view Name;
    std::string_view Parent; // empty for a top-level item
    std::string_view Caption;
    bool Checkable;
};

std::span<const TLayoutRow> MainLayout();
std::span<const TMenuRow> MainMenuLayout();

inline constexpr int MainClientWidth = 631;
inline constexpr int MainClientHeight = 417;
inline constexpr int MainAlphaBlend = 245;

// The caption: the title, a run of spaces that pushes the credit to the right end of
// the title bar, and the credit. The run is wider while the unknown fields show.
inline constexpr std::string_view CaptionTitle = "Klarvon for GTA San Andreas";
inline constexpr std::string_view CaptionCredit = "by Klarvon contributors";
inline constexpr int NarrowCaptionGap = 39;
inline constexpr int WideCaptionGap = 80;
// Shown after "Version :" for a cfg, which has no release of its own.
inline constexpr std::string_view CfgVersionText = "cfg";

// Once a file is open, its name follows the title ("... - gta_sa.exe"), and after it, for a
// file shown read-only, the word on why ("... - gta_sa.exe (read-only)").
inline constexpr std::string_view CaptionFileMark = " - ";
inline constexpr std::string_view CaptionWriteMarkGap = " ";
inline constexpr int MinCaptionGap = 3;
std::string MainCaption(int gap, std::string_view fileName = {}, std::string_view writeMark = {});

} // namespace klarvon

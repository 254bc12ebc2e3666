#pragma once
// Windows and the application.
//
//   TForm         a top-level window of fixed size. It owns every component created in
//                 it through Add<T>(parent, name) (controls, with a TWinControl parent)
//                 or Add<T>(owner-or-menu, name) (menus, menu items, timers, dialogs),
//                 and finds them again by name. As a TWinControl it is its own client
//                 area: children are placed below the menu bar. Caption is the title.
//   TApplication  one per program: Title (the title of every error box), Run(),
//                 Terminate(), ShowException / ShowError (the one error box), Beep,
//                 ShellOpen, PlayWave / StopWave. Modal dialogs, the beep, the shell and
//                 sounds go through the
//                 platform seam (ui/controls/Platform.h), which tests replace.
//   DecimalSeparator()  the user's decimal separator, for the texts of float values.

#include "ui/controls/Controls.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace klarvon {

enum class TFormPosition : std::uint8_t {
    Designed,       // stays where Left/Top put it
    ScreenCenter,   // centred on the screen when shown
    OwnerFormCenter // centred on the owner form whenever shown
};

struct TBorderIcons {
    bool Minimize = true;
    bool Maximize = false;
};

class TForm : public TWinControl {
public:
    // owner: the window this one belongs to (kept above it), or none.
    explicit TForm(std::string_view name, TForm* owner = nullptr);
    ~TForm() override;

    template <class T, class Parent> T& Add(Parent& parent, std::string_view name) {
        auto component = std::make_unique<T>(parent, name);
        T& result = *component;
        Register(std::move(component));
        return result;
    }

    // Every component created in the form, in creation order.
    const std::vector<std::unique_ptr<TComponent>>& Components() const { return components_; }
    TComponent* FindComponent(std::string_view name) const;

    TForm* Owner() const { return owner_; }

    // The client area: the window without its frame and menu bar.
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientSize(int width, int height);
    // The outer width as the design counts it: client width plus a single border of
    // FrameWidth pixels on either side.
    static constexpr int FrameWidth = 4;
    int OuterWidth() const { return ClientWidth() + 2 * FrameWidth; }
    void SetOuterWidth(int width) { SetClientSize(width - 2 * FrameWidth, ClientHeight()); }

    void SetBorderIcons(TBorderIcons icons);
    TFormPosition Position() const { return position_; }
    void SetPosition(TFormPosition position) { position_ = position; }
    // Opacity 0..255 (255 opaque).
    void SetAlphaBlendValue(int alpha);

    void Show();
    // Closes as the system close box does: OnClose runs, the window hides.
    void Close();

    // Runs whenever the window closes, by any means.
    std::function<void()> OnClose;

private:
    void Register(std::unique_ptr<TComponent> component);

    TForm* owner_;
    TFormPosition position_ = TFormPosition::Designed;
    std::vector<std::unique_ptr<TComponent>> components_;
    std::map<std::string, TComponent*, std::less<>> byName_;
};

struct TApplicationImpl;

class TApplication {
public:
    // Sets up the platform and the classic look; one per program.
    TApplication(int& argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // The command line as the program was started with it: ParamCount() arguments after the
    // program, ParamStr(1) to ParamStr(ParamCount()) each whole and in UTF-8 whatever the
    // system's code page, ParamStr(0) the program itself; an index past them is empty.
    int ParamCount() const;
    std::string ParamStr(int index) const;

    const std::string& Title() const { return title_; }
    void SetTitle(std::string_view title) { title_ = title; }

    // Runs the event loop until Terminate() or the last window closes; returns at once
    // when Terminate() came first.
    int Run();
    // Ends the event loop as soon as it runs again (the running handler finishes first).
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The one error box: error icon, one "OK", Title as its title, the failure's text
    // with a full stop appended when its last character sorts after '.'.
    void ShowException(const std::exception& error);
    void ShowError(std::string_view message);
    // Runs handler; a failure inside it ends it and goes to ShowException. Every event
    // of every control is run this way.
    void Invoke(const std::function<void()>& handler);

    void Beep();
    // Asks the system to open a web address, or a document that ships with the program
    // by its file name (looked for in DocumentFolders(), ui/controls/FileLookup.h), with
    // its default program; the outcome is not reported.
    void ShellOpen(std::string_view target);
    // Starts playing a WAV file's bytes (a sound still playing stops first); false when
    // there is no sound device, and then nothing plays.
    bool PlayWave(std::vector<std::uint8_t> wav);
    void StopWave();

private:
    std::unique_ptr<TApplicationImpl> impl_;
    std::string title_;
    bool terminated_ = false;
};

// The running application; exists from TApplication's construction to its destruction.
TApplication& Application();

// The decimal separator of the user's locale, as one character; PlainDecimalSeparator
// ('.', table/TextConversions.h) when the locale's separator is not a single ASCII
// character.
char DecimalSeparator();

} // namespace klarvon

// The parts of the application object that are the same on every platform: the one error
// box, the guard every event runs through, and the requests that go through the seam.
#include "ui/controls/Forms.h"

#include "table/ErrorReport.h"
#include "ui/controls/FileLookup.h"
#include "ui/controls/Platform.h"

#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace klarvon {

void TApplication::ShowException(const std::exception& error) {
    ShowError(error.what());
}

void TApplication::ShowError(std::string_view message) {
    TMessageBoxRequest request;
    request.Title = title_;
    request.Text = ErrorReportText(message);
    request.Icon = TMessageIcon::Error;
    request.Buttons = {"OK"};
    request.DefaultButton = 0;
    request.EscapeButton = 0;
    PlatformDialogs().ShowMessageBox(request);
}

void TApplication::Invoke(const std::function<void()>& handler) {
    if (!handler) {
        return;
    }
    // A copy: the handler may well replace itself while it runs.
    const std::function<void()> running = handler;
    try {
        running();
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowError("Unknown error");
    }
}

void TApplication::Beep() {
    PlatformDialogs().Beep();
}
void TApplication::ShellOpen(std::string_view target) {
    if (target.find("://") != std::string_view::npos) {
        PlatformDialogs().ShellOpen(std::string(target));
    } else {
        // As UTF-8, as every path in the program travels: string() would be the ANSI code
        // page on Windows, which cannot spell every folder name.
        const std::u8string found = FindFile(target, DocumentFolders()).u8string();
        PlatformDialogs().ShellOpen(std::string(found.begin(), found.end()));
    }
}

bool TApplication::PlayWave(std::vector<std::uint8_t> wav) {
    return PlatformDialogs().PlayWave({.Wav = std::move(wav)});
}
void TApplication::StopWave() {
    PlatformDialogs().StopWave();
}

} // namespace klarvon

// The editor itself, klarvon.exe from the same build: it starts, shows its main window
// within the time a user should wait, and ends cleanly when that window is closed.
#include "tests/support/TempDir.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <string>

namespace klarvon::test {
namespace {

// The build places the editor two folders up from this program, in app/.
std::filesystem::path EditorPath() {
    wchar_t own[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, own, MAX_PATH);
    return std::filesystem::path(own).parent_path().parent_path().parent_path() / "app" /
           "klarvon.exe";
}

struct TFound {
    DWORD Process;
    HWND Window;
};

BOOL CALLBACK FindShownForm(HWND window, LPARAM data) {
    auto& found = *reinterpret_cast<TFound*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (process == found.Process && IsWindowVisible(window) &&
        std::wstring(className) == L"KlarvonForm") {
        found.Window = window;
        return FALSE;
    }
    return TRUE;
}

constexpr ULONGLONG PatienceMs = 10000;

TEST(Editor, StartsShowsItsMainWindowAndEndsWhenItIsClosed) {
    const std::filesystem::path editor = EditorPath();
    ASSERT_TRUE(std::filesystem::exists(editor)) << editor.string();
    // An empty working folder: no settings file, so English and no error box.
    TTempDir folder;
    std::wstring commandLine = L"\"" + editor.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const ULONGLONG started = GetTickCount64();
    ASSERT_TRUE(CreateProcessW(editor.wstring().c_str(), commandLine.data(), nullptr, nullptr,
                               FALSE, 0, nullptr, folder.Path().wstring().c_str(), &startup,
                               &process));

    TFound found{process.dwProcessId, nullptr};
    while (found.Window == nullptr && GetTickCount64() - started < PatienceMs) {
        EnumWindows(FindShownForm, reinterpret_cast<LPARAM>(&found));
        if (found.Window == nullptr)
            Sleep(1);
    }
    const ULONGLONG shownAfter = GetTickCount64() - started;
    EXPECT_NE(found.Window, nullptr) << "no main window within " << PatienceMs << " ms";
    if (found.Window != nullptr) {
        std::cout << "klarvon.exe: first window after " << shownAfter << " ms\n";
        wchar_t title[128] = {};
        GetWindowTextW(found.Window, title, 128);
        EXPECT_EQ(std::wstring(title).rfind(L"Klarvon for GTA San Andreas", 0), 0U);
        PostMessageW(found.Window, WM_CLOSE, 0, 0);
    }

    const bool ended =
        WaitForSingleObject(process.hProcess, static_cast<DWORD>(PatienceMs)) == WAIT_OBJECT_0;
    if (!ended)
        TerminateProcess(process.hProcess, 1);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_TRUE(ended) << "closing the main window did not end the program";
    EXPECT_EQ(exitCode, 0U);
}

} // namespace
} // namespace klarvon::test

// The editor itself, klarvon.exe from the same build: it starts, shows its main window
// within the time a user should wait, and ends cleanly when that window is closed.
#include "tests/support/TempDir.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

// Stops at a child window whose text is *data, and clears data to say so.
BOOL CALLBACK FindCaption(HWND window, LPARAM data) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    auto& caption = *reinterpret_cast<std::wstring*>(data);
    if (caption == text) {
        caption.clear();
        return FALSE;
    }
    return TRUE;
}

// Started with its working folder where it lives, as Explorer starts it; the folder may
// have any name, and a Settings.ini there picks the language.
TEST(Editor, StartsShowsItsMainWindowAndEndsWhenItIsClosed) {
    const std::filesystem::path built = EditorPath();
    ASSERT_TRUE(std::filesystem::exists(built)) << built.string();
    const struct {
        const char8_t* Folder;
        const char* Settings; // nullptr: none
        const wchar_t* OpenCaption;
    } cases[] = {
        {u8"plain", nullptr, L"Open gta_sa.exe"},
        {u8"Программы café 𝄞", "Rus\r\n", L"Открыть \u0435\u0445\u0435 SA"},
        {u8"Łódź 𝄞", nullptr, L"Open gta_sa.exe"},
    };
    TTempDir root;
    for (const auto& c : cases) {
        const std::filesystem::path folder = root.Path() / c.Folder;
        SCOPED_TRACE(folder.string());
        std::filesystem::create_directory(folder);
        const std::filesystem::path editor = folder / "klarvon.exe";
        std::filesystem::copy_file(built, editor);
        if (c.Settings != nullptr) {
            std::ofstream(folder / "Settings.ini", std::ios::binary) << c.Settings;
        }
        std::wstring commandLine = L"\"" + editor.wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        const ULONGLONG started = GetTickCount64();
        ASSERT_TRUE(CreateProcessW(editor.wstring().c_str(), commandLine.data(), nullptr, nullptr,
                                   FALSE, 0, nullptr, folder.wstring().c_str(), &startup,
                                   &process));

        TFound found{process.dwProcessId, nullptr};
        while (found.Window == nullptr && GetTickCount64() - started < PatienceMs) {
            EnumWindows(FindShownForm, reinterpret_cast<LPARAM>(&found));
            if (found.Window == nullptr) {
                Sleep(1);
            }
        }
        const ULONGLONG shownAfter = GetTickCount64() - started;
        EXPECT_NE(found.Window, nullptr) << "no main window within " << PatienceMs << " ms";
        if (found.Window != nullptr) {
            std::cout << "klarvon.exe: first window after " << shownAfter << " ms\n";
            wchar_t title[128] = {};
            GetWindowTextW(found.Window, title, 128);
            EXPECT_EQ(std::wstring(title).rfind(L"Klarvon for GTA San Andreas", 0), 0U);
            std::wstring wanted = c.OpenCaption;
            EnumChildWindows(found.Window, FindCaption, reinterpret_cast<LPARAM>(&wanted));
            EXPECT_TRUE(wanted.empty()) << "the language is not the settings file's";
            PostMessageW(found.Window, WM_CLOSE, 0, 0);
        }

        const bool ended =
            WaitForSingleObject(process.hProcess, static_cast<DWORD>(PatienceMs)) == WAIT_OBJECT_0;
        if (!ended) {
            TerminateProcess(process.hProcess, 1);
        }
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        EXPECT_TRUE(ended) << "closing the main window did not end the program";
        EXPECT_EQ(exitCode, 0U);
    }
}

} // namespace
} // namespace klarvon::test

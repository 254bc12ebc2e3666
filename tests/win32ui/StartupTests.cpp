// The editor itself, klarvon.exe from the same build: it starts, shows its main window
// within the time a user should wait, opens a file given on its command line, and ends
// cleanly when that window is closed.
#include "tests/support/TempDir.h"
#include "tests/support/WindowTestFiles.h"

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
    const wchar_t* ClassName;
    HWND Window;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM data) {
    auto& found = *reinterpret_cast<TFound*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (process == found.Process && IsWindowVisible(window) &&
        std::wstring(className) == found.ClassName) {
        found.Window = window;
        return FALSE;
    }
    return TRUE;
}

constexpr ULONGLONG PatienceMs = 10000;
constexpr const wchar_t* FormClass = L"KlarvonForm";
constexpr const wchar_t* MessageBoxClass = L"#32770";

// The process's shown top-level window of that class, waited for up to patience; nullptr
// when none came.
HWND WaitForWindow(DWORD process, const wchar_t* className, ULONGLONG patience = PatienceMs) {
    const ULONGLONG started = GetTickCount64();
    TFound found{process, className, nullptr};
    for (;;) {
        EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&found));
        if (found.Window != nullptr || GetTickCount64() - started >= patience) {
            return found.Window;
        }
        Sleep(1);
    }
}

// The editor started with its working folder where it lives, as Explorer starts it, and
// the arguments after its own name.
PROCESS_INFORMATION StartEditor(const std::filesystem::path& editor,
                                const std::wstring& arguments = {}) {
    std::wstring commandLine = L"\"" + editor.wstring() + L"\"" + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(editor.wstring().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, editor.parent_path().wstring().c_str(), &startup, &process)) {
        ADD_FAILURE() << "klarvon.exe did not start: error " << GetLastError();
    }
    return process;
}

// Closes the main window (when there is one) and expects the program to end cleanly.
void CloseEditor(const PROCESS_INFORMATION& process, HWND form) {
    if (form != nullptr) {
        PostMessageW(form, WM_CLOSE, 0, 0);
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
        const ULONGLONG started = GetTickCount64();
        const PROCESS_INFORMATION process = StartEditor(editor);
        ASSERT_NE(process.hProcess, nullptr);
        const HWND form = WaitForWindow(process.dwProcessId, FormClass);
        const ULONGLONG shownAfter = GetTickCount64() - started;
        EXPECT_NE(form, nullptr) << "no main window within " << PatienceMs << " ms";
        if (form != nullptr) {
            std::cout << "klarvon.exe: first window after " << shownAfter << " ms\n";
            wchar_t title[128] = {};
            GetWindowTextW(form, title, 128);
            EXPECT_EQ(std::wstring(title).rfind(L"Klarvon for GTA San Andreas", 0), 0U);
            std::wstring wanted = c.OpenCaption;
            EnumChildWindows(form, FindCaption, reinterpret_cast<LPARAM>(&wanted));
            EXPECT_TRUE(wanted.empty()) << "the language is not the settings file's";
        }
        CloseEditor(process, form);
    }
}

std::wstring Caption(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// A message box's text.
std::wstring BoxText(HWND box) {
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    return text;
}

std::string Utf8(const std::wstring& text) {
    const std::u8string utf8 = std::filesystem::path(text).u8string();
    return std::string(utf8.begin(), utf8.end());
}

// A file given on the command line, as dropping it on the program or "Open with" gives it,
// opens at start; one that cannot be opened gets the open's error box and leaves the
// program running with an empty list.
TEST(Editor, OpensTheFileGivenOnItsCommandLine) {
    const struct {
        const char8_t* File;
        bool Exists;
        int Lines;
        const wchar_t* Error; // the error box's text; nullptr: none
    } cases[] = {
        {u8"gta_sa - копия.exe", true, Slots, nullptr},
        {u8"gta_sa.exe", false, 0, L"File not found."},
    };
    TTempDir root;
    const std::filesystem::path folder = root.Path() / u8"Grand Theft Auto San Andreas";
    std::filesystem::create_directory(folder);
    const std::filesystem::path editor = folder / "klarvon.exe";
    std::filesystem::copy_file(EditorPath(), editor);
    for (const auto& c : cases) {
        const std::filesystem::path file = folder / c.File;
        SCOPED_TRACE(Utf8(file.wstring()));
        if (c.Exists) {
            const TBytes bytes = TableExecutable(1);
            std::ofstream(file, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
            ASSERT_TRUE(std::filesystem::exists(file));
        }
        const PROCESS_INFORMATION process = StartEditor(editor, L" \"" + file.wstring() + L"\"");
        ASSERT_NE(process.hProcess, nullptr);
        if (c.Error != nullptr) {
            HWND box = WaitForWindow(process.dwProcessId, MessageBoxClass);
            ASSERT_NE(box, nullptr) << "no error box";
            EXPECT_EQ(BoxText(box), c.Error);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            // The box closes in its own time; until it has, it would count as another one.
            const ULONGLONG pressed = GetTickCount64();
            while (IsWindow(box) && GetTickCount64() - pressed < PatienceMs) {
                Sleep(10);
            }
            ASSERT_FALSE(IsWindow(box)) << "the error box did not close";
        }
        const HWND form = WaitForWindow(process.dwProcessId, FormClass);
        ASSERT_NE(form, nullptr) << "no main window";
        HWND list = FindWindowExW(form, nullptr, L"ListBox", nullptr);
        const ULONGLONG started = GetTickCount64();
        while (SendMessageW(list, LB_GETCOUNT, 0, 0) < c.Lines &&
               GetTickCount64() - started < PatienceMs) {
            Sleep(10);
        }
        EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), c.Lines);
        EXPECT_EQ(Caption(form).find(file.filename().wstring()) != std::wstring::npos, c.Exists)
            << Utf8(Caption(form));
        if (HWND box = WaitForWindow(process.dwProcessId, MessageBoxClass, 0)) {
            ADD_FAILURE() << "an error box is showing: " << Utf8(BoxText(box));
        }
        CloseEditor(process, form);
    }
}

} // namespace
} // namespace klarvon::test

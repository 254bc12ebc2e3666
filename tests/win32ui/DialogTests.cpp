// The Windows side's own dialogs as the user answers them, driven through the messages the
// system would deliver while they show: the list dialog, and a message dialog whose
// default is not its first button.
#include "tests/win32ui/KeyPress.h"
#include "ui/controls/Dialogs.h"
#include "ui/controls/win32/ControlImpl.h"
#include "ui/controls/win32/NativeDialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace klarvon::test {
namespace {

// Steps run one by one from a thread timer, inside the dialog's own modal loop. A dialog
// still showing after the last step is closed with a failure, so that a fault does not
// hang the program.
std::vector<std::function<void()>>* gDialogSteps = nullptr;
std::size_t gNextDialogStep = 0;
const wchar_t* gDialogTitle = nullptr;

HWND ShowingDialog() {
    return FindWindowW(MessageDialogClass, gDialogTitle);
}

void CALLBACK RunDialogStep(HWND, UINT, UINT_PTR timer, DWORD) {
    if (gNextDialogStep < gDialogSteps->size()) {
        (*gDialogSteps)[gNextDialogStep++]();
        return;
    }
    KillTimer(nullptr, timer);
    if (HWND dialog = ShowingDialog(); dialog != nullptr) {
        ADD_FAILURE() << "the dialog still shows after the user's last step";
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    }
}

template <class Show>
auto WhileShowing(const wchar_t* title, std::vector<std::function<void()>> steps, Show show) {
    gDialogSteps = &steps;
    gNextDialogStep = 0;
    gDialogTitle = title;
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, RunDialogStep);
    const auto answer = show();
    KillTimer(nullptr, timer);
    EXPECT_EQ(ShowingDialog(), nullptr);
    return answer;
}

HWND Item(int id) {
    return GetDlgItem(ShowingDialog(), id);
}

void ClickLine(int line, bool twice) {
    HWND lines = Item(ListLinesId);
    RECT bounds{};
    SendMessageW(lines, LB_GETITEMRECT, static_cast<WPARAM>(line),
                 reinterpret_cast<LPARAM>(&bounds));
    const LPARAM at = MAKELPARAM(bounds.left + 5, (bounds.top + bounds.bottom) / 2);
    SendMessageW(lines, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(lines, WM_LBUTTONUP, 0, at);
    if (twice) {
        SendMessageW(lines, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageW(lines, WM_LBUTTONUP, 0, at);
    }
}

std::string LineText(HWND lines, int line) {
    const auto length = SendMessageW(lines, LB_GETTEXTLEN, static_cast<WPARAM>(line), 0);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(lines, LB_GETTEXT, static_cast<WPARAM>(line),
                 reinterpret_cast<LPARAM>(text.data()));
    return Narrow(text.c_str());
}

// "Write anyway?" with No as the default: Enter where the focus stands answers No.
TEST(Win32Dialogs, MessageDialogEnterPressesTheNamedDefault) {
    const std::unique_ptr<TPlatformDialogs> native = MakeNativePlatformDialogs();
    const TMessageBoxRequest request =
        MessageDlgRequest("PlayerBank: 710: likely crash", TMsgDlgType::Warning,
                          {.Yes = true, .No = true}, TMsgDlgBtn::No);
    const int answer = WhileShowing(
        L"Warning",
        {[] {
             HWND focus = GetFocus();
             EXPECT_EQ(Narrow(WindowText(focus)), "&No");
             EXPECT_EQ(GetWindowLongPtrW(focus, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
         },
         [] { Key(VK_RETURN, L'\r'); }},
        [&] { return native->ShowMessageBox(request); });
    EXPECT_EQ(answer, 1);
}

TEST(Win32Dialogs, ListDialogAnswersTheLineChosenOrClosed) {
    const std::unique_ptr<TPlatformDialogs> native = MakeNativePlatformDialogs();
    const TListDialogRequest request = ListDlgRequest(
        "Check", "1 problem, 2 notes in 3 vehicles",
        {"400 Landstalker: PlayerBank: 710: likely crash", "Привет: a note", "third"}, "Select",
        "Закрыть");
    auto looksAsAsked = [&request] {
        HWND dialog = ShowingDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Narrow(WindowText(Item(ListHeaderId))), request.Header);
        HWND lines = Item(ListLinesId);
        ASSERT_EQ(SendMessageW(lines, LB_GETCOUNT, 0, 0), 3);
        for (int line = 0; line < 3; ++line) {
            EXPECT_EQ(LineText(lines, line), request.Lines[static_cast<std::size_t>(line)]);
        }
        EXPECT_EQ(Narrow(WindowText(Item(IDOK))), "Select");
        EXPECT_EQ(Narrow(WindowText(Item(IDCANCEL))), "Закрыть");
        EXPECT_EQ(GetFocus(), lines);
        // Nothing to choose yet.
        EXPECT_FALSE(IsWindowEnabled(Item(IDOK)));
        // Wide enough for lines of about a hundred characters, and resizable.
        RECT client{};
        GetClientRect(dialog, &client);
        EXPECT_GE(client.right, 600);
        EXPECT_GE(client.bottom, 300);
        EXPECT_NE(GetWindowLongPtrW(dialog, GWL_STYLE) & WS_THICKFRAME, 0);
    };
    struct TCase {
        const char* What;
        std::vector<std::function<void()>> Steps;
        int Answer;
    };
    const TCase cases[] = {
        {"double click", {[] { ClickLine(1, true); }}, 1},
        {"select button",
         {[] { ClickLine(2, false); },
          [] {
              EXPECT_TRUE(IsWindowEnabled(Item(IDOK)));
              SendMessageW(Item(IDOK), BM_CLICK, 0, 0);
          }},
         2},
        {"Enter on a line", {[] { ClickLine(0, false); }, [] { Key(VK_RETURN, L'\r'); }}, 0},
        {"Enter without a line, then Esc",
         {[] { Key(VK_RETURN, L'\r'); },
          [] { EXPECT_NE(ShowingDialog(), nullptr) << "Enter closed the dialog"; },
          [] { Key(VK_ESCAPE, 0); }},
         ListDialogClosed},
        {"close button with a line selected",
         {[] { ClickLine(1, false); }, [] { SendMessageW(Item(IDCANCEL), BM_CLICK, 0, 0); }},
         ListDialogClosed},
        {"close box",
         {[] { ClickLine(1, false); },
          [] { PostMessageW(ShowingDialog(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
         ListDialogClosed},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.What);
        std::vector<std::function<void()>> steps{looksAsAsked};
        steps.insert(steps.end(), test.Steps.begin(), test.Steps.end());
        EXPECT_EQ(WhileShowing(L"Check", steps, [&] { return native->ShowListDialog(request); }),
                  test.Answer);
    }
}

} // namespace
} // namespace klarvon::test

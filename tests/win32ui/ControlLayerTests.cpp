// The control layer's promises (ui/controls/*.h) kept on Windows: what each control
// reports and when, checked with the messages the controls themselves send.
#include "tests/ui/AnsweringDialogs.h"
#include "ui/controls/ExtCtrls.h"
#include "ui/controls/Forms.h"
#include "ui/controls/Menus.h"
#include "ui/controls/StdCtrls.h"
#include "ui/controls/win32/ControlImpl.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace klarvon::test {
namespace {

HWND HandleOf(const TControl& control) {
    return control.Impl().Handle;
}

// Delivers what arrives for a while, as the program's loop would.
void Deliver(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    do {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    } while (GetTickCount64() < end);
}

// A press of the left button at a point of the control.
void ClickAt(HWND window, int x, int y) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

class ControlLayer : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<TForm>("Probe");
        // Never shown: the controls work the same hidden, and Wine without a window
        // manager waits two seconds for every shown window that goes away.
        form_->SetClientSize(300, 200);
    }

    void TearDown() override {
        form_.reset();
        // A closed first form ends the program's loop; that is not this test's business.
        Deliver(10);
    }

    TAnsweringDialogs answers_;
    TPlatformDialogsOverride seam_{answers_};
    std::unique_ptr<TForm> form_;
};

TEST_F(ControlLayer, ListTellsOnlyTheUsersChoice) {
    auto& list = form_->Add<TListBox>(*form_, "List");
    list.SetBounds(0, 0, 200, 150);
    int clicks = 0;
    list.OnClick = [&] { ++clicks; };
    for (const char* line : {"400", "401", "402"})
        list.AddItem(line);
    list.SetItemIndex(1);
    list.Clear();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(list.ItemIndex(), -1);

    for (const char* line : {"400", "401", "402"})
        list.AddItem(line);
    RECT line{};
    SendMessageW(HandleOf(list), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&line));
    ClickAt(HandleOf(list), line.left + 5, (line.top + line.bottom) / 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list.ItemIndex(), 2);
    SendMessageW(HandleOf(list), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.Item(1), "401");
}

TEST_F(ControlLayer, EditTellsEveryChangeAndItsHandlerMayRewriteTheText) {
    auto& edit = form_->Add<TEdit>(*form_, "Edit");
    edit.SetBounds(0, 0, 100, 21);
    std::vector<std::string> seen;
    edit.OnChange = [&] { seen.push_back(edit.Text()); };
    edit.SetText("12");
    edit.SetText("12"); // the same text: no change
    edit.SetSelStart(2);
    SendMessageW(HandleOf(edit), WM_CHAR, L'3', 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"12", "123"}));
    edit.SetSelStart(1);
    EXPECT_EQ(edit.SelStart(), 1);

    // A filter that takes one character at a time runs again for its own rewrite.
    edit.OnChange = [&] {
        const std::string text = edit.Text();
        if (!text.empty() && (text.back() < '0' || text.back() > '9'))
            edit.SetText(text.substr(0, text.size() - 1));
    };
    edit.SetText("12ab");
    EXPECT_EQ(edit.Text(), "12");
}

TEST_F(ControlLayer, RadioGroupIsExclusiveAndCanBeLeftWithoutChoice) {
    auto& a = form_->Add<TRadioButton>(*form_, "A");
    auto& b = form_->Add<TRadioButton>(*form_, "B");
    a.SetBounds(0, 0, 100, 17);
    b.SetBounds(0, 20, 100, 17);
    EXPECT_TRUE(!a.Checked() && !b.Checked());
    a.SetChecked(true);
    b.SetChecked(true);
    EXPECT_TRUE(!a.Checked() && b.Checked());
    b.SetChecked(false);
    EXPECT_TRUE(!a.Checked() && !b.Checked());
    SendMessageW(HandleOf(a), BM_CLICK, 0, 0);
    SendMessageW(HandleOf(b), BM_CLICK, 0, 0);
    EXPECT_TRUE(!a.Checked() && b.Checked());
}

TEST_F(ControlLayer, CheckBoxTellsClicksAndProgramChanges) {
    auto& box = form_->Add<TCheckBox>(*form_, "Box");
    box.SetBounds(0, 0, 100, 17);
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };
    box.SetChecked(true);
    box.SetChecked(true);
    SendMessageW(HandleOf(box), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box.Checked());
}

TEST_F(ControlLayer, SliderTellsOnlyRealMoves) {
    auto& slider = form_->Add<TTrackBar>(*form_, "Slider");
    slider.SetBounds(0, 0, 177, 33);
    int changes = 0;
    slider.OnChange = [&] { ++changes; };
    slider.SetPosition(4);
    slider.SetPosition(4);
    slider.SetPosition(99);
    EXPECT_EQ(slider.Position(), 10);
    EXPECT_EQ(changes, 2);
    // The user: Home moves it, a second Home does not.
    for (int press = 0; press < 2; ++press) {
        SendMessageW(HandleOf(slider), WM_KEYDOWN, VK_HOME, 0);
        SendMessageW(HandleOf(slider), WM_KEYUP, VK_HOME, 0);
    }
    EXPECT_EQ(slider.Position(), 0);
    EXPECT_EQ(changes, 3);
}

TEST_F(ControlLayer, MenuItemLeavesItsMarkToTheHandler) {
    auto& menu = form_->Add<TMainMenu>(*form_, "Menu");
    auto& settings = form_->Add<TMenuItem>(menu, "Settings1");
    auto& item = form_->Add<TMenuItem>(settings, "Show1");
    settings.SetCaption("Settings");
    item.SetCaption("Show");
    item.SetCheckable(true);
    // As Windows reports a choice from the menu.
    const UINT id = GetMenuItemID(GetSubMenu(GetMenu(form_->Impl().Handle), 0), 0);
    auto choose = [&] { SendMessageW(form_->Impl().Handle, WM_COMMAND, MAKEWPARAM(id, 0), 0); };
    choose();
    EXPECT_FALSE(item.Checked());
    bool seenBefore = true;
    item.OnClick = [&] {
        seenBefore = item.Checked();
        item.SetChecked(!item.Checked());
    };
    choose();
    EXPECT_FALSE(seenBefore);
    EXPECT_TRUE(item.Checked());
    choose();
    EXPECT_FALSE(item.Checked());
    // The menu bar does not eat into the client area asked for.
    EXPECT_EQ(form_->ClientWidth(), 300);
    EXPECT_EQ(form_->ClientHeight(), 200);
}

TEST_F(ControlLayer, LabelGrowsWithItsCaption) {
    auto& label = form_->Add<TLabel>(*form_, "Size");
    label.SetCaption("_");
    label.SetBounds(8, 32, 6, 13);
    label.SetCaption("14383616");
    EXPECT_GE(label.Width(), TextWidth(label.Impl(), L"14383616"));
    EXPECT_EQ(label.Left(), 8);
}

TEST_F(ControlLayer, FailingHandlerEndsInTheErrorBoxAndTheProgramGoesOn) {
    struct TFailure {
        std::function<void()> Throw;
        const char* Shown;
    };
    const TFailure failures[] = {
        {[] { throw std::range_error("Range check error"); }, "Range check error."},
        {[] { throw std::runtime_error("Saved."); }, "Saved."},
        {[] { throw 42; }, "Unknown error."},
    };
    auto& button = form_->Add<TButton>(*form_, "Button");
    button.SetBounds(0, 0, 80, 25);
    for (const TFailure& failure : failures) {
        SCOPED_TRACE(failure.Shown);
        answers_.Boxes.clear();
        button.OnClick = failure.Throw;
        // Thrown inside the window procedure, caught before it leaves it.
        SendMessageW(HandleOf(button), BM_CLICK, 0, 0);
        ASSERT_EQ(answers_.Boxes.size(), 1U);
        const TMessageBoxRequest& box = answers_.Boxes.front();
        EXPECT_EQ(box.Title, Application().Title());
        EXPECT_EQ(box.Text, failure.Shown);
        EXPECT_EQ(box.Icon, TMessageIcon::Error);
        EXPECT_EQ(box.Buttons, std::vector<std::string>{"OK"});
    }
}

TEST_F(ControlLayer, PictureThatCannotBeLoadedLeavesTheControlEmpty) {
    auto& image = form_->Add<TImage>(*form_, "Picture");
    try {
        image.LoadFromResource(":/assets/no-such-picture.jpg");
        ADD_FAILURE() << "a missing picture loaded";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("no-such-picture.jpg"), std::string::npos);
    }
    EXPECT_FALSE(image.HasPicture());
}

TEST_F(ControlLayer, ClosingTellsTheFormAndHidesIt) {
    int closes = 0;
    form_->OnClose = [&] { ++closes; };
    SendMessageW(form_->Impl().Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(IsWindowVisible(form_->Impl().Handle));
    EXPECT_TRUE(IsWindow(form_->Impl().Handle)) << "closing destroyed the window";
}

TEST_F(ControlLayer, TimerRunsWhileEnabled) {
    auto& timer = form_->Add<TTimer>(*form_, "Timer");
    int ticks = 0;
    timer.OnTimer = [&] {
        ++ticks;
        timer.SetEnabled(false);
    };
    timer.SetInterval(10);
    EXPECT_FALSE(timer.Enabled());
    timer.SetEnabled(true);
    Deliver(300);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(timer.Enabled());
}

} // namespace
} // namespace klarvon::test

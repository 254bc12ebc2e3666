// The control layer's promises (ui/controls/*.h) that the windows build on, kept by each
// platform's side: which changes fire events and which do not, the radio groups, the
// menu's check marks, the error box at the event boundary, message dialogs with and
// without Esc and with a chosen default, the list dialog's request and answers, pictures
// that cannot be loaded, closing and the timer.
#include "tests/controls/Driver.h"
#include "tests/support/AnsweringDialogs.h"
#include "ui/controls/Dialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace klarvon::test {
namespace {

class ControlLayer : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<TForm>("Probe");
        form_->SetClientSize(300, 200);
        PrepareForInput(*form_);
    }

    void TearDown() override {
        form_.reset();
        // A closed first form ends the program's loop; that is not this test's business.
        DeliverUntil([] { return false; }, 10);
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
    for (const char* line : {"400", "401", "402"}) {
        list.AddItem(line);
    }
    list.SetItemIndex(1);
    list.Clear();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(list.ItemIndex(), -1);

    for (const char* line : {"400", "401", "402"}) {
        list.AddItem(line);
    }
    ClickLine(list, 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list.ItemIndex(), 2);
    Press(list, TKey::Up);
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
    Type(edit, "3");
    EXPECT_EQ(seen, (std::vector<std::string>{"12", "123"}));
    edit.SetSelStart(1);
    EXPECT_EQ(edit.SelStart(), 1);

    // A filter that takes one character at a time runs again for its own rewrite.
    edit.OnChange = [&] {
        const std::string text = edit.Text();
        if (!text.empty() && (text.back() < '0' || text.back() > '9')) {
            edit.SetText(text.substr(0, text.size() - 1));
        }
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
    a.SetChecked(true);
    EXPECT_TRUE(a.Checked() && !b.Checked());
    Click(b);
    EXPECT_TRUE(!a.Checked() && b.Checked());
    Click(a);
    EXPECT_TRUE(a.Checked() && !b.Checked());
}

TEST_F(ControlLayer, CheckBoxTellsClicksAndProgramChanges) {
    auto& box = form_->Add<TCheckBox>(*form_, "Box");
    box.SetBounds(0, 0, 100, 17);
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };
    box.SetChecked(true);
    box.SetChecked(true);
    Click(box);
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
    Press(slider, TKey::Home);
    Press(slider, TKey::Home);
    EXPECT_EQ(slider.Position(), 0);
    EXPECT_EQ(changes, 3);
}

// The check mark is the handler's to set; choosing the item does not flip it.
TEST_F(ControlLayer, MenuItemLeavesItsMarkToTheHandler) {
    auto& menu = form_->Add<TMainMenu>(*form_, "Menu");
    auto& settings = form_->Add<TMenuItem>(menu, "Settings1");
    auto& item = form_->Add<TMenuItem>(settings, "Show1");
    settings.SetCaption("Settings");
    item.SetCaption("Show");
    item.SetCheckable(true);
    Choose(*form_, item);
    EXPECT_FALSE(item.Checked());
    bool seenBefore = true;
    item.OnClick = [&] {
        seenBefore = item.Checked();
        item.SetChecked(!item.Checked());
    };
    Choose(*form_, item);
    EXPECT_FALSE(seenBefore);
    EXPECT_TRUE(item.Checked());
    item.Click();
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
    EXPECT_GE(label.Width(), TextWidth(label, "14383616"));
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
        Click(button);
        ASSERT_EQ(answers_.Boxes.size(), 1U);
        const TMessageBoxRequest& box = answers_.Boxes.front();
        EXPECT_EQ(box.Title, Application().Title());
        EXPECT_EQ(box.Text, failure.Shown);
        EXPECT_EQ(box.Icon, TMessageIcon::Error);
        EXPECT_EQ(box.Buttons, std::vector<std::string>{"OK"});
    }
}

TEST_F(ControlLayer, HandlerMayReplaceItself) {
    auto& button = form_->Add<TButton>(*form_, "Button");
    button.SetBounds(0, 0, 80, 25);
    int runs = 0;
    button.OnClick = [&] {
        ++runs;
        button.OnClick = [&] { runs += 10; };
    };
    Click(button);
    button.Click();
    EXPECT_EQ(runs, 11);
}

TEST_F(ControlLayer, MessageDialogsFollowTheirTypeAndAnswerEscOnlyWithAnEscButton) {
    struct TCase {
        const char* What;
        TMsgDlgType Type;
        TMsgDlgButtons Offered;
        const char* Title;
        std::vector<std::string> Buttons;
        int Escape;
    };
    const TCase cases[] = {
        {"unknown exe", TMsgDlgType::Error, {.Yes = true}, "Error", {"&Yes"}, -1},
        {"saved", TMsgDlgType::Information, {.OK = true}, "Information", {"OK"}, 0},
        {"yes or no",
         TMsgDlgType::Confirmation,
         {.Yes = true, .No = true},
         "Confirmation",
         {"&Yes", "&No"},
         1},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.What);
        const TMessageBoxRequest request = MessageDlgRequest("Text", test.Type, test.Offered);
        EXPECT_EQ(request.Title, test.Title);
        EXPECT_EQ(request.Buttons, test.Buttons);
        EXPECT_EQ(request.DefaultButton, 0);
        EXPECT_EQ(request.EscapeButton, test.Escape);

        answers_.BoxAnswer = MessageBoxClosed;
        EXPECT_EQ(MessageDlg("Text", test.Type, test.Offered), TModalResult::Cancel);
        answers_.BoxAnswer = 0;
        EXPECT_EQ(MessageDlg("Text", test.Type, test.Offered),
                  test.Offered.Yes ? TModalResult::Yes : TModalResult::OK);
    }
}

// A question whose safe answer is No: Enter must not write. The default names a button,
// not a place, so it stays on No whatever else is offered; one not offered leaves the first.
TEST_F(ControlLayer, MessageDialogDefaultIsTheButtonNamed) {
    struct TCase {
        const char* What;
        TMsgDlgButtons Offered;
        TMsgDlgBtn Default;
        int DefaultIndex;
        TModalResult ByDefault;
    };
    const TCase cases[] = {
        {"write anyway?", {.Yes = true, .No = true}, TMsgDlgBtn::No, 1, TModalResult::No},
        {"yes first", {.Yes = true, .No = true}, TMsgDlgBtn::Yes, 0, TModalResult::Yes},
        {"with cancel",
         {.Yes = true, .No = true, .Cancel = true},
         TMsgDlgBtn::No,
         1,
         TModalResult::No},
        {"cancel", {.OK = true, .Cancel = true}, TMsgDlgBtn::Cancel, 1, TModalResult::Cancel},
        {"not offered", {.Yes = true, .No = true}, TMsgDlgBtn::OK, 0, TModalResult::Yes},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.What);
        const TMessageBoxRequest request =
            MessageDlgRequest("Write anyway?", TMsgDlgType::Warning, test.Offered, test.Default);
        const TMessageBoxRequest plain =
            MessageDlgRequest("Write anyway?", TMsgDlgType::Warning, test.Offered);
        EXPECT_EQ(request.DefaultButton, test.DefaultIndex);
        // Only the default differs from the same box without one.
        EXPECT_EQ(request.Buttons, plain.Buttons);
        EXPECT_EQ(request.EscapeButton, plain.EscapeButton);
        EXPECT_EQ(request.Title, plain.Title);

        answers_.Boxes.clear();
        answers_.BoxAnswer = test.DefaultIndex; // the user presses Enter
        EXPECT_EQ(MessageDlg("Write anyway?", TMsgDlgType::Warning, test.Offered, test.Default),
                  test.ByDefault);
        ASSERT_EQ(answers_.Boxes.size(), 1U);
        EXPECT_EQ(answers_.Boxes.front().DefaultButton, test.DefaultIndex);
        answers_.BoxAnswer = MessageBoxClosed;
        EXPECT_EQ(MessageDlg("Write anyway?", TMsgDlgType::Warning, test.Offered, test.Default),
                  TModalResult::Cancel);
    }
}

// The caller gets a line of its own list or "closed", whatever the seam answers: an index
// past the end would select a vehicle that is not there.
TEST_F(ControlLayer, ListDialogAsksWithEveryLineAndAnswersOnlyWithOne) {
    const std::vector<std::string> lines{"400 Landstalker: PlayerBank: 710: likely crash",
                                         "Привет: a note"};
    struct TCase {
        int Seam;
        int Answer;
    };
    const TCase cases[] = {{0, 0},
                           {1, 1},
                           {ListDialogClosed, ListDialogClosed},
                           {2, ListDialogClosed},
                           {-7, ListDialogClosed}};
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Seam);
        answers_.ListRequests.clear();
        answers_.ListAnswer = test.Seam;
        EXPECT_EQ(ListDlg("Check", "1 problem, 1 note in 2 vehicles", lines, "Select", "Close"),
                  test.Answer);
        ASSERT_EQ(answers_.ListRequests.size(), 1U);
        const TListDialogRequest& request = answers_.ListRequests.front();
        EXPECT_EQ(request.Title, "Check");
        EXPECT_EQ(request.Header, "1 problem, 1 note in 2 vehicles");
        EXPECT_EQ(request.Lines, lines);
        EXPECT_EQ(request.SelectCaption, "Select");
        EXPECT_EQ(request.CloseCaption, "Close");
    }
    answers_.ListAnswer = 0;
    EXPECT_EQ(ListDlg("Check", "No findings", {}, "Select", "Close"), ListDialogClosed);
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
    CloseByUser(*form_);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(Showing(*form_));
    // Hidden, not destroyed: the window keeps its size for the next show.
    EXPECT_EQ(form_->ClientWidth(), 300);
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
    EXPECT_TRUE(DeliverUntil([&] { return ticks > 0; }, 3000));
    DeliverUntil([] { return false; }, 100);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(timer.Enabled());
}

} // namespace
} // namespace klarvon::test

// The editor on a cfg through the Windows controls: Actions > Open cfg, a row shown and
// applied, the warning's default answer, undo back to the file as it was, and the check
// selecting the vehicle it names, driven through the controls' own messages.
#include "tests/controls/Driver.h"
#include "tests/support/AnsweringDialogs.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowTestFiles.h"
#include "ui/controls/Dialogs.h"
#include "ui/controls/win32/ControlImpl.h"
#include "ui/main/TForm1.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace klarvon::test {
namespace {

constexpr std::string_view CfgText = TwoStockOneAddedCfg;
constexpr int InfernusLine = CfgInfernusLine;
constexpr int MyCarLine = CfgMyCarLine;

class CfgWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_.Path());
        form_ = std::make_unique<TForm1>();
        cfg_ = folder_.File("gtasa_vehicleAudioSettings.cfg");
        WriteBytes(cfg_, TBytes(CfgText.begin(), CfgText.end()));
    }
    void TearDown() override {
        form_.reset();
        std::filesystem::current_path(previous_);
    }

    HWND Handle(std::string_view name) const {
        return dynamic_cast<TControl&>(*form_->FindComponent(name)).Impl().Handle;
    }
    void Select(int line) {
        HWND list = Handle("ListBox1");
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
        SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    void SetSlider(int position) { form_->TrackBar1->SetPosition(position); }
    // Apply, then the confirmation from the window timer.
    void ApplyAndConfirm() {
        const std::size_t boxes = answers_.Boxes.size();
        SendMessageW(Handle("Button2"), BM_CLICK, 0, 0);
        ASSERT_TRUE(DeliverUntil([&] { return answers_.Boxes.size() > boxes; }, 3000));
        ASSERT_TRUE(DeliverUntil([&] { return IsWindowEnabled(Handle("ListBox1")) != 0; }, 3000));
    }

    TAnsweringDialogs answers_;
    TPlatformDialogsOverride seam_{answers_};
    TTempDir folder_;
    std::filesystem::path previous_;
    std::unique_ptr<TForm1> form_;
    std::string cfg_;
};

TEST_F(CfgWindowTest, OpenApplyUndoAndCheckACfg) {
    answers_.ChosenFile = cfg_;
    form_->Opencfg1->Click();
    ASSERT_TRUE(answers_.Boxes.empty()) << answers_.Boxes.front().Text;
    EXPECT_EQ(answers_.OpenRequests.back().Title, "Select your gtasa_vehicleAudioSettings.cfg");
    EXPECT_EQ(SendMessageW(Handle("ListBox1"), LB_GETCOUNT, 0, 0), 3);
    wchar_t caption[256] = {};
    GetWindowTextW(form_->Impl().Handle, caption, 256);
    EXPECT_NE(std::wstring(caption).find(L" - gtasa_vehicleAudioSettings.cfg"), std::wstring::npos);

    // A row shown and changed; the file then differs only there.
    Select(InfernusLine);
    EXPECT_EQ(SendMessageW(Handle("TrackBar1"), TBM_GETPOS, 0, 0), CfgInfernusHornType);
    SetSlider(6);
    ApplyAndConfirm();
    EXPECT_EQ(answers_.Boxes.back().Text, "Saved successful.");
    const TBytes applied = ReadBytes(cfg_);
    EXPECT_TRUE(applied != TBytes(CfgText.begin(), CfgText.end()));

    // A value the game chokes on asks first; the default button is No.
    Select(MyCarLine);
    form_->CheckBox(1).SetChecked(true);
    SetWindowTextW(Handle("Edit2"), L"710");
    answers_.BoxAnswer = 1; // No
    SendMessageW(Handle("Button2"), BM_CLICK, 0, 0);
    ASSERT_FALSE(answers_.Boxes.empty());
    EXPECT_EQ(answers_.Boxes.back().Icon, TMessageIcon::Warning);
    EXPECT_EQ(answers_.Boxes.back().DefaultButton, 1);
    EXPECT_TRUE(ReadBytes(cfg_) == applied);

    // Undo puts the file back byte for byte.
    ASSERT_TRUE(form_->Undoapply1->Enabled());
    form_->Undoapply1->Click();
    ASSERT_TRUE(DeliverUntil([&] { return IsWindowEnabled(Handle("ListBox1")) != 0; }, 3000));
    EXPECT_TRUE(ReadBytes(cfg_) == TBytes(CfgText.begin(), CfgText.end()));
    EXPECT_FALSE(form_->Undoapply1->Enabled());

    // The check lists mycar's bank first; choosing it selects mycar.
    answers_.ListAnswer = 0;
    form_->Check1->Click();
    ASSERT_EQ(answers_.ListRequests.size(), 1U);
    EXPECT_NE(answers_.ListRequests.front().Lines.front().find("mycar PlayerBank: 710"),
              std::string::npos);
    EXPECT_EQ(SendMessageW(Handle("ListBox1"), LB_GETCURSEL, 0, 0), MyCarLine);
}

} // namespace
} // namespace klarvon::test

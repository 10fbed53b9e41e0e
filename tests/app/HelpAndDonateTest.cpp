#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "MainHarness.h"

namespace keystead::app::testing {
namespace {

using toolkit::kAltMask;
using toolkit::kCtrlMask;
using toolkit::kShiftMask;
using toolkit::fake::FakeShell;

void ExpectOpens(const FakeShell::Call& call, const std::string& file) {
    EXPECT_EQ(call.owner, kFormHandle);
    EXPECT_EQ(call.operation, "open");
    EXPECT_EQ(call.file, file);
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.directory, "");
    EXPECT_EQ(call.showCommand, 1);
}

class HelpKeyTest : public MainTest, public ::testing::WithParamInterface<int> {};

TEST_P(HelpKeyTest, ReleasingF1OpensTheReadMeWhateverShiftState) {
    Start();
    Form().ReleaseKey(kF1, GetParam());
    ASSERT_EQ(shell.calls.size(), 1u);
    ExpectOpens(shell.calls[0], "C:\\Tools\\Readme.txt");
}

INSTANTIATE_TEST_SUITE_P(ShiftStates, HelpKeyTest,
                         ::testing::Values(0, kShiftMask, kCtrlMask, kAltMask,
                                           kShiftMask | kCtrlMask,
                                           kShiftMask | kCtrlMask | kAltMask));

class OtherKeyTest : public MainTest, public ::testing::WithParamInterface<int> {};

TEST_P(OtherKeyTest, OpensNothing) {
    Start();
    Form().ReleaseKey(GetParam());
    Form().ReleaseKey(GetParam(), kShiftMask);
    EXPECT_TRUE(shell.calls.empty());
}

// F2, F12, Enter, Esc, P, the Help key (VK_HELP), none, and the key code just below F1.
INSTANTIATE_TEST_SUITE_P(Keys, OtherKeyTest, ::testing::Values(113, 123, 13, 27, 80, 47, 0, 111));

class HelpFileTest : public MainTest {};

TEST_F(HelpFileTest, HelpButtonOpensTheReadMe) {
    Start();
    Form().Click(HelpButton);
    ASSERT_EQ(shell.calls.size(), 1u);
    ExpectOpens(shell.calls[0], "C:\\Tools\\Readme.txt");
}

TEST_F(HelpFileTest, ADriveRootGivesTwoBackslashes) {
    app.path = "C:\\";
    app.files["C:\\\\Keystead.ini"] = 10;
    Start();
    Form().ReleaseKey(kF1);
    Form().Click(HelpButton);
    ASSERT_EQ(shell.calls.size(), 2u);
    ExpectOpens(shell.calls[0], "C:\\\\Readme.txt");
    ExpectOpens(shell.calls[1], "C:\\\\Readme.txt");
}

TEST_F(HelpFileTest, TheFolderIsTakenAsReported) {
    app.path = "D:\\Program Files\\Tarvine Keystead";
    Start();
    Form().Click(HelpButton);
    ASSERT_EQ(shell.calls.size(), 1u);
    ExpectOpens(shell.calls[0], "D:\\Program Files\\Tarvine Keystead\\Readme.txt");
}

TEST_F(HelpFileTest, WorksWhileTheWindowIsHiddenAndCanBeCalledDirectly) {
    Start();
    ASSERT_FALSE(Form().Visible());
    main->SettingsWindow().HelpFile();
    ASSERT_EQ(shell.calls.size(), 1u);
    ExpectOpens(shell.calls[0], "C:\\Tools\\Readme.txt");
    EXPECT_FALSE(Form().Visible());
}

TEST_F(HelpFileTest, EachReleaseOpensItAgain) {
    Start();
    Form().ReleaseKey(kF1);
    Form().ReleaseKey(kF1);
    EXPECT_EQ(shell.calls.size(), 2u);
}

TEST_F(HelpFileTest, DonateOpensAWebPageAtItsRoot) {
    Start();
    Form().Click(DonateButton);
    ASSERT_EQ(shell.calls.size(), 1u);
    const FakeShell::Call& call = shell.calls[0];
    EXPECT_EQ(call.file.rfind("http://", 0), 0u) << call.file;
    ASSERT_FALSE(call.file.empty());
    EXPECT_EQ(call.file.back(), '/');
    // The path is the root: exactly three slashes, two of them in "http://".
    EXPECT_EQ(std::count(call.file.begin(), call.file.end(), '/'), 3) << call.file;
    ExpectOpens(call, "http://tarvine.example/");
}

}  // namespace
}  // namespace keystead::app::testing

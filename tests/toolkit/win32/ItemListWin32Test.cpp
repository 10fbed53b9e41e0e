// A list box and a combo box as real LISTBOX and COMBOBOX windows: what was set before the
// first Show is what they show, and the user's keys reach the program as Click and Change.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/support/win32/Wait.h"
#include "tests/toolkit/win32/HeardEvents.h"
#include "toolkit/ToolkitError.h"
#include "toolkit/fake/FakeToolkit.h"
#include "toolkit/win32/Win32Form.h"

namespace keystead::toolkit::win32 {
namespace {

enum : int { List = 1, Combo, Done };

const std::array kControls{
    ControlDesign{.id = List,
                  .kind = ControlKind::ListBox,
                  .bounds = {120, 120, 2400, 1500},
                  .accessibleName = "Programs"},
    ControlDesign{.id = Combo,
                  .kind = ControlKind::ComboBox,
                  .bounds = {120, 1740, 2400, 1800},
                  .accessibleName = "Program"},
    ControlDesign{.id = Done,
                  .kind = ControlKind::CommandButton,
                  .caption = "OK",
                  .bounds = {2700, 120, 1000, 375}},
};

const FormDesign kDesign{.caption = "Lists",
                         .clientWidth = 3900,
                         .clientHeight = 2400,
                         .background = {255, 255, 255},
                         .foreground = {0, 0, 0},
                         .fontFace = "",
                         .fontPoints = 8.25f,
                         .icon = 0,
                         .controls = kControls,
                         .secondary = true};

class ItemLists : public ::testing::Test {
protected:
    void SetUp() override {
        form_.Load();
        for (const char* item : {"alpha.exe", "beta.exe", "gamma.exe"}) {
            form_.AddItem(List, item);
            form_.AddItem(Combo, item);
        }
        form_.SetListIndex(List, 1);
        form_.RemoveItem(List, 0);  // the selection moves up with its item
        form_.SetText(Combo, "typed.exe");
        events_.heard.clear();
        form_.Show();
    }
    HWND Window(int id) const { return form_.ControlWindow(id); }
    HWND ComboText() const { return FindWindowExW(Window(Combo), nullptr, L"Edit", nullptr); }
    // A key pressed and released on a control, as the keyboard delivers it.
    static void Press(HWND control, WPARAM key) {
        SendMessageW(control, WM_KEYDOWN, key, 1);
        SendMessageW(control, WM_KEYUP, key, 0xC0000001);
    }

    HeardEvents events_;
    Win32Screen screen_;
    Win32Form form_{kDesign, events_, screen_};
};

TEST_F(ItemLists, TheWindowsShowWhatWasSetBeforeTheyWereMade) {
    EXPECT_EQ(SendMessageW(Window(List), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(Window(List), LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(form_.ListText(List, 0), "beta.exe");
    EXPECT_EQ(SendMessageW(Window(Combo), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(form_.Text(Combo), "typed.exe");
    EXPECT_NE(SendMessageW(Window(List), WM_GETFONT, 0, 0), 0) << "the form's font";
    EXPECT_TRUE(events_.heard.empty()) << "making the windows is no change";
}

TEST_F(ItemLists, TheUsersKeysSelectAndType) {
    ASSERT_TRUE(testing::WaitUntil("the list to take the focus",
                                   [&] { return GetFocus() == Window(List); }));
    Press(Window(List), VK_DOWN);
    EXPECT_EQ(form_.ListIndex(List), 1);
    EXPECT_EQ(events_.heard, std::vector<std::string>{"click 1 -1"});

    // Tab goes on to the combo box's text, all of it selected, where typed letters are a
    // change.
    events_.heard.clear();
    MSG tab{};
    tab.hwnd = Window(List);
    tab.message = WM_KEYDOWN;
    tab.wParam = VK_TAB;
    Win32Form::PreTranslate(tab);
    ASSERT_TRUE(testing::WaitUntil("the combo box to take the focus",
                                   [&] { return GetFocus() == ComboText(); }));
    SendMessageW(ComboText(), WM_CHAR, 'x', 1);
    EXPECT_EQ(form_.Text(Combo), "x");
    ASSERT_FALSE(events_.heard.empty());
    EXPECT_EQ(events_.heard.back(), "change 2");

    // Down in the box picks the first item of its list, and the program reads it at once.
    events_.heard.clear();
    Press(ComboText(), VK_DOWN);
    EXPECT_EQ(form_.Text(Combo), "alpha.exe");
    EXPECT_EQ(events_.heard, std::vector<std::string>{"change 2"});
}

TEST_F(ItemLists, ItemsComeAndGoInTheWindow) {
    form_.AddItem(List, "delta.exe");
    form_.RemoveItem(List, 0);
    EXPECT_EQ(SendMessageW(Window(List), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(form_.ListIndex(List), kNoIndex) << "the selected item went";
    EXPECT_EQ(form_.ListText(List, 1), "delta.exe");
    form_.SetListIndex(List, 1);
    EXPECT_EQ(SendMessageW(Window(List), LB_GETCURSEL, 0, 0), 1);
    EXPECT_THROW(form_.SetListIndex(List, 2), ToolkitError);
    EXPECT_THROW(form_.AddItem(Done, "x"), ToolkitError);
    form_.ClearItems(Combo);
    EXPECT_EQ(SendMessageW(Window(Combo), CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(form_.Text(Combo), "typed.exe") << "its text stays";
}

}  // namespace
}  // namespace keystead::toolkit::win32

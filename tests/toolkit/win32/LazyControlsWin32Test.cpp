// A form that is loaded and never shown has no child window: what the program sets on its
// controls is kept, reads back, raises the notices a control would, and is what the controls
// show once the first Show makes them, with the keyboard's focus where it always went.
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

using enum ControlKind;

enum : int { Title = 1, Box, Option, Check, Entry, Apply, Image };

const std::array kControls{
    ControlDesign{.id = Title, .caption = "Title", .bounds = {120, 120, 1200, 255}},
    ControlDesign{.id = Box, .kind = Frame, .bounds = {120, 420, 2000, 255}},
    ControlDesign{.id = Option,
                  .index = 0,
                  .kind = OptionButton,
                  .caption = "Off",
                  .container = Box,
                  .bounds = {0, 0, 900, 255},
                  .value = true},
    ControlDesign{.id = Option,
                  .index = 1,
                  .kind = OptionButton,
                  .caption = "On",
                  .container = Box,
                  .bounds = {1000, 0, 900, 255}},
    ControlDesign{
        .id = Check, .kind = CheckBox, .caption = "Check", .bounds = {120, 720, 1200, 255}},
    ControlDesign{.id = Entry, .kind = TextBox, .bounds = {120, 1020, 1200, 285}},
    ControlDesign{.id = Apply,
                  .kind = CommandButton,
                  .caption = "Apply",
                  .bounds = {1500, 1020, 900, 375},
                  .isDefault = true},
    ControlDesign{.id = Image, .kind = PictureBox, .picture = 1},
};

const FormDesign kDesign{.caption = "Lazy controls",
                         .clientWidth = 2600,
                         .clientHeight = 1600,
                         .background = {0, 0, 0},
                         .foreground = {255, 255, 255},
                         .fontFace = "",
                         .fontPoints = 8.25f,
                         .icon = 0,
                         .controls = kControls,
                         .secondary = true};

// A callback of Windows' own calling convention, which a lambda lacks on x86.
BOOL CALLBACK CountChild(HWND, LPARAM counted) {
    ++*reinterpret_cast<int*>(counted);
    return TRUE;
}

int ChildWindows(HWND window) {
    int count = 0;
    EnumChildWindows(window, &CountChild, reinterpret_cast<LPARAM>(&count));
    return count;
}

std::wstring WindowText(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

class LazyControls : public ::testing::Test {
protected:
    void SetUp() override { form_.Load(); }
    HWND Window() const { return reinterpret_cast<HWND>(form_.hWnd()); }

    // What the program does before the window is ever opened: each change and the notice it
    // raises, as a control's own would.
    void SetEverything() {
        struct Step {
            const char* what;
            void (*change)(Form&);
            std::vector<std::string> heard;
        };
        const Step steps[] = {
            {"select the second option",
             [](Form& f) { f.SetOptionValue(Option, 1, true); },
             {"click 3 1"}},
            {"select it again", [](Form& f) { f.SetOptionValue(Option, 1, true); }, {}},
            {"gray the box", [](Form& f) { f.SetCheckValue(Check, kGrayed); }, {"click 4 -1"}},
            {"a text", [](Form& f) { f.SetText(Entry, "250"); }, {"change 5"}},
            {"the same text", [](Form& f) { f.SetText(Entry, "250"); }, {}},
            {"a caption", [](Form& f) { f.SetCaption(Title, "Retitled"); }, {}},
            {"disable Apply", [](Form& f) { f.SetEnabled(Apply, false); }, {}},
            {"disable the first option", [](Form& f) { f.SetItemEnabled(Option, 0, false); }, {}},
        };
        for (const Step& step : steps) {
            events_.heard.clear();
            step.change(form_);
            EXPECT_EQ(events_.heard, step.heard) << step.what;
        }
    }

    HeardEvents events_;
    Win32Screen screen_;
    Win32Form form_{kDesign, events_, screen_};
};

TEST_F(LazyControls, AHiddenFormKeepsWhatIsSetWithoutAChildWindow) {
    SetEverything();
    EXPECT_FALSE(form_.OptionValue(Option, 0)) << "selecting one clears the others";
    EXPECT_TRUE(form_.OptionValue(Option, 1));
    EXPECT_EQ(form_.CheckValue(Check), kGrayed);
    EXPECT_EQ(form_.Text(Entry), "250");
    EXPECT_EQ(form_.Caption(Title), "Retitled");
    EXPECT_FALSE(form_.Enabled(Apply));
    EXPECT_FALSE(form_.ItemEnabled(Option, 0));
    EXPECT_TRUE(form_.ItemEnabled(Option, 1));
    EXPECT_NE(form_.PictureOf(Image).Handle(), 0u) << "loaded on its own";
    EXPECT_NE(form_.Icon().Handle(), 0u);
    EXPECT_EQ(ChildWindows(Window()), 0);
    EXPECT_EQ(form_.ControlWindow(Check), nullptr);
}

TEST_F(LazyControls, TheFirstShowMakesTheControlsWithWhatWasSet) {
    SetEverything();
    events_.heard.clear();
    form_.Show();
    EXPECT_EQ(ChildWindows(Window()), 7) << "every control but the picture, and the frame";
    EXPECT_EQ(SendMessageW(form_.ControlWindow(Option, 0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(form_.ControlWindow(Option, 1), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(form_.ControlWindow(Check), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_EQ(WindowText(form_.ControlWindow(Entry)), L"250");
    EXPECT_EQ(WindowText(form_.ControlWindow(Title)), L"Retitled");
    EXPECT_FALSE(IsWindowEnabled(form_.ControlWindow(Apply)));
    EXPECT_FALSE(IsWindowEnabled(form_.ControlWindow(Option, 0)));
    EXPECT_NE(SendMessageW(form_.ControlWindow(Title), WM_GETFONT, 0, 0), 0);

    // Tab enters the option group at its selected button, the first control that takes it.
    const HWND selected = form_.ControlWindow(Option, 1);
    EXPECT_TRUE(testing::WaitUntil("the selected option to take the focus",
                                   [&] { return GetFocus() == selected; }));
    EXPECT_TRUE(events_.heard.empty()) << "making the windows is no change";

    // From now on the windows hold the values: the user's click is the program's to read.
    SendMessageW(form_.ControlWindow(Check), BM_CLICK, 0, 0);
    EXPECT_EQ(form_.CheckValue(Check), kUnchecked);
    form_.Hide();
    form_.Show();
    EXPECT_EQ(ChildWindows(Window()), 7) << "made once";
}

// Each property belongs to one kind of control: asked of another, it throws, and asked of its
// own, it does not.
TEST_F(LazyControls, APropertyOfAnotherKindThrows) {
    const struct {
        const char* what;
        void (*ask)(Form&);
        bool throws;
    } asks[] = {
        {"the check of a check box", [](Form& f) { f.CheckValue(Check); }, false},
        {"the check of a text box", [](Form& f) { f.CheckValue(Entry); }, true},
        {"an option's value", [](Form& f) { f.OptionValue(Option, 0); }, false},
        {"a label's option value", [](Form& f) { f.SetOptionValue(Title, kNoIndex, true); }, true},
        {"a text box's text", [](Form& f) { f.SetText(Entry, "1"); }, false},
        {"a button's text", [](Form& f) { f.SetText(Apply, "1"); }, true},
        {"the picture of a picture box", [](Form& f) { f.PictureOf(Image); }, false},
        {"the picture of a frame", [](Form& f) { f.PictureOf(Box); }, true},
    };
    for (const auto& ask : asks) {
        bool threw = false;
        try {
            ask.ask(form_);
        } catch (const ToolkitError&) {
            threw = true;
        }
        EXPECT_EQ(threw, ask.throws) << ask.what;
    }
}
}  // namespace
}  // namespace keystead::toolkit::win32

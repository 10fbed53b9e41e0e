// Fitting texts (FormDesign::fitText) through real windows: a small design whose captions are
// far wider than their controls, as a translation's are. Neighbours never overlap and keep
// the design's distance, a control beside two that widened moves by the wider alone, a
// button without a caption keeps its size, the box after a frame keeps its distance, and
// the window grows just enough to show the rightmost control.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "toolkit/fake/FakeToolkit.h"
#include "toolkit/win32/Layout.h"
#include "toolkit/win32/Win32Form.h"

namespace keystead::toolkit::win32 {
namespace {

using enum ControlKind;

enum : int { Upper = 1, Lower, Beside, Keypad, Box, Option, After };

constexpr char kLong[] = "WWWWWWWWWWWWWWWWWWWWWWWW";
constexpr char kShorter[] = "WWWWWWWWWWWW";

// Two lines of text (two rows) with a button beside both, and a caption-less button after
// it, as the display window's keypad has; below, a frame whose first option button widens, and a
// label after the frame.
const std::array kControls{
    ControlDesign{.id = Upper, .caption = kLong, .bounds = {120, 120, 600, 255}},
    ControlDesign{.id = Lower, .caption = kShorter, .bounds = {120, 420, 600, 255}},
    ControlDesign{
        .id = Beside, .kind = CommandButton, .caption = "OK", .bounds = {840, 120, 900, 555}},
    ControlDesign{.id = Keypad, .kind = OptionButton, .bounds = {1800, 120, 255, 255}},
    ControlDesign{.id = Box, .kind = Frame, .bounds = {120, 900, 1200, 255}},
    ControlDesign{.id = Option,
                  .index = 0,
                  .kind = OptionButton,
                  .caption = kLong,
                  .container = Box,
                  .bounds = {0, 0, 600, 255}},
    ControlDesign{.id = Option,
                  .index = 1,
                  .kind = OptionButton,
                  .caption = "X",
                  .container = Box,
                  .bounds = {660, 0, 500, 255}},
    ControlDesign{.id = After, .caption = "x", .bounds = {1400, 900, 600, 255}},
};

const FormDesign kDesign{.caption = "Fitting texts",
                         .clientWidth = 2400,
                         .clientHeight = 1500,
                         .background = {0, 0, 0},
                         .foreground = {255, 255, 255},
                         .fontFace = "",
                         .fontPoints = 8.25f,
                         .icon = 0,
                         .controls = kControls,
                         .secondary = true,
                         .fitText = true};

const ControlDesign& DesignOf(int id, int index) {
    return *std::find_if(kControls.begin(), kControls.end(), [&](const ControlDesign& control) {
        return control.id == id && control.index == index;
    });
}

class FittedForm : public ::testing::Test {
protected:
    void SetUp() override {
        form_.reset(dynamic_cast<Win32Form*>(forms_.Create(kDesign, events_).release()));
        ASSERT_NE(form_, nullptr);
        form_->Show();  // the controls are made when the window first shows
        dpi_ = WindowDpi(Window());
    }
    HWND Window() const { return reinterpret_cast<HWND>(form_->hWnd()); }

    // Where the control stands in its container, in pixels.
    RECT Placed(int id, int index = kNoIndex) const {
        HWND control = form_->ControlWindow(id, index);
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    RECT Designed(int id, int index = kNoIndex) const {
        return DesignedRect(DesignOf(id, index).bounds, dpi_);
    }

    Win32Screen screen_;
    Win32FormFactory forms_{screen_};
    fake::NoFormEvents events_;
    std::unique_ptr<Win32Form> form_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
};

TEST_F(FittedForm, NeighboursKeepTheDesignsDistanceAndMoveNoFurther) {
    ASSERT_GT(Placed(Upper).right, Designed(Upper).right) << "the long caption widened its label";
    EXPECT_EQ(Placed(Lower).right, Placed(Upper).right) << "a column's labels widen together";
    ASSERT_GT(Placed(Box).right, Designed(Box).right) << "the frame grew around its button";
    struct Pair {
        const char* what;
        int left, leftIndex, right, rightIndex;
        bool tight;  // moved exactly as far as the left one needs
    };
    const Pair pairs[] = {
        {"the button beside the wider line", Upper, kNoIndex, Beside, kNoIndex, true},
        {"the button beside the narrower line", Lower, kNoIndex, Beside, kNoIndex, false},
        {"the caption-less button after the button", Beside, kNoIndex, Keypad, kNoIndex, true},
        {"the option buttons in their frame", Option, 0, Option, 1, true},
        {"the label after the frame", Box, kNoIndex, After, kNoIndex, true},
    };
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(pair.what);
        const LONG designedGap =
            Designed(pair.right, pair.rightIndex).left - Designed(pair.left, pair.leftIndex).right;
        const LONG gap =
            Placed(pair.right, pair.rightIndex).left - Placed(pair.left, pair.leftIndex).right;
        if (pair.tight) {
            EXPECT_EQ(gap, designedGap);
        } else {
            EXPECT_GE(gap, designedGap);
        }
    }
}

TEST_F(FittedForm, ACaptionlessButtonKeepsItsSizeAndTheWindowGrowsToItsRightmostControl) {
    const RECT keypad = Placed(Keypad);
    const RECT designed = Designed(Keypad);
    EXPECT_EQ(keypad.right - keypad.left, designed.right - designed.left);
    EXPECT_EQ(keypad.bottom - keypad.top, designed.bottom - designed.top);
    EXPECT_EQ(Placed(Keypad).top, designed.top) << "moved along its row only";

    RECT client;
    GetClientRect(Window(), &client);
    const LONG rightmost = std::max(Placed(Keypad).right, Placed(After).right);
    ASSERT_GT(rightmost, Scale(kDesign.clientWidth, dpi_)) << "the design no longer fits";
    EXPECT_EQ(client.right, rightmost);
    EXPECT_EQ(client.bottom, Scale(kDesign.clientHeight, dpi_)) << "only wider";
}

}  // namespace
}  // namespace keystead::toolkit::win32

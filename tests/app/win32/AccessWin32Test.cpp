// The settings window for users who need more than its looks: in high contrast Windows'
// colours at once when the user switches, the window's own when the user switches back, and
// nothing typed lost (Wine refuses to switch high contrast on, so the test answers the
// window's one question about it); and the names a screen reader says for the controls.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <thread>

#include "app/MainLayout.h"
#include "tests/app/win32/Win32AppTest.h"
#include "tests/support/win32/AccessibleName.h"
#include "toolkit/win32/Accessibility.h"
#include "toolkit/win32/Colours.h"
#include "toolkit/win32/Text.h"

namespace keystead::app {
namespace {

using namespace std::chrono_literals;
using toolkit::win32::PumpMessages;

bool gHighContrast = false;

class AccessibleWindow : public Win32AppTest {
protected:
    void SetUp() override {
        toolkit::win32::SetHighContrastQuery([] { return gHighContrast; });
        application_.path = "C:\\keystead-contrast-test";  // no settings file: a first run
        Win32AppTest::SetUp();
    }
    void TearDown() override {
        Win32AppTest::TearDown();
        toolkit::win32::SetHighContrastQuery(nullptr);
    }

    // Windows tells every top-level window; the controls show the change once repainted.
    void Switch(bool on, UINT message, WPARAM wParam) {
        gHighContrast = on;
        SendMessageW(Window(), message, wParam, 0);
        testing::WaitUntilQuiet();
    }
    // How many pixels of a control show the colour, as on screen.
    int PixelsIn(int id, int index, COLORREF wanted) {
        RECT rect;
        GetWindowRect(form_->ControlWindow(id, index), &rect);
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
        HDC dc = GetDC(Window());
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = std::max(0L, rect.left); x < rect.right; ++x) {
                count += GetPixel(dc, x, y) == wanted;
            }
        }
        ReleaseDC(Window(), dc);
        return count;
    }
};

TEST_F(AccessibleWindow, PaintsInWindowsColoursWhileOnAndKeepsUnappliedEdits) {
    toolkit::Form& form = main_.Form();
    form.SetText(IntervalSetting, "250");
    form.SetOptionValue(NumLockSetting, 2, true);
    const COLORREF blue = RGB(0, 153, 255);
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    ASSERT_NE(window, black) << "Windows' colours must differ from the window's own";

    struct Step {
        const char* name;
        bool on;
        UINT message;
        WPARAM wParam;
        COLORREF background;
        COLORREF foreground;
    };
    const Step steps[] = {
        {"on", true, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, window, text},
        {"off", false, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, black, blue},
        {"system colours, on", true, WM_SYSCOLORCHANGE, 0, window, text},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        Switch(step.on, step.message, step.wParam);
        if (const char* hold = std::getenv("KEYSTEAD_HOLD_WINDOW_MS"); hold && step.on) {
            PumpMessages(std::chrono::milliseconds(std::atoi(hold)));  // a screenshot
        }
        for (int label : {TrayCmdLabel2, CapsLockLabel}) {
            EXPECT_GT(PixelsIn(label, toolkit::kNoIndex, step.foreground), 10);
            EXPECT_GT(PixelsIn(label, toolkit::kNoIndex, step.background), 100);
        }
        EXPECT_GT(PixelsIn(CapsLockSetting, 0, step.background), 100);
        EXPECT_EQ(PixelsIn(TrayCmdLabel2, toolkit::kNoIndex, step.on ? blue : window), 0);
    }
    EXPECT_EQ(form.Text(IntervalSetting), "250");
    EXPECT_TRUE(form.OptionValue(NumLockSetting, 2));
    EXPECT_TRUE(form.Enabled(ApplyButton));
}

using keystead::testing::AccessibleName;

TEST_F(AccessibleWindow, ScreenReadersHearWhichKeyEachOptionButtonIsFor) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    struct Case {
        int id;
        int index;
        const char* name;
    };
    const Case cases[] = {
        {CapsLockSetting, 0, "Caps Lock: Force off"},
        {CapsLockSetting, 1, "Caps Lock: Force on"},
        {CapsLockSetting, 2, "Caps Lock: Allow toggling"},
        {NumLockSetting, 0, "Num Lock: Force off"},
        {NumLockSetting, 1, "Num Lock: Force on"},
        {NumLockSetting, 2, "Num Lock: Allow toggling"},
        {ScrollLockSetting, 0, "Scroll Lock: Force off"},
        {ScrollLockSetting, 1, "Scroll Lock: Force on"},
        {ScrollLockSetting, 2, "Scroll Lock: Allow toggling"},
        {IntervalSetting, toolkit::kNoIndex, "Check interval"},
        {AutoRunSetting, toolkit::kNoIndex, "Launch Tarvine Keystead on Windows start-up"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND control = form_->ControlWindow(c.id, c.index);
        const char* given = toolkit::win32::ScreenReaderName(control);
        EXPECT_STREQ(given != nullptr ? given : "<none>", c.name);
        EXPECT_EQ(AccessibleName(control), c.name);
    }
    CoUninitialize();
}

}  // namespace
}  // namespace keystead::app

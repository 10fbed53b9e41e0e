// High contrast, as Windows announces it, reaching what the program draws: the drawn tray icon
// takes the user's colours at WM_SYSCOLORCHANGE and at the taskbar's "ImmersiveColorSet",
// and the settings and display windows repaint in Windows' colours. Wine refuses to switch
// high contrast on, so the test answers the program's one question about it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/Keystead.h"
#include "app/MainLayout.h"
#include "display/fake/FakeNoteScreen.h"
#include "display/win32/Win32IconPainter.h"
#include "lockkeys/fake/FakeKeyboard.h"
#include "pause/fake/FakeForeground.h"
#include "programs/fake/FakeRunningPrograms.h"
#include "registry/fake/MemoryRegistry.h"
#include "sound/fake/FakeSoundPlayer.h"
#include "tests/app/MemoryProfile.h"
#include "tests/support/win32/Wait.h"
#include "toolkit/fake/FakeToolkit.h"
#include "toolkit/win32/Colours.h"
#include "toolkit/win32/Win32Form.h"
#include "tray/fake/FakeNotifyArea.h"

namespace keystead::app {
namespace {

using keystead::testing::WaitUntil;

bool gHighContrast = false;

// The real painter, keeping the pixels of each icon it makes.
class KeptPainter : public display::win32::Win32IconPainter {
public:
    std::unique_ptr<toolkit::Picture> MakePicture(const display::IconPixels& pixels) override {
        made.push_back(pixels);
        return Win32IconPainter::MakePicture(pixels);
    }
    std::vector<display::IconPixels> made;
};

// How many of every other pixel of the window's client area show the colour, as on screen.
int PixelsOf(HWND window, COLORREF wanted) {
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = 0; y < client.bottom; y += 2) {
        for (int x = 0; x < client.right; x += 2) {
            count += GetPixel(dc, x, y) == wanted;
        }
    }
    ReleaseDC(window, dc);
    return count;
}

std::uint32_t Argb(COLORREF colour) {
    return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

class ContrastReaches : public ::testing::Test {
protected:
    void SetUp() override {
        toolkit::win32::SetHighContrastQuery([] { return gHighContrast; });
        application_.files["C:\\Tools\\Keystead.ini"] = 64;
        profile_.values[{"display", "ShowKeys"}] = "1";
        main_.Form().Load();
        main_.Form().Show();
        PostMessageW(MainWindow(), WM_SYSCOMMAND, kDisplayMenuCommand, 0);
        ASSERT_TRUE(WaitUntil("the display window", [this] {
            display_ = FindWindowW(toolkit::win32::Win32Form::ClassName(),
                                   L"Lock key display - Tarvine Keystead");
            return display_ != nullptr && IsWindowVisible(display_);
        }));
    }
    void TearDown() override {
        main_.Form().Unload();
        toolkit::win32::PumpMessages(std::chrono::milliseconds(50));
        toolkit::win32::SetHighContrastQuery(nullptr);
        gHighContrast = false;
    }
    HWND MainWindow() { return reinterpret_cast<HWND>(main_.Form().hWnd()); }

    toolkit::fake::FakeApplication application_;
    toolkit::win32::Win32Screen screen_;
    toolkit::win32::Win32FormFactory forms_{screen_};
    toolkit::fake::FakeShell shell_;
    lockkeys::FakeKeyboard keyboard_;
    app::testing::MemoryProfile profile_;
    registry::fake::MemoryRegistry registry_;
    tray::FakeNotifyArea notifyArea_;
    pause::FakeForeground foreground_;
    display::FakeNoteScreen notes_;
    KeptPainter icons_;
    sound::FakeSoundPlayer sounds_;
    programs::fake::FakeRunningPrograms running_;
    const Platform platform_{application_, screen_,   forms_,      shell_,      keyboard_,
                             profile_,     registry_, notifyArea_, foreground_, notes_,
                             icons_,       sounds_,   running_};
    app::Keystead main_{platform_};
    HWND display_ = nullptr;
};

TEST_F(ContrastReaches, TheDrawnIconAndBothWindows) {
    ASSERT_FALSE(icons_.made.empty()) << "the keys drawn in the tray icon";
    const std::uint32_t ownOutline = icons_.made.back().At(1, 1);
    const std::uint32_t contrastOutline = Argb(GetSysColor(COLOR_WINDOWTEXT));
    ASSERT_NE(ownOutline, contrastOutline);
    const COLORREF windowColour = GetSysColor(COLOR_WINDOW);
    ASSERT_NE(windowColour, RGB(0, 0, 0)) << "Windows' colour must differ from the windows' own";

    struct Step {
        const char* name;
        bool on;
        UINT message;
        const wchar_t* area;
        bool windows;  // Windows sends WM_SYSCOLORCHANGE to every top-level window
    };
    const Step steps[] = {
        {"system colours, on", true, WM_SYSCOLORCHANGE, nullptr, true},
        {"taskbar theme, off", false, WM_SETTINGCHANGE, L"ImmersiveColorSet", false},
        {"taskbar theme, on", true, WM_SETTINGCHANGE, L"ImmersiveColorSet", false},
        {"system colours, off", false, WM_SYSCOLORCHANGE, nullptr, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        gHighContrast = step.on;
        const std::size_t modifies = notifyArea_.calls.size();
        SendMessageW(MainWindow(), step.message, 0, reinterpret_cast<LPARAM>(step.area));
        if (step.windows) {
            SendMessageW(display_, step.message, 0, 0);
        }
        EXPECT_EQ(icons_.made.back().At(1, 1), step.on ? contrastOutline : ownOutline);
        ASSERT_GT(notifyArea_.calls.size(), modifies) << "the new icon handed to the shell";
        EXPECT_EQ(notifyArea_.calls.back().operation, tray::kNimModify);
        if (step.windows) {
            for (HWND window : {MainWindow(), display_}) {
                const COLORREF background = step.on ? windowColour : RGB(0, 0, 0);
                EXPECT_TRUE(WaitUntil("the window repainted", [&] {
                    RECT client;
                    GetClientRect(window, &client);
                    return PixelsOf(window, background) > client.right * client.bottom / 4 / 2;
                }));
            }
        }
    }
}

}  // namespace
}  // namespace keystead::app

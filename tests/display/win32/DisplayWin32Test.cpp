// The note window and the drawn icon on the real platform: a note never takes the focus,
// carries its text and the styles that keep it out of the way, and goes when its time is up;
// the icon handed to the notification area holds the pixels drawn.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <vector>

#include "display/win32/Win32IconPainter.h"
#include "display/win32/Win32NoteScreen.h"
#include "toolkit/win32/Library.h"
#include "toolkit/win32/MessageLoop.h"
#include "toolkit/win32/Pictures.h"

namespace keystead::display::win32 {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Serves this thread's messages until the condition holds or the ceiling passes.
bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds ceiling) {
    const auto end = Clock::now() + ceiling;
    while (!condition()) {
        if (Clock::now() > end) {
            return false;
        }
        toolkit::win32::PumpMessages(10ms);
    }
    return true;
}

// The screen-reader flag, set for one test and put back as it was.
class ScreenReaderFlag {
public:
    explicit ScreenReaderFlag(bool on) {
        SystemParametersInfoW(SPI_GETSCREENREADER, 0, &was_, 0);
        SystemParametersInfoW(SPI_SETSCREENREADER, on, nullptr, 0);
    }
    ScreenReaderFlag(const ScreenReaderFlag&) = delete;
    ScreenReaderFlag& operator=(const ScreenReaderFlag&) = delete;
    ~ScreenReaderFlag() { SystemParametersInfoW(SPI_SETSCREENREADER, was_, nullptr, 0); }

private:
    BOOL was_ = FALSE;
};

// First: ole32, once another test has loaded it, stays.
TEST(NoteWindow, BringsNoComInWithoutAScreenReader) {
    ASSERT_EQ(GetModuleHandleW(L"ole32.dll"), nullptr) << "loaded before the note";
    ScreenReaderFlag off(false);
    Win32NoteScreen screen({{0, 0, 0}, {0, 153, 255}, "MS Sans Serif"});
    screen.ShowNote("Caps Lock is held off", 2, 500, true);
    ASSERT_NE(screen.NoteWindow(), nullptr);
    EXPECT_EQ(screen.LiveSetting(), nullptr);
    EXPECT_EQ(GetModuleHandleW(L"ole32.dll"), nullptr);
    EXPECT_EQ(GetModuleHandleW(L"oleacc.dll"), nullptr);
}

TEST(NoteWindow, ShowsWithoutTakingTheFocusAndGoesWhenItsTimeIsUp) {
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320, 80,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(edit);
    SetFocus(edit);
    toolkit::win32::PumpMessages(50ms);
    const HWND front = GetForegroundWindow();

    Win32NoteScreen screen({{0, 0, 0}, {0, 153, 255}, "MS Sans Serif"});
    EXPECT_EQ(screen.NoteWindow(), nullptr) << "created only when needed";
    const auto shown = Clock::now();
    screen.ShowNote("Caps Lock is held off", 2, 500, true);
    HWND note = screen.NoteWindow();
    ASSERT_NE(note, nullptr);
    wchar_t text[64] = {};
    GetWindowTextW(note, text, 64);
    EXPECT_STREQ(text, L"Caps Lock is held off");
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(note, GWL_EXSTYLE));
    const DWORD wanted =
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    EXPECT_EQ(exStyle & wanted, wanted);
    EXPECT_TRUE(IsWindowVisible(note));
    toolkit::win32::PumpMessages(50ms);
    EXPECT_EQ(GetForegroundWindow(), front);
    EXPECT_EQ(GetFocus(), edit);

    // In the work area's bottom centre.
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT place{};
    GetWindowRect(note, &place);
    EXPECT_GT(place.top, (work.top + work.bottom) / 2);
    EXPECT_LE(place.bottom, work.bottom);
    EXPECT_NEAR((place.left + place.right) / 2, (work.left + work.right) / 2, 2);

    screen.ShowNote("Num Lock on", 2, 500, false);
    EXPECT_EQ(screen.NoteWindow(), note) << "a new note replaces the one shown";
    EXPECT_TRUE(PumpUntil([&] { return screen.NoteWindow() == nullptr; }, 3s));
    EXPECT_LT(Clock::now() - shown, 500ms + 500ms + 500ms);
    EXPECT_FALSE(IsWindow(note));
    DestroyWindow(edit);
}

TEST(NoteWindow, IsAnAssertiveLiveRegionWhileAScreenReaderRuns) {
    ScreenReaderFlag on(true);
    Win32NoteScreen screen({{0, 0, 0}, {0, 153, 255}, "MS Sans Serif"});
    screen.ShowNote("Caps Lock on", 2, 300, false);
    EXPECT_EQ(screen.LiveSetting(), nullptr) << "only a note of a key put back cuts in";
    screen.ShowNote("Caps Lock is held off", 2, 300, true);
    HWND note = screen.NoteWindow();
    ASSERT_NE(note, nullptr);
    wchar_t text[64] = {};
    GetWindowTextW(note, text, 64);
    EXPECT_STREQ(text, L"Caps Lock is held off") << "what the screen reader reads out";
    const AssertiveLiveSetting* live = screen.LiveSetting();
    ASSERT_NE(live, nullptr);
    EXPECT_EQ(live->Window(), note);
    EXPECT_NE(GetModuleHandleW(L"oleacc.dll"), nullptr) << "no annotation service made";
    // Wine's oleacc makes the service but takes no property yet: the note goes on as before.
    EXPECT_TRUE(live->Result() == S_OK || live->Result() == E_NOTIMPL) << live->Result();
    EXPECT_TRUE(IsWindowVisible(note));
    EXPECT_TRUE(PumpUntil([&] { return screen.NoteWindow() == nullptr; }, 3s));
    EXPECT_EQ(screen.LiveSetting(), nullptr);

    // COM is left as it was found: this thread starts it afresh.
    const auto ole32 = toolkit::win32::LoadSystemLibrary(L"ole32.dll");
    const auto initialize =
        toolkit::win32::LibraryFunction<decltype(&CoInitializeEx)>(ole32.get(), "CoInitializeEx");
    const auto uninitialize =
        toolkit::win32::LibraryFunction<decltype(&CoUninitialize)>(ole32.get(), "CoUninitialize");
    ASSERT_NE(initialize, nullptr);
    EXPECT_EQ(initialize(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    uninitialize();
}

TEST(NoteWindow, LastingNotesStandSideBySide) {
    Win32NoteScreen screen({{0, 0, 0}, {0, 153, 255}, "MS Sans Serif"});
    screen.ShowLasting({"Caps Lock on", "Num Lock on"}, 8);
    HWND caps = FindWindowW(Win32NoteScreen::ClassName(), L"Caps Lock on");
    HWND num = FindWindowW(Win32NoteScreen::ClassName(), L"Num Lock on");
    ASSERT_NE(caps, nullptr);
    ASSERT_NE(num, nullptr);
    RECT left{};
    RECT right{};
    GetWindowRect(caps, &left);
    GetWindowRect(num, &right);
    EXPECT_LE(left.right, right.left);
    EXPECT_EQ(left.top, right.top);
    screen.ShowLasting({}, 8);
    EXPECT_FALSE(IsWindow(caps));
}

// The pixels as the shell reads them from the icon.
std::vector<std::uint32_t> IconBits(HICON icon, int size) {
    ICONINFO info{};
    GetIconInfo(icon, &info);
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = size;
    header.bmiHeader.biHeight = -size;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(size * size));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(size), bits.data(), &header,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bits;
}

TEST(DrawnIcon, TheIconHoldsThePixelsDrawnForEachState) {
    Win32IconPainter painter;
    const int size = painter.IconSize();
    ASSERT_GE(size, 16);
    IconLook look;
    look.on = {true, false, true};
    look.held = {true, true, false};
    for (bool suspended : {false, true}) {
        look.suspended = suspended;
        const IconPixels drawn = DrawKeyIcon(look, size);
        const auto picture = painter.MakePicture(drawn);
        ASSERT_NE(picture, nullptr);
        const auto* icon = static_cast<const toolkit::win32::Win32Picture*>(picture.get());
        EXPECT_EQ(IconBits(icon->Get(), size), drawn.argb) << suspended;
    }
}

}  // namespace
}  // namespace keystead::display::win32

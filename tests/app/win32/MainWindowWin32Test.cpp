// The settings window as a user meets it: real windows, real keyboard input and a real
// notification area under Wine. Files and registry stay in memory.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/MainLayout.h"
#include "registry/RunKey.h"
#include "tests/app/win32/Win32AppTest.h"

namespace keystead::app {
namespace {

using namespace std::chrono_literals;
using testing::WaitUntil;
using toolkit::kNoIndex;
using toolkit::win32::Win32Form;

std::string TempFolder() {
    wchar_t buffer[MAX_PATH];
    GetTempPathW(MAX_PATH, buffer);
    std::wstring folder = std::wstring(buffer) + L"keystead-window-test";
    CreateDirectoryW(folder.c_str(), nullptr);
    DeleteFileW((folder + L"\\Keystead.ini").c_str());
    return std::string(folder.begin(), folder.end());  // ASCII: the temp folder of the prefix
}

// Where each control stands at 96 DPI, in pixels relative to its container: the window, or
// the option buttons' frame.
struct Expected {
    int id, index, x, y, width, height;
};
const Expected kLayoutAt96Dpi[] = {
    {CapsLockLabel, kNoIndex, -8, 14, 81, 17},    {CapsLockSetting, 2, 0, 8, 97, 17},
    {CapsLockSetting, 0, 96, 8, 73, 17},          {CapsLockSetting, 1, 168, 8, 73, 17},
    {NumLockLabel, kNoIndex, -8, 46, 81, 17},     {NumLockSetting, 2, 0, 8, 97, 17},
    {NumLockSetting, 0, 96, 8, 73, 17},           {NumLockSetting, 1, 168, 8, 73, 17},
    {ScrollLockLabel, kNoIndex, -8, 78, 81, 17},  {ScrollLockSetting, 2, 0, 8, 97, 17},
    {ScrollLockSetting, 0, 96, 8, 73, 17},        {ScrollLockSetting, 1, 168, 8, 73, 17},
    {IntervalLabel, kNoIndex, 56, 116, 89, 17},   {IntervalSetting, kNoIndex, 152, 112, 41, 19},
    {msLabel, kNoIndex, 200, 116, 73, 17},        {AutoRunSetting, kNoIndex, 36, 152, 273, 17},
    {OKButton, kNoIndex, 8, 188, 73, 25},         {CancelButton, kNoIndex, 88, 188, 73, 25},
    {ApplyButton, kNoIndex, 168, 188, 73, 25},    {SuspendButton, kNoIndex, 248, 188, 73, 25},
    {DonateButton, kNoIndex, 248, 228, 73, 25},   {HelpButton, kNoIndex, 248, 264, 73, 25},
    {TrayCmdLabel1, kNoIndex, 0, 228, 245, 17},   {TrayCmdLabel2, kNoIndex, 0, 244, 245, 17},
    {TrayCmdLabel3, kNoIndex, 0, 260, 245, 17},   {TrayCmdLabel4, kNoIndex, 0, 276, 245, 17},
    {CapsLockFrame, kNoIndex, 84, 4, 249, 25},    {NumLockFrame, kNoIndex, 84, 36, 249, 25},
    {ScrollLockFrame, kNoIndex, 84, 68, 249, 25},
};

class MainWindow : public Win32AppTest {
protected:
    MainWindow() {
        application_.path = TempFolder();
        registry_.CreateKey(registry::kRunRoot, std::string(registry::kRunSubKey));
    }

    void SetUp() override {
        Win32AppTest::SetUp();
        SetForegroundWindow(Window());
        ASSERT_TRUE(
            WaitUntil("the window in front", [this] { return GetForegroundWindow() == Window(); }));
    }

    void Key(WORD key, bool alt = false) {
        if (alt)
            keybd_event(VK_MENU, 0, 0, 0);
        keybd_event(static_cast<BYTE>(key), 0, 0, 0);
        keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
        if (alt)
            keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
        Drain();
    }

    // Serves the queue until nothing that came in waits in it: the strokes, and whatever
    // their handling posted or painted.
    static void Drain() { testing::WaitUntilQuiet(); }

    // The control that has the focus, as (id, index).
    std::pair<int, int> Focused() const {
        HWND focus = GetFocus();
        for (const toolkit::ControlDesign& control : MainFormDesign().controls) {
            if (control.kind != toolkit::ControlKind::PictureBox &&
                form_->ControlWindow(control.id, control.index) == focus) {
                return {control.id, control.index};
            }
        }
        return {0, 0};
    }

    // Every control where the table puts it, scaled by the fraction: exactly at 96 DPI,
    // within the pixel that rounding may take otherwise.
    void ExpectLayoutScaled(int numerator, int denominator) const {
        const int slack = numerator == denominator ? 0 : 1;
        for (const Expected& e : kLayoutAt96Dpi) {
            SCOPED_TRACE("control " + std::to_string(e.id) + "(" + std::to_string(e.index) + ")");
            HWND control = form_->ControlWindow(e.id, e.index);
            RECT rect;
            GetWindowRect(control, &rect);
            MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
            EXPECT_NEAR(rect.left, e.x * numerator / denominator, slack);
            EXPECT_NEAR(rect.top, e.y * numerator / denominator, slack);
            EXPECT_NEAR(rect.right - rect.left, e.width * numerator / denominator, slack);
            EXPECT_NEAR(rect.bottom - rect.top, e.height * numerator / denominator, slack);
        }
    }

    void PostTrayNotification(int mouseMessage) {
        PostMessageW(Window(), WM_MOUSEMOVE, 1, MAKELPARAM(mouseMessage, 0));
        Drain();
    }
};

TEST_F(MainWindow, EveryControlStandsWhereTheLayoutPutsItAt96Dpi) {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(dpi, 96) << "the pixel table below is for 96 DPI";

    RECT client;
    GetClientRect(Window(), &client);
    EXPECT_EQ(client.right, 329);
    EXPECT_EQ(client.bottom, 301);

    ExpectLayoutScaled(1, 1);
    EXPECT_FALSE(IsWindowEnabled(form_->ControlWindow(ApplyButton)));
}

TEST_F(MainWindow, IsFixedSizeWithTheProductCaption) {
    wchar_t caption[64];
    GetWindowTextW(Window(), caption, 64);
    EXPECT_STREQ(caption, L"Tarvine Keystead");
    LONG_PTR style = GetWindowLongPtrW(Window(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
}

TEST_F(MainWindow, TabVisitsTheControlsInOrderAndSkipsTheDisabledApply) {
    SetFocus(form_->ControlWindow(CapsLockSetting, 0));
    const std::pair<int, int> order[] = {
        {NumLockSetting, 1},        {ScrollLockSetting, 0},   {IntervalSetting, kNoIndex},
        {AutoRunSetting, kNoIndex}, {OKButton, kNoIndex},     {CancelButton, kNoIndex},
        {SuspendButton, kNoIndex},  {DonateButton, kNoIndex}, {HelpButton, kNoIndex},
        {CapsLockSetting, 0},
    };
    for (const auto& expected : order) {
        Key(VK_TAB);
        EXPECT_EQ(Focused(), expected) << "after Tab, expected " << expected.first;
    }
}

TEST_F(MainWindow, AccessKeysMoveTheFocusOrPressTheirControl) {
    Key('N', true);
    EXPECT_EQ(Focused(), std::make_pair(int{NumLockSetting}, 1));
    Key('S', true);
    EXPECT_EQ(Focused(), std::make_pair(int{ScrollLockSetting}, 0));
    Key('C', true);
    EXPECT_EQ(Focused(), std::make_pair(int{CapsLockSetting}, 0));
    Key('I', true);
    EXPECT_EQ(Focused(), std::make_pair(int{IntervalSetting}, kNoIndex));

    EXPECT_FALSE(form_->Enabled(ApplyButton));
    Key('A', true);  // disabled: nothing happens
    EXPECT_FALSE(form_->Enabled(ApplyButton));

    Key('T', true);
    EXPECT_EQ(form_->CheckValue(AutoRunSetting), toolkit::kChecked);
    EXPECT_TRUE(form_->Enabled(ApplyButton));
    Key('A', true);
    EXPECT_FALSE(form_->Enabled(ApplyButton));
    EXPECT_EQ(main_.Settings().AutoRun, lockkeys::kTrue);

    Key('E', true);
    EXPECT_EQ(form_->Caption(SuspendButton), "R&esume");
    EXPECT_FALSE(form_->Timer().Enabled());
    Key('E', true);
    EXPECT_EQ(form_->Caption(SuspendButton), "Susp&end");
    EXPECT_TRUE(form_->Timer().Enabled());
}

TEST_F(MainWindow, ArrowKeysStayInsideTheirOptionGroup) {
    // The buttons stand left to right as index 2, 0, 1: the arrows wrap around at the ends
    // instead of leaving for the next key's label or the interval's.
    struct Case {
        int group, from;
        WORD key;
        int to;
    };
    const Case cases[] = {
        {CapsLockSetting, 1, VK_RIGHT, 2},
        {NumLockSetting, 1, VK_RIGHT, 2},
        {ScrollLockSetting, 1, VK_RIGHT, 2},
        {ScrollLockSetting, 2, VK_LEFT, 1},
    };
    for (const Case& c : cases) {
        SetFocus(form_->ControlWindow(c.group, c.from));
        Key(c.key);
        EXPECT_EQ(Focused(), std::make_pair(c.group, c.to))
            << "group " << c.group << " from " << c.from;
    }
}

TEST_F(MainWindow, EnterPressesOkAndAppliesTheCorrectedInterval) {
    SetFocus(form_->ControlWindow(IntervalSetting));
    form_->SetText(IntervalSetting, "5");
    Key(VK_RETURN);
    EXPECT_FALSE(form_->Visible());
    EXPECT_EQ(form_->Timer().Interval(), 20);
    EXPECT_EQ(form_->Text(IntervalSetting), "20");
}

TEST_F(MainWindow, EscPressesCancelAndForgetsTheEdits) {
    SetFocus(form_->ControlWindow(CapsLockSetting, 0));
    form_->SetOptionValue(CapsLockSetting, 1, true);
    Key(VK_ESCAPE);
    EXPECT_FALSE(form_->Visible());
    EXPECT_TRUE(form_->OptionValue(CapsLockSetting, 0));
    EXPECT_FALSE(form_->Enabled(ApplyButton));
}

TEST_F(MainWindow, F1AnywhereOpensTheReadme) {
    SetFocus(form_->ControlWindow(IntervalSetting));
    Key(VK_F1);
    ASSERT_EQ(shell_.calls.size(), 1u);
    EXPECT_EQ(shell_.calls[0].file, application_.path + "\\Readme.txt");
    EXPECT_EQ(shell_.calls[0].operation, "open");
}

TEST_F(MainWindow, LeavingTheIntervalBoxCorrectsIt) {
    SetFocus(form_->ControlWindow(IntervalSetting));
    form_->SetText(IntervalSetting, "250.9");
    Key(VK_TAB);
    EXPECT_EQ(form_->Text(IntervalSetting), "250");
    EXPECT_EQ(form_->Timer().Interval(), 1000) << "not applied yet";
}

TEST_F(MainWindow, OnlyAnotherControlTakingTheFocusCountsAsLeavingTheIntervalBox) {
    SetFocus(form_->ControlWindow(IntervalSetting));
    form_->SetText(IntervalSetting, "5");
    form_->Hide();  // the focus leaves the window, not the box
    Drain();
    EXPECT_EQ(form_->Text(IntervalSetting), "5");
}

TEST_F(MainWindow, TrayNotificationsShowSuspendAndEnd) {
    form_->Hide();
    PostTrayNotification(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(form_->Visible());

    PostTrayNotification(WM_RBUTTONUP);
    EXPECT_FALSE(form_->Timer().Enabled());
    EXPECT_EQ(form_->Caption(SuspendButton), "R&esume");
    PostTrayNotification(WM_RBUTTONUP);
    EXPECT_TRUE(form_->Timer().Enabled());

    PostTrayNotification(WM_RBUTTONDBLCLK);
    EXPECT_FALSE(form_->Loaded());
}

TEST_F(MainWindow, RealPointerMovementIsNoTrayCommand) {
    // At 150 % scaling the client area is wider than 512 pixels, so the pointer moving along
    // its top row can carry x = 518 (a right double-click's number). Such a move comes with
    // the pointer's own position; a notification from the shell does not.
    POINT origin{0, 0};
    ClientToScreen(Window(), &origin);
    SetCursorPos(origin.x + WM_RBUTTONDBLCLK, origin.y);
    Drain();
    PostTrayNotification(WM_RBUTTONDBLCLK);
    EXPECT_TRUE(form_->Loaded()) << "pointer movement must not end the program";

    SetCursorPos(origin.x + 5, origin.y + 200);
    Drain();
    PostTrayNotification(WM_RBUTTONDBLCLK);
    EXPECT_FALSE(form_->Loaded()) << "the same message from the shell ends it";
}

TEST_F(MainWindow, LabelsAndButtonsShowTheWindowColours) {
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Drain();
    HDC dc = GetDC(Window());
    auto pixelsIn = [&](int id, COLORREF wanted) {
        RECT rect;
        HWND control = form_->ControlWindow(id);
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = std::max(0L, rect.left); x < rect.right; ++x) {
                count += GetPixel(dc, x, y) == wanted;
            }
        }
        return count;
    };
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF blue = RGB(0, 153, 255);
    EXPECT_GT(pixelsIn(TrayCmdLabel2, blue), 10);
    EXPECT_GT(pixelsIn(TrayCmdLabel2, black), 100);
    EXPECT_GT(pixelsIn(AutoRunSetting, blue), 10);
    EXPECT_EQ(pixelsIn(OKButton, blue), 0) << "buttons keep the system's colours";
    ReleaseDC(Window(), dc);
}

// Windows moves the window to a monitor of 144 DPI (150 %): every control grows with it.
TEST_F(MainWindow, AtHundredAndFortyFourDpiTheLayoutGrowsByHalf) {
    RECT suggested;
    GetWindowRect(Window(), &suggested);
    SendMessageW(Window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    Drain();

    RECT client;
    GetClientRect(Window(), &client);
    EXPECT_NEAR(client.right, 329 * 3 / 2, 1);
    // Wine draws the caption at the system's DPI: the client area may come out taller.
    EXPECT_GE(client.bottom, 301 * 3 / 2 - 1);
    RECT frame;
    GetWindowRect(Window(), &frame);
    EXPECT_EQ(frame.left, suggested.left) << "where Windows suggests";
    EXPECT_EQ(frame.top, suggested.top);
    ExpectLayoutScaled(3, 2);
    LOGFONTW font{};
    GetObjectW(
        reinterpret_cast<HFONT>(SendMessageW(form_->ControlWindow(OKButton), WM_GETFONT, 0, 0)),
        sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -MulDiv(825, 144, 7200)) << "8.25 points at 144 DPI";
}

TEST_F(MainWindow, AccessKeysPressOKDonateAndHelp) {
    Key('D', true);
    Key('H', true);
    ASSERT_EQ(shell_.calls.size(), 2u);
    EXPECT_EQ(shell_.calls[0].file, "http://tarvine.example/");
    EXPECT_EQ(shell_.calls[1].file, application_.path + "\\Readme.txt");

    // Windows, not the program, keeps a disabled button from taking its access key.
    form_->SetOptionValue(CapsLockSetting, 1, true);
    form_->SetEnabled(ApplyButton, false);
    Key('A', true);
    EXPECT_EQ(main_.Settings().CapsLockMode, 0) << "a disabled Apply takes no access key";
    Key('O', true);
    EXPECT_FALSE(form_->Visible()) << "OK hides the window";
    EXPECT_EQ(main_.Settings().CapsLockMode, 1) << "and applies";
}

// The close box and Alt+F4 end the program as a right double-click on the icon does.
TEST_F(MainWindow, TheCloseBoxEndsTheProgramAndSaves) {
    SendMessageW(Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Drain();
    EXPECT_FALSE(form_->Loaded());
    EXPECT_EQ(profile_.GetInt("main", "Interval", -1, application_.path + "\\Keystead.ini"), 1000);
}

TEST_F(MainWindow, AltF4EndsTheProgramAndSaves) {
    Key(VK_F4, true);
    EXPECT_TRUE(WaitUntil("the window to go", [this] { return !form_->Loaded(); }));
    EXPECT_EQ(profile_.GetInt("main", "Interval", -1, application_.path + "\\Keystead.ini"), 1000);
}

// Another program refused to end: Windows goes on and so does Keystead, saving nothing yet.
TEST_F(MainWindow, ALogOffThatIsCancelledChangesNothing) {
    const std::string ini = application_.path + "\\Keystead.ini";
    EXPECT_NE(SendMessageW(Window(), WM_QUERYENDSESSION, 0, 0), 0) << "lets Windows end";
    SendMessageW(Window(), WM_ENDSESSION, FALSE, 0);
    Drain();
    EXPECT_TRUE(form_->Loaded());
    EXPECT_TRUE(form_->Timer().Enabled());
    EXPECT_EQ(profile_.State(ini), settings::FileState::Missing) << "nothing saved";

    SendMessageW(Window(), WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(form_->Loaded());
    EXPECT_EQ(profile_.GetInt("main", "Interval", -1, ini), 1000);
}

// The system menu's item opens the display window, whose access keys reach each setting and
// whose Apply writes the section; Esc closes it. The settings window's own keys stay its own.
TEST_F(MainWindow, TheSystemMenuOpensTheDisplayWindowThatTheKeyboardReaches) {
    wchar_t item[64] = {};
    GetMenuStringW(GetSystemMenu(Window(), FALSE), kDisplayMenuCommand, item, 64, MF_BYCOMMAND);
    EXPECT_STREQ(item, L"Lock key &display...");
    PostMessageW(Window(), WM_SYSCOMMAND, kDisplayMenuCommand, 0);
    Drain();
    HWND display = FindWindowW(Win32Form::ClassName(), L"Lock key display - Tarvine Keystead");
    ASSERT_NE(display, nullptr);
    ASSERT_TRUE(
        WaitUntil("the display window in front", [&] { return GetForegroundWindow() == display; }));
    const auto focused = [] {
        wchar_t text[64] = {};
        GetWindowTextW(GetFocus(), text, 64);
        return std::wstring(text);
    };
    Key('T', true);
    EXPECT_EQ(focused(), L"1500");
    Key('R', true);
    EXPECT_EQ(focused(), L"No note") << "Scroll Lock's selected note button";
    Key(VK_RIGHT);
    EXPECT_EQ(focused(), L"When held");
    Key('S', true);
    EXPECT_EQ(focused(), L"&Show the lock keys in the tray icon");
    Key('A', true);
    const std::string ini = application_.path + "\\Keystead.ini";
    EXPECT_EQ(profile_.GetInt("display", "ShowKeys", -1, ini), 1);
    EXPECT_EQ(profile_.GetInt("display", "ScrollLockNote", -1, ini), 1);
    Key(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil("the display window to go", [&] { return IsWindow(display) == FALSE; }));
    EXPECT_TRUE(form_->Loaded()) << "the program runs on";
}

}  // namespace
}  // namespace keystead::app

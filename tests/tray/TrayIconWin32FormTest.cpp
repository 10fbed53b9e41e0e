// The tray icon with a real owner window and the real notification area, under Wine: the
// shell's notifications arrive as WM_MOUSEMOVE, and Explorer's restart is survived.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/fake/FakeToolkit.h"
#include "toolkit/win32/Win32Form.h"
#include "tray/TrayIcon.h"
#include "tray/win32/Win32NotifyArea.h"

namespace keystead::tray {
namespace {

using namespace std::chrono_literals;
using toolkit::win32::PumpMessages;

struct Recorder : TrayIconEvents {
    void TrayIcon_MouseDown(std::int16_t button) override {
        heard.push_back("down " + std::to_string(button));
    }
    void TrayIcon_MouseUp(std::int16_t button) override {
        heard.push_back("up " + std::to_string(button));
    }
    void TrayIcon_MouseDblClick(std::int16_t button) override {
        heard.push_back("dblclick " + std::to_string(button));
    }
    std::vector<std::string> heard;
};

const toolkit::FormDesign kOwner{"Tray owner",    1500,  1500, {0, 0, 0}, {0, 153, 255},
                                 "MS Sans Serif", 8.25f, 0,    {}};

class TrayIconWithRealWindow : public ::testing::Test {
protected:
    void SetUp() override {
        icon_.SetListener(&recorder_);
        icon_.SetOwnerForm(&form_);
        icon_.SetIcon(&form_.Icon());
        icon_.SetTooltip("Tarvine Keystead");
        icon_.Add();
    }
    void TearDown() override { icon_.Remove(); }

    HWND Owner() const { return reinterpret_cast<HWND>(form_.hWnd()); }

    // Whether the shell knows the icon: only a shown icon can be modified.
    bool Shown() const {
        NOTIFYICONDATAA data{};
        data.cbSize = NOTIFYICONDATAA_V1_SIZE;
        data.hWnd = Owner();
        data.uID = 1;
        return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
    }

    void Notify(UINT mouseMessage) {
        PostMessageW(Owner(), WM_MOUSEMOVE, 1, MAKELPARAM(mouseMessage, 0));
        PumpMessages(30ms);
    }

    toolkit::fake::NoFormEvents events_;
    toolkit::win32::Win32Screen screen_;
    toolkit::win32::Win32Form form_{kOwner, events_, screen_};
    win32::Win32NotifyArea notifyArea_;
    TrayIcon icon_{notifyArea_, screen_};
    Recorder recorder_;
};

TEST_F(TrayIconWithRealWindow, TheShellsNotificationsBecomeEvents) {
    EXPECT_TRUE(Shown());
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE,
                         WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN}) {
        Notify(message);
    }
    EXPECT_EQ(recorder_.heard, (std::vector<std::string>{"down 1", "up 1", "dblclick 1", "down 2",
                                                         "up 2", "dblclick 2"}));
}

TEST_F(TrayIconWithRealWindow, ComesBackWhenExplorerRestarts) {
    // Explorer forgets every icon when it restarts, then tells every top-level window.
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = Owner();
    data.uID = 1;
    Shell_NotifyIconA(NIM_DELETE, &data);
    ASSERT_FALSE(Shown());

    PostMessageW(Owner(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    PumpMessages(100ms);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(icon_.State(), 1);
}

// A notification area not ready yet, as at logon: it refuses the first calls, then is the
// real one.
class NotReadyYet : public NotifyArea {
public:
    explicit NotReadyYet(int refusals) : refusals_(refusals) {}
    bool NotifyIcon(std::uint32_t operation, const NotifyIconRecord& record) override {
        if (refusals_ > 0) {
            --refusals_;
            return false;
        }
        return shell_.NotifyIcon(operation, record);
    }

private:
    int refusals_;
    win32::Win32NotifyArea shell_;
};

TEST(TrayIconNotReadyAtLogon, ShowsOnceTheShellTakesItAndLeavesTheFormsTimerRunning) {
    toolkit::fake::NoFormEvents events;
    toolkit::win32::Win32Screen screen;
    toolkit::win32::Win32Form form{kOwner, events, screen};
    int ticks = 0;
    form.Timer().SetHandler([&] { ++ticks; });
    form.Timer().SetInterval(100);
    form.Timer().SetEnabled(true);

    NotReadyYet area(4);  // the first add, and the next try, each with its modify
    TrayIcon icon(area, screen);
    icon.SetOwnerForm(&form);
    icon.SetIcon(&form.Icon());
    icon.SetTooltip("Tarvine Keystead");
    icon.Add();
    EXPECT_FALSE(icon.Shown());

    for (int wait = 0; wait < 100 && !icon.Shown(); ++wait) {
        PumpMessages(100ms);
    }
    ASSERT_TRUE(icon.Shown()) << "the retry timer should have added the icon";
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(form.hWnd());
    data.uID = 1;
    EXPECT_NE(Shell_NotifyIconA(NIM_MODIFY, &data), FALSE) << "the shell should hold the icon";

    // The retry timer has stopped; the form's own timer, with an id of its own, runs on.
    const int ticksBefore = ticks;
    PumpMessages(1000ms);
    EXPECT_GT(ticks, ticksBefore);
    icon.Remove();
}

TEST_F(TrayIconWithRealWindow, RemoveTakesTheIconAway) {
    icon_.Remove();
    EXPECT_FALSE(Shown());
    EXPECT_EQ(icon_.State(), 0);
    icon_.Add();  // for TearDown
}

}  // namespace
}  // namespace keystead::tray

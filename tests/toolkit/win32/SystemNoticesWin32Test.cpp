// The system's notices reach a real form's owner under Wine: raw keyboard input with the
// sender's extra information, the session unlocked, the machine resumed, a keyboard added.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/win32/Wait.h"
#include "toolkit/fake/FakeToolkit.h"
#include "toolkit/win32/Win32Form.h"

namespace keystead::toolkit::win32 {
namespace {

using namespace std::chrono_literals;

const FormDesign kBareForm{"Notices test",  1500,  1500, {0, 0, 0}, {0, 153, 255},
                           "MS Sans Serif", 8.25f, 0,    {}};

class Recorder : public fake::NoFormEvents {
public:
    void Form_RawKeyUp(int keyCode, std::uint32_t extra) override {
        heard.push_back("key up " + std::to_string(keyCode) + " " + std::to_string(extra));
    }
    void Form_SessionUnlock() override { heard.push_back("unlock"); }
    void Form_PowerResume() override { heard.push_back("resume"); }
    void Form_KeyboardArrival() override { heard.push_back("keyboard"); }
    std::vector<std::string> heard;
};

class SystemNotices : public ::testing::Test {
protected:
    SystemNotices() { form_.SetSystemEvents(events_); }
    Recorder events_;
    Win32Screen screen_;
    Win32Form form_{kBareForm, events_, screen_};
    HWND Window() const { return reinterpret_cast<HWND>(form_.hWnd()); }
};

TEST_F(SystemNotices, OnlyTheNoticesThatMayChangeALockKeyAreRaised) {
    struct Case {
        UINT message;
        WPARAM wParam;
        const char* heard;  // or null
    };
    const Case cases[] = {
        {WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, "unlock"},
        {WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, nullptr},
        {WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, "resume"},
        {WM_POWERBROADCAST, PBT_APMSUSPEND, nullptr},
        {WM_INPUT_DEVICE_CHANGE, GIDC_ARRIVAL, "keyboard"},
        {WM_INPUT_DEVICE_CHANGE, GIDC_REMOVAL, nullptr},
    };
    for (const Case& c : cases) {
        events_.heard.clear();
        SendMessageW(Window(), c.message, c.wParam, 0);
        EXPECT_EQ(events_.heard,
                  c.heard ? std::vector<std::string>{c.heard} : std::vector<std::string>{})
            << c.message << " " << c.wParam;
    }
}

TEST_F(SystemNotices, AKeyReleaseArrivesWithTheExtraInformationOfItsSender) {
    form_.Show();  // Wine makes raw input only while some window has the focus
    ASSERT_TRUE(testing::WaitUntil("the form to take the focus",
                                   [this] { return GetForegroundWindow() == Window(); }));
    events_.heard.clear();
    keybd_event(VK_SHIFT, 0, 0, 0x4B455953);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0x4B455953);
    testing::WaitUntil("a raw key release", [this] { return !events_.heard.empty(); });
    EXPECT_EQ(events_.heard, std::vector<std::string>{"key up 16 1262836051"});
}

}  // namespace
}  // namespace keystead::toolkit::win32

// The tray icon reached by keyboard, with the messages the shell sends under notification
// version 4: the event in the low word of lParam, the icon's id in the high word and the
// icon's anchor point in wParam.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <thread>

#include "CapsLockTest.h"
#include "KeysteadProcess.h"

namespace keystead::e2e {
namespace {

using namespace std::chrono_literals;

constexpr POINT kAnchor = {300, 200};
constexpr UINT kKeySelect = WM_USER + 1;  // NIN_KEYSELECT: Enter or Space on the icon

void PostVersion4(HWND window, UINT event) {
    PostMessageW(window, WM_MOUSEMOVE, MAKEWPARAM(kAnchor.x, kAnchor.y), MAKELPARAM(event, 1));
}

bool WaitFor(const std::function<bool()>& condition) {
    for (int wait = 0; wait < 100; ++wait) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(100ms);
    }
    return false;
}

// A popup menu of the process on screen: the system's menu window class.
HWND ShownMenu(HWND keystead) {
    DWORD process = 0;
    GetWindowThreadProcessId(keystead, &process);
    HWND menu = nullptr;
    while ((menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(menu, &owner);
        if (owner == process && IsWindowVisible(menu)) {
            return menu;
        }
    }
    return nullptr;
}

class TrayKeyboard : public CapsLockTest {
protected:
    void StartForcingCapsLockOff() {
        folder_.WriteIni("[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=2\r\nInterval=100\r\n");
        process_ = std::make_unique<KeysteadProcess>(folder_.Exe());
        ASSERT_TRUE(process_->WaitUntilReady());
        ASSERT_FALSE(process_->WindowVisible());
    }
    ProgramFolder folder_{L"keystead-tray-keyboard"};
};

TEST_F(TrayKeyboard, EnterShowsTheWindowAndTheMenuKeyOpensAMenuThatEscCloses) {
    StartForcingCapsLockOff();
    PostVersion4(process_->Window(), kKeySelect);
    PostVersion4(process_->Window(), kKeySelect);  // Windows may send it twice
    EXPECT_TRUE(WaitFor([&] { return process_->WindowVisible(); }));

    PostVersion4(process_->Window(), WM_CONTEXTMENU);
    ASSERT_TRUE(WaitFor([&] { return ShownMenu(process_->Window()) != nullptr; }));
    RECT shown{};
    GetWindowRect(ShownMenu(process_->Window()), &shown);
    EXPECT_TRUE(PtInRect(&shown, POINT{kAnchor.x + 2, kAnchor.y + 2}) ||
                PtInRect(&shown, POINT{kAnchor.x - 2, kAnchor.y + 2}))
        << "the menu should hang from the anchor";
    if (const char* hold = std::getenv("KEYSTEAD_HOLD_MENU_MS")) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(hold)));  // screenshot
    }
    PostMessageW(process_->Window(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitFor([&] { return ShownMenu(process_->Window()) == nullptr; }));

    EXPECT_TRUE(process_->WindowVisible()) << "Esc went to the menu, not to Cancel";
    PressKey(VK_CAPITAL);
    EXPECT_TRUE(CapsGoesOff()) << "enforcement should still be on";
}

TEST_F(TrayKeyboard, AnItemChosenFromTheMenuIsCarriedOut) {
    StartForcingCapsLockOff();
    PostVersion4(process_->Window(), WM_CONTEXTMENU);
    ASSERT_TRUE(WaitFor([&] { return ShownMenu(process_->Window()) != nullptr; }));
    PostMessageW(process_->Window(), WM_KEYDOWN, 'X', 0);  // E&xit
    EXPECT_TRUE(process_->WaitForExit(20s));
}

}  // namespace
}  // namespace keystead::e2e

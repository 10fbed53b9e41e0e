// The real Keystead.exe's lock-key display window: opened by /display (with and without a
// running copy) and by the settings window's system menu; OK writes section "display" of the
// settings file at once, the notes' monitor and the sounds with the rest; an administrator's
// rule greys its buttons.
#include <gtest/gtest.h>

#include "CapsLockTest.h"
#include "KeysteadProcess.h"

namespace keystead::e2e {
namespace {

using namespace std::chrono_literals;

constexpr wchar_t kTitle[] = L"Lock key display - Tarvine Keystead";
constexpr wchar_t kPolicyKey[] = L"Software\\Policies\\Tarvine\\Keystead";
constexpr UINT kDisplayMenuCommand = 0x0100;
const char kSettings[] = "[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=0\r\nInterval=100\r\n";

class DisplayWindowEndToEnd : public CapsLockTest {
protected:
    void SetUp() override {
        CapsLockTest::SetUp();
        folder_.WriteIni(kSettings);
    }
    void TearDown() override {
        for (const wchar_t* rule : {L"CapsLockNote", L"ScrollLockSound", L"NoteMonitor"}) {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kPolicyKey, rule);
        }
        // Every copy ends as /exit ends it, which also closes the display window.
        if (KeysteadProcess exit(folder_.Exe(), L"/exit"); !exit.WaitForExit(20s)) {
            ADD_FAILURE() << "/exit did not return";
        }
        EXPECT_TRUE(!started_ || started_->WaitForExit(20s));
        EXPECT_TRUE(!process_ || process_->WaitForExit(20s));
        started_.reset();
        process_.reset();
        CapsLockTest::TearDown();
    }

    // The display window, once shown.
    static HWND WaitForDisplay() {
        HWND window = nullptr;
        WaitUntil("the display window", [&] {
            window = FindWindowW(L"KeysteadForm", kTitle);
            return window != nullptr && IsWindowVisible(window);
        });
        return window;
    }
    static HWND Child(HWND window, const wchar_t* caption, int nth = 0) {
        return ChildWithCaption(window, caption, nth);
    }
    static void Click(HWND window, const wchar_t* caption, int nth = 0) {
        HWND button = Child(window, caption, nth);
        ASSERT_NE(button, nullptr) << "no control";
        SendMessageW(button, BM_CLICK, 0, 0);
    }
    bool IniHolds(const std::string& text) const {
        return WaitUntil("the settings file",
                         [&] { return folder_.ReadIni().find(text) != std::string::npos; });
    }

    ProgramFolder folder_{L"keystead-display-window"};
    std::unique_ptr<KeysteadProcess> started_;
};

TEST_F(DisplayWindowEndToEnd, TheSwitchStartsTheProgramWithTheWindowWhoseOKWritesTheSection) {
    started_ = std::make_unique<KeysteadProcess>(folder_.Exe(), L"/display");
    HWND window = WaitForDisplay();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    Click(window, L"When held");           // Caps Lock's note
    Click(window, L"On every change", 3);  // Num Lock's sound: rows of notes and sounds alternate
    Click(window, L"every monitor");
    Click(window, L"&OK");
    EXPECT_TRUE(
        IniHolds("[display]\r\nShowKeys=0\r\nCapsLockNote=1\r\nNumLockNote=0\r\n"
                 "ScrollLockNote=0\r\nNotePosition=2\r\nNoteTime=1500\r\nNoteMonitor=3\r\n"
                 "CapsLockSound=0\r\nNumLockSound=2\r\nScrollLockSound=0\r\n"))
        << folder_.ReadIni();
    EXPECT_TRUE(WaitUntil("the window to go", [&] { return IsWindow(window) == FALSE; }));
    EXPECT_TRUE(started_->Running()) << "the program runs on in the tray";

    // A later start hands the switch over and ends with 0; the window shows what was saved.
    KeysteadProcess later(folder_.Exe(), L"/display");
    ASSERT_TRUE(later.WaitForExit(20s));
    EXPECT_EQ(later.ExitCode(), 0u);
    window = WaitForDisplay();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageW(Child(window, L"When held"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(DisplayWindowEndToEnd, TheSystemMenuOpensItAndARuleGreysItsButtons) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kPolicyKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    const DWORD always = 3;
    RegSetValueExW(key, L"CapsLockNote", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&always),
                   sizeof always);
    const DWORD held = 1;
    RegSetValueExW(key, L"ScrollLockSound", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&held),
                   sizeof held);
    RegSetValueExW(key, L"NoteMonitor", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&held),
                   sizeof held);
    RegCloseKey(key);

    process_ = StartIn(folder_);
    ASSERT_TRUE(process_->Started());
    PostMessageW(process_->Window(), WM_SYSCOMMAND, kDisplayMenuCommand, 0);
    HWND window = WaitForDisplay();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(process_->WindowVisible()) << "the settings window stays hidden";
    EXPECT_FALSE(IsWindowEnabled(Child(window, L"When held", 0))) << "Caps Lock's, fixed";
    EXPECT_EQ(SendMessageW(Child(window, L"While on", 0), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(IsWindowEnabled(Child(window, L"When held", 2))) << "Num Lock's note, free";
    EXPECT_NE(Child(window, L"Greyed settings are set by your administrator."), nullptr);
    EXPECT_FALSE(IsWindowEnabled(Child(window, L"No sound", 2))) << "Scroll Lock's, fixed";
    EXPECT_EQ(SendMessageW(Child(window, L"When held", 5), BM_GETCHECK, 0, 0), BST_CHECKED)
        << "the rule's value, Scroll Lock's sound";
    EXPECT_TRUE(IsWindowEnabled(Child(window, L"No sound", 0))) << "Caps Lock's, free";
    EXPECT_FALSE(IsWindowEnabled(Child(window, L"the mouse pointer"))) << "the monitor, fixed";
}

}  // namespace
}  // namespace keystead::e2e

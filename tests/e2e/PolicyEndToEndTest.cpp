// The administrator's rules under Software\Policies, as Group Policy writes them, over the
// real program: what is held, what the window lets the user change, and what the settings
// file keeps.
#include <gtest/gtest.h>

#include "CapsLockTest.h"
#include "KeysteadProcess.h"

namespace keystead::e2e {
namespace {

using namespace std::chrono_literals;

constexpr wchar_t kPolicyKey[] = L"Software\\Policies\\Tarvine\\Keystead";
constexpr wchar_t kPolicyCaption[] = L"Greyed settings are set by your administrator.";
constexpr wchar_t kModes[][16] = {L"Allow toggling", L"Force off", L"Force on"};
const char kUsersFile[] = "[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=2\r\nInterval=100\r\n";

// Written where Group Policy writes the machine's rules: the 64-bit view.
void SetMachinePolicy(const wchar_t* name, DWORD value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kPolicyKey, 0, nullptr, 0,
                              KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

void DeleteMachinePolicies() {
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kPolicyKey, KEY_WOW64_64KEY, 0);
}

// What Group Policy does once it has written new rules.
void BroadcastPolicyChange() {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Policy"),
                        SMTO_ABORTIFHUNG, 5000, &result);
}

// Whether the key comes to the state soon, with room for a busy machine.
bool Becomes(BYTE key, bool toggled) {
    return KeyBecomes(key, toggled);
}

class PolicyEndToEnd : public CapsLockTest {
protected:
    void SetUp() override {
        CapsLockTest::SetUp();
        DeleteMachinePolicies();
        folder_.WriteIni(kUsersFile);
    }
    void TearDown() override {
        DeleteMachinePolicies();
        CapsLockTest::TearDown();
    }

    std::unique_ptr<KeysteadProcess> Start() { return StartIn(folder_); }

    // Whether each option button of a row (0 Caps Lock, 1 Num Lock) takes clicks.
    static bool RowEnabled(const KeysteadProcess& process, int row, bool enabled) {
        for (const wchar_t* mode : kModes) {
            if ((IsWindowEnabled(process.Control(mode, row)) != FALSE) != enabled) {
                return false;
            }
        }
        return true;
    }

    ProgramFolder folder_{L"keystead-policy-e2e"};
};

TEST_F(PolicyEndToEnd, AMachineRuleHoldsCapsLockOnGreysItsRowAndLeavesTheFileAlone) {
    SetMachinePolicy(L"CapsLock", 1);
    auto process = Start();
    EXPECT_TRUE(Becomes(VK_CAPITAL, true)) << "the rule, not the file's Force off";
    PressKey(VK_CAPITAL);
    EXPECT_TRUE(Becomes(VK_CAPITAL, true)) << "turned back on";

    ASSERT_TRUE(process->Open());
    EXPECT_TRUE(RowEnabled(*process, 0, false)) << "Caps Lock's buttons are greyed";
    EXPECT_TRUE(RowEnabled(*process, 1, true)) << "Num Lock's are the user's";
    EXPECT_TRUE(process->Checked(L"Force on", 0));
    EXPECT_NE(process->Control(kPolicyCaption), nullptr) << "the window says why";

    End(*process);
    EXPECT_EQ(folder_.ReadIni(), kUsersFile);
}

TEST_F(PolicyEndToEnd, ARuleLiftedWhileRunningGivesTheUsersChoiceBack) {
    SetMachinePolicy(L"CapsLock", 1);
    auto process = Start();
    ASSERT_TRUE(Becomes(VK_CAPITAL, true));

    DeleteMachinePolicies();
    BroadcastPolicyChange();
    EXPECT_TRUE(Becomes(VK_CAPITAL, false)) << "the user's Force off again";
    ASSERT_TRUE(process->Open());
    EXPECT_TRUE(RowEnabled(*process, 0, true));
    EXPECT_TRUE(process->Checked(L"Force off", 0));
    EXPECT_EQ(process->Control(kPolicyCaption), nullptr);
    EXPECT_TRUE(process->Running()) << "no restart";

    End(*process);
    EXPECT_EQ(folder_.ReadIni(), kUsersFile);
}

// Windows applies policy again every 90 minutes or so, whatever the user is doing.
TEST_F(PolicyEndToEnd, ARuleArrivingKeepsTheUsersUnappliedEdits) {
    auto process = Start();
    process->Tray(WM_LBUTTONDBLCLK);
    process->Click(L"Force on", 1);  // Num Lock, not applied
    ASSERT_TRUE(IsWindowEnabled(process->Control(L"&Apply")));

    SetMachinePolicy(L"CapsLock", 1);
    BroadcastPolicyChange();
    EXPECT_TRUE(Becomes(VK_CAPITAL, true)) << "the rule is in force";
    EXPECT_TRUE(process->Checked(L"Force on", 0)) << "and shows";
    EXPECT_TRUE(process->Checked(L"Force on", 1)) << "the user's edit stays";
    EXPECT_TRUE(IsWindowEnabled(process->Control(L"&Apply"))) << "still to be applied";

    End(*process);
    EXPECT_EQ(folder_.ReadIni(), kUsersFile);
}

TEST_F(PolicyEndToEnd, AMachineRuleHoldsScrollLockOnThoughTheFileSaysAllowToggling) {
    TurnOff(VK_SCROLL);
    SetMachinePolicy(L"ScrollLock", 1);
    auto process = Start();
    EXPECT_TRUE(Becomes(VK_SCROLL, true)) << "the rule, not the file's Allow toggling";
    PressKey(VK_SCROLL);
    EXPECT_TRUE(Becomes(VK_SCROLL, true)) << "turned back on";
    ASSERT_TRUE(process->Open());
    EXPECT_TRUE(RowEnabled(*process, 2, false)) << "Scroll Lock's buttons are greyed";
    EXPECT_TRUE(process->Checked(L"Force on", 2));
    End(*process);
    TurnOff(VK_SCROLL);
    EXPECT_EQ(folder_.ReadIni(), kUsersFile);
}

TEST_F(PolicyEndToEnd, WithoutSuspendARightClickLeavesTheProgramChecking) {
    SetMachinePolicy(L"AllowSuspend", 0);
    auto process = Start();
    ASSERT_TRUE(process->Open());
    ASSERT_NE(process->Control(L"Susp&end"), nullptr);
    EXPECT_FALSE(IsWindowEnabled(process->Control(L"Susp&end")));

    process->Tray(WM_RBUTTONUP);
    PressKey(VK_CAPITAL);
    EXPECT_TRUE(Becomes(VK_CAPITAL, false)) << "still checking after a right-click";
    EXPECT_NE(process->Control(L"Susp&end"), nullptr) << "never became Resume";

    // The switches are refused alike, and say so.
    for (const wchar_t* arguments : {L"/suspend", L"/toggle"}) {
        KeysteadProcess later(folder_.Exe(), arguments);
        ASSERT_TRUE(later.WaitForExit(20s));
        EXPECT_EQ(later.ExitCode(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    }
    EXPECT_NE(process->Control(L"Susp&end"), nullptr) << "still checking";
    End(*process);
}

}  // namespace
}  // namespace keystead::e2e

// The real Keystead.exe started with a switch: handed to the copy that runs, or refused
// without starting anything. Judged by the exit codes, the running copy's window and
// Suspend button, and what it does with Caps Lock.
#include <gtest/gtest.h>

#include "CapsLockTest.h"
#include "KeysteadProcess.h"
#include "toolkit/win32/Text.h"

namespace keystead::e2e {
namespace {

using namespace std::chrono_literals;

constexpr auto kExitTimeout = 20s;
constexpr DWORD kNoExit = STILL_ACTIVE;
// Caps Lock forced off, checked every 100 ms; Scroll Lock left out, so that saving adds it.
const char kSettings[] = "[main]\r\nCapsLock=0\r\nNumLock=2\r\nInterval=100\r\n";
const char kSaved[] = "[main]\r\nCapsLock=0\r\nNumLock=2\r\nInterval=100\r\nScrollLock=0\r\n";

class Switches : public CapsLockTest {
protected:
    void SetUp() override {
        CapsLockTest::SetUp();
        DeleteRunValue();
        folder_.WriteIni(kSettings);
    }
    void TearDown() override {
        if (first_ && first_->Running()) {
            first_->Tray(WM_RBUTTONDBLCLK);
            first_->WaitForExit(kExitTimeout);
        }
        CapsLockTest::TearDown();
    }

    static void CapsOff() { TurnCapsLockOff(); }

    void StartFirst(const std::wstring& arguments = L"") {
        first_ = std::make_unique<KeysteadProcess>(folder_.Exe(), arguments);
        ASSERT_TRUE(first_->WaitUntilReady()) << "no window appeared";
    }

    // A later start with the switch: its exit code once it has ended.
    DWORD Run(const std::wstring& arguments) {
        KeysteadProcess later(folder_.Exe(), arguments);
        if (!later.WaitForExit(kExitTimeout)) {
            return kNoExit;
        }
        return later.ExitCode();
    }

    // The running copy's Suspend button reads "Resume" while it is suspended: read in its
    // window, opened as the user does and closed again with Cancel.
    std::wstring SuspendCaption() const {
        if (!first_->Open()) {
            return L"<not shown>";
        }
        const std::wstring caption = first_->Control(kResume) != nullptr    ? kResume
                                     : first_->Control(kSuspend) != nullptr ? kSuspend
                                                                            : L"<neither>";
        if (!first_->Cancel()) {
            return L"<not hidden>";
        }
        return caption;
    }
    static constexpr wchar_t kResume[] = L"R&esume";
    static constexpr wchar_t kSuspend[] = L"Susp&end";

    // Whether an accidental Caps Lock press is put back: within the ceiling when the copy
    // enforces; left for a second (ten intervals) when it does not.
    static bool CapsPressPutBack(bool expected = true) {
        PressKey(VK_CAPITAL);
        const bool putBack = expected ? KeyBecomes(VK_CAPITAL, false)
                                      : !KeyStays(VK_CAPITAL, true, std::chrono::seconds(1));
        CapsOff();
        return putBack;
    }

    ProgramFolder folder_{L"keystead-switches"};
    std::unique_ptr<KeysteadProcess> first_;
};

TEST_F(Switches, SuspendResumeAndToggleChangeTheRunningCopy) {
    StartFirst();
    ASSERT_TRUE(CapsPressPutBack()) << "enforcing before any switch";
    ASSERT_EQ(SuspendCaption(), kSuspend);

    struct Step {
        const wchar_t* arguments;
        bool suspendedAfter;
    };
    const Step steps[] = {
        {L"/suspend", true}, {L"/SUSPEND", true}, {L"-resume", false},
        {L"/resume", false}, {L"/toggle", true},  {L"-Toggle", false},
    };
    for (const Step& step : steps) {
        const std::string name = toolkit::win32::Narrow(step.arguments);
        EXPECT_EQ(Run(step.arguments), 0u) << name;
        EXPECT_TRUE(first_->Running()) << name;
        EXPECT_EQ(CountKeysteadWindows(), 1) << name;
        EXPECT_EQ(CapsPressPutBack(!step.suspendedAfter), !step.suspendedAfter) << name;
        EXPECT_FALSE(first_->WindowVisible()) << name;
        EXPECT_EQ(SuspendCaption(), step.suspendedAfter ? kResume : kSuspend) << name;
    }
    EXPECT_EQ(folder_.ReadIni(), kSettings) << "nothing written while running";
}

TEST_F(Switches, SettingsShowsTheRunningCopysWindowAndExitEndsIt) {
    StartFirst();
    ASSERT_FALSE(first_->WindowVisible());

    EXPECT_EQ(Run(L"/settings"), 0u);
    EXPECT_TRUE(first_->WaitForVisible());
    EXPECT_EQ(GetForegroundWindow(), first_->Window()) << "brought to the front";
    EXPECT_EQ(CountKeysteadWindows(), 1);

    EXPECT_EQ(Run(L"/unknown"), 87u);
    EXPECT_EQ(Run(L"/exit now"), 87u);
    EXPECT_TRUE(first_->Running()) << "a refused switch reaches nobody";

    EXPECT_EQ(Run(L"/EXIT"), 0u);
    ASSERT_TRUE(first_->WaitForExit(kExitTimeout)) << "/exit ends the running copy";
    EXPECT_EQ(first_->ExitCode(), 0u);
    EXPECT_EQ(CountKeysteadWindows(), 0);
    EXPECT_EQ(folder_.ReadIni(), kSaved) << "saved as a right double-click does";
}

// A script that ends Keystead and starts it again (after editing its [pause] section) gets a
// running copy: /exit answers only once the old copy has gone.
TEST_F(Switches, AStartRightAfterExitRuns) {
    StartFirst();
    EXPECT_EQ(Run(L"/exit"), 0u);
    EXPECT_FALSE(first_->Running()) << "ended before /exit answered";
    first_ = std::make_unique<KeysteadProcess>(folder_.Exe());
    EXPECT_FALSE(first_->WaitForExit(2s)) << "the new start found the old copy";
    ASSERT_TRUE(first_->WaitUntilReady());
    EXPECT_EQ(CountKeysteadWindows(), 1);
}

TEST_F(Switches, WithoutARunningCopyOnlySettingsStartsTheProgram) {
    struct Case {
        const wchar_t* arguments;
        DWORD exitCode;
    };
    const Case cases[] = {
        {L"/suspend", 1}, {L"/resume", 1},          {L"/toggle", 1},          {L"-EXIT", 1},
        {L"/bogus", 87},  {L"/settings /exit", 87}, {L"/settings extra", 87}, {L"/", 87},
        {L"\"\"", 87},    {L"settings", 87},
    };
    folder_.WriteIni("");  // a start would be a first run and show its window
    for (const Case& c : cases) {
        const std::string name = toolkit::win32::Narrow(c.arguments);
        EXPECT_EQ(Run(c.arguments), c.exitCode) << name;
        EXPECT_EQ(CountKeysteadWindows(), 0) << name;
        EXPECT_EQ(folder_.ReadIni(), "") << name << ": nothing ran, so nothing was saved";
    }

    folder_.WriteIni(kSettings);  // a start that would stay hidden
    StartFirst(L"/settings");
    EXPECT_TRUE(first_->WindowVisible());
    EXPECT_TRUE(CapsPressPutBack()) << "and runs as any start does";
    EXPECT_EQ(Run(L"/exit"), 0u);
    ASSERT_TRUE(first_->WaitForExit(kExitTimeout));
}

}  // namespace
}  // namespace keystead::e2e

// Showing the lock keys from the settings window's side, on fakes: a note when a key is put
// back, the keys in the tray icon and tooltip at each check, and the administrator's rules.
// Without section "display" everything stays as it was.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "policies/Policies.h"

namespace keystead::app::testing {
namespace {

using lockkeys::kVkCapital;
using lockkeys::kVkNumLock;

class DisplayTest : public MainTest {
protected:
    DisplayTest() {
        keyboard.toggles = true;
        profile.Put("NumLock", "2");
    }
    void Display(const std::string& key, const std::string& value) {
        profile.values[{"display", key}] = value;
    }
};

TEST_F(DisplayTest, WithoutTheSectionNothingIsShownOrRead) {
    Start();
    const std::size_t reads = keyboard.reads.size();
    PressCaps();
    Form().Tick();
    EXPECT_TRUE(notes.notes.empty());
    EXPECT_TRUE(icons.made.empty());
    EXPECT_EQ(LastTrayCall().record.hIcon, Form().Icon().Handle());
    EXPECT_EQ(Tip(), "Tarvine Keystead");
    EXPECT_GT(keyboard.reads.size(), reads) << "the checks read the keys";
    EXPECT_EQ(notifyArea.calls.size(), 1u) << "no modify for a key put back";
}

TEST_F(DisplayTest, AKeyPutBackShowsItsNoteButNotWhileSuspended) {
    Display("CapsLockNote", "1");
    Display("NoteTime", "2500");
    Start();
    PressCaps();
    ASSERT_EQ(notes.notes.size(), 1u);
    EXPECT_EQ(notes.notes[0].text, "Caps Lock is held off");
    EXPECT_EQ(notes.notes[0].timeMs, 2500);
    EXPECT_EQ(notes.notes[0].position, 2);

    Notify(kRightUp);  // suspend
    PressCaps();
    Form().Tick();
    EXPECT_EQ(notes.notes.size(), 1u);
}

TEST_F(DisplayTest, ShowKeysDrawsTheKeysAtEachCheckAndRedWhenSuspended) {
    Display("ShowKeys", "1");
    keyboard.states[kVkNumLock] = 1;
    Start();
    EXPECT_EQ(
        Tip(),
        "Tarvine Keystead\r\nCaps Lock: off (held)\r\nNum Lock: on\r\nScroll Lock: off (held)");
    EXPECT_EQ(LastTrayCall().record.cbSize, tray::kLongTipRecordSize) << "the 128-character field";
    const std::uintptr_t first = LastTrayCall().record.hIcon;
    EXPECT_NE(first, Form().Icon().Handle());

    keyboard.states[kVkNumLock] = 0;  // toggled on "Allow toggling"
    Form().RawKeyUp(kVkNumLock);
    EXPECT_EQ(LastTrayCall().operation, tray::kNimModify);
    EXPECT_EQ(
        Tip(),
        "Tarvine Keystead\r\nCaps Lock: off (held)\r\nNum Lock: off\r\nScroll Lock: off (held)");
    const std::uintptr_t numOff = LastTrayCall().record.hIcon;
    EXPECT_NE(numOff, first);

    Notify(kRightUp);
    EXPECT_NE(LastTrayCall().record.hIcon, numOff);
    EXPECT_NE(LastTrayCall().record.hIcon, Form().PictureOf(SuspendedIcon).Handle());
    EXPECT_EQ(Tip(),
              "Tarvine Keystead\r\n(Suspended)\r\nCaps Lock: off (held)\r\nNum Lock: off\r\nScroll "
              "Lock: off (held)");
}

TEST_F(DisplayTest, TheAdministratorsRuleBeatsTheFileAndComesAtTheBroadcast) {
    Display("ShowKeys", "1");
    Display("CapsLockNote", "1");
    registryApi.store.PutValue(registry::kHkeyCurrentUser, kPolicySubKey, "ShowKeys",
                               {registry::kRegDword, {0, 0, 0, 0}});
    Start();
    EXPECT_EQ(LastTrayCall().record.hIcon, Form().Icon().Handle());
    registryApi.store.PutValue(registry::kHkeyLocalMachine, kPolicySubKey, "CapsLockNote",
                               {registry::kRegDword, {0, 0, 0, 0}});
    registryApi.store.PutValue(registry::kHkeyCurrentUser, kPolicySubKey, "ShowKeys",
                               {registry::kRegDword, {1, 0, 0, 0}});
    Form().PolicyChange();
    EXPECT_NE(LastTrayCall().record.hIcon, Form().Icon().Handle());
    PressCaps();
    EXPECT_TRUE(notes.notes.empty());
}

// Watched for the note alone, with no program to step aside for.
TEST_F(DisplayTest, ALastingNoteGivesWayToAFullScreenProgramInFrontAndComesBack) {
    using Lines = std::vector<std::string>;
    Display("NumLockNote", "3");
    keyboard.states[kVkNumLock] = 1;
    Start();
    Form().RecheckTick();  // the first look at the keys, as the message loop starts
    EXPECT_EQ(notes.lasting, Lines{"Num Lock on"});
    foreground.state = pause::UserNotificationState::RunningD3dFullScreen;
    foreground.BringToFront("game.exe");
    EXPECT_EQ(notes.lasting, Lines{});
    foreground.state = pause::UserNotificationState::AcceptsNotifications;
    foreground.BringToFront("notepad.exe");
    EXPECT_EQ(notes.lasting, Lines{"Num Lock on"});

    keyboard.states[kVkNumLock] = 0;
    Form().RawKeyUp(kVkNumLock);
    EXPECT_EQ(foreground.listener, nullptr) << "no note: nothing watches";
}

TEST_F(DisplayTest, ARuleThatTurnsEveryNoteOffTakesTheLastingNoteDown) {
    Display("NumLockNote", "3");
    keyboard.states[kVkNumLock] = 1;
    Start();
    Form().RecheckTick();  // the first look at the keys, as the message loop starts
    ASSERT_EQ(notes.lasting, std::vector<std::string>{"Num Lock on"});
    for (const char* key : {"CapsLockNote", "NumLockNote", "ScrollLockNote"}) {
        registryApi.store.PutValue(registry::kHkeyLocalMachine, kPolicySubKey, key,
                                   {registry::kRegDword, {0, 0, 0, 0}});
    }
    Form().PolicyChange();
    EXPECT_TRUE(notes.lasting.empty());
    EXPECT_EQ(foreground.listener, nullptr);
}

TEST_F(DisplayTest, ALightTaskbarIsReadAgainWhenTheThemeChanges) {
    Display("ShowKeys", "1");
    Start();
    const std::uint32_t darkOutline = icons.made.back().At(1, 1);
    registryApi.store.PutValue(registry::kHkeyCurrentUser,
                               "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                               "SystemUsesLightTheme", {registry::kRegDword, {1, 0, 0, 0}});
    Form().ThemeChange();
    EXPECT_NE(icons.made.back().At(1, 1), darkOutline);
    EXPECT_EQ(LastTrayCall().record.hIcon, 0x1000u + icons.made.size());
}

}  // namespace
}  // namespace keystead::app::testing

// Sounds from the program's side, on fakes: the choice of [display] reaches the sounds, a key
// put back and a key changed on "Allow toggling" are heard, and nothing is while suspended,
// stepping aside or over a full-screen program. The events are registered only once a sound is
// chosen.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "sound/SoundEvents.h"

namespace keystead::app::testing {
namespace {

using lockkeys::kVkCapital;
using Played = std::vector<std::string>;

class SoundTest : public MainTest {
protected:
    SoundTest() { keyboard.toggles = true; }
    void Display(const std::string& key, const std::string& value) {
        profile.values[{"display", key}] = value;
    }
    bool Registered() const {
        return registryApi.store.HasKey(registry::kHkeyCurrentUser, sound::kEventLabelsKey);
    }
    // The user turns Caps Lock on, then off again.
    void ToggleCapsTwice() {
        for (const std::int16_t state : {std::int16_t{1}, std::int16_t{0}}) {
            keyboard.states[kVkCapital] = state;
            Form().RawKeyUp(kVkCapital);
        }
    }
};

TEST_F(SoundTest, WithoutASoundChosenNothingIsPlayedOrRegistered) {
    Display("CapsLockNote", "1");
    Start();
    PressCaps();
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_FALSE(Registered());
}

struct ChoiceCase {
    const char* capsMode;  // [main] CapsLock
    const char* sound;     // [display] CapsLockSound
    Played expected;
};

class SoundChoiceTest : public SoundTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(SoundChoiceTest, EachChoiceIsHeardForItsEvents) {
    const ChoiceCase& c = GetParam();
    profile.Put("CapsLock", c.capsMode);
    Display("CapsLockSound", c.sound);
    Start();
    Form().Tick();  // the keys' first look
    if (std::string(c.capsMode) == "0") {
        PressCaps();
    } else {
        ToggleCapsTwice();
    }
    EXPECT_EQ(sounds.played, c.expected);
    EXPECT_TRUE(Registered());
}

INSTANTIATE_TEST_SUITE_P(
    Choices, SoundChoiceTest,
    ::testing::Values(ChoiceCase{"0", "1", {"KeysteadPutBack"}},
                      ChoiceCase{"0", "2", {"KeysteadPutBack"}}, ChoiceCase{"2", "1", {}},
                      ChoiceCase{"2", "2", {"KeysteadLockOn", "KeysteadLockOff"}}));

// Each change of a key on "Allow toggling" would be heard otherwise.
TEST_F(SoundTest, NoneIsHeardWhileSuspendedSteppingAsideOrFullScreen) {
    profile.Put("CapsLock", "2");
    Display("CapsLockSound", "2");
    profile.values[{"pause", "Programs"}] = "game.exe";
    Start();
    Form().Tick();  // the keys' first look

    Notify(kRightUp);  // suspend
    ToggleCapsTwice();
    Notify(kRightUp);  // resume

    foreground.BringToFront("game.exe");
    ToggleCapsTwice();
    foreground.BringToFront("notepad.exe");

    foreground.frontCoversMonitor = true;
    foreground.state = pause::UserNotificationState::Busy;
    ToggleCapsTwice();
    EXPECT_TRUE(sounds.played.empty()) << sounds.played.size() << " played";
}

}  // namespace
}  // namespace keystead::app::testing

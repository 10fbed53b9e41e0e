// Which note comes for which event and setting, when none may come, and what the tooltip
// lists: the display's rules on a fake keyboard, screen and foreground.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/KeyDisplay.h"
#include "display/fake/FakeNoteScreen.h"
#include "lockkeys/fake/FakeKeyboard.h"
#include "pause/fake/FakeForeground.h"
#include "registry/fake/MemoryRegistry.h"

namespace keystead::display {
namespace {

using lockkeys::kVkCapital;
using lockkeys::kVkNumLock;
using settings::NoteMode;
using Texts = std::vector<std::string>;

constexpr lockkeys::Flips kCapsFlipped = {kVkCapital, 0, 0};

class KeyDisplayTest : public ::testing::Test {
protected:
    KeyDisplayTest() { settings_.NumLockMode = lockkeys::kAllowToggling; }

    void Notes(NoteMode caps, NoteMode num) {
        settings::DisplaySection section;
        section.notes = {caps, num, NoteMode::None};
        section.position = 7;
        section.noteTime = 900;
        display_.SetSection(section);
        display_.KeysMayHaveChanged(settings_);  // what the keys are at the start
    }
    void Key(int virtualKey, std::int16_t state) {
        keyboard_.states[virtualKey] = state;
        display_.KeysMayHaveChanged(settings_);
    }

    lockkeys::FakeKeyboard keyboard_;
    FakeNoteScreen screen_;
    FakeIconPainter painter_;
    pause::FakeForeground foreground_;
    registry::fake::MemoryRegistry registry_;
    lockkeys::Settings settings_;  // Caps Lock "Force off", Num Lock "Allow toggling"
    KeyDisplay display_{keyboard_, screen_, painter_, foreground_, registry_};
};

TEST_F(KeyDisplayTest, NotesByEventAndSetting) {
    struct Case {
        NoteMode caps, num;
        Texts expected;
    };
    const Case cases[] = {
        {NoteMode::None, NoteMode::None, {}},
        {NoteMode::WhenHeld, NoteMode::WhenHeld, {"Caps Lock is held off"}},
        {NoteMode::OnEveryChange,
         NoteMode::OnEveryChange,
         {"Caps Lock is held off", "Num Lock on", "Num Lock off"}},
        {NoteMode::WhileOn,
         NoteMode::WhileOn,
         {"Caps Lock is held off", "Num Lock on", "Num Lock off"}},
    };
    for (const Case& c : cases) {
        screen_.notes.clear();
        keyboard_.states.clear();
        Notes(c.caps, c.num);
        Key(kVkCapital, 1);  // the user's press: no change note for a held key
        display_.PutBack(kCapsFlipped, settings_);
        Key(kVkCapital, 0);  // the flip comes back
        Key(kVkNumLock, 1);
        Key(kVkNumLock, 0);
        EXPECT_EQ(screen_.Texts(), c.expected) << static_cast<int>(c.caps);
    }
}

TEST_F(KeyDisplayTest, APutBackNoteIsAnnouncedAtTheChosenPlaceAndTime) {
    Notes(NoteMode::WhenHeld, NoteMode::None);
    settings_.CapsLockMode = lockkeys::kForceOn;
    display_.PutBack(kCapsFlipped, settings_);
    ASSERT_EQ(screen_.notes.size(), 1u);
    EXPECT_EQ(screen_.notes[0], (FakeNoteScreen::Note{"Caps Lock is held on", 7, 900, true}));
}

TEST_F(KeyDisplayTest, NoNoteWhileQuietOrOverAFullScreenProgram) {
    Notes(NoteMode::OnEveryChange, NoteMode::OnEveryChange);
    display_.SetQuiet(true);
    display_.PutBack(kCapsFlipped, settings_);
    Key(kVkNumLock, 1);
    display_.SetQuiet(false);
    foreground_.state = pause::UserNotificationState::RunningD3dFullScreen;
    display_.PutBack(kCapsFlipped, settings_);
    Key(kVkNumLock, 0);
    EXPECT_EQ(screen_.Texts(), Texts{});
}

TEST_F(KeyDisplayTest, ALastingNoteStaysWhileTheKeyIsOnAndNeverWhileQuiet) {
    Notes(NoteMode::None, NoteMode::WhileOn);
    Key(kVkNumLock, 1);
    EXPECT_EQ(screen_.lasting, Texts{"Num Lock on"});
    display_.SetQuiet(true);
    display_.KeysMayHaveChanged(settings_);
    EXPECT_EQ(screen_.lasting, Texts{});
    display_.SetQuiet(false);
    Key(kVkNumLock, 0);
    EXPECT_EQ(screen_.lasting, Texts{});
}

// "No note" everywhere, a rule that turns every note off or another place: at once, since
// with nothing on no later look at the keys comes to do it.
TEST_F(KeyDisplayTest, ANewSectionTakesDownOrMovesTheLastingNoteAtOnce) {
    struct Case {
        const char* what;
        NoteMode caps, num;
        bool showKeys;
        int position;
        Texts lasting;
    };
    const Case cases[] = {
        {"nothing on", NoteMode::None, NoteMode::None, false, 7, {}},
        {"the icon alone", NoteMode::None, NoteMode::None, true, 7, {}},
        {"Num Lock on every change", NoteMode::None, NoteMode::OnEveryChange, false, 7, {}},
        {"Caps Lock while on, and off", NoteMode::WhileOn, NoteMode::None, false, 7, {}},
        {"another place", NoteMode::None, NoteMode::WhileOn, false, 3, {"Num Lock on"}},
    };
    for (const Case& c : cases) {
        Notes(NoteMode::None, NoteMode::WhileOn);
        Key(kVkNumLock, 1);
        ASSERT_EQ(screen_.lasting, Texts{"Num Lock on"}) << c.what;
        screen_.lastingPosition = 0;
        settings::DisplaySection section;
        section.showKeys = c.showKeys;
        section.notes = {c.caps, c.num, NoteMode::None};
        section.position = c.position;
        display_.SetSection(section);
        EXPECT_EQ(screen_.lasting, c.lasting) << c.what;
        if (!c.lasting.empty()) {
            EXPECT_EQ(screen_.lastingPosition, c.position) << c.what;
        }
    }
}

// The rule of every note, told of each window that comes to the front.
TEST_F(KeyDisplayTest, ALastingNoteGivesWayToAFullScreenProgramAndWhileQuiet) {
    using State = pause::UserNotificationState;
    struct Case {
        State state;
        bool covers;
        bool quiet;
        bool stands;
    };
    const Case cases[] = {
        {State::AcceptsNotifications, true, false, true},
        {State::RunningD3dFullScreen, false, false, false},
        {State::PresentationMode, false, false, false},
        {State::Busy, true, false, false},
        {State::Busy, false, false, true},  // an overlay on a bare desktop
        {State::AcceptsNotifications, true, true, false},
    };
    Notes(NoteMode::None, NoteMode::WhileOn);
    Key(kVkNumLock, 1);
    for (const Case& c : cases) {
        foreground_.state = State::AcceptsNotifications;
        display_.SetQuiet(false);
        display_.ForegroundChanged();
        ASSERT_EQ(screen_.lasting, Texts{"Num Lock on"});
        foreground_.state = c.state;
        foreground_.frontCoversMonitor = c.covers;
        display_.SetQuiet(c.quiet);
        display_.ForegroundChanged();
        EXPECT_EQ(screen_.lasting, c.stands ? Texts{"Num Lock on"} : Texts{})
            << static_cast<int>(c.state) << c.covers << c.quiet;
    }
}

TEST_F(KeyDisplayTest, TheForegroundMattersOnlyWhileALastingNoteIsAskedFor) {
    int changes = 0;
    display_.OnWatchChange([&] { ++changes; });
    Notes(NoteMode::WhenHeld, NoteMode::WhileOn);
    EXPECT_FALSE(display_.WatchesForeground()) << "Num Lock off";
    Key(kVkNumLock, 1);
    EXPECT_TRUE(display_.WatchesForeground());
    foreground_.state = pause::UserNotificationState::RunningD3dFullScreen;
    display_.ForegroundChanged();
    EXPECT_TRUE(display_.WatchesForeground()) << "to come back when the program goes";
    Key(kVkNumLock, 0);
    EXPECT_FALSE(display_.WatchesForeground());
    EXPECT_EQ(changes, 2);

    foreground_.stateQuestions = 0;
    Notes(NoteMode::WhenHeld, NoteMode::WhenHeld);
    Key(kVkNumLock, 1);
    Key(kVkNumLock, 0);
    EXPECT_EQ(foreground_.stateQuestions, 0) << "nothing asked without a lasting note";
}

TEST_F(KeyDisplayTest, WithNothingOnTheKeysAreNeverRead) {
    Notes(NoteMode::None, NoteMode::None);
    display_.PutBack(kCapsFlipped, settings_);
    EXPECT_FALSE(display_.KeysMayHaveChanged(settings_));
    EXPECT_TRUE(keyboard_.reads.empty());
    EXPECT_EQ(display_.TrayPicture(false, settings_), nullptr);
    EXPECT_EQ(display_.Tooltip("Tarvine Keystead", settings_, 127), "Tarvine Keystead");
}

TEST_F(KeyDisplayTest, AChangeMadeWhileNothingWasOnIsNoChangeToShow) {
    Notes(NoteMode::None, NoteMode::OnEveryChange);
    Notes(NoteMode::None, NoteMode::None);
    keyboard_.states[kVkNumLock] = 1;  // toggled while the display reads nothing
    Notes(NoteMode::None, NoteMode::OnEveryChange);
    EXPECT_EQ(screen_.Texts(), Texts{});
    Key(kVkNumLock, 0);
    EXPECT_EQ(screen_.Texts(), Texts{"Num Lock off"});
}

TEST_F(KeyDisplayTest, TheIconFollowsTheKeysButNotAFlipOnItsWay) {
    settings::DisplaySection section;
    section.showKeys = true;
    display_.SetSection(section);
    EXPECT_TRUE(display_.KeysMayHaveChanged(settings_)) << "the first look";
    const auto* first = display_.TrayPicture(false, settings_);
    Key(kVkCapital, 1);
    display_.PutBack(kCapsFlipped, settings_);
    EXPECT_FALSE(display_.KeysMayHaveChanged(settings_)) << "Caps Lock shows as it will be";
    keyboard_.states[kVkNumLock] = 1;
    EXPECT_TRUE(display_.KeysMayHaveChanged(settings_));
    EXPECT_NE(display_.TrayPicture(false, settings_)->Handle(), first->Handle());
    EXPECT_EQ(painter_.made.size(), 2u);
    display_.TrayPicture(false, settings_);
    EXPECT_EQ(painter_.made.size(), 2u) << "drawn again only when the look changes";
}

TEST(KeysTooltip, ListsTheKeysWithinTheRoomGiven) {
    const std::array<bool, 3> on = {false, true, false};
    const std::array<bool, 3> held = {true, true, false};
    EXPECT_EQ(
        KeysTooltip("Tarvine Keystead", on, held, 127),
        "Tarvine Keystead\r\nCaps Lock: off (held)\r\nNum Lock: on (held)\r\nScroll Lock: off");
    EXPECT_EQ(KeysTooltip("Tarvine Keystead", on, held, 63),
              "Tarvine Keystead\r\nCaps: off (held)\r\nNum: on (held)\r\nScroll: off");
    EXPECT_EQ(KeysTooltip("Tarvine Keystead\r\n(Suspended)", on, held, 63),
              "Tarvine Keystead\r\n(Suspended)\r\nCaps: off\r\nNum: on\r\nScroll: off");
    EXPECT_EQ(KeysTooltip(std::string(60, 'x'), on, held, 63), std::string(60, 'x'));
}

}  // namespace
}  // namespace keystead::display

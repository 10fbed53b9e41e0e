// Which sound comes for which event and choice, when none may come, and when the events are
// registered: the rules on a fake player, foreground and registry.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "pause/fake/FakeForeground.h"
#include "registry/RegistryCodes.h"
#include "registry/fake/MemoryRegistry.h"
#include "sound/Sounds.h"
#include "sound/fake/FakeSoundPlayer.h"

namespace keystead::sound {
namespace {

using language::Language;
using registry::kHkeyCurrentUser;
using registry::fake::MemoryRegistry;
using Names = std::vector<std::string>;

constexpr char kApp[] = "AppEvents\\Schemes\\Apps\\Keystead";

std::optional<std::string> Default(const MemoryRegistry& store, const std::string& subKey,
                                   std::uint32_t type) {
    const auto value = store.FindValue(kHkeyCurrentUser, subKey, "");
    if (!value || value->type != type || value->data.empty() || value->data.back() != 0) {
        return std::nullopt;
    }
    return std::string(value->data.begin(), value->data.end() - 1);
}

MemoryRegistry::StoredValue ExpandText(const std::string& text) {
    MemoryRegistry::StoredValue value{registry::kRegExpandSz, {text.begin(), text.end()}};
    value.data.push_back(0);
    return value;
}

class SoundsTest : public ::testing::Test {
protected:
    void Choose(Choices choices) { sounds_.SetChoices(choices, Language::English); }

    FakeSoundPlayer player_;
    pause::FakeForeground foreground_;
    MemoryRegistry registry_;
    Sounds sounds_{player_, foreground_, registry_, "Keystead"};
};

TEST_F(SoundsTest, PlaysWhatTheKeysChoiceAsksForEachEvent) {
    enum Event { PutBack, TurnedOn, TurnedOff };
    const struct {
        SoundChoice choice;
        Event event;
        const char* played;  // null: none
    } kCases[] = {
        {kNoSound, PutBack, nullptr},
        {kNoSound, TurnedOn, nullptr},
        {kNoSound, TurnedOff, nullptr},
        {kWhenHeld, PutBack, "KeysteadPutBack"},
        {kWhenHeld, TurnedOn, nullptr},
        {kWhenHeld, TurnedOff, nullptr},
        {kEveryChange, PutBack, "KeysteadPutBack"},
        {kEveryChange, TurnedOn, "KeysteadLockOn"},
        {kEveryChange, TurnedOff, "KeysteadLockOff"},
        {3, PutBack, nullptr},
        {3, TurnedOn, nullptr},
        {-1, PutBack, nullptr},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << "choice " << c.choice << ", event " << c.event);
        for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
            Choices choices{};
            choices[key] = c.choice;
            Choose(choices);
            player_.played.clear();
            if (c.event == PutBack) {
                sounds_.PutBack(key);
            } else {
                sounds_.Changed(key, c.event == TurnedOn);
            }
            // Another key's choice never sounds for this one.
            sounds_.PutBack((key + 1) % lockkeys::kLockKeyCount);
            sounds_.Changed((key + 1) % lockkeys::kLockKeyCount, true);
            EXPECT_EQ(player_.played, c.played ? Names{c.played} : Names{}) << "key " << key;
        }
    }
}

TEST_F(SoundsTest, PlaysNoneAtTheWrongMoment) {
    const struct {
        const char* name;
        bool quiet;
        pause::UserNotificationState state;
        bool toggleKeys;
        bool plays;
    } kMoments[] = {
        {"any other moment", false, pause::UserNotificationState::AcceptsNotifications, false,
         true},
        {"suspended or stepping aside", true, pause::UserNotificationState::AcceptsNotifications,
         false, false},
        {"a full-screen program", false, pause::UserNotificationState::RunningD3dFullScreen, false,
         false},
        {"Toggle Keys on", false, pause::UserNotificationState::AcceptsNotifications, true, false},
    };
    Choose({kEveryChange, kEveryChange, kEveryChange});
    for (const auto& m : kMoments) {
        SCOPED_TRACE(m.name);
        sounds_.SetQuiet(m.quiet);
        foreground_.state = m.state;
        player_.toggleKeys = m.toggleKeys;
        player_.played.clear();
        sounds_.PutBack(0);
        sounds_.Changed(1, true);
        sounds_.Changed(2, false);
        sounds_.PutBack(lockkeys::Flips{lockkeys::kVkCapital, 0, 0});
        EXPECT_EQ(player_.played.size(), m.plays ? 4u : 0u);
    }
}

TEST_F(SoundsTest, KeysPutBackInOneCheckSoundOnce) {
    Choose({kWhenHeld, kNoSound, kWhenHeld});
    sounds_.PutBack(lockkeys::Flips{lockkeys::kVkCapital, 0, lockkeys::kVkScroll});
    sounds_.PutBack(lockkeys::Flips{0, lockkeys::kVkNumLock, 0});  // no sound chosen for it
    EXPECT_EQ(player_.played, Names{"KeysteadPutBack"});
}

TEST_F(SoundsTest, RegistersTheEventsTheFirstTimeASoundIsChosenAndNotBefore) {
    Choose({kNoSound, kNoSound, kNoSound});
    Choose({4, -1, kNoSound});  // values that count as none
    EXPECT_FALSE(registry_.HasKey(kHkeyCurrentUser, "AppEvents"));

    sounds_.SetChoices({kNoSound, kEveryChange, kNoSound}, Language::German);
    EXPECT_EQ(Default(registry_, kApp, registry::kRegSz), "Tarvine Keystead");
    const struct {
        const char* name;
        const char* label;
        const char* sound;
    } kEvents[] = {
        {"KeysteadPutBack", "Sperrtaste zurückgesetzt",
         "%SystemRoot%\\media\\Windows Notify System Generic.wav"},
        {"KeysteadLockOn", "Sperrtaste ein", "%SystemRoot%\\media\\Speech On.wav"},
        {"KeysteadLockOff", "Sperrtaste aus", "%SystemRoot%\\media\\Speech Off.wav"},
    };
    for (const auto& e : kEvents) {
        SCOPED_TRACE(e.name);
        const std::string sounds = std::string(kApp) + "\\" + e.name;
        EXPECT_EQ(
            Default(registry_, std::string("AppEvents\\EventLabels\\") + e.name, registry::kRegSz),
            e.label);
        EXPECT_EQ(Default(registry_, sounds + "\\.Default", registry::kRegExpandSz), e.sound);
        EXPECT_EQ(Default(registry_, sounds + "\\.Current", registry::kRegExpandSz), e.sound);
    }
    EXPECT_EQ(registry_.OpenHandleCount(), 0u);
}

TEST_F(SoundsTest, KeepsTheUsersOwnSounds) {
    const std::string putBack = std::string(kApp) + "\\KeysteadPutBack\\.Current";
    const std::string lockOn = std::string(kApp) + "\\KeysteadLockOn\\.Current";
    registry_.PutValue(kHkeyCurrentUser, putBack, "", ExpandText("C:\\own.wav"));
    registry_.PutValue(kHkeyCurrentUser, lockOn, "", ExpandText(""));  // silenced
    Choose({kWhenHeld, kNoSound, kNoSound});
    EXPECT_EQ(Default(registry_, putBack, registry::kRegExpandSz), "C:\\own.wav");
    EXPECT_EQ(Default(registry_, lockOn, registry::kRegExpandSz), "");
    EXPECT_EQ(Default(registry_, std::string(kApp) + "\\KeysteadLockOff\\.Current",
                      registry::kRegExpandSz),
              "%SystemRoot%\\media\\Speech Off.wav");
}

}  // namespace
}  // namespace keystead::sound

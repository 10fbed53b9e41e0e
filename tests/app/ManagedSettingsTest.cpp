// Group Policy's rules over the settings file: which value is in force, what the window lets
// the user change, and what the file keeps.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "policies/Policies.h"

namespace keystead::app::testing {
namespace {

using registry::kHkeyCurrentUser;
using registry::kHkeyLocalMachine;
using Stored = registry::fake::MemoryRegistry::StoredValue;

Stored Dword(std::uint32_t number) {
    return {registry::kRegDword,
            {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
             static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

class ManagedSettingsTest : public MainTest {
protected:
    void Rule(std::uint32_t root, const std::string& name, Stored value) {
        registryApi.store.PutValue(root, kPolicySubKey, name, std::move(value));
    }
    void Lift(std::uint32_t root, const std::string& name) {
        registry::KeyHandle key = 0;
        registryApi.store.OpenKey(root, kPolicySubKey, 0, registry::kKeySetValue, key);
        registryApi.store.DeleteValue(key, name);
        registryApi.store.CloseKey(key);
    }
    bool GroupEnabled(int group) const {
        return form->ItemEnabled(group, 0) && form->ItemEnabled(group, 1) &&
               form->ItemEnabled(group, 2);
    }
    bool GroupDisabled(int group) const {
        return !form->ItemEnabled(group, 0) && !form->ItemEnabled(group, 1) &&
               !form->ItemEnabled(group, 2);
    }
    std::string Saved(const std::string& key) { return profile.values[{"main", key}]; }
    std::optional<Stored> RunValueIn(std::uint32_t root) const {
        return registryApi.store.FindValue(root, std::string(registry::kRunSubKey), kRunValueName);
    }
};

TEST_F(ManagedSettingsTest, MachineThenUserThenFileThenDefault) {
    struct Case {
        const char* what;
        std::optional<Stored> machine, user;
        const char* file;  // null: no line
        lockkeys::LockMode mode;
        bool managed;
    };
    const Case cases[] = {
        {"nothing", std::nullopt, std::nullopt, nullptr, 0, false},
        {"the file", std::nullopt, std::nullopt, "2", 2, false},
        {"the machine", Dword(1), Dword(2), "0", 1, true},
        {"the user", std::nullopt, Dword(2), "0", 2, true},
        {"machine out of range", Dword(3), Dword(2), "0", 2, true},
        {"both out of range", Dword(3), Dword(0xFFFFFFFF), "1", 1, false},
        {"machine of the wrong type", TextValue("1"), std::nullopt, "2", 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        registryApi.store = {};
        registryApi.store.CreateKey(registry::kRunRoot, std::string(registry::kRunSubKey));
        profile.values.clear();
        profile.Put("Interval", "500");
        if (c.machine)
            Rule(kHkeyLocalMachine, "CapsLock", *c.machine);
        if (c.user)
            Rule(kHkeyCurrentUser, "CapsLock", *c.user);
        if (c.file)
            profile.Put("CapsLock", c.file);
        Start();
        EXPECT_EQ(main->Settings().CapsLockMode, c.mode);
        EXPECT_EQ(Selected(CapsLockSetting), c.mode);
        EXPECT_EQ(GroupDisabled(CapsLockSetting), c.managed);
        EXPECT_TRUE(GroupEnabled(NumLockSetting));
        EXPECT_EQ(Form().Caption(PolicyLabel), c.managed ? kPolicyCaption : "");
        Form().Unload();
        EXPECT_EQ(Saved("CapsLock"), c.file ? c.file : "0") << "the file keeps the user's own";
        main.reset();
    }
}

TEST_F(ManagedSettingsTest, AnIntervalOutsideItsRangeIsIgnored) {
    struct Case {
        std::uint32_t rule;
        std::int32_t inForce;
    };
    const Case cases[] = {{19, 700}, {20, 20}, {60000, 60000}, {60001, 700}, {0, 700}};
    for (const Case& c : cases) {
        registryApi.store.PutValue(kHkeyLocalMachine, kPolicySubKey, "Interval", Dword(c.rule));
        profile.Put("Interval", "700");
        Start();
        EXPECT_EQ(Form().Timer().Interval(), c.inForce) << c.rule;
        EXPECT_EQ(Form().Enabled(IntervalSetting), c.inForce == 700) << c.rule;
        Form().Unload();
        EXPECT_EQ(Saved("Interval"), "700") << c.rule;
        main.reset();
    }
}

TEST_F(ManagedSettingsTest, TheUsersOwnChoicesAreSavedAndComeBackWhenTheRuleGoes) {
    profile.Put("NumLock", "0");
    profile.Put("Interval", "800");
    Rule(kHkeyLocalMachine, "NumLock", Dword(1));
    Rule(kHkeyCurrentUser, "Interval", Dword(100));
    Start();
    EXPECT_EQ(main->Settings().NumLockMode, 1);
    EXPECT_EQ(Interval(), "100");
    EXPECT_FALSE(Form().Enabled(IntervalSetting));

    // What the user may still change is theirs, applied and saved as always.
    Form().Click(NumLockSetting, 2);  // disabled: nothing happens
    Form().Click(CapsLockSetting, 1);
    Form().Click(ApplyButton);
    EXPECT_EQ(main->Settings().NumLockMode, 1);
    EXPECT_EQ(Form().Timer().Interval(), 100);

    Lift(kHkeyLocalMachine, "NumLock");
    Lift(kHkeyCurrentUser, "Interval");
    Form().PolicyChange();
    EXPECT_EQ(main->Settings().NumLockMode, 0);
    EXPECT_EQ(Selected(NumLockSetting), 0);
    EXPECT_TRUE(GroupEnabled(NumLockSetting));
    EXPECT_EQ(Form().Timer().Interval(), 800);
    EXPECT_EQ(Interval(), "800");
    EXPECT_TRUE(Form().Enabled(IntervalSetting));
    EXPECT_EQ(Form().Caption(PolicyLabel), "");
    EXPECT_EQ(main->Settings().CapsLockMode, 1) << "the applied choice stays";

    // A rule that arrives while running hides the user's applied choice, which is saved.
    Rule(kHkeyLocalMachine, "CapsLock", Dword(2));
    Form().PolicyChange();
    EXPECT_EQ(main->Settings().CapsLockMode, 2);
    Form().Unload();
    EXPECT_EQ(Saved("CapsLock"), "1");
    EXPECT_EQ(Saved("NumLock"), "0");
    EXPECT_EQ(Saved("Interval"), "800");
}

// Windows applies policy again every 90 minutes or so, whatever the user is doing in the
// window: a new rule shows at once, and the edits of what it does not fix stay to be applied.
TEST_F(ManagedSettingsTest, ARuleArrivingKeepsTheUsersUnappliedEditsOfTheOtherSettings) {
    Start();
    Form().Click(CapsLockSetting, 1);
    Form().Click(NumLockSetting, 2);
    Form().Type(IntervalSetting, "750");
    Form().Click(AutoRunSetting);
    Rule(kHkeyLocalMachine, "CapsLock", Dword(2));
    Form().PolicyChange();

    EXPECT_EQ(Selected(CapsLockSetting), 2) << "the rule shows";
    EXPECT_EQ(Selected(NumLockSetting), 2) << "the user's edit stays";
    EXPECT_EQ(Interval(), "750");
    EXPECT_EQ(Form().CheckValue(AutoRunSetting), toolkit::kChecked);
    EXPECT_TRUE(ApplyEnabled()) << "still to be applied";
    EXPECT_EQ(main->Settings().NumLockMode, 1);

    Form().Click(ApplyButton);
    EXPECT_EQ(main->Settings().CapsLockMode, 2);
    EXPECT_EQ(main->Settings().NumLockMode, 2);
    EXPECT_EQ(Form().Timer().Interval(), 750);
    EXPECT_EQ(main->Settings().AutoRun, lockkeys::kTrue);

    // With nothing left to apply, the window shows the rules and the settings in force.
    Form().Click(NumLockSetting, 0);
    Form().Click(NumLockSetting, 2);
    Lift(kHkeyLocalMachine, "CapsLock");
    Form().PolicyChange();
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_EQ(Selected(CapsLockSetting), 0) << "the file's choice again";
}

// A value of another type is no rule: the setting stays the user's, and the rest still hold.
TEST_F(ManagedSettingsTest, APausedProgramsValueOfAnotherTypeIsNoRule) {
    Rule(kHkeyLocalMachine, "PausePrograms", Dword(1));
    Rule(kHkeyCurrentUser, "PausePrograms", TextValue("editor.exe"));
    Rule(kHkeyLocalMachine, "ScrollLock", Dword(1));
    Start();
    EXPECT_EQ(main->Rules().pausePrograms, "editor.exe");
    EXPECT_EQ(main->Settings().ScrollLockMode, 1) << "the Scroll Lock rule";
    EXPECT_TRUE(GroupDisabled(ScrollLockSetting));
    keyboard.states[lockkeys::kVkScroll] = 0;
    Form().Tick();
    int scrollStrokes = 0;
    for (const auto& stroke : keyboard.strokes) {
        scrollStrokes += stroke.virtualKey == lockkeys::kVkScroll ? 1 : 0;
    }
    EXPECT_EQ(scrollStrokes, 2) << "Scroll Lock turned on";
}

TEST_F(ManagedSettingsTest, StartWithWindowsFixesTheBoxAndTheUsersRunValue) {
    struct Case {
        std::uint32_t rule;
        int box;
    };
    const Case cases[] = {{0, toolkit::kUnchecked}, {1, toolkit::kChecked}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        registryApi.store = {};
        const std::string runKey(registry::kRunSubKey);
        registryApi.store.PutValue(kHkeyLocalMachine, runKey, kRunValueName, TextValue(kRunData));
        registryApi.store.PutValue(kHkeyCurrentUser, runKey, kRunValueName, TextValue(kRunData));
        registryApi.store.SetAllowedAccess(kHkeyLocalMachine, runKey, registry::kKeyRead);
        Rule(kHkeyLocalMachine, "StartWithWindows", Dword(c.rule));
        Start();
        EXPECT_EQ(Form().CheckValue(AutoRunSetting), c.box);
        EXPECT_FALSE(Form().Enabled(AutoRunSetting));
        EXPECT_EQ(RunValueIn(kHkeyCurrentUser).has_value(), c.rule == 1) << "at once";
        Form().Unload();
        EXPECT_TRUE(RunValueIn(kHkeyLocalMachine).has_value()) << "the machine's is not ours";
        if (c.rule == 0) {
            EXPECT_FALSE(RunValueIn(kHkeyCurrentUser).has_value());
        }
        main.reset();
    }
}

TEST_F(ManagedSettingsTest, WithoutSuspendTheButtonIsGreyAndARightClickDoesNothing) {
    Start();
    Notify(kRightUp);
    ASSERT_FALSE(Form().Timer().Enabled()) << "suspended before the rule";

    Rule(kHkeyCurrentUser, "AllowSuspend", Dword(0));
    Form().PolicyChange();
    EXPECT_TRUE(TimerOn()) << "the rule resumes";
    EXPECT_EQ(Form().Caption(SuspendButton), "Susp&end");
    EXPECT_FALSE(Form().Enabled(SuspendButton));
    EXPECT_EQ(Form().Caption(PolicyLabel), kPolicyCaption);
    Notify(kRightUp);
    EXPECT_TRUE(TimerOn()) << "a right-click does nothing";
    // A later start's switch is refused alike, and says so (its exit code, 5).
    for (Command command : {Command::Suspend, Command::Toggle}) {
        EXPECT_EQ(Form().Request(static_cast<std::uint32_t>(command)), toolkit::kRequestRefused);
        EXPECT_TRUE(TimerOn());
    }
    EXPECT_EQ(Form().Request(static_cast<std::uint32_t>(Command::Resume)), toolkit::kRequestDone)
        << "already enforcing: nothing to refuse";

    Rule(kHkeyLocalMachine, "AllowSuspend", Dword(1));  // the machine's allows it
    Form().PolicyChange();
    EXPECT_TRUE(Form().Enabled(SuspendButton));
    Notify(kRightUp);
    EXPECT_FALSE(Form().Timer().Enabled());
}

TEST_F(ManagedSettingsTest, ThePausedProgramsOfBothRootsAreKept) {
    Rule(kHkeyLocalMachine, "PausePrograms", TextValue(std::string("game.exe;video.exe") + '\0'));
    Rule(kHkeyCurrentUser, "PausePrograms", TextValue("editor.exe"));
    Start();
    EXPECT_EQ(main->Rules().pausePrograms, "game.exe;video.exe;editor.exe");
    EXPECT_EQ(Form().Caption(PolicyLabel), "") << "nothing in the window is fixed";
}

}  // namespace
}  // namespace keystead::app::testing

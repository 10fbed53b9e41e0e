// The lock-key display window on fakes: the three ways in, Apply and OK writing section
// "display" at once, Cancel, and the administrator's rules greyed.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "display/DisplayWindow.h"
#include "language/Texts.h"
#include "policies/Policies.h"

namespace keystead::app::testing {
namespace {

using namespace display;

class DisplayWindowTest : public MainTest {
protected:
    // Opens the window as the user does from the settings window's system menu.
    toolkit::fake::FakeForm& Open() {
        Form().SystemMenu(kDisplayMenuCommand);
        return *factory.last;
    }
    std::string Saved(const std::string& key) {
        const auto found = profile.values.find({"display", key});
        return found == profile.values.end() ? "<none>" : found->second;
    }
    void Rule(const char* name, std::uint8_t value) {
        registryApi.store.PutValue(registry::kHkeyLocalMachine, kPolicySubKey, name,
                                   {registry::kRegDword, {value, 0, 0, 0}});
    }
};

TEST_F(DisplayWindowTest, OpensFromTheSystemMenuTheSwitchAndTheTrayMenu) {
    const std::vector<std::function<void()>> ways = {
        [this] { Form().SystemMenu(kDisplayMenuCommand); },
        [this] {
            EXPECT_EQ(Form().Request(static_cast<std::uint32_t>(Command::Display)),
                      toolkit::kRequestDone);
        },
        [this] {
            notifyArea.whileMenuOpen = [this] {
                notifyArea.menuChoice = static_cast<std::uint32_t>(Command::Display);
            };
            Form().MouseMove().Raise(0, 0, 0x7B * 15.0f, 15.0f);  // the menu key
        },
    };
    for (std::size_t way = 0; way < ways.size(); ++way) {
        Start();
        ways[way]();
        toolkit::fake::FakeForm& window = *factory.last;
        ASSERT_NE(&window, &Form()) << way;
        EXPECT_TRUE(window.Visible()) << way;
        EXPECT_FALSE(Form().Visible()) << "the settings window stays hidden " << way;
        ways[way]();
        EXPECT_EQ(factory.last, &window) << "a second time brings up the same window " << way;
        main.reset();
    }
}

TEST_F(DisplayWindowTest, ApplyAndOKWriteTheSectionAtOnceAndCancelDropsEdits) {
    profile.values[{"display", "CapsLockNote"}] = "1";
    Start();
    toolkit::fake::FakeForm& window = Open();
    EXPECT_TRUE(window.OptionValue(CapsLockNoteSetting, 1));
    EXPECT_TRUE(window.OptionValue(PositionSetting, 1)) << "bottom centre by default";
    EXPECT_EQ(window.Text(NoteTimeSetting), "1500");
    EXPECT_FALSE(window.Enabled(DisplayApplyButton));
    EXPECT_EQ(window.Caption(DisplayPolicyLabel), "");

    window.Click(ShowKeysSetting);
    window.Click(NumLockNoteSetting, 2);
    window.Click(PositionSetting, 6);
    window.Type(NoteTimeSetting, "99999");
    EXPECT_TRUE(window.Enabled(DisplayApplyButton));
    window.Click(DisplayApplyButton);
    EXPECT_FALSE(window.Enabled(DisplayApplyButton));
    EXPECT_EQ(window.Text(NoteTimeSetting), "10000") << "corrected into the range";
    EXPECT_EQ(Saved("ShowKeys"), "1");
    EXPECT_EQ(Saved("CapsLockNote"), "1");
    EXPECT_EQ(Saved("NumLockNote"), "2");
    EXPECT_EQ(Saved("NotePosition"), "7");
    EXPECT_EQ(Saved("NoteTime"), "10000");
    EXPECT_NE(LastTrayCall().record.hIcon, Form().Icon().Handle()) << "the keys show at once";

    window.Click(ScrollLockNoteSetting, 3);
    window.Click(DisplayCancelButton);
    EXPECT_FALSE(window.Loaded());
    EXPECT_EQ(Saved("ScrollLockNote"), "0");
    Form().Tick();  // the closed window is freed

    toolkit::fake::FakeForm& again = Open();
    EXPECT_TRUE(again.OptionValue(ScrollLockNoteSetting, 0)) << "the edit was dropped";
    again.Click(ScrollLockNoteSetting, 3);
    again.Click(DisplayOKButton);
    EXPECT_FALSE(again.Loaded());
    EXPECT_EQ(Saved("ScrollLockNote"), "3");
}

TEST_F(DisplayWindowTest, AFixedSettingIsGreyedShowsTheRuleAndKeepsTheUsersOwn) {
    profile.values[{"display", "CapsLockNote"}] = "1";
    Rule("CapsLockNote", 3);
    Rule("NoteTime", 0);  // out of range: no rule
    Start();
    toolkit::fake::FakeForm& window = Open();
    EXPECT_TRUE(window.OptionValue(CapsLockNoteSetting, 3));
    for (int mode = 0; mode < 4; ++mode) {
        EXPECT_FALSE(window.ItemEnabled(CapsLockNoteSetting, mode)) << mode;
        EXPECT_TRUE(window.ItemEnabled(NumLockNoteSetting, mode)) << mode;
    }
    EXPECT_TRUE(window.Enabled(NoteTimeSetting));
    EXPECT_EQ(window.Caption(DisplayPolicyLabel), language::English(language::Text::PolicyNote));
    window.Click(NumLockNoteSetting, 1);
    window.Click(DisplayOKButton);
    EXPECT_EQ(Saved("CapsLockNote"), "1") << "the file keeps the user's own choice";
    EXPECT_EQ(Saved("NumLockNote"), "1");
}

// The notes' monitor and each key's sound: the window writes the key at once, and a rule
// greys the group showing the rule's value.
TEST_F(DisplayWindowTest, TheMonitorAndEachSoundWriteTheirKeyAndARuleGreysThem) {
    const struct {
        int group;
        int choice;
        const char* key;
    } cases[] = {{MonitorSetting, 3, "NoteMonitor"},
                 {CapsLockSoundSetting, 2, "CapsLockSound"},
                 {NumLockSoundSetting, 1, "NumLockSound"},
                 {ScrollLockSoundSetting, 2, "ScrollLockSound"}};
    profile.Put("CapsLock", "0");
    Start();
    Open().Click(CapsLockSoundSetting, 1);
    factory.last->Click(DisplayOKButton);
    Form().Tick();  // the keys' first look
    PressCaps();
    EXPECT_FALSE(sounds.played.empty()) << "in force at once: the key put back is heard";
    main.reset();
    profile.values.erase({"display", "CapsLockSound"});
    for (const auto& c : cases) {
        Start();
        toolkit::fake::FakeForm& window = Open();
        EXPECT_TRUE(window.OptionValue(c.group, 0)) << c.key << ": none by default";
        window.Click(c.group, c.choice);
        window.Click(DisplayOKButton);
        EXPECT_EQ(Saved(c.key), std::to_string(c.choice)) << c.key;
        main.reset();

        Rule(c.key, 1);
        Start();
        toolkit::fake::FakeForm& fixed = Open();
        EXPECT_TRUE(fixed.OptionValue(c.group, 1)) << c.key << ": the rule's value";
        EXPECT_FALSE(fixed.ItemEnabled(c.group, 0)) << c.key;
        EXPECT_TRUE(fixed.ItemEnabled(kNoteGroups[0], 0)) << c.key << ": only the fixed greyed";
        main.reset();
    }
}

TEST_F(DisplayWindowTest, ANewRuleGreysTheOpenWindowAndTheProgramEndsWithIt) {
    Start();
    toolkit::fake::FakeForm& window = Open();
    EXPECT_TRUE(window.Enabled(ShowKeysSetting));
    Rule("ShowKeys", 1);
    Form().PolicyChange();
    EXPECT_FALSE(window.Enabled(ShowKeysSetting));
    EXPECT_EQ(window.CheckValue(ShowKeysSetting), toolkit::kChecked);
    Form().Unload();
    EXPECT_FALSE(Form().Loaded());
}

TEST(NoteTimeTextTest, ReadsMillisecondsWithinTheRange) {
    const struct {
        const char* text;
        std::int32_t ms;
    } cases[] = {{"2500", 2500}, {" 700", 700}, {"10", 500},    {"99999999999", 10000},
                 {"", 1500},     {"abc", 1500}, {"800ms", 800}, {"-5", 1500}};
    for (const auto& c : cases) {
        EXPECT_EQ(NoteTimeFromText(c.text), c.ms) << c.text;
    }
}

}  // namespace
}  // namespace keystead::app::testing

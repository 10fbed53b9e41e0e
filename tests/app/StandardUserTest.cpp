// Start-up and shut-down where the program's folder may not be written: the settings fall
// back to the user's own copy. (The registration's fallback is in RegistrationTest.cpp and,
// through the real registry, in the end-to-end tests.)

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "display/DisplayWindow.h"

namespace keystead::app::testing {
namespace {

using settings::FileState;

const char kUserFolder[] = "C:\\Users\\Ann\\AppData\\Local\\Tarvine Keystead";
const char kUserSettings[] = "C:\\Users\\Ann\\AppData\\Local\\Tarvine Keystead\\Keystead.ini";

class StandardUserTest : public MainTest {
protected:
    // The program's folder refuses every write, as Program Files does a standard user.
    void ReadOnlyFolder() {
        profile.refused.insert(kSettingsPath);
        profile.states[kSettingsPath] = FileState::ReadOnly;
    }
    std::vector<std::string> PathsWritten() const {
        std::vector<std::string> paths;
        for (const auto& write : profile.writes) {
            paths.push_back(write.path);
        }
        return paths;
    }
};

TEST_F(StandardUserTest, StartUpReadsTheUsersCopyOnlyWhenTheFolderFileCannotBeWritten) {
    struct Case {
        const char* what;
        FileState beside;
        FileState user;
        std::string read;
    };
    const std::vector<Case> cases = {
        {"portable", FileState::Writable, FileState::Writable, kSettingsPath},
        {"read-only folder", FileState::ReadOnly, FileState::Writable, kUserSettings},
        {"read-only folder, no copy yet", FileState::ReadOnly, FileState::Missing, kSettingsPath},
        {"no file beside", FileState::Missing, FileState::ReadOnly, kUserSettings},
        {"nothing anywhere", FileState::Missing, FileState::Missing, kSettingsPath},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        profile.states = {{kSettingsPath, c.beside}, {kUserSettings, c.user}};
        profile.reads.clear();
        app.lengthQueries.clear();
        Start();
        EXPECT_EQ(app.lengthQueries, std::vector<std::string>{c.read});
        // Section "main", then section "pause", and that again beside the program when the
        // user's copy has none, then section "display", which follows the same rule.
        const bool besideToo = c.read != kSettingsPath;
        const std::size_t display = besideToo ? 8 : 6;
        constexpr std::size_t kDisplayValues = 10;
        ASSERT_EQ(profile.reads.size(), display + (besideToo ? 2 : 1) * kDisplayValues);
        EXPECT_EQ(profile.reads[0], "CapsLock@" + c.read);
        EXPECT_EQ(profile.reads[4], "Programs@" + c.read);
        if (besideToo) {
            EXPECT_EQ(profile.reads[6], std::string("Programs@") + kSettingsPath);
            EXPECT_EQ(profile.reads[display + kDisplayValues],
                      std::string("ShowKeys@") + kSettingsPath);
        }
        EXPECT_EQ(profile.reads[display], "ShowKeys@" + c.read);
    }
}

// On a shared PC an administrator's run wrote the file beside the program after this user's
// last save: a file this user cannot write is not theirs, whichever is newer.
TEST_F(StandardUserTest, AFileThisUserCannotWriteIsNotTakenForTheirLatest) {
    ReadOnlyFolder();
    profile.Put("Interval", "500");
    profile.files[kUserSettings][{"main", "Interval"}] = "250";
    app.files[kUserSettings] = 64;
    for (std::int64_t besideWritten : {3000, 500}) {
        SCOPED_TRACE(besideWritten);
        profile.writtenAt = {{kSettingsPath, besideWritten}, {kUserSettings, 2000}};
        Start();
        EXPECT_EQ(Form().Timer().Interval(), 250);
    }
}

// A save that went to the user's copy while the folder's file was held for a moment makes
// that copy the newest, and it is read; the pause list, which only the file beside the
// program holds, stays in force.
TEST_F(StandardUserTest, TheNewerUsersCopyKeepsThePauseListOfTheFolder) {
    profile.Put("Interval", "500");
    profile.values[{"pause", "Programs"}] = "game.exe";
    profile.files[kUserSettings][{"main", "Interval"}] = "250";
    app.files[kUserSettings] = 64;
    profile.writtenAt = {{kSettingsPath, 1000}, {kUserSettings, 2000}};
    foreground.program = "game.exe";
    Start();
    EXPECT_EQ(Form().Timer().Interval(), 250);
    EXPECT_NE(main->TrayIcon()->Tooltip().find("game.exe"), std::string::npos)
        << "stepped aside for the folder's list";
}

// Section "display" too comes from the folder's file when the user's copy has none, and
// Apply writes it where the program writes: beside the program, or the user's copy when the
// folder refuses.
TEST_F(StandardUserTest, AUsersCopyWithoutADisplaySectionKeepsTheFolders) {
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only folder" : "newer user's copy");
        profile.states.clear();
        profile.refused.clear();
        profile.values = {{{"display", "CapsLockNote"}, "1"}};
        profile.files[kUserSettings] = {{{"main", "Interval"}, "250"}};
        app.files[kUserSettings] = 64;
        profile.writtenAt = {{kSettingsPath, 1000}, {kUserSettings, 2000}};
        if (readOnly) {
            ReadOnlyFolder();
        }
        Start();
        ASSERT_EQ(Form().Timer().Interval(), 250) << "the user's copy is read";
        Form().SystemMenu(kDisplayMenuCommand);
        toolkit::fake::FakeForm& window = *factory.last;
        EXPECT_TRUE(window.OptionValue(display::CapsLockNoteSetting, 1));
        window.Click(display::NumLockNoteSetting, 2);
        window.Click(display::DisplayApplyButton);
        const std::string written = readOnly ? kUserSettings : kSettingsPath;
        const auto saved = [&](const char* key) {
            return profile.files[written][{"display", key}];
        };
        EXPECT_EQ(saved("CapsLockNote"), "1");
        EXPECT_EQ(saved("NumLockNote"), "2");
        main.reset();
    }
}

TEST_F(StandardUserTest, TheUsersCopyDecidesTheFirstRunAndGivesTheSettings) {
    ReadOnlyFolder();
    profile.files[kUserSettings][{"main", "Interval"}] = "250";
    app.files[kUserSettings] = 0;
    Start();
    EXPECT_TRUE(Form().Visible());
    EXPECT_EQ(Form().Timer().Interval(), 250);
}

TEST_F(StandardUserTest, SettingsThatCannotBeSavedBesideTheProgramGoToTheUsersCopy) {
    ReadOnlyFolder();
    Start();
    Form().Type(IntervalSetting, "2500");
    Form().Click(OKButton);
    Form().Unload();

    EXPECT_EQ(profile.folders, std::vector<std::string>{kUserFolder});
    const std::pair<std::string, std::string> interval{"main", "Interval"};
    EXPECT_EQ(profile.files[kUserSettings][interval], "2500");
    EXPECT_EQ(profile.files[kUserSettings].size(), 4u);

    // The next start finds them there.
    profile.states[kUserSettings] = FileState::Writable;
    Start();
    EXPECT_EQ(Form().Timer().Interval(), 2500);
}

TEST_F(StandardUserTest, AWritableFolderKeepsEverythingBesideTheProgram) {
    Start();
    Form().Unload();
    EXPECT_EQ(PathsWritten(), std::vector<std::string>(4, kSettingsPath));
    EXPECT_TRUE(profile.folders.empty());
}

TEST_F(StandardUserTest, WithoutAUserFolderNothingElseIsTried) {
    app.localAppData.clear();
    ReadOnlyFolder();
    Start();
    Form().Unload();
    EXPECT_EQ(PathsWritten(), std::vector<std::string>(4, kSettingsPath));
    EXPECT_TRUE(profile.folders.empty());
}

}  // namespace
}  // namespace keystead::app::testing

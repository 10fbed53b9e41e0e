// Start-up and shut-down where the program's folder may not be written: the settings fall
// back to the user's own copy. (The registration's fallback is in RegistrationTest.cpp and,
// through the real registry, in the end-to-end tests.)

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainHarness.h"

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
        // Section "main", then "pause", then "display".
        ASSERT_EQ(profile.reads.size(), 12u);
        EXPECT_EQ(profile.reads[0], "CapsLock@" + c.read);
        EXPECT_EQ(profile.reads[4], "Programs@" + c.read);
        EXPECT_EQ(profile.reads[6], "ShowKeys@" + c.read);
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

#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "ProfileTestSupport.h"
#include "lockkeys/Settings.h"
#include "toolkit/Application.h"
#include "toolkit/Timer.h"

namespace keystead::settings::testing {
namespace {

using lockkeys::LockMode;
using lockkeys::Settings;
using ::testing::Combine;
using ::testing::TestParamInfo;
using ::testing::TestWithParam;
using ::testing::ValuesIn;

class NullTimerDriver : public toolkit::TimerDriver {
public:
    void Start(std::uint32_t) override {}
    void Stop() override {}
};

class FakeApplication : public toolkit::Application {
public:
    std::string folder = "C:\\Tools";

    std::string Path() const override { return folder; }
    std::string ExeName() const override { return "Keystead"; }
    bool PrevInstance() override { return false; }
    [[noreturn]] void End() override { std::abort(); }
    std::optional<std::uint64_t> FileLength(const std::string&) const override {
        return std::nullopt;
    }
    std::string LocalAppDataPath() const override { return localAppData; }
    std::int64_t TickCount() const override { return 0; }

    std::string localAppData;
};

// ---------------------------------------------------------------------------------------
// Where the file is

struct PathCase {
    const char* name;
    const char* folder;
    const char* expected;
};

void PrintTo(const PathCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

const PathCase kPathCases[] = {
    {"Folder", "C:\\Tools", "C:\\Tools\\Keystead.ini"},
    {"DriveRoot", "C:\\", "C:\\\\Keystead.ini"},
    {"NonAsciiFolder", "C:\\Users\\\xC5\x81ukasz\\Tools",
     "C:\\Users\\\xC5\x81ukasz\\Tools\\Keystead.ini"},
};

class SettingsFilePathTest : public TestWithParam<PathCase> {};

TEST_P(SettingsFilePathTest, IsKeysteadIniBesideTheProgram) {
    FakeApplication app;
    app.folder = GetParam().folder;
    EXPECT_EQ(SettingsFilePath(app), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsFilePathTest, ValuesIn(kPathCases),
                         [](const TestParamInfo<PathCase>& caseInfo) {
                             return std::string(caseInfo.param.name);
                         });

TEST(SettingsFilePath, FollowsTheProgramFolderAtEveryCall) {
    FakeApplication app;
    app.folder = "C:\\Old";
    (void)SettingsFilePath(app);
    app.folder = "D:\\New";
    EXPECT_EQ(SettingsFilePath(app), "D:\\New\\Keystead.ini");
}

// ---------------------------------------------------------------------------------------
// Loading and saving through each Profile

struct Loaded {
    LockMode capsLock;
    LockMode numLock;
    LockMode scrollLock;
    std::int32_t interval;
};

struct LoadCase {
    const char* name;
    std::optional<std::string> file;  // none: there is no file
    Settings before;                  // the fields as start-up has them: all 0
    Loaded expected;
};

void PrintTo(const LoadCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

const Settings kFresh{};

const LoadCase kLoadCases[] = {
    {"NoFile", std::nullopt, kFresh, {0, 1, 0, 1000}},
    {"EmptyFile", "", kFresh, {0, 1, 0, 1000}},
    {"OnlyInterval", "[main]\r\nInterval=500\r\n", kFresh, {0, 1, 0, 500}},
    {"AllKeys",
     "[main]\r\nCapsLock=2\r\nNumLock=0\r\nScrollLock=1\r\nInterval=250\r\n",
     kFresh,
     {2, 0, 1, 250}},
    {"ModeOutsideTheOptionsIsKept", "[main]\r\nCapsLock=7\r\n", kFresh, {7, 1, 0, 1000}},
    {"NegativeMode", "[main]\r\nScrollLock=-1\r\n", kFresh, {0, 1, -1, 1000}},
    {"ModeWrappedTo32Bits", "[main]\r\nCapsLock=4294967295\r\n", kFresh, {-1, 1, 0, 1000}},
    {"LargestMode", "[main]\r\nCapsLock=32767\r\n", kFresh, {32767, 1, 0, 1000}},
    {"SmallestMode", "[main]\r\nCapsLock=-32768\r\n", kFresh, {-32768, 1, 0, 1000}},
    {"CapsLockTooLargeStaysZero", "[main]\r\nCapsLock=70000\r\n", kFresh, {0, 1, 0, 1000}},
    {"CapsLockOneTooLarge", "[main]\r\nCapsLock=32768\r\n", kFresh, {0, 1, 0, 1000}},
    {"CapsLockOneTooSmall", "[main]\r\nCapsLock=-32769\r\n", kFresh, {0, 1, 0, 1000}},
    {"NumLockTooLargeIsZeroNotItsDefault", "[main]\r\nNumLock=70000\r\n", kFresh, {0, 0, 0, 1000}},
    {"TooLargeKeepsWhatTheFieldHad",
     "[main]\r\nNumLock=70000\r\n",
     Settings{2, 2, 2, 0},
     {0, 2, 0, 1000}},
    {"FailedModeDoesNotStopTheRest",
     "[main]\r\nCapsLock=70000\r\nNumLock=70000\r\nScrollLock=2\r\nInterval=300\r\n",
     kFresh,
     {0, 0, 2, 300}},
    {"IntervalZero", "[main]\r\nInterval=0\r\n", kFresh, {0, 1, 0, 0}},
    {"LargestInterval", "[main]\r\nInterval=65535\r\n", kFresh, {0, 1, 0, 65535}},
    {"IntervalOneTooLarge", "[main]\r\nInterval=65536\r\n", kFresh, {0, 1, 0, 1000}},
    {"IntervalTooLarge", "[main]\r\nInterval=100000\r\n", kFresh, {0, 1, 0, 1000}},
    {"IntervalNegative", "[main]\r\nInterval=-5\r\n", kFresh, {0, 1, 0, 1000}},
    {"OtherSectionIgnored", "[other]\r\nCapsLock=2\r\nInterval=50\r\n", kFresh, {0, 1, 0, 1000}},
};

class LoadSettingsTest : public ProfileCaseTest<LoadCase> {
protected:
    NullTimerDriver driver_;
    toolkit::Timer timer_{driver_};
};

TEST_P(LoadSettingsTest, FillsTheModesAndTheTimer) {
    const auto& [kind, testCase] = GetParam();
    const std::string path = SettingsFile(testCase.file);
    Settings settings = testCase.before;
    const auto profile = kind.make();

    LoadSettings(*profile, path, settings, timer_);

    EXPECT_EQ(settings.CapsLockMode, testCase.expected.capsLock);
    EXPECT_EQ(settings.NumLockMode, testCase.expected.numLock);
    EXPECT_EQ(settings.ScrollLockMode, testCase.expected.scrollLock);
    EXPECT_EQ(timer_.Interval(), testCase.expected.interval);
    EXPECT_EQ(settings.AutoRun, testCase.before.AutoRun);
}

INSTANTIATE_TEST_SUITE_P(Profiles, LoadSettingsTest,
                         Combine(ValuesIn(ProfileKinds()), ValuesIn(kLoadCases)), kProfileCaseName);

// What a start that finds `before` followed by an end leaves in the file.
struct RoundTripCase {
    const char* name;
    std::optional<std::string> before;
    std::string after;
};

void PrintTo(const RoundTripCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

const RoundTripCase kRoundTripCases[] = {
    {"FirstRun", std::nullopt,
     "[main]\r\nCapsLock=0\r\nNumLock=1\r\nScrollLock=0\r\nInterval=1000\r\n"},
    {"EmptyFile", "", "[main]\r\nCapsLock=0\r\nNumLock=1\r\nScrollLock=0\r\nInterval=1000\r\n"},
    {"ModeOutsideTheOptions", "[main]\r\nCapsLock=7\r\n",
     "[main]\r\nCapsLock=7\r\nNumLock=1\r\nScrollLock=0\r\nInterval=1000\r\n"},
    {"IntervalZero", "[main]\r\nInterval=0\r\n",
     "[main]\r\nInterval=0\r\nCapsLock=0\r\nNumLock=1\r\nScrollLock=0\r\n"},
    {"IntervalTooLarge", "[main]\r\nInterval=100000\r\n",
     "[main]\r\nInterval=1000\r\nCapsLock=0\r\nNumLock=1\r\nScrollLock=0\r\n"},
    {"IntervalNegative", "[main]\r\nInterval=-5\r\n",
     "[main]\r\nInterval=1000\r\nCapsLock=0\r\nNumLock=1\r\nScrollLock=0\r\n"},
    {"NumLockTooLarge", "[main]\r\nNumLock=70000\r\n",
     "[main]\r\nNumLock=0\r\nCapsLock=0\r\nScrollLock=0\r\nInterval=1000\r\n"},
    {"HandAddedLinesSurvive",
     "; my notes\r\n[main]\r\nCapsLock=1\r\nExtra=yes\r\n; keep me\r\n[other]\r\nKey=value\r\n",
     "; my notes\r\n[main]\r\nCapsLock=1\r\nExtra=yes\r\n; keep me\r\nNumLock=1\r\nScrollLock=0\r\n"
     "Interval=1000\r\n[other]\r\nKey=value\r\n"},
    {"PauseSectionSurvives",
     "[main]\r\nCapsLock=1\r\n[pause]\r\nPrograms=mstsc.exe;vmconnect.exe\r\nFullScreen=1\r\n",
     "[main]\r\nCapsLock=1\r\nNumLock=1\r\nScrollLock=0\r\nInterval=1000\r\n[pause]\r\n"
     "Programs=mstsc.exe;vmconnect.exe\r\nFullScreen=1\r\n"},
    {"WrittenFileReadsBackTheSame",
     "[main]\r\nCapsLock=2\r\nNumLock=-1\r\nScrollLock=1\r\nInterval=65535\r\n",
     "[main]\r\nCapsLock=2\r\nNumLock=-1\r\nScrollLock=1\r\nInterval=65535\r\n"},
};

class SettingsRoundTripTest : public ProfileCaseTest<RoundTripCase> {
protected:
    NullTimerDriver driver_;
    toolkit::Timer timer_{driver_};
};

TEST_P(SettingsRoundTripTest, WritesBackWhatWasLoaded) {
    const auto& [kind, testCase] = GetParam();
    const std::string path = SettingsFile(testCase.before);
    Settings settings{};
    const auto profile = kind.make();

    LoadSettings(*profile, path, settings, timer_);
    SaveSettings(*profile, path, settings, timer_);

    EXPECT_EQ(ReadFileBytes(path), testCase.after);
}

INSTANTIATE_TEST_SUITE_P(Profiles, SettingsRoundTripTest,
                         Combine(ValuesIn(ProfileKinds()), ValuesIn(kRoundTripCases)),
                         kProfileCaseName);

class SaveSettingsTest : public TestWithParam<ProfileKind> {
protected:
    TempFolder folder_;
    NullTimerDriver driver_;
    toolkit::Timer timer_{driver_};
};

TEST_P(SaveSettingsTest, WritesTheValuesInMemoryAsPlainDecimals) {
    const std::string path = folder_.File("Keystead.ini");
    const Settings settings{-1, -32768, 32767, lockkeys::kTrue};
    timer_.SetInterval(0);
    const auto profile = GetParam().make();

    SaveSettings(*profile, path, settings, timer_);

    // The auto-start flag is not kept in this file.
    EXPECT_EQ(ReadFileBytes(path),
              "[main]\r\nCapsLock=-1\r\nNumLock=-32768\r\nScrollLock=32767\r\nInterval=0\r\n");
}

// One save that found the file beside the program held for a moment went to the user's copy:
// the copy written last holds the latest choices, whichever it is.
TEST_P(SaveSettingsTest, TheCopyWrittenLastIsRead) {
    const SettingsFiles files{folder_.File("Keystead.ini"), folder_.Folder(),
                              folder_.File("User.ini")};
    WriteFileBytes(files.beside, "[main]\r\nInterval=500\r\n");
    WriteFileBytes(files.user, "[main]\r\nInterval=700\r\n");
    const auto profile = GetParam().make();
    const auto now = std::filesystem::file_time_type::clock::now();
    struct Case {
        const char* what;
        std::chrono::hours besideAge, userAge;
        std::string read;
    };
    const Case cases[] = {
        {"the user's copy is newer", std::chrono::hours(48), std::chrono::hours(1), files.user},
        {"the file beside is newer", std::chrono::hours(1), std::chrono::hours(48), files.beside},
        {"the same moment", std::chrono::hours(2), std::chrono::hours(2), files.beside},
    };
    for (const Case& c : cases) {
        std::filesystem::last_write_time(FromUtf8(files.beside), now - c.besideAge);
        std::filesystem::last_write_time(FromUtf8(files.user), now - c.userAge);
        EXPECT_EQ(FileToLoad(*profile, files), c.read) << c.what;
    }
}

#ifdef _WIN32
// The settings paths are Windows paths, so this runs where they mean folders.
TEST_P(SaveSettingsTest, GoesToTheUsersCopyWhenTheFileBesideCannotBeWritten) {
    FakeApplication app;
    app.folder = folder_.Folder();
    app.localAppData = folder_.File("Local");
    const SettingsFiles files = FindSettingsFiles(app, "Tarvine Keystead");
    ASSERT_EQ(files.user, app.localAppData + "\\Tarvine Keystead\\Keystead.ini");
    std::filesystem::create_directory(FromUtf8(files.beside));  // stands where the file would
    std::filesystem::create_directory(FromUtf8(app.localAppData));
    const auto profile = GetParam().make();
    ASSERT_EQ(FileToLoad(*profile, files), files.beside);

    SaveSettings(*profile, files, Settings{2, 0, 1, lockkeys::kFalse}, timer_);

    EXPECT_EQ(ReadFileBytes(files.user),
              "[main]\r\nCapsLock=2\r\nNumLock=0\r\nScrollLock=1\r\nInterval=1000\r\n");
    EXPECT_EQ(FileToLoad(*profile, files), files.user);
}
#endif

INSTANTIATE_TEST_SUITE_P(Profiles, SaveSettingsTest, ValuesIn(ProfileKinds()),
                         [](const TestParamInfo<ProfileKind>& caseInfo) {
                             return caseInfo.param.name;
                         });

// ---------------------------------------------------------------------------------------
// Each read and write stands alone

// A profile whose reads give fixed values and whose calls for one key fail.
class FailingProfile : public Profile {
public:
    explicit FailingProfile(std::string failingKey) : failingKey_(std::move(failingKey)) {}

    std::map<std::string, std::int32_t> values;
    std::vector<std::string> written;

    std::int32_t GetInt(const std::string&, const std::string& key, std::int32_t defaultValue,
                        const std::string&) override {
        if (key == failingKey_) {
            throw std::runtime_error("cannot read " + key);
        }
        const auto found = values.find(key);
        return found == values.end() ? defaultValue : found->second;
    }

    std::string GetString(const std::string&, const std::string& key,
                          const std::string& defaultValue, const std::string&,
                          std::size_t) override {
        if (key == failingKey_) {
            throw std::runtime_error("cannot read " + key);
        }
        return defaultValue;
    }

    bool WriteString(const std::string&, const std::string& key, const std::string& value,
                     const std::string&) override {
        if (key == failingKey_) {
            throw std::runtime_error("cannot write " + key);
        }
        written.push_back(key + "=" + value);
        return true;
    }
    std::vector<std::string> GetSection(const std::string&, const std::string&) override {
        return {};
    }
    bool WriteSection(const std::string&, const std::vector<std::string>&,
                      const std::string&) override {
        return false;
    }
    FileState State(const std::string&) override { return FileState::Missing; }
    std::int64_t LastWriteTime(const std::string&) override { return 0; }
    void CreateFolder(const std::string&) override {}

private:
    std::string failingKey_;
};

class IndependentStepsTest : public TestWithParam<const char*> {
protected:
    NullTimerDriver driver_;
    toolkit::Timer timer_{driver_};
};

TEST_P(IndependentStepsTest, LoadGoesOnAfterAFailingRead) {
    const std::string failing = GetParam();
    FailingProfile profile(failing);
    profile.values = {{"CapsLock", 2}, {"NumLock", 2}, {"ScrollLock", 2}, {"Interval", 40}};
    Settings settings{};

    LoadSettings(profile, "Keystead.ini", settings, timer_);

    EXPECT_EQ(settings.CapsLockMode, failing == "CapsLock" ? 0 : 2);
    EXPECT_EQ(settings.NumLockMode, failing == "NumLock" ? 0 : 2);
    EXPECT_EQ(settings.ScrollLockMode, failing == "ScrollLock" ? 0 : 2);
    EXPECT_EQ(timer_.Interval(), failing == "Interval" ? 1000 : 40);
}

TEST_P(IndependentStepsTest, SaveGoesOnAfterAFailingWrite) {
    const std::string failing = GetParam();
    FailingProfile profile(failing);
    const Settings settings{2, 0, 1, lockkeys::kFalse};
    timer_.SetInterval(40);

    SaveSettings(profile, "Keystead.ini", settings, timer_);

    std::vector<std::string> expected;
    const std::vector<std::string> all{"CapsLock=2", "NumLock=0", "ScrollLock=1", "Interval=40"};
    for (const std::string& line : all) {
        if (line.substr(0, line.find('=')) != failing) {
            expected.push_back(line);
        }
    }
    EXPECT_EQ(profile.written, expected);
}

INSTANTIATE_TEST_SUITE_P(FailingKey, IndependentStepsTest,
                         ::testing::Values("CapsLock", "NumLock", "ScrollLock", "Interval"),
                         [](const TestParamInfo<const char*>& caseInfo) {
                             return std::string(caseInfo.param);
                         });

}  // namespace
}  // namespace keystead::settings::testing

// Section "pause" of the settings file as the profile functions of Windows read it, and the
// IniFile held to them.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <tuple>

#include "ProfileTestSupport.h"
#include "settings/PauseSection.h"

namespace keystead::settings::testing {
namespace {

using ::testing::Combine;
using ::testing::TestParamInfo;
using ::testing::TestWithParam;
using ::testing::ValuesIn;

struct PauseCase {
    const char* name;
    std::optional<std::string> file;
    std::string programs;
    bool fullScreen;
};

void PrintTo(const PauseCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

const PauseCase kPauseCases[] = {
    {"NoFile", std::nullopt, "", false},
    {"NoSection", "[main]\r\nCapsLock=0\r\n", "", false},
    {"Both", "[pause]\r\nPrograms=mstsc.exe;vmconnect.exe\r\nFullScreen=1\r\n",
     "mstsc.exe;vmconnect.exe", true},
    {"BlanksAroundTheValue", "[pause]\r\nPrograms =  a.exe; b.exe  \r\n", "a.exe; b.exe", false},
    {"QuotesDropped", "[pause]\r\nPrograms=\"a.exe;b.exe\"\r\n", "a.exe;b.exe", false},
    {"EmptyValue", "[pause]\r\nPrograms=\r\nFullScreen=\r\n", "", false},
    {"FullScreenZero", "[pause]\r\nFullScreen=0\r\n", "", false},
    {"FullScreenTwo", "[pause]\r\nFullScreen=2\r\n", "", false},
    {"FullScreenText", "[pause]\r\nFullScreen=yes\r\n", "", false},
    {"NamesIgnoreCase", "[PAUSE]\r\nprograms=a.exe\r\nfullscreen=1\r\n", "a.exe", true},
    {"CutToTheLengthAsked", "[pause]\r\nPrograms=" + std::string(40, 'a') + "\r\n",
     std::string(32, 'a'), false},
};

using PauseSectionTest = ProfileCaseTest<PauseCase>;

TEST_P(PauseSectionTest, ReadsTheListAndTheFullScreenRule) {
    const auto& [kind, testCase] = GetParam();
    const std::string path = SettingsFile(testCase.file);
    const auto profile = kind.make();
    const PauseSection section = LoadPauseSection(*profile, path, 32);
    EXPECT_EQ(section.programs, testCase.programs);
    EXPECT_EQ(section.fullScreen, testCase.fullScreen);
}

INSTANTIATE_TEST_SUITE_P(Profiles, PauseSectionTest,
                         Combine(ValuesIn(ProfileKinds()), ValuesIn(kPauseCases)),
                         kProfileCaseName);

}  // namespace
}  // namespace keystead::settings::testing

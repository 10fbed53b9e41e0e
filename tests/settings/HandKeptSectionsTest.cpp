// Sections "pause" and "display" when start-up reads the user's copy: a section that copy
// lacks comes from the file beside the program, one it holds (even a single key) wins.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <tuple>

#include "ProfileTestSupport.h"
#include "settings/DisplaySection.h"
#include "settings/PauseSection.h"

namespace keystead::settings::testing {
namespace {

using ::testing::Combine;
using ::testing::ValuesIn;

constexpr const char* kBeside =
    "[main]\r\nCapsLock=1\r\n[pause]\r\nPrograms=game.exe\r\n"
    "[display]\r\nShowKeys=1\r\nNumLockNote=2\r\nNotePosition=7\r\n";

struct FallbackCase {
    const char* name;
    std::optional<std::string> user;  // the user's copy; start-up reads the file beside without
    std::string programs;
    DisplaySection display;
};

void PrintTo(const FallbackCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

const DisplaySection kBesideDisplay{true, {NoteMode::None, NoteMode::OnEveryChange}, 7, 1500};

const FallbackCase kFallbackCases[] = {
    {"BesideIsRead", std::nullopt, "game.exe", kBesideDisplay},
    {"CopyWithoutEither", "[main]\r\nCapsLock=0\r\n", "game.exe", kBesideDisplay},
    {"CopyWithBoth", "[pause]\r\nFullScreen=0\r\n[display]\r\nShowKeys=0\r\n", "", {}},
    {"CopyWithOneDisplayKey",
     "[display]\r\nNoteTime=2000\r\n",
     "game.exe",
     {false, {}, DisplaySection::kDefaultPosition, 2000}},
    {"CopyWithAWrongDisplayValue", "[display]\r\nShowKeys=yes\r\n", "game.exe", {}},
};

using HandKeptSectionsTest = ProfileCaseTest<FallbackCase>;

TEST_P(HandKeptSectionsTest, ComeFromTheCopyReadOrFromBesideTheProgram) {
    const auto& [kind, testCase] = GetParam();
    const std::string beside = SettingsFile(kBeside);
    std::string read = beside;
    if (testCase.user) {
        read = folder_.File("User.ini");
        WriteFileBytes(read, *testCase.user);
    }
    const auto profile = kind.make();
    EXPECT_EQ(LoadPauseSection(*profile, read, beside, 64).programs, testCase.programs);
    EXPECT_EQ(LoadDisplaySection(*profile, read, beside), testCase.display);
}

INSTANTIATE_TEST_SUITE_P(Profiles, HandKeptSectionsTest,
                         Combine(ValuesIn(ProfileKinds()), ValuesIn(kFallbackCases)),
                         kProfileCaseName);

}  // namespace
}  // namespace keystead::settings::testing

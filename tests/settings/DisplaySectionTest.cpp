// Section "display" of the settings file, with Windows' profile functions and the IniFile:
// each value within its range, anything else its default, and a round trip through a save.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <tuple>

#include "ProfileTestSupport.h"
#include "settings/DisplaySection.h"

namespace keystead::settings::testing {
namespace {

using ::testing::Combine;
using ::testing::TestParamInfo;
using ::testing::TestWithParam;
using ::testing::ValuesIn;

struct DisplayCase {
    const char* name;
    std::optional<std::string> file;
    DisplaySection expected;
};

void PrintTo(const DisplayCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

constexpr auto kNone = NoteMode::None;
constexpr auto kHeld = NoteMode::WhenHeld;
constexpr auto kEvery = NoteMode::OnEveryChange;
constexpr auto kWhileOn = NoteMode::WhileOn;
constexpr auto kQuiet = SoundMode::None;
constexpr auto kHeldSound = SoundMode::WhenHeld;
constexpr auto kEverySound = SoundMode::OnEveryChange;

const DisplayCase kDisplayCases[] = {
    {"NoFile", std::nullopt, {}},
    {"NoSection", "[main]\r\nCapsLock=0\r\n", {}},
    {"EveryValue",
     "[display]\r\nShowKeys=1\r\nCapsLockNote=1\r\nNumLockNote=2\r\nScrollLockNote=3\r\n"
     "NotePosition=7\r\nNoteTime=500\r\n",
     {true, {kHeld, kEvery, kWhileOn}, 7, 500}},
    {"Limits", "[display]\r\nNotePosition=9\r\nNoteTime=10000\r\n", {false, {}, 9, 10000}},
    {"OutOfRange",
     "[display]\r\nShowKeys=2\r\nCapsLockNote=4\r\nNumLockNote=-1\r\nNotePosition=0\r\n"
     "NoteTime=499\r\n",
     {}},
    {"AboveRange", "[display]\r\nNotePosition=10\r\nNoteTime=10001\r\n", {}},
    {"Malformed",
     "[display]\r\nShowKeys=yes\r\nCapsLockNote=1x\r\nNotePosition=5.0\r\nNoteTime=0x600\r\n",
     {}},
    {"Empty", "[display]\r\nShowKeys=\r\nNoteTime=\r\n", {}},
    {"HugeNumber", "[display]\r\nNoteTime=99999999999999\r\n", {}},
    {"NamesIgnoreCase",
     "[DISPLAY]\r\nshowkeys=1\r\ncapslocknote=2\r\n",
     {true, {kEvery, kNone, kNone}, 2, 1500}},
    {"MonitorAndSounds",
     "[display]\r\nNoteMonitor=3\r\nCapsLockSound=1\r\nNumLockSound=2\r\nScrollLockSound=0\r\n",
     {.monitor = NoteMonitor::Every, .sounds = {kHeldSound, kEverySound, kQuiet}}},
    {"PointerMonitor",
     "[display]\r\nNoteMonitor=1\r\nScrollLockSound=2\r\n",
     {.monitor = NoteMonitor::Pointer, .sounds = {kQuiet, kQuiet, kEverySound}}},
    {"MainMonitor", "[display]\r\nNoteMonitor=2\r\n", {.monitor = NoteMonitor::Main}},
    {"MonitorAndSoundsOutOfRange",
     "[display]\r\nNoteMonitor=4\r\nCapsLockSound=3\r\nNumLockSound=-1\r\n",
     {}},
    {"MonitorBelowRange", "[display]\r\nNoteMonitor=-1\r\n", {}},
    {"MonitorAndSoundsMalformed",
     "[display]\r\nNoteMonitor=1x\r\nCapsLockSound=yes\r\nNumLockSound=2.0\r\n"
     "ScrollLockSound=\r\n",
     {}},
};

using DisplaySectionTest = ProfileCaseTest<DisplayCase>;

TEST_P(DisplaySectionTest, ReadsEachValueWithinItsRange) {
    const auto& [kind, testCase] = GetParam();
    const std::string path = SettingsFile(testCase.file);
    const auto profile = kind.make();
    EXPECT_EQ(LoadDisplaySection(*profile, path), testCase.expected);
}

INSTANTIATE_TEST_SUITE_P(Profiles, DisplaySectionTest,
                         Combine(ValuesIn(ProfileKinds()), ValuesIn(kDisplayCases)),
                         kProfileCaseName);

class DisplaySaveTest : public TestWithParam<ProfileKind> {
protected:
    TempFolder folder_;
};

// The window writes the section beside [main] and [pause], which stay as they were.
TEST_P(DisplaySaveTest, WritesTheSectionAndLeavesTheOthersAlone) {
    const std::string path = folder_.File("Keystead.ini");
    WriteFileBytes(path, "[main]\r\nCapsLock=1\r\n[pause]\r\nFullScreen=1\r\n");
    const auto profile = GetParam().make();
    const DisplaySection section{true, {kWhileOn, kNone, kHeld}, 9, 2500};
    EXPECT_TRUE(SaveDisplaySection(*profile, path, section));
    EXPECT_EQ(LoadDisplaySection(*profile, path), section);
    EXPECT_EQ(profile->GetInt("main", "CapsLock", 0, path), 1);
    EXPECT_EQ(profile->GetInt("pause", "FullScreen", 0, path), 1);
    EXPECT_TRUE(section.AnyOn());
    EXPECT_FALSE(DisplaySection{}.AnyOn());
}

// Each save writes every value: one saved over another leaves nothing of it behind.
TEST_P(DisplaySaveTest, TheMonitorAndSoundsComeBackAfterEachSave) {
    const std::string path = folder_.File("Keystead.ini");
    const auto profile = GetParam().make();
    const DisplaySection sections[] = {
        {.monitor = NoteMonitor::Every, .sounds = {kHeldSound, kEverySound, kEverySound}},
        {.monitor = NoteMonitor::FrontWindow, .sounds = {kQuiet, kQuiet, kHeldSound}},
        {.monitor = NoteMonitor::Pointer, .sounds = {kEverySound, kHeldSound, kQuiet}},
    };
    for (const DisplaySection& section : sections) {
        EXPECT_TRUE(SaveDisplaySection(*profile, path, section));
        EXPECT_EQ(LoadDisplaySection(*profile, path), section);
    }
}

INSTANTIATE_TEST_SUITE_P(Profiles, DisplaySaveTest, ValuesIn(ProfileKinds()),
                         [](const TestParamInfo<ProfileKind>& kind) { return kind.param.name; });

// A sound needs the keys read as a note does; where the notes stand changes nothing alone.
TEST(DisplaySectionAnyOn, CountsSoundsButNotTheMonitor) {
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        DisplaySection section;
        section.sounds[key] = kHeldSound;
        EXPECT_TRUE(section.AnyOn()) << SoundKey(key);
    }
    EXPECT_FALSE(DisplaySection{.monitor = NoteMonitor::Every}.AnyOn());
}

}  // namespace
}  // namespace keystead::settings::testing

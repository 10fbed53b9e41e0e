// Section "programs" read from and written into a settings file, through each profile
// (on Windows also the platform's own functions).
#include "programs/ProgramsSection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/settings/ProfileTestSupport.h"

namespace keystead::programs {
namespace {

using settings::testing::ProfileKind;
using settings::testing::ProfileKinds;
using settings::testing::ReadFileBytes;
using settings::testing::TempFolder;
using settings::testing::WriteFileBytes;
using ::testing::TestWithParam;
using ::testing::ValuesIn;

class ProgramsSectionTest : public TestWithParam<ProfileKind> {
protected:
    TempFolder folder_;
    std::string path_ = folder_.File("Keystead.ini");
};

// A file as a user might write it by hand: malformed lines, names with folders, a line of
// 10,000 characters and 70 programs among other sections.
std::string HandWrittenFile() {
    std::string file = "[main]\r\nCapsLock=0\r\n\r\n[programs]\r\n; mine\r\ntyper.exe = 2,,\r\n";
    file += "bad line\r\nC:\\Tools\\x.exe=1,,\r\nlong.exe=" + std::string(10000, '1') + "\r\n";
    file += "TYPER.EXE=1,1,1\r\nfour.exe=1,1,1,1\r\nthree.exe=3,,\r\n";
    for (int i = 0; i < 70; ++i) {
        file += "p" + std::to_string(i) + ".exe=,1,\r\n";
    }
    return file + "\r\n[pause]\r\nPrograms=mstsc.exe\r\n";
}

TEST_P(ProgramsSectionTest, LoadsTheValidLinesOfAHandWrittenSection) {
    WriteFileBytes(path_, HandWrittenFile());
    const auto profile = GetParam().make();

    const ProgramModesList list = LoadProgramsSection(*profile, path_);

    ASSERT_EQ(list.Programs().size(), ProgramModesList::kMaxPrograms);
    EXPECT_EQ(list.Programs()[0], (ProgramModes{"typer.exe", {2, std::nullopt, std::nullopt}}));
    EXPECT_EQ(list.Programs()[1].name, "p0.exe");
    EXPECT_EQ(list.Programs().back().name, "p62.exe");
}

TEST_P(ProgramsSectionTest, SavesTheWholeSectionAndKeepsTheOtherSections) {
    WriteFileBytes(path_, HandWrittenFile());
    const auto profile = GetParam().make();
    const ProgramModesList saved = BuildProgramModesList({"excel.exe=,1,", "typer.exe=2,,"});

    ASSERT_TRUE(SaveProgramsSection(*profile, path_, saved));

    EXPECT_EQ(LoadProgramsSection(*profile, path_).Programs(), saved.Programs());
    EXPECT_EQ(profile->GetInt("main", "CapsLock", 7, path_), 0);
    EXPECT_EQ(profile->GetString("pause", "Programs", "", path_, 100), "mstsc.exe");
}

TEST_P(ProgramsSectionTest, CreatesTheFileAndReadsFromBesideWhenTheUsersCopyHasNone) {
    const std::string beside = folder_.File("Beside.ini");
    const auto profile = GetParam().make();
    ASSERT_TRUE(SaveProgramsSection(*profile, beside, BuildProgramModesList({"a.exe=0,,"})));
    ASSERT_TRUE(profile->WriteString("main", "CapsLock", "1", path_));

    EXPECT_EQ(LoadProgramsSection(*profile, path_, beside).Programs().size(), 1U);
    EXPECT_TRUE(LoadProgramsSection(*profile, path_).Programs().empty());
}

INSTANTIATE_TEST_SUITE_P(Profiles, ProgramsSectionTest, ValuesIn(ProfileKinds()),
                         [](const auto& caseInfo) { return caseInfo.param.name; });

// IniFile changes only the section's own lines.
TEST(ProgramsSectionFileTest, ReplacesOnlyTheSectionsLines) {
    TempFolder folder;
    const std::string path = folder.File("Keystead.ini");
    WriteFileBytes(path, "; top\n[main]\nCapsLock=0\n\n[programs]\nold.exe=1,,\n\n[pause]\nA=1");
    settings::fake::IniFile file;

    ASSERT_TRUE(SaveProgramsSection(file, path, BuildProgramModesList({"new.exe=,2,"})));
    EXPECT_EQ(ReadFileBytes(path),
              "; top\n[main]\nCapsLock=0\n\n[programs]\nnew.exe=,2,\r\n\n[pause]\nA=1");

    ASSERT_TRUE(SaveProgramsSection(file, path, ProgramModesList{}));
    EXPECT_EQ(ReadFileBytes(path), "; top\n[main]\nCapsLock=0\n\n[programs]\n\n[pause]\nA=1");
}

}  // namespace
}  // namespace keystead::programs

// The rules of section "programs": what one line gives, and what a whole section keeps.
#include "programs/ProgramModes.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace keystead::programs {
namespace {

using ::testing::TestWithParam;
using ::testing::ValuesIn;

constexpr std::optional<lockkeys::LockMode> kMain = std::nullopt;

struct LineCase {
    const char* name;
    std::string line;
    std::optional<ProgramModes> expected;  // none: malformed
};

void PrintTo(const LineCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

const std::string kName255 = std::string(251, 'n') + ".exe";

const LineCase kLineCases[] = {
    {"NumLockOnly", "excel.exe=,1,", ProgramModes{"excel.exe", {kMain, 1, kMain}}},
    {"AllThree", "a.exe=0,1,2", ProgramModes{"a.exe", {0, 1, 2}}},
    {"AllMain", "a.exe=,,", ProgramModes{"a.exe", {kMain, kMain, kMain}}},
    {"BlanksAroundFields", "a.exe= 2 ,\t, 0\t", ProgramModes{"a.exe", {2, kMain, 0}}},
    {"BlanksAroundName", " \ta b.exe =1,,", ProgramModes{"a b.exe", {1, kMain, kMain}}},
    {"LongestName", kName255 + "=1,,", ProgramModes{kName255, {1, kMain, kMain}}},
    {"NameTooLong", "x" + kName255 + "=1,,", std::nullopt},
    {"EmptyValue", "a.exe=", std::nullopt},
    {"NoEquals", "a.exe", std::nullopt},
    {"TwoFields", "a.exe=1,1", std::nullopt},
    {"FourFields", "a.exe=1,1,1,1", std::nullopt},
    {"FourEmptyFields", "a.exe=,,,", std::nullopt},
    {"Three", "a.exe=3,,", std::nullopt},
    {"MinusOne", "a.exe=,-1,", std::nullopt},
    {"TwoDigitsWithBlank", "a.exe=,,1 1", std::nullopt},
    {"LeadingZero", "a.exe=01,,", std::nullopt},
    {"Letters", "a.exe=on,,", std::nullopt},
    {"Quoted", "a.exe=\",1,\"", std::nullopt},
    {"BackslashFolder", "C:\\Tools\\a.exe=1,,", std::nullopt},
    {"SlashFolder", "tools/a.exe=1,,", std::nullopt},
    {"EmptyName", "=1,,", std::nullopt},
    {"BlankName", "  =1,,", std::nullopt},
    {"TrailingDot", "a.=1,,", std::nullopt},
    {"Wildcard", "*.exe=1,,", std::nullopt},
    {"Comment", ";a.exe=1,,", std::nullopt},
    {"Bracket", "[a.exe=1,,", std::nullopt},
    {"SecondEqualsInValue", "a.exe==1,,", std::nullopt},
    {"TenThousandCharacters", "a.exe=" + std::string(10000, '1'), std::nullopt},
};

class ProgramLineTest : public TestWithParam<LineCase> {};

TEST_P(ProgramLineTest, ReadsTheLineOrRefusesIt) {
    const LineCase& testCase = GetParam();
    EXPECT_EQ(ParseProgramLine(testCase.line), testCase.expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, ProgramLineTest, ValuesIn(kLineCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(ProgramModesListTest, KeepsTheFirst64ValidProgramsAndTheFirstLineOfEachName) {
    std::vector<std::string> lines = {"bad", "Excel.exe=,1,", "EXCEL.EXE=0,0,0",
                                      std::string(10000, 'x')};
    for (int i = 0; i < 70; ++i) {
        lines.push_back("p" + std::to_string(i) + ".exe=2,,");
    }
    const ProgramModesList list = BuildProgramModesList(lines);
    ASSERT_EQ(list.Programs().size(), ProgramModesList::kMaxPrograms);
    EXPECT_EQ(list.Programs().front(), (ProgramModes{"Excel.exe", {kMain, 1, kMain}}));
    EXPECT_EQ(list.Programs().back().name, "p62.exe");
    EXPECT_EQ(list.Find("p63.exe"), nullptr);
}

TEST(ProgramModesListTest, FindsAndRemovesInAnyCase) {
    ProgramModesList list = BuildProgramModesList({"Excel.exe=,1,"});
    ASSERT_NE(list.Find("eXCEL.EXE"), nullptr);
    EXPECT_EQ(list.Find("excel"), nullptr);
    EXPECT_FALSE(list.Add({"EXCEL.exe", {}}));
    EXPECT_FALSE(list.Add({"a=b.exe", {}}));
    EXPECT_TRUE(list.Add({" word.exe ", {}}));
    EXPECT_EQ(list.Programs().back().name, "word.exe");
    EXPECT_TRUE(list.Remove("EXCEL.EXE"));
    EXPECT_FALSE(list.Remove("EXCEL.EXE"));
    EXPECT_EQ(SectionLines(list), std::vector<std::string>{"word.exe=,,"});
}

TEST(ProgramModesListTest, WritesLinesThatReadBackTheSame) {
    const ProgramModesList list =
        BuildProgramModesList({"a.exe=0,1,2", "b.exe=,,", "c.exe= 1 ,, ", "d.exe=,2,"});
    EXPECT_EQ(SectionLines(list),
              (std::vector<std::string>{"a.exe=0,1,2", "b.exe=,,", "c.exe=1,,", "d.exe=,2,"}));
    EXPECT_EQ(BuildProgramModesList(SectionLines(list)).Programs(), list.Programs());
}

TEST(ProgramModesListTest, PutsTheProgramsModesOverTheMainSettings) {
    const lockkeys::Settings main{0, 1, 0, lockkeys::kTrue};
    const ProgramModesList list = BuildProgramModesList({"typer.exe=2,,", "calc.exe=1,0,2"});

    EXPECT_EQ(SettingsFor(main, list, "other.exe"), std::nullopt);
    const auto typer = SettingsFor(main, list, "TYPER.EXE");
    ASSERT_TRUE(typer);
    EXPECT_EQ(typer->CapsLockMode, 2);
    EXPECT_EQ(typer->NumLockMode, 1);
    EXPECT_EQ(typer->ScrollLockMode, 0);
    EXPECT_EQ(typer->AutoRun, lockkeys::kTrue);
    const auto calc = SettingsFor(main, list, "calc.exe");
    ASSERT_TRUE(calc);
    EXPECT_EQ(calc->CapsLockMode, 1);
    EXPECT_EQ(calc->NumLockMode, 0);
    EXPECT_EQ(calc->ScrollLockMode, 2);
}

}  // namespace
}  // namespace keystead::programs

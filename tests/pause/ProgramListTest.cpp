// The list of programs to step aside for, as a user or an administrator may write it,
// hostile lists included: only plain file names come through, each malformed entry is
// dropped alone, and nothing is ever fatal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pause/ProgramList.h"

namespace keystead::pause {
namespace {

using Names = std::vector<std::string>;

constexpr std::size_t kLimit = ProgramList::kMaxListLength;

struct ListCase {
    const char* name;
    std::string text;
    Names expected;
};

// A list text of exactly `length` bytes that ends in a name of `tail` letters.
std::string ListEndingAt(std::size_t length, std::size_t tail) {
    std::string text(length - tail - 1, ';');
    return text + ";" + std::string(tail, 'z');
}

const std::string kName255(255, 'n');
const std::string kName256(256, 'n');

const ListCase kCases[] = {
    {"Empty", "", {}},
    {"OneName", "mstsc.exe", {"mstsc.exe"}},
    {"TwoNames", "mstsc.exe;vmconnect.exe", {"mstsc.exe", "vmconnect.exe"}},
    {"BlanksAroundNames", "  mstsc.exe ;\tvmconnect.exe\t", {"mstsc.exe", "vmconnect.exe"}},
    {"BlankInsideNameKept", "Remote Desktop.exe", {"Remote Desktop.exe"}},
    {"OnlySeparators", ";;;", {}},
    {"EmptyEntriesBetween", ";a.exe;;b.exe;", {"a.exe", "b.exe"}},
    {"DuplicateAnyCase", "a.exe;A.EXE;a.exe", {"a.exe"}},
    {"NoExtensionStillAName", "vmware", {"vmware"}},
    {"NonAsciiName", "\xC5\x81ukasz.exe", {"\xC5\x81ukasz.exe"}},
    // Paths, drives and streams: the file name alone is matched.
    {"BackslashPath", "C:\\Windows\\System32\\mstsc.exe;b.exe", {"b.exe"}},
    {"SlashPath", "bin/mstsc.exe;b.exe", {"b.exe"}},
    {"UncPath", "\\\\server\\share\\a.exe", {}},
    {"DriveRelative", "C:mstsc.exe", {}},
    {"Stream", "a.exe:stream", {}},
    {"DotNames", ".;..;a.exe", {"a.exe"}},
    {"TrailingDot", "a.exe.;b", {"b"}},
    // Characters no file name holds.
    {"Wildcards", "*.exe;m?tsc.exe;c.exe", {"c.exe"}},
    {"QuotesAndPipes", "\"a.exe\";b|c.exe;<d>.exe;e.exe", {"e.exe"}},
    {"ControlCharacters", "a\x01.exe;b\x7F.exe;c\r\n.exe;d.exe", {"d.exe"}},
    {"EmbeddedNul", std::string("a\0b.exe;c.exe", 13), {"c.exe"}},
    {"TabInsideName", "a\tb.exe;c.exe", {"c.exe"}},
    // Length of a name.
    {"LongestName", kName255, {kName255}},
    {"NameTooLong", kName256 + ";short.exe", {"short.exe"}},
    // Length of the list: a name that ends within the limit counts, one cut by it does not.
    {"NameEndsAtTheLimit", ListEndingAt(kLimit, 3), {"zzz"}},
    {"NameEndsAtTheLimitThenMore", ListEndingAt(kLimit, 3) + ";more.exe", {"zzz"}},
    {"NameCutByTheLimit", ListEndingAt(kLimit + 1, 3), {}},
    {"HugeList", std::string(1000000, ';') + "late.exe", {}},
};

class ProgramListParse : public ::testing::TestWithParam<ListCase> {};

TEST_P(ProgramListParse, KeepsOnlyPlainFileNames) {
    ProgramList list;
    list.Add(GetParam().text);
    EXPECT_EQ(list.Names(), GetParam().expected);
    EXPECT_EQ(list.Empty(), GetParam().expected.empty());
}

INSTANTIATE_TEST_SUITE_P(Lists, ProgramListParse, ::testing::ValuesIn(kCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(ProgramList, ManyNamesWithinTheLimitAllCount) {
    std::string text;
    for (int i = 0; i < 400; ++i) {
        text += "p" + std::to_string(i) + ".exe;";
    }
    ASSERT_LE(text.size(), kLimit);
    ProgramList list;
    list.Add(text);
    EXPECT_EQ(list.Names().size(), 400u);
    EXPECT_TRUE(list.Contains("P399.EXE"));
}

TEST(ProgramList, MatchesTheFileNameIgnoringTheCaseOfLetters) {
    ProgramList list;
    list.Add(
        "mstsc.exe;\xC3\xA9"
        "diteur.exe");
    struct Case {
        const char* fileName;
        bool matches;
    };
    const Case cases[] = {
        {"mstsc.exe", true},
        {"MSTSC.EXE", true},
        {"MsTsC.ExE", true},
        {"mstsc", false},
        {"mstsc.exe.exe", false},
        {"xmstsc.exe", false},
        {"mstsc.ex", false},
        {"", false},
        {"\xC3\xA9"
         "diteur.exe",
         true},
        {"\xC3\xA9"
         "DITEUR.EXE",
         true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(list.Contains(c.fileName), c.matches) << c.fileName;
    }
}

TEST(ProgramList, TheSettingsFileAndThePoliciesAddUpEachJudgedAlone) {
    const std::string policyAtLimit = ListEndingAt(kLimit, 8);  // ends in "zzzzzzzz"
    const ProgramList list = BuildProgramList(
        "mstsc.exe;bad\\path.exe",
        {"VMCONNECT.exe;MSTSC.EXE", "", policyAtLimit, ListEndingAt(kLimit + 1, 4), "last.exe"});
    EXPECT_EQ(list.Names(), (Names{"mstsc.exe", "VMCONNECT.exe", "zzzzzzzz", "last.exe"}));
    EXPECT_TRUE(BuildProgramList("").Empty());
    EXPECT_EQ(BuildProgramList("", {"a.exe"}).Names(), Names{"a.exe"});
}

}  // namespace
}  // namespace keystead::pause

// Where IniFile keeps more of a hand-edited file than Windows does. Wine's profile functions
// rewrite the whole file whenever a value changes: blank lines go, every line is rewritten as
// "name=value" without indentation and every line end becomes CR LF. IniFile changes only
// the line it writes, so these cases are not part of the shared Profile tests.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "ProfileTestSupport.h"
#include "settings/fake/IniFile.h"

namespace keystead::settings::testing {
namespace {

struct KeepCase {
    const char* name;
    std::string before;
    const char* key;
    const char* value;
    std::string after;
};

void PrintTo(const KeepCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

const KeepCase kKeepCases[] = {
    {"BlankLinesAndIndentation", "[main]\r\n  A = 1  \r\n\r\n[other]\r\n\tB = 2\r\n\r\n",
     "CapsLock", "0", "[main]\r\n  A = 1  \r\nCapsLock=0\r\n\r\n[other]\r\n\tB = 2\r\n\r\n"},
    {"LfLineEndsOfOtherLines", "[main]\nA=1\nB=2\n", "C", "3", "[main]\nA=1\nB=2\nC=3\r\n"},
    {"LineEndOfTheReplacedLine", "[main]\nA=1\nB=2\n", "A", "5", "[main]\nA=5\nB=2\n"},
    {"BlankLinesBeforeANewSection", "[other]\r\nB=2\r\n\r\n", "CapsLock", "0",
     "[other]\r\nB=2\r\n\r\n[main]\r\nCapsLock=0\r\n"},
    {"BlankLineAfterTheHeader", "[main]\r\n\r\nA=1\r\n", "A", "2", "[main]\r\n\r\nA=2\r\n"},
};

class IniFileKeepsLinesTest : public ::testing::TestWithParam<KeepCase> {
protected:
    TempFolder folder_;
};

TEST_P(IniFileKeepsLinesTest, LeavesEveryOtherLineAsItWas) {
    const KeepCase& testCase = GetParam();
    const std::string path = folder_.File("Keystead.ini");
    WriteFileBytes(path, testCase.before);

    fake::IniFile().WriteString("main", testCase.key, testCase.value, path);

    EXPECT_EQ(ReadFileBytes(path), testCase.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniFileKeepsLinesTest, ::testing::ValuesIn(kKeepCases),
                         [](const ::testing::TestParamInfo<KeepCase>& caseInfo) {
                             return std::string(caseInfo.param.name);
                         });

}  // namespace
}  // namespace keystead::settings::testing

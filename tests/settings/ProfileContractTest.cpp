// What every Profile must do, written once and run against each implementation. On Windows
// (and under Wine) the same cases also run against the platform's own profile functions, so
// the expected values below are what GetPrivateProfileIntW and WritePrivateProfileStringW
// really give, and IniFile is held to them.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>

#include "ProfileTestSupport.h"

namespace keystead::settings::testing {
namespace {

using ::testing::Combine;
using ::testing::TestParamInfo;
using ::testing::TestWithParam;
using ::testing::ValuesIn;

std::string KindName(const TestParamInfo<ProfileKind>& caseInfo) {
    return caseInfo.param.name;
}

// ---------------------------------------------------------------------------------------
// Reading integers

struct ReadCase {
    const char* name;
    std::optional<std::string> file;  // none: there is no file
    std::int32_t defaultValue;
    std::int32_t expected;
};

void PrintTo(const ReadCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

// A file whose section "main" holds "Interval" with the given value text.
std::string IntervalFile(const std::string& value) {
    return "[main]\r\nInterval=" + value + "\r\n";
}

const std::string kZeros26(26, '0');
const std::string kZeros27(27, '0');
const std::string kZeros28(28, '0');
const std::string kZeros29(29, '0');

const ReadCase kReadCases[] = {
    // Where the value comes from.
    {"NoFile", std::nullopt, 1000, 1000},
    {"NoFileNegativeDefault", std::nullopt, -5, -5},
    {"EmptyFile", "", 1000, 1000},
    {"PlainValue", IntervalFile("500"), 1000, 500},
    {"KeyMissing", "[main]\r\nOther=5\r\n", 1000, 1000},
    {"SectionMissing", "[other]\r\nInterval=5\r\n", 1000, 1000},
    {"KeyBeforeAnySection", "Interval=5\r\n[main]\r\n", 1000, 1000},
    {"KeyInAnotherSection", "[main]\r\nA=1\r\n[other]\r\nInterval=5\r\n", 1000, 1000},
    {"NamesIgnoreCase", "[MAIN]\r\ninterval=8\r\n", 1000, 8},
    {"BlanksAroundEquals", "[main]\r\nInterval = 5\r\n", 1000, 5},
    {"TabsAroundEquals", "[main]\r\nInterval\t=\t7\r\n", 1000, 7},
    {"IndentedKey", "[main]\r\n  Interval=6\r\n", 1000, 6},
    {"BlanksInsideBrackets", "[ main ]\r\nInterval=9\r\n", 1000, 9},
    {"IndentedSection", "  [main]  \r\nInterval=10\r\n", 1000, 10},
    {"TextAfterBracket", "[main] ; note\r\nInterval=26\r\n", 1000, 26},
    {"NameRunsToLastBracket", "[main]x]\r\nInterval=6\r\n", 1000, 1000},
    {"UnclosedSection", "[main\r\nInterval=24\r\n", 1000, 1000},
    {"LfLineEnds", "[main]\nInterval=11\n", 1000, 11},
    {"CrLineEnds", "[main]\rInterval=12\r", 1000, 12},
    {"NoFinalLineEnd", "[main]\r\nInterval=13", 1000, 13},
    {"Utf8ByteOrderMark", "\xEF\xBB\xBF[main]\r\nInterval=14\r\n", 1000, 14},
    {"CtrlZCountsAsBlank", "\x1A[main]\r\nInterval=10\x1A", 1000, 10},
    {"NonAsciiSectionBefore", "[\xC5\x81]\r\n[main]\r\nInterval=15\r\n", 1000, 15},
    {"BlankLinesInSection", "[main]\r\n  \r\n\r\nInterval=28\r\n", 1000, 28},
    {"FirstOfTwoKeys", "[main]\r\nInterval=15\r\nInterval=16\r\n", 1000, 15},
    {"OnlyFirstOfTwoSections", "[main]\r\nA=1\r\n[main]\r\nInterval=19\r\n", 1000, 1000},
    {"SemicolonComment", "[main]\r\n;Interval=20\r\n", 1000, 1000},
    {"HashComment", "[main]\r\n#Interval=21\r\n", 1000, 1000},
    {"KeyWithoutEquals", "[main]\r\nInterval\r\n", 1000, 1000},
    {"KeyWithoutEqualsHidesLaterOne", "[main]\r\nInterval\r\nInterval=5\r\n", 1000, 1000},
    {"LongerKeyName", "[main]\r\nIntervals=29\r\n", 1000, 1000},
    {"QuotedKeyName", "[main]\r\n\"Interval\"=30\r\n", 1000, 1000},
    {"DoubleEquals", "[main]\r\nInterval==22\r\n", 1000, 0},
    // How the value text reads.
    {"EmptyValue", IntervalFile(""), 1000, 1000},
    {"OnlyBlanks", IntervalFile("   "), 1000, 1000},
    {"LeadingBlank", IntervalFile(" 12"), 1000, 12},
    {"LeadingTab", IntervalFile("\t13"), 1000, 13},
    {"LeadingControlCharacter",
     IntervalFile("\x01"
                  "8"),
     1000, 8},
    {"TrailingBlanks", IntervalFile("42  "), 1000, 42},
    {"DigitsThenLetters", IntervalFile("12abc"), 1000, 12},
    {"DigitsThenComment", IntervalFile("12;c"), 1000, 12},
    {"DigitsBlankDigits", IntervalFile("1 2"), 1000, 1},
    {"DecimalPoint", IntervalFile("12.7"), 1000, 12},
    {"Exponent", IntervalFile("1e3"), 1000, 1},
    {"Letters", IntervalFile("abc"), 1000, 0},
    {"FullWidthDigits", IntervalFile("\xEF\xBC\x91\xEF\xBC\x92"), 1000, 0},
    {"Negative", IntervalFile("-5"), 1000, -5},
    {"Plus", IntervalFile("+7"), 1000, 7},
    {"MinusThenBlank", IntervalFile("- 5"), 1000, 0},
    {"TwoMinus", IntervalFile("--5"), 1000, 0},
    {"LoneMinus", IntervalFile("-"), 1000, 0},
    {"NegativeZero", IntervalFile("  -0"), 1000, 0},
    {"LeadingZero", IntervalFile("010"), 1000, 10},
    {"HexPrefix", IntervalFile("0x10"), 1000, 16},
    {"HexUpperDigits", IntervalFile("0x7FFFFFFF"), 1000, 2147483647},
    {"HexPrefixUpperX", IntervalFile("0X10"), 1000, 0},
    {"HexPrefixAlone", IntervalFile("0x"), 1000, 0},
    {"HexThenBadDigit", IntervalFile("0x1g"), 1000, 1},
    {"NegativeHex", IntervalFile("-0x10"), 1000, -16},
    {"OctalPrefix", IntervalFile("0o17"), 1000, 15},
    {"OctalBadDigit", IntervalFile("0o8"), 1000, 0},
    {"BinaryPrefix", IntervalFile("0b101"), 1000, 5},
    {"Above16Bits", IntervalFile("70000"), 1000, 70000},
    {"Below16Bits", IntervalFile("-70000"), 1000, -70000},
    {"Largest", IntervalFile("2147483647"), 1000, 2147483647},
    {"Smallest", IntervalFile("-2147483648"), 1000, -2147483647 - 1},
    {"OneAboveLargest", IntervalFile("2147483648"), 1000, -2147483647 - 1},
    {"OneBelowSmallest", IntervalFile("-2147483649"), 1000, 2147483647},
    {"AllOnes", IntervalFile("4294967295"), 1000, -1},
    {"HexAllOnes", IntervalFile("0xFFFFFFFF"), 1000, -1},
    {"TwoToThe32", IntervalFile("4294967296"), 1000, 0},
    {"TwoToThe32PlusOne", IntervalFile("4294967297"), 1000, 1},
    {"Eleven9s", IntervalFile("99999999999"), 1000, 1215752191},
    {"Twenty9s", IntervalFile("99999999999999999999"), 1000, 1661992959},
    {"DoubleQuoted", IntervalFile("\"42\""), 1000, 42},
    {"SingleQuoted", IntervalFile("'42'"), 1000, 42},
    {"QuotedWithBlanks", IntervalFile("\" 9 \""), 1000, 9},
    {"QuotedNegative", IntervalFile("\"-3\" "), 1000, -3},
    {"QuotedHex", IntervalFile("\"0x10\""), 1000, 16},
    {"QuotesDoNotMatch", IntervalFile("\"42'"), 1000, 0},
    {"OpeningQuoteOnly", IntervalFile("\"42"), 1000, 0},
    {"ClosingQuoteOnly", IntervalFile("42\""), 1000, 42},
    {"LoneQuote", IntervalFile("\""), 1000, 0},
    {"EmptyQuotes", IntervalFile("\"\""), 1000, 1000},
    {"QuotedBlank", IntervalFile("\" \""), 1000, 0},
    {"QuotedThenComment", IntervalFile("\"5\" ; c"), 1000, 0},
    {"ThirtyCharacters", IntervalFile(kZeros28 + "12"), 1000, 1},
    {"ThirtyOneCharacters", IntervalFile(kZeros29 + "12"), 1000, 0},
    {"QuotedTwentyEight", IntervalFile("\"" + kZeros26 + "12\""), 1000, 12},
    {"QuotedTwentyNine", IntervalFile("\"" + kZeros27 + "12\""), 1000, 1},
    {"QuotedThirty", IntervalFile("\"" + kZeros28 + "12\""), 1000, 1},
    {"NulEndsValue",
     IntervalFile(std::string("3\0"
                              "4",
                              3)),
     1000, 3},
};

using ProfileReadTest = ProfileCaseTest<ReadCase>;

TEST_P(ProfileReadTest, ReadsTheIntegerThatWindowsReads) {
    const auto& [kind, testCase] = GetParam();
    const std::string path = SettingsFile(testCase.file);
    const auto profile = kind.make();
    EXPECT_EQ(profile->GetInt("main", "Interval", testCase.defaultValue, path), testCase.expected);
}

INSTANTIATE_TEST_SUITE_P(Profiles, ProfileReadTest,
                         Combine(ValuesIn(ProfileKinds()), ValuesIn(kReadCases)), kProfileCaseName);

// ---------------------------------------------------------------------------------------
// Writing values

struct WriteCase {
    const char* name;
    std::optional<std::string> before;  // none: there is no file yet
    const char* key;
    const char* value;
    std::string after;
};

void PrintTo(const WriteCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

const WriteCase kWriteCases[] = {
    {"CreatesTheFile", std::nullopt, "CapsLock", "0", "[main]\r\nCapsLock=0\r\n"},
    {"FillsAnEmptyFile", "", "CapsLock", "0", "[main]\r\nCapsLock=0\r\n"},
    {"ReplacesTheValueInPlace", "[main]\r\nCapsLock=5\r\nNumLock=1\r\n", "CapsLock", "0",
     "[main]\r\nCapsLock=0\r\nNumLock=1\r\n"},
    {"MatchesNamesIgnoringCase", "[MAIN]\r\ncapslock=5\r\n", "CapsLock", "7",
     "[MAIN]\r\ncapslock=7\r\n"},
    {"ReplacedLineLosesItsBlanks", "[main]\r\n  CapsLock = 5 \r\nNumLock=1\r\n", "CapsLock", "0",
     "[main]\r\nCapsLock=0\r\nNumLock=1\r\n"},
    {"AddsKeyAtEndOfItsSection", "[main]\r\nA=1\r\n[other]\r\nB=2\r\n", "CapsLock", "0",
     "[main]\r\nA=1\r\nCapsLock=0\r\n[other]\r\nB=2\r\n"},
    {"AddsKeyAfterTrailingComment", "[main]\r\nA=1\r\n; note\r\n[other]\r\nB=2\r\n", "CapsLock",
     "0", "[main]\r\nA=1\r\n; note\r\nCapsLock=0\r\n[other]\r\nB=2\r\n"},
    {"AddsSectionAtEndOfFile", "; top\r\n[other]\r\nB=2\r\n", "CapsLock", "0",
     "; top\r\n[other]\r\nB=2\r\n[main]\r\nCapsLock=0\r\n"},
    {"FinishesAnUnfinishedLastLine", "[other]\r\nB=2", "CapsLock", "0",
     "[other]\r\nB=2\r\n[main]\r\nCapsLock=0\r\n"},
    {"FinishesTheReplacedLastLine", "[main]\r\nCapsLock=1", "CapsLock", "2",
     "[main]\r\nCapsLock=2\r\n"},
    {"FillsASectionHeaderWithoutLineEnd", "[main]", "CapsLock", "0", "[main]\r\nCapsLock=0\r\n"},
    {"KeepsLinesBeforeTheFirstSection", "; top\r\nx=y\r\n[main]\r\nCapsLock=1\r\n", "CapsLock", "2",
     "; top\r\nx=y\r\n[main]\r\nCapsLock=2\r\n"},
    {"LeavesACommentedKeyAlone", "[main]\r\n;CapsLock=1\r\n", "CapsLock", "0",
     "[main]\r\n;CapsLock=1\r\nCapsLock=0\r\n"},
    {"ReplacesTheFirstOfTwoKeys", "[main]\r\nCapsLock=1\r\nCapsLock=2\r\n", "CapsLock", "9",
     "[main]\r\nCapsLock=9\r\nCapsLock=2\r\n"},
    {"WritesIntoTheFirstOfTwoSections", "[main]\r\nA=1\r\n[main]\r\nCapsLock=3\r\n", "CapsLock",
     "4", "[main]\r\nA=1\r\nCapsLock=4\r\n[main]\r\nCapsLock=3\r\n"},
    {"GivesAKeyWithoutEqualsItsValue", "[main]\r\nCapsLock\r\nX=1\r\n", "CapsLock", "0",
     "[main]\r\nCapsLock=0\r\nX=1\r\n"},
    {"KeepsTheByteOrderMark", "\xEF\xBB\xBF[main]\r\nCapsLock=1\r\n", "CapsLock", "2",
     "\xEF\xBB\xBF[main]\r\nCapsLock=2\r\n"},
    {"LeavesFileAloneWhenValueIsTheSame", "[main]\n\n  CapsLock = 1\n\n", "CapsLock", "1",
     "[main]\n\n  CapsLock = 1\n\n"},
    {"WritesNegativeValue", "[main]\r\nA=1\r\n", "CapsLock", "-1",
     "[main]\r\nA=1\r\nCapsLock=-1\r\n"},
    {"DropsLeadingBlanksOfTheValue", "[main]\r\nA=1\r\n", "CapsLock", "  5",
     "[main]\r\nA=1\r\nCapsLock=5\r\n"},
};

using ProfileWriteTest = ProfileCaseTest<WriteCase>;

TEST_P(ProfileWriteTest, ChangesOnlyWhatItMust) {
    const auto& [kind, testCase] = GetParam();
    const std::string path = SettingsFile(testCase.before);
    const auto profile = kind.make();
    profile->WriteString("main", testCase.key, testCase.value, path);
    EXPECT_EQ(ReadFileBytes(path), testCase.after);
}

INSTANTIATE_TEST_SUITE_P(Profiles, ProfileWriteTest,
                         Combine(ValuesIn(ProfileKinds()), ValuesIn(kWriteCases)),
                         kProfileCaseName);

// ---------------------------------------------------------------------------------------
// Paths

class ProfilePathTest : public TestWithParam<ProfileKind> {
protected:
    TempFolder folder_;
};

TEST_P(ProfilePathTest, FindsItsFileInAFolderTheAnsiCodePageCannotSpell) {
    const std::string path = folder_.File("Keystead.ini");
    ASSERT_NE(path.find("\xC5\x81ukasz"), std::string::npos);
    const auto profile = GetParam().make();

    profile->WriteString("main", "NumLock", "2", path);

    EXPECT_TRUE(std::filesystem::exists(FromUtf8(path)));
    EXPECT_EQ(profile->GetInt("main", "NumLock", 1, path), 2);
}

TEST_P(ProfilePathTest, AcceptsTwoSeparatorsInARow) {
    // As the path of a program at the root of a drive has them ("C:\\Keystead.ini").
    const std::string doubled = folder_.Folder() + kSeparator + kSeparator + "Keystead.ini";
    const auto profile = GetParam().make();

    profile->WriteString("main", "Interval", "250", doubled);

    EXPECT_EQ(ReadFileBytes(folder_.File("Keystead.ini")), "[main]\r\nInterval=250\r\n");
    EXPECT_EQ(profile->GetInt("main", "Interval", 1000, doubled), 250);
}

TEST_P(ProfilePathTest, LosesAWriteIntoAMissingFolderSilently) {
    const std::string path = folder_.File("missing") + kSeparator + "Keystead.ini";
    const auto profile = GetParam().make();

    bool written = true;
    EXPECT_NO_THROW(written = profile->WriteString("main", "CapsLock", "0", path));
    EXPECT_FALSE(written);

    EXPECT_FALSE(std::filesystem::exists(FromUtf8(path)));
    EXPECT_EQ(profile->GetInt("main", "CapsLock", 3, path), 3);
}

// What start-up and shut-down judge a settings file by.
TEST_P(ProfilePathTest, TellsWhetherTheFileIsThereAndWhetherItWasWritten) {
    const std::string path = folder_.File("Keystead.ini");
    const auto profile = GetParam().make();
    EXPECT_EQ(profile->State(path), FileState::Missing);
    EXPECT_TRUE(profile->WriteString("main", "CapsLock", "0", path));
    EXPECT_EQ(profile->State(path), FileState::Writable);
    EXPECT_TRUE(profile->WriteString("main", "CapsLock", "0", path)) << "unchanged";

    // A folder where the file would be can be neither read nor written.
    const std::string blocked = folder_.File("Blocked.ini");
    std::filesystem::create_directory(FromUtf8(blocked));
    EXPECT_EQ(profile->State(blocked), FileState::Missing);
    EXPECT_FALSE(profile->WriteString("main", "CapsLock", "0", blocked));
}

TEST_P(ProfilePathTest, CreatesAFolderToWriteInto) {
    const std::string folder = folder_.File("Tarvine Keystead");
    const std::string path = folder + kSeparator + "Keystead.ini";
    const auto profile = GetParam().make();
    profile->CreateFolder(folder);
    profile->CreateFolder(folder);  // already there: nothing happens
    EXPECT_TRUE(profile->WriteString("main", "Interval", "250", path));
    EXPECT_EQ(ReadFileBytes(path), "[main]\r\nInterval=250\r\n");
}

INSTANTIATE_TEST_SUITE_P(Profiles, ProfilePathTest, ValuesIn(ProfileKinds()), KindName);

}  // namespace
}  // namespace keystead::settings::testing

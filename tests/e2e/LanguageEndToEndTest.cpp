// The language the real program speaks, as a user or Windows chooses it: read back from the
// settings window's Cancel button, whose term each language's Windows fixes.
#include <gtest/gtest.h>

#include <string>

#include "CapsLockTest.h"
#include "KeysteadProcess.h"

namespace keystead::e2e {
namespace {

struct Spoken {
    const char* tag;  // as `Language=` in [main]
    const wchar_t* cancel;
};

// Each start of the program under Wine takes seconds, so three languages go end to end: one of
// letters beyond the code page here, English for a tag the program lacks and German from
// Windows (below). Every tag's term is held by tests/language, every language's windows by
// tests/app.
constexpr Spoken kCancelTerms[] = {{"ja", L"キャンセル"}};

// A caption without its access key: "&Cancel" and "キャンセル(&C)" both read as the term.
std::wstring WithoutAccessKey(std::wstring caption) {
    const auto mark = caption.find(L"(&");
    if (mark != std::wstring::npos && caption.size() == mark + 4 && caption.back() == L')') {
        caption.erase(mark);
    }
    std::wstring plain;
    for (std::size_t at = 0; at < caption.size(); ++at) {
        if (caption[at] == L'&' && at + 1 < caption.size()) {
            ++at;  // "&&" stands for one '&'
        }
        plain += caption[at];
    }
    return plain;
}

class LanguageEndToEnd : public CapsLockTest {
protected:
    // The Cancel button's caption of a run started with the settings file's [main] lines.
    std::wstring CancelCaption(const std::string& mainLines) {
        folder_.WriteIni("[main]\r\nCapsLock=2\r\nNumLock=2\r\nScrollLock=2\r\n" + mainLines);
        process_ = StartIn(folder_);
        if (!process_->Open()) {
            return L"<not shown>";
        }
        // Esc presses the Cancel button through the dialog manager's IDCANCEL, in any language.
        const HWND cancel = GetDlgItem(process_->Window(), IDCANCEL);
        if (cancel == nullptr) {
            return L"<no Cancel button>";
        }
        wchar_t text[64] = {};
        GetWindowTextW(cancel, text, 64);
        return WithoutAccessKey(text);
    }

    ProgramFolder folder_{L"keystead-language-e2e"};
};

class EachLanguage : public LanguageEndToEnd, public ::testing::WithParamInterface<Spoken> {};

TEST_P(EachLanguage, CancelReadsTheWindowsTerm) {
    const Spoken& language = GetParam();
    EXPECT_EQ(CancelCaption(std::string("Language=") + language.tag + "\r\n"), language.cancel);
}

INSTANTIATE_TEST_SUITE_P(Tags, EachLanguage, ::testing::ValuesIn(kCancelTerms),
                         [](const ::testing::TestParamInfo<Spoken>& param) {
                             std::string name = param.param.tag;
                             std::erase(name, '-');
                             return name;
                         });

TEST_F(LanguageEndToEnd, ATagTheProgramLacksGivesEnglish) {
    EXPECT_EQ(CancelCaption("Language=xx\r\n"), L"Cancel");
}

// Wine takes a program's display language from the Linux locale its first Windows process
// started under, and hands it down to every process that one starts, whatever environment
// they are given: this suite runs once more with LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8.
TEST_F(LanguageEndToEnd, AnEmptyLanguageFollowsAGermanWindows) {
    if (PRIMARYLANGID(GetUserDefaultUILanguage()) != LANG_GERMAN) {
        GTEST_SKIP() << "Windows' display language is not German here: run the suite with "
                        "LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8";
    }
    EXPECT_EQ(CancelCaption("Language=\r\n"), L"Abbrechen");
}

}  // namespace
}  // namespace keystead::e2e

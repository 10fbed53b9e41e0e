// Which language the program speaks, and that each speaks every text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language/Language.h"
#include "language/Texts.h"

namespace keystead::language {
namespace {

TEST(ChooseLanguage, PolicyThenOwnThenWindowsThenEnglish) {
    using enum Language;
    struct Case {
        const char* policy;
        const char* own;
        std::vector<std::string> windows;
        Language expected;
    } const cases[] = {
        {"", "", {}, English},
        {"", "", {"de-DE", "fr-FR"}, German},          // the language without its region
        {"", "", {"pt-BR"}, PortugueseBrazil},         // the exact tag
        {"", "", {"pt-PT"}, PortugueseBrazil},         // the Portuguese there is
        {"", "", {"sv-SE", "nl-BE", "de-DE"}, Dutch},  // the first the program has
        {"", "", {"zh-TW", "ja-JP"}, Japanese},        // no Traditional Chinese
        {"", "", {"zh-Hans-CN"}, ChineseSimplified},   // named by its script
        {"", "", {"ZH-cn"}, ChineseSimplified},        // case aside
        {"", "", {"sv-SE"}, English},                  // none the program has
        {"", "ru", {"de-DE"}, Russian},                // the user's own over Windows'
        {"", "pl-PL", {}, Polish},
        {"", "xx", {"de-DE"}, English},  // an unknown tag gives English
        {"", "EN", {"de-DE"}, English},
        {"it", "fr", {"de-DE"}, Italian},  // the administrator's over all
        {"nonsense", "fr", {"de-DE"}, English},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseLanguage(c.policy, c.own, c.windows), c.expected)
            << "policy '" << c.policy << "', own '" << c.own << "', Windows "
            << (c.windows.empty() ? "-" : c.windows.front());
    }
}

// The tag a user writes as `Language=` reaches the term that language's Windows gives its Cancel
// button. The end-to-end suite starts the real program for three of them; this holds every one.
TEST(ChooseLanguage, EachTagSpeaksItsWindowsCancelTerm) {
    struct Case {
        const char* tag;
        const char* cancel;
    } const cases[] = {
        {"en", "Cancel"},  {"de", "Abbrechen"},   {"fr", "Annuler"},   {"es", "Cancelar"},
        {"it", "Annulla"}, {"pt-BR", "Cancelar"}, {"nl", "Annuleren"}, {"pl", "Anuluj"},
        {"ru", "Отмена"},  {"ja", "キャンセル"},  {"zh-CN", "取消"},   {"xx", "Cancel"},
        {"tlh", "Cancel"},  // tags the program lacks give English
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(Say(Text::Cancel, ChooseLanguage("", c.tag, {})), c.cancel) << c.tag;
    }
}

// A language ships complete: a text left empty in any column fails here.
TEST(Texts, EveryTextInEveryLanguage) {
    for (std::size_t text = 0; text < kTextCount; ++text) {
        for (std::size_t language = 0; language < kLanguageCount; ++language) {
            const char* said = Say(static_cast<Text>(text), static_cast<Language>(language));
            EXPECT_TRUE(said != nullptr && said[0] != '\0')
                << "text " << text << " in " << kLanguageTags[language];
            // A pattern keeps its place for what the program puts in.
            EXPECT_EQ(std::string(said).find("{}") == std::string::npos,
                      std::string(English(static_cast<Text>(text))).find("{}") == std::string::npos)
                << "text " << text << " in " << kLanguageTags[language];
        }
    }
}

// The texts are kept packed, each distinct one once: each still says its own column.
TEST(Texts, EachSaysItsColumnOfTheTable) {
    struct Row {
        const char* text[kLanguageCount];
    };
#define KEYSTEAD_TEXT(name, ...) Row{{__VA_ARGS__}},
    const Row table[] = {
#include "language/TextTable.h"
    };
#undef KEYSTEAD_TEXT
    for (std::size_t text = 0; text < kTextCount; ++text) {
        for (std::size_t language = 0; language < kLanguageCount; ++language) {
            EXPECT_STREQ(Say(static_cast<Text>(text), static_cast<Language>(language)),
                         table[text].text[language])
                << "text " << text << " in " << kLanguageTags[language];
        }
    }
}

TEST(Texts, AccessKeysAndPatterns) {
    struct Case {
        const char* caption;
        char32_t key;
        const char* without;
    } const cases[] = {
        {"R&esume", U'E', "Resume"},       {"適用(&A)", U'A', "適用"},
        {"&Применить", U'П', "Применить"}, {"Ü&bernehmen", U'B', "Übernehmen"},
        {"Cancel", 0, "Cancel"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AccessKey(c.caption), c.key) << c.caption;
        EXPECT_EQ(WithoutAccessKey(c.caption), c.without) << c.caption;
    }
    EXPECT_EQ(Fill(Say(Text::HeldOffNote, Language::German), "Num-Taste"), "Num-Taste bleibt aus");
}

std::u32string Decoded(const std::string& utf8) {
    std::u32string text;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at++]);
        int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        for (; extra > 0 && at < utf8.size(); --extra) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[at++]) & 0x3F);
        }
        text.push_back(c);
    }
    return text;
}

// Windows-1252: what "MS Sans Serif" draws. Its letters beyond ASCII and Latin-1.
bool InWesternCodePage(char32_t c) {
    static const std::u32string kBeyondLatin1 = U"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
    return c < 0x80 || (c >= 0xA0 && c <= 0xFF) || kBeyondLatin1.find(c) != std::u32string::npos;
}

// A language drawn in "MS Sans Serif" uses no letter the font lacks; one that needs such a
// letter must take the system's message font instead.
TEST(Texts, LanguagesInMsSansSerifUseItsLetters) {
    for (std::size_t language = 0; language < kLanguageCount; ++language) {
        if (NeedsSystemFont(static_cast<Language>(language))) {
            continue;
        }
        for (std::size_t text = 0; text < kTextCount; ++text) {
            const std::string said = Say(static_cast<Text>(text), static_cast<Language>(language));
            for (const char32_t c : Decoded(said)) {
                EXPECT_TRUE(InWesternCodePage(c))
                    << kLanguageTags[language] << ": \"" << said << "\"";
            }
        }
    }
}

}  // namespace
}  // namespace keystead::language

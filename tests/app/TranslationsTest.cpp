// The program in each of its languages: chosen at the start, complete, and with no access
// key twice in a window or a menu.
#include <set>

#include "MainHarness.h"
#include "app/ChosenLanguage.h"
#include "language/Texts.h"

namespace keystead::app::testing {
namespace {

using language::Language;
using language::Text;

constexpr int kContextMenu = 0x7B;  // WM_CONTEXTMENU, as the shell reports the menu key

// Every window built from the table of texts. A new window joins here, and these tests and
// the Win32 one that measures the texts cover it.
using DesignOf = const toolkit::FormDesign& (*)(Language);
const DesignOf kWindows[] = {&MainFormDesign};
// A text a window shows at run time in place of a control's caption.
struct Alternate {
    int id;
    Text text;
};
const Alternate kAlternates[] = {{SuspendButton, Text::Resume}};

std::string Tag(Language language) {
    return language::kLanguageTags[static_cast<std::size_t>(language)];
}

void ExpectKeysUnique(const std::vector<std::string>& captions, const std::string& where) {
    std::set<char32_t> keys;
    for (const std::string& caption : captions) {
        const char32_t key = language::AccessKey(caption);
        EXPECT_TRUE(key == 0 || keys.insert(key).second)
            << where << ": the access key of \"" << caption << "\" is taken";
    }
}

TEST(Translations, NoAccessKeyTwiceInAnyWindow) {
    for (std::size_t at = 0; at < language::kLanguageCount; ++at) {
        const auto language = static_cast<Language>(at);
        for (const DesignOf designOf : kWindows) {
            const toolkit::FormDesign& design = designOf(language);
            EXPECT_STREQ(design.caption, kProductName) << "the caption stays the product's name";
            std::vector<std::string> captions;
            for (const toolkit::ControlDesign& control : design.controls) {
                captions.push_back(control.caption);
            }
            ExpectKeysUnique(captions, Tag(language));
            for (const Alternate& alternate : kAlternates) {
                std::vector<std::string> shown;
                for (const toolkit::ControlDesign& control : design.controls) {
                    shown.push_back(control.id == alternate.id
                                        ? language::Say(alternate.text, language)
                                        : control.caption);
                }
                ExpectKeysUnique(shown, Tag(language) + " with an alternate caption");
            }
        }
    }
}

class TranslatedStart : public MainTest {
protected:
    // As the program's start does: the language first, then the window.
    void StartIn(Language language) {
        main = std::make_unique<Main>(platform, language);
        form = factory.last;
        main->Form().Load();
    }
};

// `Language` in the file picks the window's and the menu's words; Windows' choice is the
// fallback.
TEST_F(TranslatedStart, SpeaksTheChosenLanguageInWindowAndMenu) {
    for (std::size_t at = 0; at < language::kLanguageCount; ++at) {
        const auto language = static_cast<Language>(at);
        profile.Put("Language", Tag(language));
        app.preferredLanguages = {"ja-JP"};
        StartIn(ChosenLanguage(app, profile, registryApi));
        EXPECT_EQ(Form().Caption(CancelButton), language::Say(Text::Cancel, language));
        for (const bool suspended : {false, true}) {
            if (suspended) {
                main->RunCommand(Command::Toggle);
            }
            notifyArea.menus.clear();
            form->MouseMove().Raise(0, 0, kContextMenu * 15.0f, 15.0f);  // the menu key
            std::vector<std::string> captions;
            for (const auto& item : notifyArea.menus.at(0).items) {
                captions.push_back(item.caption);
            }
            EXPECT_EQ(captions.front(), language::Say(Text::MenuSettings, language));
            ExpectKeysUnique(captions, Tag(language) + " tray menu");
        }
        main.reset();
    }
    profile.Put("Language", "");
    StartIn(ChosenLanguage(app, profile, registryApi));
    EXPECT_EQ(Form().Caption(CancelButton), "キャンセル") << "Windows' choice";
    main.reset();
    profile.Put("Language", "fr");
    registryApi.store.CreateKey(registry::kHkeyLocalMachine, kPolicySubKey);
    registryApi.store.PutValue(registry::kHkeyLocalMachine, kPolicySubKey, "Language",
                               TextValue("de"));
    StartIn(ChosenLanguage(app, profile, registryApi));
    EXPECT_EQ(Form().Caption(CancelButton), "Abbrechen") << "the administrator's choice";
}

}  // namespace
}  // namespace keystead::app::testing

// The program in each of its languages: chosen at the start, complete, and with no access
// key twice in a window or a menu.
#include <set>
#include <string>
#include <vector>

#include "MainHarness.h"
#include "app/ChosenLanguage.h"
#include "display/DisplayWindow.h"
#include "language/Texts.h"
#include "programs/ProgramsWindow.h"

namespace keystead::app::testing {
namespace {

using language::Language;
using language::Text;

constexpr int kContextMenu = 0x7B;  // WM_CONTEXTMENU, as the shell reports the menu key

// Every window built from the table of texts. A new window joins here, and these tests and
// the Win32 one that measures the texts cover it.
using DesignOf = const toolkit::FormDesign& (*)(Language);
struct Window {
    DesignOf designOf;
    bool titledWithTheName;  // the settings window's title is the product's name alone
};
const Window kWindows[] = {{&MainFormDesign, true},
                           {&display::DisplayFormDesign, false},
                           {&programs::ProgramsFormDesign, false}};

// The access keys of the items Windows puts in every system menu (Restore, Move, Size,
// Minimize, Maximize, Close) in each language, by language::Language.
const std::u32string kWindowsSystemMenuKeys[] = {U"RMSNXC", U"WVGNXS", U"RDTUAF", U"RMTNXC",
                                                 U"RSRINC", U"RMTNXF", U"VVFMXS", U"RERNKZ",
                                                 U"ВПРСАЗ", U"RMSNXC", U"RMSNXC"};

std::string Tag(Language language) {
    return language::kLanguageTags[static_cast<std::size_t>(language)];
}

void ExpectKeysUnique(const std::vector<std::string>& captions, const std::string& where,
                      std::u32string taken = {}) {
    std::set<char32_t> keys(taken.begin(), taken.end());
    for (const std::string& caption : captions) {
        const char32_t key = language::AccessKey(caption);
        EXPECT_TRUE(key == 0 || keys.insert(key).second)
            << where << ": the access key of \"" << caption << "\" is taken";
    }
}

TEST(Translations, NoAccessKeyTwiceInAnyWindow) {
    for (std::size_t at = 0; at < language::kLanguageCount; ++at) {
        const auto language = static_cast<Language>(at);
        for (const Window& window : kWindows) {
            const toolkit::FormDesign& design = window.designOf(language);
            const std::string where = Tag(language) + " " + design.caption;
            if (window.titledWithTheName) {
                EXPECT_STREQ(design.caption, kProductName) << "the product's name";
            } else {
                EXPECT_NE(std::string(design.caption), kProductName) << where;
                EXPECT_NE(std::string(design.caption).find(kProductName), std::string::npos)
                    << where << ": names the product";
            }
            std::vector<std::string> captions;
            for (const toolkit::ControlDesign& control : design.controls) {
                captions.push_back(control.caption);
            }
            ExpectKeysUnique(captions, where);
            // A caption shown at run time in place of a control's own.
            for (const toolkit::ControlDesign& changing : design.controls) {
                for (const char* alternate : changing.alternateCaptions) {
                    std::vector<std::string> shown;
                    for (const toolkit::ControlDesign& control : design.controls) {
                        shown.push_back(&control == &changing ? alternate : control.caption);
                    }
                    ExpectKeysUnique(shown, where + " with \"" + alternate + "\"");
                }
            }
            std::vector<std::string> menu;
            for (const toolkit::MenuItemDesign& item : design.systemMenu) {
                menu.push_back(item.caption);
            }
            ExpectKeysUnique(menu, where + " system menu", kWindowsSystemMenuKeys[at]);
        }
    }
}

class TranslatedStart : public MainTest {
protected:
    // As the program's start does: the language first, then the window.
    void StartIn(Language language) {
        main = std::make_unique<Keystead>(platform, language);
        form = factory.last;
        main->Form().Load();
    }
};

// `Language` in the file picks the windows' and the menu's words; Windows' choice is the
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
        Form().SystemMenu(kDisplayMenuCommand);
        EXPECT_EQ(factory.last->Caption(display::DisplayCancelButton),
                  language::Say(Text::Cancel, language))
            << "the display window speaks the same";
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

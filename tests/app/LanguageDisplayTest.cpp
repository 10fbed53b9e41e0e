// The lock keys shown in the program's language, on fakes: the note of a key put back, the
// tooltip's key lines and its "(Suspended)"; and a tooltip at the shell's limit in languages
// whose letters take two and three bytes, which must reach the shell whole and never longer
// than its field.
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "MainHarness.h"

namespace keystead::app::testing {
namespace {

using language::Language;
using lockkeys::kVkCapital;
using lockkeys::kVkNumLock;

constexpr char kHead[] = "Tarvine Keystead\r\n";

class LanguageDisplayTest : public MainTest {
protected:
    LanguageDisplayTest() {
        keyboard.toggles = true;
        keyboard.states[kVkNumLock] = 1;
        profile.Put("NumLock", "2");  // Caps and Scroll Lock held off, Num Lock free and on
        profile.values[{"display", "ShowKeys"}] = "1";
        profile.values[{"display", "CapsLockNote"}] = "1";
    }
    void StartIn(Language language) {
        main = std::make_unique<Keystead>(platform, language);
        form = factory.last;
        main->Form().Load();
    }
};

// The UTF-16 units of UTF-8 text, as the shell counts its tooltip; -1 for a cut character.
int Utf16Units(const std::string& text) {
    int units = 0;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (lead >= 0x80 && lead < 0xC0) {
            return -1;
        }
        for (std::size_t follow = 1; follow < length; ++follow) {
            if (at + follow >= text.size() ||
                (static_cast<unsigned char>(text[at + follow]) & 0xC0) != 0x80) {
                return -1;
            }
        }
        units += length == 4 ? 2 : 1;
        at += length;
    }
    return units;
}

struct Case {
    Language language;
    const char* note;
    const char* keyLines;
    const char* suspended;
};
const Case kCases[] = {
    {Language::German, "Feststelltaste bleibt aus",
     "Feststelltaste: aus (fest)\r\nNum-Taste: ein\r\nRollen-Taste: aus (fest)", "(Ausgesetzt)"},
    {Language::Russian, "Caps Lock: удерживается выкл.",
     "Caps Lock: выкл. (удерж.)\r\nNum Lock: вкл.\r\nScroll Lock: выкл. (удерж.)",
     "(Приостановлено)"},
    {Language::Japanese, "Caps Lock はオフに固定",
     "Caps Lock: オフ (固定)\r\nNum Lock: オン\r\nScroll Lock: オフ (固定)", "(一時停止中)"},
};

TEST_F(LanguageDisplayTest, NotesAndTheTooltipSpeakTheProgramsLanguage) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(language::kLanguageTags[static_cast<std::size_t>(c.language)]);
        notes.notes.clear();
        StartIn(c.language);
        EXPECT_EQ(Tip(), std::string(kHead) + c.keyLines);
        PressCaps();
        ASSERT_EQ(notes.notes.size(), 1u);
        EXPECT_EQ(notes.notes[0].text, c.note);
        Notify(kRightUp);  // suspend
        const std::string suspended = Tip();
        EXPECT_EQ(suspended.substr(0, suspended.find("\r\n", sizeof kHead - 1)),
                  std::string(kHead) + c.suspended);
        EXPECT_EQ(std::count(suspended.begin(), suspended.end(), '\n'), 4) << "the three keys";
        main.reset();
    }
}

// Suspended and stepping aside for a program whose name grows past the room: at every length
// the shell gets whole characters, within its 127 units, and the keys while they fit.
TEST_F(LanguageDisplayTest, ATooltipAtTheShellsLimitReachesItWhole) {
    for (const Language language : {Language::Russian, Language::Japanese}) {
        for (std::size_t length = 1; length <= 120; length += 7) {
            const std::string program = std::string(length, 'p') + ".exe";
            SCOPED_TRACE(program);
            profile.values[{"pause", "Programs"}] = program;
            StartIn(language);
            Notify(kRightUp);
            foreground.BringToFront(program);
            const std::string tip = Tip();
            EXPECT_LE(tip.size(), tray::kMaxTooltipLength) << "the record's field";
            const int units = Utf16Units(tip);
            EXPECT_GE(units, 0) << "a character cut in two";
            EXPECT_LE(units, 127) << "past the shell's field";
            EXPECT_NE(tip.find(language::Say(language::Text::SuspendedLine, language)),
                      std::string::npos);
            main.reset();
        }
    }
}

}  // namespace
}  // namespace keystead::app::testing

// The tray icon from the keyboard: Enter shows the window, the menu key opens the icon's
// commands as a menu.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "policies/Policies.h"

namespace keystead::app::testing {
namespace {

constexpr int kKeySelect = 0x401;
constexpr int kContextMenu = 0x7B;

class TrayKeyboardTest : public MainTest {
protected:
    // The menu the menu key opens, choosing the item of this caption (none for "").
    std::vector<std::string> OpenMenu(const std::string& choose = "") {
        notifyArea.menus.clear();
        notifyArea.whileMenuOpen = [this, choose] {
            for (const auto& item : notifyArea.menus.back().items) {
                if (item.caption == choose && item.enabled) {
                    notifyArea.menuChoice = item.command;
                }
            }
        };
        notifyArea.menuChoice = 0;
        form->MouseMove().Raise(0, 0, kContextMenu * 15.0f, 15.0f);
        std::vector<std::string> captions;
        for (const auto& item : notifyArea.menus.at(0).items) {
            captions.push_back(item.caption + (item.enabled ? "" : " (greyed)"));
        }
        return captions;
    }
};

TEST_F(TrayKeyboardTest, EnterShowsTheWindow) {
    Start();
    form->MouseMove().Raise(0, 0, kKeySelect * 15.0f, 15.0f);
    EXPECT_TRUE(Form().Visible());
    EXPECT_TRUE(TimerOn());
}

TEST_F(TrayKeyboardTest, MenuOffersTheIconsCommandsAndCarriesThemOut) {
    Start();
    const std::vector<std::string> enforcing = {"&Settings",    "S&uspend", "Lock key &display...",
                                                "&Programs...", "&Help",    "E&xit"};
    EXPECT_EQ(OpenMenu(), enforcing);
    EXPECT_TRUE(TimerOn()) << "closed without a choice";

    OpenMenu("S&uspend");
    EXPECT_FALSE(TimerOn());
    EXPECT_EQ(OpenMenu("R&esume")[1], "R&esume");
    EXPECT_TRUE(TimerOn());

    OpenMenu("&Settings");
    EXPECT_TRUE(Form().Visible());
    OpenMenu("&Programs...");
    EXPECT_EQ(factory.last->Caption(programs::ProgramsOKButton), "&OK") << "the programs window";
    OpenMenu("&Help");
    EXPECT_EQ(shell.calls.size(), 1u);
    OpenMenu("E&xit");
    EXPECT_FALSE(Form().Loaded());
}

TEST_F(TrayKeyboardTest, SuspendIsGreyedWhenTheAdministratorForbidsIt) {
    registryApi.store.PutValue(registry::kHkeyLocalMachine, kPolicySubKey, "AllowSuspend",
                               {registry::kRegDword, {0, 0, 0, 0}});
    Start();
    EXPECT_EQ(OpenMenu("S&uspend")[1], "S&uspend (greyed)");
    EXPECT_TRUE(TimerOn());
}

}  // namespace
}  // namespace keystead::app::testing

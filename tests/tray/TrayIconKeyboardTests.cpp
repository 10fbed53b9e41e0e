// The icon under the shell's notification version 4: asked for after every add, events read
// in both shapes, Enter and Space, and the menu key's menu.

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/fake/FakeToolkit.h"
#include "tray/TrayIcon.h"
#include "tray/fake/FakeNotifyArea.h"

namespace keystead::tray {
namespace {

using toolkit::fake::FakeForm;

const toolkit::FormDesign kBareForm{"Main",   4000, 3000, {0, 0, 0}, {0, 0, 0},
                                    "Tahoma", 8.0f, 1,    {}};
constexpr std::int32_t kKeySelect = 0x401;
constexpr std::int32_t kContextMenu = 0x7B;

class Listener : public TrayIconEvents {
public:
    void TrayIcon_MouseUp(std::int16_t Button) override {
        events.push_back("Up(" + std::to_string(Button) + ")");
    }
    void TrayIcon_MouseDblClick(std::int16_t Button) override {
        events.push_back("DblClick(" + std::to_string(Button) + ")");
    }
    void TrayIcon_KeySelect() override { events.push_back("KeySelect"); }
    std::vector<TrayMenuItem> TrayIcon_MenuItems() override {
        return {{"&Settings", 1}, {"E&xit", 5}};
    }
    void TrayIcon_MenuClick(std::uint32_t command) override {
        events.push_back("MenuClick(" + std::to_string(command) + ")");
    }
    std::vector<std::string> events;
};

class TrayIconKeyboard : public ::testing::Test {
protected:
    void SetUp() override {
        icon.SetListener(&listener);
        icon.SetOwnerForm(&form);
        icon.SetIcon(&picture);
        icon.SetClock([this] { return now; });
    }
    // Under version 4 the high word holds the icon's id (1), the anchor goes in wParam.
    void Notify(std::int32_t message, int iconId = 1) {
        form.MouseMove().Raise(0, 0, static_cast<float>(message) * 15.0f,
                               static_cast<float>(iconId) * 15.0f);
    }

    toolkit::fake::NoFormEvents formEvents;
    FakeForm form{kBareForm, formEvents, 0x1234};
    toolkit::fake::FakePicture picture{0x5678};
    toolkit::fake::FakeScreen screen{15.0f};
    FakeNotifyArea shell;
    Listener listener;
    TrayIcon icon{shell, screen};
    std::int64_t now = 10'000;
};

TEST_F(TrayIconKeyboard, EveryAddThatTheShellTakesAsksForVersion4WithTheStandardTooltip) {
    shell.nextAnswers = {false, false};  // first add refused: tried again on the timer
    icon.Add();
    form.RetryTick();
    form.TaskbarCreated().Raise();  // Explorer restarted
    shell.answer = false;
    icon.Modify();  // the shell lost the icon: added again, and refused

    EXPECT_EQ(shell.AllOperations(),
              (std::vector<std::uint32_t>{kNimAdd, kNimModify, kNimAdd, kNimSetVersion, kNimAdd,
                                          kNimSetVersion, kNimModify, kNimAdd, kNimModify}));
    for (const auto& call : shell.allCalls) {
        EXPECT_EQ(call.record.uFlags, 0x87u);  // message, icon, tip, standard tooltip
        if (call.operation == kNimSetVersion) {
            EXPECT_EQ(call.record.uVersion, 4u);
        }
    }
}

TEST_F(TrayIconKeyboard, MouseCommandsArriveInTheOldShapeAndInVersion4s) {
    for (int iconId : {0, 1}) {
        Notify(0x205, iconId);
        Notify(0x203, iconId);
    }
    Notify(0x203, 2);  // another icon's id: not the shell's for ours
    EXPECT_EQ(listener.events,
              (std::vector<std::string>{"Up(2)", "DblClick(1)", "Up(2)", "DblClick(1)"}));
}

TEST_F(TrayIconKeyboard, EnterReportedTwiceForOnePressSelectsOnce) {
    Notify(kKeySelect);
    Notify(kKeySelect);
    now += 499;
    Notify(kKeySelect);
    now += 500;
    Notify(kKeySelect);  // a second press
    Notify(0x400);       // NIN_SELECT, after a left click: nothing, as the click itself
    EXPECT_EQ(listener.events, (std::vector<std::string>{"KeySelect", "KeySelect"}));
}

TEST_F(TrayIconKeyboard, MenuKeyOpensTheMenuAtTheAnchorAndReportsTheChoice) {
    icon.Add();
    form.anchor = {1800, 1050};
    shell.menuChoice = 5;
    Notify(kContextMenu);

    ASSERT_EQ(shell.menus.size(), 1u);
    EXPECT_EQ(shell.menus[0].owner, 0x1234u);
    EXPECT_EQ(shell.menus[0].x, 1800);
    EXPECT_EQ(shell.menus[0].y, 1050);
    ASSERT_EQ(shell.menus[0].items.size(), 2u);
    EXPECT_EQ(shell.menus[0].items[1].caption, "E&xit");
    EXPECT_EQ(listener.events, std::vector<std::string>{"MenuClick(5)"});
    EXPECT_EQ(shell.AllOperations().back(), kNimSetVersion) << "no focus call after a choice";
}

TEST_F(TrayIconKeyboard, MenuClosedWithoutAChoiceGivesTheFocusBackAndDropsNotifications) {
    icon.Add();
    shell.whileMenuOpen = [this] { Notify(0x206); };  // the menu's loop lets messages in
    Notify(kContextMenu);

    EXPECT_EQ(shell.menus.size(), 1u);
    EXPECT_TRUE(listener.events.empty());
    EXPECT_EQ(shell.AllOperations().back(), kNimSetFocus);
    EXPECT_EQ(shell.allCalls.back().record.uID, 1u);
}

TEST_F(TrayIconKeyboard, TheContextMenuThatEndsARightClickOpensNothing) {
    for (std::int32_t message : {0x204, 0x205, 0x200, kContextMenu}) {
        Notify(message);
    }
    EXPECT_TRUE(shell.menus.empty());
    EXPECT_EQ(listener.events, std::vector<std::string>{"Up(2)"});
    Notify(kContextMenu);  // then the menu key
    EXPECT_EQ(shell.menus.size(), 1u);
}

}  // namespace
}  // namespace keystead::tray

// Stepping aside as the rest of the program hears it: one change per change, and the window
// in front watched only while someone needs it.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "pause/SteppingAside.h"
#include "pause/fake/FakeForeground.h"

namespace keystead::pause {
namespace {

class SteppingAsideTest : public ::testing::Test, private SteppingAsideEvents {
protected:
    FakeForeground foreground_;
    std::vector<std::string> heard_;
    SteppingAside steppingAside_{foreground_, *this};

private:
    void SteppingAside_Change() override {
        heard_.push_back(steppingAside_.Active() ? "aside for " + steppingAside_.Program()
                                                 : "back");
    }
    void SteppingAside_Foreground() override { heard_.push_back("front"); }
};

TEST_F(SteppingAsideTest, OneChangeEachTimeItBeginsEndsOrNamesAnotherProgram) {
    foreground_.program = "notepad.exe";
    steppingAside_.SetAdministratorList("game.exe;mstsc.exe");
    foreground_.BringToFront("game.exe");
    foreground_.BringToFront("game.exe");
    foreground_.BringToFront("mstsc.exe");
    foreground_.BringToFront("notepad.exe");
    EXPECT_EQ(heard_, (std::vector<std::string>{"aside for game.exe", "front", "front",
                                                "aside for mstsc.exe", "front", "back", "front"}));
}

TEST_F(SteppingAsideTest, TheWindowInFrontIsWatchedOnlyForARuleOrWhenAskedFor) {
    struct Case {
        const char* programs;
        bool askedFor;
        bool watched;
    };
    const Case cases[] = {
        {"", false, false}, {"", true, true}, {"game.exe", false, true}, {"game.exe", true, true}};
    for (const Case& c : cases) {
        steppingAside_.SetAdministratorList(c.programs);
        steppingAside_.WatchAlsoFor(c.askedFor);
        EXPECT_EQ(foreground_.listener != nullptr, c.watched) << c.programs << c.askedFor;
    }
    steppingAside_.StopWatching();
    EXPECT_EQ(foreground_.listener, nullptr);
}

}  // namespace
}  // namespace keystead::pause

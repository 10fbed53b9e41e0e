// Which lock modes hold while a program is in front: the user's list, the administrator's
// entries over it, and the main settings for any program not listed.
#include "programs/ProgramsInForce.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keystead::programs {
namespace {

using lockkeys::kAllowToggling;
using lockkeys::kForceOff;
using lockkeys::kForceOn;

// Caps Lock off, Num Lock on, Scroll Lock free.
const lockkeys::Settings kMain{kForceOff, kForceOn, kAllowToggling, lockkeys::kTrue};

ProgramModesList List(const std::vector<std::string>& lines) {
    return BuildProgramModesList(lines);
}

// A main mode the administrator fixes holds for the user's programs; the administrator's own
// entries may still set it.
TEST(ProgramsInForce, AFixedMainModeHoldsOverTheUsersEntriesOnly) {
    ProgramsInForce programs;
    programs.SetOwn(List({"typer.exe=2,2,"}));
    programs.SetAdministrator("excel.exe=1,,\n", {true, false, false});
    programs.SetFront("typer.exe");
    EXPECT_EQ(programs.Over(kMain),
              (lockkeys::Settings{kForceOff, kAllowToggling, kAllowToggling, lockkeys::kTrue}));
    programs.SetFront("excel.exe");
    EXPECT_EQ(programs.Over(kMain),
              (lockkeys::Settings{kForceOn, kForceOn, kAllowToggling, lockkeys::kTrue}));
    programs.SetAdministrator("", {});
    programs.SetFront("typer.exe");
    EXPECT_EQ(programs.Over(kMain).CapsLockMode, kAllowToggling);
}

TEST(ProgramsInForce, TheProgramInFrontSetsItsModesOverTheMainSettings) {
    struct Case {
        const char* front;
        const char* inForce;  // its name as listed, or empty for the main settings
        lockkeys::Settings expected;
    };
    const Case cases[] = {
        {"TYPER.exe", "typer.exe", {kAllowToggling, kForceOn, kAllowToggling, lockkeys::kTrue}},
        {"excel.exe", "Excel.exe", {kForceOff, kForceOn, kForceOff, lockkeys::kTrue}},
        {"notepad.exe", "", kMain},
        {"", "", kMain},  // no window, or one of a program that may not be asked
        {"typer", "", kMain},
    };
    ProgramsInForce programs;
    programs.SetOwn(List({"typer.exe=2,,", "Excel.exe=,, 0"}));
    for (const Case& c : cases) {
        programs.SetFront(c.front);
        EXPECT_EQ(programs.Front(), c.inForce) << c.front;
        EXPECT_EQ(programs.Over(kMain), c.expected) << c.front;
    }
}

TEST(ProgramsInForce, SaysWhenTheModesOfTheProgramInFrontChange) {
    ProgramsInForce programs;
    EXPECT_FALSE(programs.SetOwn(List({"a.exe=1,,", "b.exe=1,,"})));
    EXPECT_FALSE(programs.SetFront("notepad.exe"));
    EXPECT_TRUE(programs.SetFront("a.exe"));
    EXPECT_FALSE(programs.SetFront("A.EXE")) << "the same program";
    EXPECT_TRUE(programs.SetFront("b.exe")) << "the same modes, but the tooltip names another";
    EXPECT_TRUE(programs.SetOwn(List({"b.exe=0,,"}))) << "the window changed its modes";
    EXPECT_FALSE(programs.SetOwn(List({"b.exe=0,,", "c.exe=1,,"})));
    EXPECT_TRUE(programs.SetOwn({})) << "no longer listed: the main settings";
    EXPECT_EQ(programs.Front(), "");
    EXPECT_TRUE(programs.Empty());
}

TEST(ProgramsInForce, AnAdministratorsEntryReplacesTheUsersForTheSameProgram) {
    ProgramsInForce programs;
    programs.SetOwn(List({"typer.exe=2,,", "excel.exe=,1,"}));
    EXPECT_TRUE(programs.SetFront("typer.exe"));
    EXPECT_TRUE(programs.SetAdministrator("TYPER.EXE=0,,\nbad\\path.exe=1,,\nx.exe=5,,"));
    EXPECT_EQ(programs.Over(kMain).CapsLockMode, kForceOff);
    EXPECT_TRUE(programs.Managed("typer.exe"));
    EXPECT_FALSE(programs.Managed("excel.exe"));
    EXPECT_FALSE(programs.Managed("x.exe")) << "a malformed entry is no rule";
    EXPECT_EQ(programs.Own().Programs().size(), 2u) << "the user's own list is kept";

    EXPECT_TRUE(programs.SetAdministrator(""));
    EXPECT_EQ(programs.Over(kMain).CapsLockMode, kAllowToggling) << "the user's comes back";
}

}  // namespace
}  // namespace keystead::programs

// The command line of a start: which switch it carries, and what the start then does.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/Launch.h"
#include "toolkit/fake/FakeToolkit.h"

namespace keystead::app {
namespace {

struct ParseCase {
    std::string arguments;
    std::optional<Command> expected;  // empty: refused
};

TEST(CommandLineTest, OneKnownSwitchInAnyCaseWithSlashOrDash) {
    const ParseCase cases[] = {
        {"", Command::None},
        {"   \t ", Command::None},
        {"/settings", Command::Settings},
        {"/suspend", Command::Suspend},
        {"/resume", Command::Resume},
        {"/toggle", Command::Toggle},
        {"/exit", Command::Exit},
        {"-settings", Command::Settings},
        {"/SETTINGS", Command::Settings},
        {"-Suspend", Command::Suspend},
        {"/rEsUmE", Command::Resume},
        {"  /toggle  ", Command::Toggle},
        {"\t/exit\r\n", Command::Exit},
        {"\"/settings\"", Command::Settings},  // a shortcut that quotes its argument
        {"/set\"tings\"", Command::Settings},  // quotes group and vanish, as for argv
    };
    for (const ParseCase& c : cases) {
        EXPECT_EQ(ParseCommandLine(c.arguments), c.expected) << "[" << c.arguments << "]";
    }
}

TEST(CommandLineTest, AnythingElseIsRefused) {
    const std::string cases[] = {
        "/settings /exit",    // two switches
        "/suspend /suspend",  // the same twice
        "/settings now",      // extra text
        "now /settings",
        "/settings \"\"",  // an empty word is a word
        "\"\"",
        "\"",
        "/",
        "-",
        "//settings",
        "/-settings",
        "--settings",
        "settings",
        "/settings:",
        "/settings=1",
        "/settingsx",
        "/setting",
        "/set tings",
        "\"/set tings\"",
        "/settings\\",
        "/?",
        "/help",
        "/exit\"now\"",
        std::string("/exit") + '\x7f',
        "/\xc4\xb0xit",  // a letter outside ASCII that some locales fold to i
        "/exi\xc5\xa7",
        "/s\0ettings",  // stops at the NUL as C text does: "/s"
    };
    for (const std::string& arguments : cases) {
        EXPECT_EQ(ParseCommandLine(arguments), std::nullopt) << "[" << arguments << "]";
    }
}

TEST(CommandLineTest, AnOverlyLongLineIsRefusedEvenAroundAKnownSwitch) {
    EXPECT_EQ(ParseCommandLine(std::string(100000, 'x')), std::nullopt);
    EXPECT_EQ(ParseCommandLine("/settings" + std::string(2000, ' ')), std::nullopt);
    EXPECT_EQ(ParseCommandLine(std::string(2000, '"') + "/exit"), std::nullopt);
    EXPECT_EQ(ParseCommandLine("/settings" + std::string(200, ' ')), Command::Settings);
}

// What a start does, by its command line and by whether a copy runs and takes the request.
struct LaunchCase {
    const char* arguments;
    bool copyRuns;
    bool copyTakes;
    bool run;
    Command command;
    int exitCode;
    std::vector<std::uint32_t> sent;
};

TEST(LaunchTest, RunsHandsOverOrEndsWithItsCode) {
    const LaunchCase cases[] = {
        // No copy runs: only a plain start and /settings start the program.
        {"", false, true, true, Command::None, 0, {}},
        {"/settings", false, true, true, Command::Settings, 0, {}},
        {"/suspend", false, true, false, Command::Suspend, 1, {}},
        {"/resume", false, true, false, Command::Resume, 1, {}},
        {"/toggle", false, true, false, Command::Toggle, 1, {}},
        {"-EXIT", false, true, false, Command::Exit, 1, {}},
        {"/display", false, true, true, Command::Display, 0, {}},
        {"/programs", false, true, true, Command::Programs, 0, {}},
        {"/bogus", false, true, false, Command::None, 87, {}},
        {"/settings /exit", false, true, false, Command::None, 87, {}},
        // A copy runs: a plain start leaves it alone, a switch goes to it.
        {"", true, true, false, Command::None, 0, {}},
        {"/settings", true, true, false, Command::Settings, 0, {1}},
        {"/suspend", true, true, false, Command::Suspend, 0, {2}},
        {"/resume", true, true, false, Command::Resume, 0, {3}},
        {"/toggle", true, true, false, Command::Toggle, 0, {4}},
        {"/exit", true, true, false, Command::Exit, 0, {5}},
        {"/Display", true, true, false, Command::Display, 0, {6}},
        {"-programs", true, true, false, Command::Programs, 0, {7}},
        {"/bogus", true, true, false, Command::None, 87, {}},
        {"extra", true, true, false, Command::None, 87, {}},
        // A copy that turns the request away (ending, or out of reach): nothing was done.
        {"/suspend", true, false, false, Command::Suspend, 1, {2}},
        {"/settings", true, false, false, Command::Settings, 1, {1}},
    };
    for (const LaunchCase& c : cases) {
        toolkit::fake::FakeApplication app;
        app.prevInstance = c.copyRuns;
        app.runningCopyTakes = c.copyTakes;
        const Launch launch = PlanLaunch(c.arguments, app);
        const std::string name = std::string("[") + c.arguments + "] running " +
                                 (c.copyRuns ? "yes" : "no") + (c.copyTakes ? "" : ", refuses");
        EXPECT_EQ(launch.run, c.run) << name;
        if (c.exitCode != kExitInvalidParameter) {
            EXPECT_EQ(launch.command, c.command) << name;
        }
        if (!c.run) {
            EXPECT_EQ(launch.exitCode, c.exitCode) << name;
        }
        EXPECT_EQ(app.sentRequests, c.sent) << name;
    }
}

// The running copy's answer becomes the exit code; only /exit waits for the copy to end.
TEST(LaunchTest, TheRunningCopysAnswerIsTheExitCode) {
    struct Case {
        const char* arguments;
        toolkit::RequestAnswer answer;
        int exitCode;
        bool waits;
    };
    const Case cases[] = {
        {"/suspend", toolkit::kRequestRefused, 5, false},
        {"/toggle", toolkit::kRequestRefused, 5, false},
        {"/exit", toolkit::kRequestDone, 0, true},
        {"/exit", toolkit::kRequestNotEnded, 1460, true},
        {"/settings", toolkit::kRequestDone, 0, false},
    };
    for (const Case& c : cases) {
        toolkit::fake::FakeApplication app;
        app.prevInstance = true;
        app.runningCopyAnswer = c.answer;
        EXPECT_EQ(PlanLaunch(c.arguments, app).exitCode, c.exitCode) << c.arguments;
        EXPECT_EQ(app.waitedForEnd, std::vector<bool>{c.waits}) << c.arguments;
    }
}

}  // namespace
}  // namespace keystead::app

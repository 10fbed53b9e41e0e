// The running program carries out a later start's switch as the matching tray command or
// button would, and turns away anything else.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "MainHarness.h"

namespace keystead::app::testing {
namespace {

using tray::kNimDelete;
using tray::kNimModify;

constexpr char kSuspendedTooltip[] = "Tarvine Keystead\r\n(Suspended)";

std::uint32_t RequestOf(Command command) {
    return static_cast<std::uint32_t>(command);
}

class CommandRequestTest : public MainTest {
protected:
    bool Send(Command command) { return Form().Request(RequestOf(command)); }
    bool Suspended() const { return !form->Timer().Enabled(); }
};

TEST_F(CommandRequestTest, SuspendResumeAndToggleGoThroughTheSuspension) {
    struct Step {
        Command command;
        bool suspendedAfter;
        bool trayChanges;
    };
    const Step steps[] = {
        {Command::Resume, false, false},  // already enforcing: nothing
        {Command::Suspend, true, true},
        {Command::Suspend, true, false},  // already suspended: nothing
        {Command::Resume, false, true},
        {Command::Toggle, true, true},
        {Command::Toggle, false, true},
    };
    Start();
    for (const Step& step : steps) {
        const std::size_t callsBefore = notifyArea.calls.size();
        const std::string name = "request " + std::to_string(RequestOf(step.command)) + " after " +
                                 std::to_string(callsBefore) + " tray calls";
        EXPECT_TRUE(Send(step.command)) << name;
        EXPECT_EQ(Suspended(), step.suspendedAfter) << name;
        EXPECT_EQ(Form().Caption(SuspendButton), step.suspendedAfter ? "R&esume" : "Susp&end")
            << name;
        ASSERT_EQ(notifyArea.calls.size(), callsBefore + (step.trayChanges ? 1 : 0)) << name;
        if (step.trayChanges) {
            EXPECT_EQ(LastTrayCall().operation, kNimModify) << name;
            EXPECT_EQ(LastTrayCall().record.hIcon, step.suspendedAfter
                                                       ? Form().PictureOf(SuspendedIcon).Handle()
                                                       : Form().Icon().Handle())
                << name;
            EXPECT_EQ(LastTrayCall().Tip(),
                      TipField(step.suspendedAfter ? kSuspendedTooltip : "Tarvine Keystead"))
                << name;
        }
        EXPECT_FALSE(Form().Visible()) << name;
    }
    EXPECT_TRUE(TimerOn());
}

TEST_F(CommandRequestTest, SettingsShowsTheWindowAndKeepsUnappliedEdits) {
    Start();
    main->RunCommand(Command::Settings);  // the start's own switch
    EXPECT_TRUE(Form().Visible());
    Form().Type(IntervalSetting, "55");
    EXPECT_TRUE(Send(Command::Settings));
    EXPECT_TRUE(Form().Visible());
    EXPECT_EQ(Interval(), "55");
    EXPECT_TRUE(TimerOn());
}

TEST_F(CommandRequestTest, ExitEndsTheProgramAndSavesAsARightDoubleClickDoes) {
    Start();
    Send(Command::Suspend);
    EXPECT_TRUE(Send(Command::Exit));
    EXPECT_FALSE(Form().Loaded());
    EXPECT_EQ(LastTrayCall().operation, kNimDelete);
    EXPECT_EQ(profile.writes.size(), 4u);
    const MemoryProfile::Values& saved = profile.files[kSettingsPath];
    EXPECT_EQ(saved.at({"main", "Interval"}), "1000");
    EXPECT_FALSE(Form().Request(RequestOf(Command::Toggle))) << "gone: no one takes it";
}

TEST_F(CommandRequestTest, UnknownRequestsAreTurnedAwayAndChangeNothing) {
    Start();
    for (std::uint32_t request : {0u, 8u, 9u, 0x100u, 0x80000002u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(Form().Request(request)) << request;
    }
    EXPECT_TRUE(TimerOn());
    EXPECT_FALSE(Form().Visible());
    EXPECT_TRUE(Form().Loaded());
    EXPECT_EQ(notifyArea.calls.size(), 1u);  // only the Add of start-up
}

// A later start's request can reach the window while start-up waits on the shell; it is
// turned away then (the sender tries again), and taken once start-up is over.
class RequestingApplication : public CountingApplication {
public:
    std::optional<std::uint64_t> FileLength(const std::string& file) const override {
        if (form != nullptr) {
            answers.push_back(form->Request(static_cast<std::uint32_t>(Command::Suspend)));
        }
        return CountingApplication::FileLength(file);
    }
    toolkit::fake::FakeForm* form = nullptr;
    mutable std::vector<bool> answers;
};

TEST_F(CommandRequestTest, RequestsWaitUntilStartUpHasFinished) {
    RequestingApplication starting;
    starting.files = app.files;
    const Platform during{starting,   screen,     factory, shell, keyboard, profile, registryApi,
                          notifyArea, foreground, notes,   icons, sounds,   running};
    main = std::make_unique<Keystead>(during);
    form = factory.last;
    starting.form = form;
    Form().Load();
    starting.form = nullptr;

    EXPECT_EQ(starting.answers, std::vector<bool>{false});
    EXPECT_TRUE(TimerOn()) << "not suspended by a request made during start-up";
    EXPECT_TRUE(Send(Command::Suspend));
    EXPECT_TRUE(Suspended());
    main.reset();  // before the platform it uses goes
}

}  // namespace
}  // namespace keystead::app::testing

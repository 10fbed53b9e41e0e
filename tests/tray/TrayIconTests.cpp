#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/ToolkitError.h"
#include "toolkit/fake/FakeToolkit.h"
#include "tray/TrayIcon.h"
#include "tray/fake/FakeNotifyArea.h"

namespace keystead::tray {
namespace {

using toolkit::fake::FakeForm;
using toolkit::fake::FakePicture;
using toolkit::fake::FakeScreen;

constexpr std::uintptr_t kWindow = 0x1234;
constexpr std::uintptr_t kOtherWindow = 0x4321;
constexpr std::uintptr_t kGreenIcon = 0x5678;
constexpr std::uintptr_t kRedIcon = 0x8765;

const toolkit::FormDesign kBareForm{"Main",   4000, 3000, {0, 0, 0}, {0, 0, 0},
                                    "Tahoma", 8.0f, 1,    {}};

// Writes down each event as "Down(1)", "Up(2)", ...; `during` runs inside the handler.
class RecordingListener : public TrayIconEvents {
public:
    void TrayIcon_MouseDown(std::int16_t Button) override { Record("Down", Button); }
    void TrayIcon_MouseUp(std::int16_t Button) override { Record("Up", Button); }
    void TrayIcon_MouseDblClick(std::int16_t Button) override { Record("DblClick", Button); }

    std::vector<std::string> events;
    std::function<void()> during;

private:
    void Record(const char* name, std::int16_t button) {
        events.push_back(std::string(name) + "(" + std::to_string(button) + ")");
        if (during) {
            during();
        }
    }
};

// The 64-byte tip field: text, its NUL, then blanks.
std::string TipField(const std::string& text) {
    std::string field = text;
    field.push_back('\0');
    field.resize(64, ' ');
    return field;
}

// The field as the shell reads it: 64 bytes of the first record, 128 of the second.
std::string Tip(const NotifyIconRecord& record) {
    return {record.szTip, TipFieldSize(record)};
}

void ExpectSameRecord(const NotifyIconRecord& actual, const NotifyIconRecord& expected) {
    EXPECT_EQ(actual.cbSize, expected.cbSize);
    EXPECT_EQ(actual.hWnd, expected.hWnd);
    EXPECT_EQ(actual.uID, expected.uID);
    EXPECT_EQ(actual.uFlags, expected.uFlags);
    EXPECT_EQ(actual.uCallbackMessage, expected.uCallbackMessage);
    EXPECT_EQ(actual.hIcon, expected.hIcon);
    EXPECT_EQ(Tip(actual), Tip(expected));
}

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        icon.SetListener(&listener);
        icon.SetOwnerForm(&form);
        icon.SetIcon(&green);
        icon.SetTooltip("Tarvine Keystead");
    }

    // What the shell sends for a mouse message on the icon, as the toolkit hands it over.
    void Notify(std::int32_t message) { form.MouseMove().Raise(0, 0, Twips(message), 0.0f); }
    float Twips(std::int32_t pixels) const {
        return static_cast<float>(pixels) * screen.TwipsPerPixelX();
    }

    toolkit::fake::NoFormEvents formEvents;
    FakeForm form{kBareForm, formEvents, kWindow};
    FakePicture green{kGreenIcon};
    FakePicture red{kRedIcon};
    FakeScreen screen{15.0f};
    FakeNotifyArea shell;
    RecordingListener listener;
    TrayIcon icon{shell, screen};
};

// A tray icon listening to a form, on a screen of the given resolution.
struct DecoderAt {
    explicit DecoderAt(float twipsPerPixel) : screen(twipsPerPixel) {
        icon.SetListener(&listener);
        icon.SetOwnerForm(&form);
    }
    toolkit::fake::NoFormEvents formEvents;
    FakeForm form{kBareForm, formEvents, kWindow};
    FakeScreen screen;
    FakeNotifyArea shell;
    RecordingListener listener;
    TrayIcon icon{shell, screen};
};

// --- The record sent to the shell ---------------------------------------------------------

TEST(NotifyIconRecordTest, HasTheSizeOfTheFirstAnsiVersion) {
    EXPECT_EQ(kNotifyIconRecordSize, sizeof(void*) == 4 ? 88u : 104u);
}

TEST_F(TrayIconTest, AddAndModifyFillTheRecordAndSetTheStateWhateverTheShellAnswers) {
    struct Case {
        const char* name;
        void (TrayIcon::*operation)();
        std::uint32_t nim;
        std::int16_t state;
    };
    const Case cases[] = {
        {"Add", &TrayIcon::Add, kNimAdd, 1},
        {"Modify", &TrayIcon::Modify, kNimModify, 2},
    };
    for (const Case& c : cases) {
        for (bool answer : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (answer ? ", shell agrees" : ", shell refuses"));
            shell.calls.clear();
            shell.answer = answer;

            (icon.*c.operation)();

            // A refusal brings further calls (the icon added again), after this one.
            ASSERT_GE(shell.calls.size(), 1u);
            const FakeNotifyArea::Call& call = shell.calls[0];
            EXPECT_EQ(call.operation, c.nim);
            EXPECT_EQ(call.record.cbSize, kNotifyIconRecordSize);
            EXPECT_EQ(call.record.hWnd, kWindow);
            EXPECT_EQ(call.record.uID, 1u);
            EXPECT_EQ(call.record.uFlags, 0x87u);           // message, icon, tip, standard tooltip
            EXPECT_EQ(call.record.uCallbackMessage, 512u);  // WM_MOUSEMOVE
            EXPECT_EQ(call.record.hIcon, kGreenIcon);
            EXPECT_EQ(Tip(call.record), TipField("Tarvine Keystead"));
            EXPECT_EQ(icon.State(), c.state);
        }
    }
}

TEST_F(TrayIconTest, ReadsTheIconAndTheWindowHandleAgainAtEveryCall) {
    icon.Add();
    FakeForm other{kBareForm, formEvents, kOtherWindow};
    icon.SetOwnerForm(&other);
    icon.SetIcon(&red);
    icon.Modify();
    icon.SetOwnerForm(&form);
    icon.Add();

    ASSERT_EQ(shell.calls.size(), 3u);
    EXPECT_EQ(shell.calls[1].record.hWnd, kOtherWindow);
    EXPECT_EQ(shell.calls[1].record.hIcon, kRedIcon);
    EXPECT_EQ(shell.calls[2].record.hWnd, kWindow);
}

TEST_F(TrayIconTest, RemoveSendsTheRecordLastFilledUnchanged) {
    icon.Modify();
    icon.SetIcon(&red);
    icon.SetTooltip("Something else");

    icon.Remove();

    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].operation, kNimDelete);
    ExpectSameRecord(shell.calls[1].record, shell.calls[0].record);
    EXPECT_EQ(icon.State(), 0);
}

TEST_F(TrayIconTest, RemoveBeforeAnyAddSendsAnAllZeroRecord) {
    icon.Remove();

    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].operation, kNimDelete);
    ExpectSameRecord(shell.calls[0].record, NotifyIconRecord{});
    EXPECT_EQ(Tip(shell.calls[0].record), std::string(64, '\0'));
    EXPECT_EQ(icon.State(), 0);
}

TEST_F(TrayIconTest, OperationsGoToTheShellAsTheyComeAndStateTellsTheLastOne) {
    struct Case {
        const char* name;
        std::vector<void (TrayIcon::*)()> operations;
        std::vector<std::uint32_t> sent;
        std::int16_t state;
    };
    const Case cases[] = {
        {"nothing yet", {}, {}, 0},
        {"Modify before Add", {&TrayIcon::Modify}, {kNimModify}, 2},
        {"Add twice", {&TrayIcon::Add, &TrayIcon::Add}, {kNimAdd, kNimAdd}, 1},
        {"Remove twice",
         {&TrayIcon::Add, &TrayIcon::Remove, &TrayIcon::Remove},
         {kNimAdd, kNimDelete, kNimDelete},
         0},
        {"Add, Modify", {&TrayIcon::Add, &TrayIcon::Modify}, {kNimAdd, kNimModify}, 2},
        {"Modify, Add", {&TrayIcon::Modify, &TrayIcon::Add}, {kNimModify, kNimAdd}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeNotifyArea area;  // which takes everything: a refusal would bring further calls
        TrayIcon fresh(area, screen);
        fresh.SetOwnerForm(&form);
        fresh.SetIcon(&green);
        for (auto operation : c.operations) {
            (fresh.*operation)();
        }
        std::vector<std::uint32_t> sent;
        for (const auto& call : area.calls) {
            sent.push_back(call.operation);
        }
        EXPECT_EQ(sent, c.sent);
        EXPECT_EQ(fresh.State(), c.state);
    }
}

TEST_F(TrayIconTest, DestroyingTheObjectRemovesAShownIconAndStopsListening) {
    auto temporary = std::make_unique<TrayIcon>(shell, screen);
    temporary->SetListener(&listener);
    temporary->SetOwnerForm(&form);
    temporary->SetIcon(&green);
    temporary->Add();
    icon.SetOwnerForm(nullptr);

    temporary.reset();
    Notify(513);
    form.TaskbarCreated().Raise();

    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].operation, kNimAdd);
    EXPECT_EQ(shell.calls[1].operation, kNimDelete);
    EXPECT_EQ(shell.calls[1].record.hWnd, shell.calls[0].record.hWnd);
    EXPECT_TRUE(listener.events.empty());
}

TEST_F(TrayIconTest, DestroyingARemovedIconSendsNothing) {
    {
        TrayIcon temporary(shell, screen);
        temporary.SetOwnerForm(&form);
        temporary.SetIcon(&green);
        temporary.Add();
        temporary.Remove();
    }
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].operation, kNimDelete);
}

// --- Tooltip --------------------------------------------------------------------------------

TEST_F(TrayIconTest, TooltipReachesTheTipFieldNulTerminatedAndBlankPadded) {
    const std::string text63(63, 'x');
    const std::string text64 = std::string(63, 'y') + "z";
    const std::string text127(127, 'w');
    // What follows the text in a field of 128 bytes.
    const auto longField = [](const std::string& text) {
        std::string field = text + '\0';
        field.resize(128, ' ');
        return field;
    };
    struct Case {
        const char* name;
        std::string tooltip;
        std::string field;
        std::uint32_t size;
    };
    const Case cases[] = {
        {"empty", "", std::string(1, '\0') + std::string(63, ' '), kNotifyIconRecordSize},
        {"the product name", "Tarvine Keystead", TipField("Tarvine Keystead"),
         kNotifyIconRecordSize},
        {"with CR LF", "Tarvine Keystead\r\n(Suspended)",
         TipField("Tarvine Keystead\r\n(Suspended)"), kNotifyIconRecordSize},
        {"63 characters, whole", text63, text63 + std::string(1, '\0'), kNotifyIconRecordSize},
        // Beyond the first record's field: the second record's, of 128 characters.
        {"64 characters", text64, longField(text64), kLongTipRecordSize},
        {"127 characters, whole", text127, text127 + std::string(1, '\0'), kLongTipRecordSize},
        // No room for a NUL after 128 characters: the text is cut to 127.
        {"200 characters", text127 + std::string(73, 'v'), text127 + std::string(1, '\0'),
         kLongTipRecordSize},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell.calls.clear();
        icon.SetTooltip(c.tooltip);
        EXPECT_EQ(icon.Tooltip(), c.tooltip);
        EXPECT_TRUE(shell.calls.empty()) << "assigning alone must not reach the shell";

        icon.Modify();

        ASSERT_EQ(shell.calls.size(), 1u);
        EXPECT_EQ(shell.calls[0].record.cbSize, c.size);
        EXPECT_EQ(Tip(shell.calls[0].record), c.field);
    }
}

TEST_F(TrayIconTest, LongTooltipLeavesNoTextOfTheOldOneBehind) {
    icon.SetTooltip(std::string(80, 'a'));
    icon.Add();
    icon.SetTooltip("b");
    icon.Modify();

    EXPECT_EQ(Tip(shell.calls[1].record), TipField("b"));
}

TEST_F(TrayIconTest, NeverAssignedTooltipReadsEmptyAndSendsAnEmptyTip) {
    TrayIcon fresh(shell, screen);
    fresh.SetOwnerForm(&form);
    fresh.SetIcon(&green);

    EXPECT_EQ(fresh.Tooltip(), "");
    fresh.Add();

    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(Tip(shell.calls[0].record), std::string(1, '\0') + std::string(63, ' '));
}

// --- Icon -------------------------------------------------------------------------------------

TEST_F(TrayIconTest, AssignedIconIsShownOnlyAtTheNextModify) {
    icon.Add();

    icon.SetIcon(&red);

    EXPECT_EQ(icon.Icon(), &red);
    EXPECT_EQ(shell.calls.size(), 1u);
    icon.Modify();
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].record.hIcon, kRedIcon);
}

// --- Missing icon or owner ------------------------------------------------------------------

TEST_F(TrayIconTest, MissingIconOrOwnerFailsBeforeTheShellIsCalled) {
    struct Case {
        const char* name;
        bool withIcon;
        bool withOwner;
        std::uintptr_t keptIcon;  // what the record holds afterwards
    };
    const Case cases[] = {
        {"no icon", false, true, 0},
        {"no owner", true, false, kGreenIcon},
        {"neither", false, false, 0},
    };
    for (const Case& c : cases) {
        for (auto operation : {&TrayIcon::Add, &TrayIcon::Modify}) {
            SCOPED_TRACE(std::string(c.name) +
                         (operation == &TrayIcon::Add ? ", Add" : ", Modify"));
            FakeNotifyArea area;
            TrayIcon fresh(area, screen);
            fresh.SetTooltip("Tarvine Keystead");
            fresh.SetIcon(c.withIcon ? &green : nullptr);
            fresh.SetOwnerForm(c.withOwner ? &form : nullptr);

            EXPECT_THROW((fresh.*operation)(), toolkit::ToolkitError);

            EXPECT_TRUE(area.calls.empty());
            EXPECT_EQ(fresh.State(), 0);
            // The fields filled before the failure stay in the record that Remove sends.
            fresh.Remove();
            ASSERT_EQ(area.calls.size(), 1u);
            const NotifyIconRecord& kept = area.calls[0].record;
            EXPECT_EQ(kept.cbSize, kNotifyIconRecordSize);
            EXPECT_EQ(kept.hIcon, c.keptIcon);
            EXPECT_EQ(kept.hWnd, 0u);
            EXPECT_EQ(kept.uID, 0u);
            EXPECT_EQ(kept.uFlags, 0u);
            EXPECT_EQ(Tip(kept), std::string(64, '\0'));
        }
    }
}

TEST_F(TrayIconTest, FailedModifyKeepsTheStateOfTheLastOperation) {
    icon.Add();
    icon.SetIcon(nullptr);

    EXPECT_THROW(icon.Modify(), toolkit::ToolkitError);

    EXPECT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(icon.State(), 1);
}

// --- Mouse notifications ------------------------------------------------------------------

TEST_F(TrayIconTest, EachMouseMessageRaisesItsEvent) {
    struct Case {
        std::int32_t message;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {513, {"Down(1)"}},      // WM_LBUTTONDOWN
        {514, {"Up(1)"}},        // WM_LBUTTONUP
        {515, {"DblClick(1)"}},  // WM_LBUTTONDBLCLK
        {516, {"Down(2)"}},      // WM_RBUTTONDOWN
        {517, {"Up(2)"}},        // WM_RBUTTONUP
        {518, {"DblClick(2)"}},  // WM_RBUTTONDBLCLK
        {512, {}},               // WM_MOUSEMOVE: the pointer passing over the icon
        {519, {}},               // the middle button
        {520, {}},
        {521, {}},
        {0, {}},
        {1024, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        listener.events.clear();
        Notify(c.message);
        EXPECT_EQ(listener.events, c.events);
        EXPECT_EQ(icon.LastMessage(), c.message);
    }
}

TEST_F(TrayIconTest, ADoubleClickArrivesAsDownUpDoubleClickUp) {
    for (std::int32_t message : {513, 514, 515, 514}) {
        Notify(message);
    }
    EXPECT_EQ(listener.events,
              (std::vector<std::string>{"Down(1)", "Up(1)", "DblClick(1)", "Up(1)"}));
}

// Y is 0, or the icon's id (1 pixel) under the shell's version 4.
TEST_F(TrayIconTest, PointerMovementsWithAVerticalPositionRaiseNothing) {
    for (float y : {30.0f, -15.0f, 0.5f, 1e-30f}) {
        for (std::int32_t message = 513; message <= 518; ++message) {
            SCOPED_TRACE(std::to_string(message) + " at Y " + std::to_string(y));
            form.MouseMove().Raise(1, 0, Twips(message), y);
            EXPECT_EQ(icon.LastMessage(), message);
        }
    }
    EXPECT_TRUE(listener.events.empty());
}

TEST_F(TrayIconTest, ButtonAndShiftStateOfTheMouseMoveAreIgnored) {
    form.MouseMove().Raise(2, 7, Twips(513), 0.0f);
    EXPECT_EQ(listener.events, std::vector<std::string>{"Down(1)"});
}

TEST_F(TrayIconTest, NotificationArrivingWhileAListenerRunsIsDropped) {
    std::int32_t seenInside = 0;
    listener.during = [&] {
        listener.during = nullptr;
        Notify(514);  // as when the handler pumps messages
        seenInside = icon.LastMessage();
    };

    Notify(513);

    EXPECT_EQ(listener.events, std::vector<std::string>{"Down(1)"});
    EXPECT_EQ(seenInside, 514);
    Notify(514);
    EXPECT_EQ(listener.events, (std::vector<std::string>{"Down(1)", "Up(1)"}));
}

TEST_F(TrayIconTest, ListenerFailurePassesThroughAndLeavesTheDecoderReady) {
    listener.during = [&] {
        listener.during = nullptr;
        throw std::runtime_error("listener failed");
    };

    EXPECT_THROW(Notify(515), std::runtime_error);

    Notify(514);
    EXPECT_EQ(listener.events, (std::vector<std::string>{"DblClick(1)", "Up(1)"}));
}

TEST_F(TrayIconTest, WithoutAListenerNotificationsAreOnlyDecoded) {
    icon.SetListener(nullptr);
    Notify(515);
    EXPECT_EQ(icon.LastMessage(), 515);
    EXPECT_TRUE(listener.events.empty());
}

TEST(TrayIconDecodingTest, RoundsXOverTwipsPerPixelToTheNearestTiesToEven) {
    struct Case {
        const char* name;
        float twipsPerPixel;
        float x;
        std::int32_t message;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {"96 DPI", 15.0f, 513.0f * 15.0f, 513, {"Down(1)"}},
        {"120 DPI", 12.0f, 518.0f * 12.0f, 518, {"DblClick(2)"}},
        {"192 DPI", 7.5f, 517.0f * 7.5f, 517, {"Up(2)"}},
        // 9.6f is not exact: 515 * 9.6f = 4944 gives 514.99998 and rounds back to 515.
        {"150 DPI", 9.6f, 515.0f * 9.6f, 515, {"DblClick(1)"}},
        {"a little above", 15.0f, 7725.0f + 7.0f, 515, {"DblClick(1)"}},
        {"a little below", 15.0f, 7725.0f - 7.0f, 515, {"DblClick(1)"}},
        // Ties go to the even number: 513.5 to 514, and 514.5 to 514 as well.
        {"tie to even above", 15.0f, 7702.5f, 514, {"Up(1)"}},
        {"tie to even below", 15.0f, 7717.5f, 514, {"Up(1)"}},
        {"tie 515.5", 15.0f, 7732.5f, 516, {"Down(2)"}},
        // 4968 / 9.6f is 517.49998 in double but exactly 517.5 in float, which would tie to
        // 518: the quotient must not be taken in float.
        {"not divided in float", 9.6f, 4968.0f, 517, {"Up(2)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DecoderAt rig(c.twipsPerPixel);
        rig.form.MouseMove().Raise(0, 0, c.x, 0.0f);

        EXPECT_EQ(rig.icon.LastMessage(), c.message);
        EXPECT_EQ(rig.listener.events, c.events);
    }
}

TEST(TrayIconDecodingTest, PositionsNoMessageCanHaveRaiseNothing) {
    struct Case {
        const char* name;
        float twipsPerPixel;
        float x;
    };
    const Case cases[] = {
        {"beyond 32 bits", 1e-30f, 3e38f},
        {"below 32 bits", 1e-30f, -3e38f},
        {"no screen resolution", 0.0f, 7725.0f},
        {"not a number", 0.0f, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DecoderAt rig(c.twipsPerPixel);
        rig.form.MouseMove().Raise(0, 0, c.x, 0.0f);

        EXPECT_TRUE(rig.listener.events.empty());
    }
}

// --- Owner window ---------------------------------------------------------------------------

TEST_F(TrayIconTest, ReassigningTheOwnerStopsListeningToTheOldOne) {
    FakeForm other{kBareForm, formEvents, kOtherWindow};
    icon.Add();
    icon.SetOwnerForm(&other);
    EXPECT_EQ(icon.OwnerForm(), &other);

    Notify(513);
    form.TaskbarCreated().Raise();
    EXPECT_TRUE(listener.events.empty());
    EXPECT_EQ(icon.LastMessage(), 0);
    EXPECT_EQ(shell.calls.size(), 1u);

    other.MouseMove().Raise(0, 0, Twips(517), 0.0f);
    other.TaskbarCreated().Raise();
    EXPECT_EQ(listener.events, std::vector<std::string>{"Up(2)"});
    EXPECT_EQ(shell.calls.size(), 2u);
}

TEST_F(TrayIconTest, AssigningTheSameOwnerAgainListensOnce) {
    icon.SetOwnerForm(&form);
    Notify(513);
    EXPECT_EQ(listener.events, std::vector<std::string>{"Down(1)"});
}

// Explorer restarting empties the notification area; the icon comes back as it was.
TEST_F(TrayIconTest, TaskbarCreatedAddsTheIconAgainOnlyWhileItIsShown) {
    struct Case {
        const char* name;
        std::vector<void (TrayIcon::*)()> before;
        bool addedAgain;
        std::int16_t state;
    };
    const Case cases[] = {
        {"never shown", {}, false, 0},
        {"added", {&TrayIcon::Add}, true, 1},
        {"modified", {&TrayIcon::Add, &TrayIcon::Modify}, true, 2},
        {"removed", {&TrayIcon::Add, &TrayIcon::Remove}, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeNotifyArea area;
        TrayIcon fresh(area, screen);
        fresh.SetOwnerForm(&form);
        fresh.SetIcon(&green);
        fresh.SetTooltip("Tarvine Keystead");
        for (auto operation : c.before) {
            (fresh.*operation)();
        }
        const std::size_t callsBefore = area.calls.size();

        form.TaskbarCreated().Raise();

        ASSERT_EQ(area.calls.size(), callsBefore + (c.addedAgain ? 1 : 0));
        if (c.addedAgain) {
            EXPECT_EQ(area.calls.back().operation, kNimAdd);
            ExpectSameRecord(area.calls.back().record, area.calls[callsBefore - 1].record);
        }
        EXPECT_EQ(fresh.State(), c.state);
    }
}

TEST_F(TrayIconTest, TaskbarCreatedShowsWhatWasLastSentNotWhatWasAssignedSince) {
    icon.Add();
    icon.SetIcon(&red);
    icon.SetTooltip("Tarvine Keystead\r\n(Suspended)");

    form.TaskbarCreated().Raise();

    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].record.hIcon, kGreenIcon);
    EXPECT_EQ(Tip(shell.calls[1].record), TipField("Tarvine Keystead"));
}

}  // namespace
}  // namespace keystead::tray

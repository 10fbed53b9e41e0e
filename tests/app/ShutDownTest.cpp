#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainHarness.h"

namespace keystead::app::testing {
namespace {

using Write = MemoryProfile::Write;
using tray::kNimDelete;

// The data of a REG_SZ value as the program writes it: the text and its NUL.
std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.c_str(), text.c_str() + text.size() + 1};
}

class ShutDownTest : public MainTest {};

TEST_F(ShutDownTest, WritesTheFourKeysInOrder) {
    profile.Put("CapsLock", "2");
    profile.Put("NumLock", "0");
    profile.Put("ScrollLock", "1");
    profile.Put("Interval", "5000");
    Start();
    Form().Unload();

    EXPECT_EQ(profile.writes, (std::vector<Write>{{"main", "CapsLock", "2", kSettingsPath},
                                                  {"main", "NumLock", "0", kSettingsPath},
                                                  {"main", "ScrollLock", "1", kSettingsPath},
                                                  {"main", "Interval", "5000", kSettingsPath}}));
}

TEST_F(ShutDownTest, WritesTheAppliedValuesNotTheUnappliedEdits) {
    Start();
    Form().Click(CapsLockSetting, 1);
    Form().Type(IntervalSetting, "2500");
    Form().Click(ApplyButton);
    // Edits after the last Apply.
    Form().Click(CapsLockSetting, 2);
    Form().Click(NumLockSetting, 0);
    Form().Click(ScrollLockSetting, 1);
    Form().Type(IntervalSetting, "777");
    Form().LeaveField(IntervalSetting);
    Form().Click(AutoRunSetting);
    profile.writes.clear();  // those of the Apply

    Notify(kRightDoubleClick);

    EXPECT_EQ(profile.writes, (std::vector<Write>{{"main", "CapsLock", "1", kSettingsPath},
                                                  {"main", "NumLock", "1", kSettingsPath},
                                                  {"main", "ScrollLock", "0", kSettingsPath},
                                                  {"main", "Interval", "2500", kSettingsPath}}));
    EXPECT_FALSE(RunValue().has_value());
}

TEST_F(ShutDownTest, WithAutoRunTheRunValueHoldsTheQuotedPath) {
    Start();
    Form().Click(AutoRunSetting);
    Form().Click(OKButton);
    Form().Unload();

    const auto value = RunValue();
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, registry::kRegSz);
    EXPECT_EQ(value->data, Bytes(kRunData));
    // What the program asked for: the 23 characters and their NUL, as Windows wants a REG_SZ.
    const auto& calls = registryApi.Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "set key type 1 size 24 = 0"), calls.end());
    EXPECT_EQ(registryApi.store.OpenHandleCount(), 0u);
}

TEST_F(ShutDownTest, AnOldRunValueIsRewrittenWithTheProgramsOwnPath) {
    PutRunValue(TextValue("\"D:\\Old\\Keystead.exe\" /x"));
    Start();
    Form().Unload();
    const auto value = RunValue();
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, registry::kRegSz);
    EXPECT_EQ(value->data, Bytes(kRunData));
}

TEST_F(ShutDownTest, ADwordRunValueBecomesTheQuotedPath) {
    PutRunValue({registry::kRegDword, {1, 0, 0, 0}});
    Start();
    Form().Unload();
    const auto value = RunValue();
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, registry::kRegSz);
    EXPECT_EQ(value->data, Bytes(kRunData));
}

TEST_F(ShutDownTest, FromADriveRootTheRunValueHasTwoBackslashes) {
    app.path = "C:\\";
    app.exeName = "KEYSTEAD";
    PutRunValue(TextValue("x"));
    Start();
    Form().Unload();
    const auto value = RunValue();
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->data, Bytes("\"C:\\\\KEYSTEAD.exe\""));
    ASSERT_FALSE(profile.writes.empty());
    EXPECT_EQ(profile.writes[0].path, "C:\\\\Keystead.ini");
}

TEST_F(ShutDownTest, WithoutAutoRunTheRunValueIsDeleted) {
    PutRunValue(TextValue(kRunData));
    Start();
    Form().Click(AutoRunSetting);  // untick
    Form().Click(ApplyButton);
    Form().Unload();
    EXPECT_FALSE(RunValue().has_value());
    EXPECT_EQ(registryApi.store.OpenHandleCount(), 0u);
}

TEST_F(ShutDownTest, WithoutAutoRunAMissingRunValueStaysMissing) {
    Start();
    Form().Unload();
    EXPECT_FALSE(RunValue().has_value());
    EXPECT_EQ(profile.writes.size(), 4u);
}

TEST_F(ShutDownTest, AnUnappliedTickOrUntickCountsForNothing) {
    PutRunValue(TextValue(kRunData));
    Start();
    Form().Click(AutoRunSetting);  // untick, never applied
    Form().Unload();
    EXPECT_TRUE(RunValue().has_value());
}

TEST_F(ShutDownTest, AGrayedBoxAppliedDeletesTheRunValue) {
    PutRunValue(TextValue(kRunData));
    Start();
    Form().SetCheckValue(AutoRunSetting, toolkit::kGrayed);
    Form().Click(ApplyButton);
    Form().Unload();
    EXPECT_FALSE(RunValue().has_value());
}

TEST_F(ShutDownTest, TakesTheIconOutOfTheTrayLast) {
    Start();
    Form().Unload();
    ASSERT_EQ(notifyArea.calls.size(), 2u);
    const auto& call = LastTrayCall();
    EXPECT_EQ(call.operation, kNimDelete);
    EXPECT_EQ(call.record.uID, 1u);
    EXPECT_EQ(call.record.hWnd, kFormHandle);
    EXPECT_EQ(call.record.hIcon, notifyArea.calls[0].record.hIcon);
    EXPECT_EQ(main->TrayIcon()->State(), 0);
    EXPECT_FALSE(Form().Loaded());
}

TEST_F(ShutDownTest, AFailingRegistryWriteStillRemovesTheIcon) {
    Start();
    registryApi.store.SetAllowedAccess(registry::kRunRoot, std::string(registry::kRunSubKey),
                                       registry::kKeyRead);
    Form().Click(AutoRunSetting);
    Form().Click(ApplyButton);
    profile.writes.clear();  // those of the Apply
    Form().Unload();
    EXPECT_FALSE(RunValue().has_value());
    EXPECT_EQ(LastTrayCall().operation, kNimDelete);
    EXPECT_EQ(profile.writes.size(), 4u);
    EXPECT_FALSE(Form().Loaded());
}

TEST_F(ShutDownTest, TheSuspendedStateIsNotSavedAndTheNextStartEnforces) {
    keyboard.states[lockkeys::kVkCapital] = 1;
    keyboard.states[lockkeys::kVkNumLock] = 1;
    Start();
    Form().Click(CapsLockSetting, 0);
    Notify(kRightUp);
    ASSERT_FALSE(Form().Timer().Enabled());
    Notify(kRightDoubleClick);

    std::vector<std::string> written;
    for (const Write& write : profile.writes) {
        written.push_back(write.section + "/" + write.key);
    }
    EXPECT_EQ(written, (std::vector<std::string>{"main/CapsLock", "main/NumLock", "main/ScrollLock",
                                                 "main/Interval"}))
        << "the four settings and nothing of the suspension";
    EXPECT_EQ(profile.values.size(), 4u);

    // The next start of the program, on the same file and registry.
    notifyArea.calls.clear();
    Start();
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Form().Caption(SuspendButton), "Susp&end");
    ASSERT_EQ(notifyArea.calls.size(), 1u);
    EXPECT_EQ(notifyArea.calls[0].record.hIcon, Form().Icon().Handle());
    EXPECT_EQ(notifyArea.calls[0].Tip(), TipField("Tarvine Keystead"));
    Form().Tick();
    EXPECT_EQ(keyboard.strokes.size(), 2u);
}

TEST_F(ShutDownTest, WhatWasSavedIsWhatTheNextStartShows) {
    Start();
    Form().Click(CapsLockSetting, 2);
    Form().Click(ScrollLockSetting, 1);
    Form().Type(IntervalSetting, "1234");
    Form().Click(AutoRunSetting);
    Form().Click(OKButton);
    Form().Unload();

    Start();
    EXPECT_EQ(Selected(CapsLockSetting), 2);
    EXPECT_EQ(Selected(NumLockSetting), 1);
    EXPECT_EQ(Selected(ScrollLockSetting), 1);
    EXPECT_EQ(Interval(), "1234");
    EXPECT_EQ(Form().CheckValue(AutoRunSetting), toolkit::kChecked);
    EXPECT_EQ(Form().Timer().Interval(), 1234);
}

// A copy tried from Downloads must not take start-up over from the installed one (nor the
// other way round), unless the user asks for it with the box.
TEST_F(ShutDownTest, AnotherCopysRegistrationStaysUnlessTheUserChangedTheBox) {
    const std::string other = "\"D:\\Downloads\\Keystead.exe\"";
    struct Case {
        const char* what;
        bool otherExists;
        std::vector<int> clicks;  // after showing the window
        std::string after;
    };
    const std::vector<Case> cases = {
        {"the box left alone", true, {OKButton}, other},
        {"ticked and unticked without Apply",
         true,
         {AutoRunSetting, AutoRunSetting, ApplyButton},
         other},
        {"unticked", true, {AutoRunSetting, ApplyButton}, "<missing>"},
        {"unticked, then ticked again",
         true,
         {AutoRunSetting, ApplyButton, AutoRunSetting, ApplyButton},
         kRunData},
        {"the other copy is gone", false, {}, kRunData},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app.files.erase("D:\\Downloads\\Keystead.exe");
        if (c.otherExists) {
            app.files["D:\\Downloads\\Keystead.exe"] = 200000;
        }
        PutRunValue(TextValue(other));
        Start();
        EXPECT_EQ(Form().CheckValue(AutoRunSetting), toolkit::kChecked) << "it starts with Windows";
        for (int control : c.clicks) {
            Form().Click(control);
        }
        Form().Unload();
        EXPECT_EQ(RunValueText(), c.after);
    }
}

// Set up by the package or an administrator, the machine-wide registration is not this
// standard user's to undo: the box shows it ticked and greyed and says why, and OK keeps it.
TEST_F(ShutDownTest, AMachineWideRegistrationThisUserCannotChangeIsGreyed) {
    PutRunValue(TextValue(kRunData));
    registryApi.store.SetAllowedAccess(registry::kRunRoot, std::string(registry::kRunSubKey),
                                       registry::kKeyRead);
    Start();
    EXPECT_EQ(Form().CheckValue(AutoRunSetting), toolkit::kChecked);
    EXPECT_FALSE(Form().Enabled(AutoRunSetting));
    EXPECT_EQ(Form().Caption(PolicyLabel), kMachineStartUpCaption);
    Form().Click(OKButton);
    Form().Unload();
    EXPECT_EQ(RunValueText(), kRunData);

    // Where this user may write it, the box is theirs.
    registryApi.store.SetAllowedAccess(registry::kRunRoot, std::string(registry::kRunSubKey),
                                       registry::kKeySpecificRights);
    Start();
    EXPECT_TRUE(Form().Enabled(AutoRunSetting));
    EXPECT_EQ(Form().Caption(PolicyLabel), "");
}

// A copy once registered for this user from Downloads would start beside the installed one,
// whose machine-wide value starts this program: it goes. A machine-wide value naming another
// copy stays (above).
TEST_F(ShutDownTest, AnotherCopysUserValueGoesWhenTheMachineValueStartsThisOne) {
    app.files["D:\\Downloads\\Keystead.exe"] = 200000;
    for (bool machineWritable : {true, false}) {
        SCOPED_TRACE(machineWritable);
        PutRunValue(TextValue(kRunData));
        registryApi.store.PutValue(registry::kUserRunRoot, std::string(registry::kRunSubKey),
                                   kRunValueName, TextValue("\"D:\\Downloads\\Keystead.exe\""));
        registryApi.store.SetAllowedAccess(
            registry::kRunRoot, std::string(registry::kRunSubKey),
            machineWritable ? registry::kKeySpecificRights : registry::kKeyRead);
        Start();
        Form().Unload();
        EXPECT_EQ(RunValueText(), kRunData);
        EXPECT_FALSE(
            registryApi.store
                .FindValue(registry::kUserRunRoot, std::string(registry::kRunSubKey), kRunValueName)
                .has_value());
    }
}

}  // namespace
}  // namespace keystead::app::testing

// What a screen reader in another process hears for the settings window's controls of the
// real Keystead.exe: AccessibleObjectFromWindow and get_accName, as Narrator and NVDA ask.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

#include "KeysteadProcess.h"
#include "tests/support/win32/AccessibleName.h"
#include "toolkit/win32/Text.h"

namespace keystead::e2e {
namespace {

using keystead::testing::AccessibleName;

TEST(EndToEndScreenReader, EveryOptionButtonNamesItsKeyAndTheBoxesTheirPurpose) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ProgramFolder folder(L"keystead-screen-reader");
    KeysteadProcess process(folder.Exe());  // a first run: the window shows
    ASSERT_TRUE(process.WaitUntilReady());

    const wchar_t* keys[] = {L"Caps Lock", L"Num Lock", L"Scroll Lock"};
    const wchar_t* modes[] = {L"Allow toggling", L"Force off", L"Force on"};
    for (int key = 0; key < 3; ++key) {
        for (const wchar_t* mode : modes) {
            const std::string expected =
                toolkit::win32::Narrow(std::wstring(keys[key]) + L": " + mode);
            EXPECT_EQ(AccessibleName(process.Control(mode, key)), expected);
        }
    }
    EXPECT_EQ(AccessibleName(process.Control(L"Launch Tarvine Keystead on Windows s&tart-up")),
              "Launch Tarvine Keystead on Windows start-up");
    // The box stands after its label; another process cannot read an edit control's text.
    EXPECT_EQ(AccessibleName(GetWindow(process.Control(L"Check &interval:"), GW_HWNDNEXT)),
              "Check interval");

    process.Tray(WM_RBUTTONDBLCLK);
    EXPECT_TRUE(process.WaitForExit(std::chrono::seconds(20)));
    CoUninitialize();
}

}  // namespace
}  // namespace keystead::e2e

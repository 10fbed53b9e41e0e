// What a screen reader in another process hears for the settings window's controls of the
// real Keystead.exe: AccessibleObjectFromWindow and get_accName, as Narrator and NVDA ask.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

#include "KeysteadProcess.h"
#include "toolkit/win32/Text.h"

namespace keystead::e2e {
namespace {

// The name, "<no object>" when the window gives no accessible object.
std::string AccessibleName(HWND control) {
    IAccessible* accessible = nullptr;
    if (control == nullptr || FAILED(AccessibleObjectFromWindow(
                                  control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                  reinterpret_cast<void**>(&accessible)))) {
        return "<no object>";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text = "<no name>";
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr) {
        text = toolkit::win32::Narrow(name);
        SysFreeString(name);
    }
    accessible->Release();
    return text;
}

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

// What a screen reader hears for the display window's nine position buttons, which carry no
// caption: their accessible name is all it has, in the window's own language. A sound or
// monitor button is named with its row's label, as its caption alone says too little.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "display/DisplayWindow.h"
#include "tests/support/win32/AccessibleName.h"
#include "toolkit/fake/FakeToolkit.h"
#include "toolkit/win32/Win32Form.h"

namespace keystead::display {
namespace {

using language::Language;
using testing::AccessibleName;

struct Case {
    Language language;
    // By the position 1 to 9, as the keypad numbers them.
    const char* names[9];
    const char* capsLockSoundWhenHeld;
    const char* everyMonitor;
};
const Case kCases[] = {
    {Language::English,
     {"Position: bottom left", "Position: bottom centre", "Position: bottom right",
      "Position: middle left", "Position: centre", "Position: middle right", "Position: top left",
      "Position: top centre", "Position: top right"},
     "Caps Lock sound: When held",
     "Show notes on: every monitor"},
    {Language::German,
     {"Position: unten links", "Position: unten Mitte", "Position: unten rechts",
      "Position: Mitte links", "Position: Mitte", "Position: Mitte rechts", "Position: oben links",
      "Position: oben Mitte", "Position: oben rechts"},
     "Ton der Feststelltaste: Wenn festgehalten",
     "Hinweise zeigen auf: allen Monitoren"},
};

TEST(DisplayWindowNames, EachButtonWithoutATellingCaptionIsNamedInTheWindowsLanguage) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    toolkit::win32::Win32Screen screen;
    toolkit::win32::Win32FormFactory forms(screen);
    toolkit::fake::NoFormEvents events;
    for (const Case& c : kCases) {
        const std::unique_ptr<toolkit::Form> form =
            forms.Create(DisplayFormDesign(c.language), events);
        const auto* window = dynamic_cast<const toolkit::win32::Win32Form*>(form.get());
        ASSERT_NE(window, nullptr);
        form->Show();  // the controls are made when the window first shows
        for (int index = 0; index < 9; ++index) {
            HWND button = window->ControlWindow(PositionSetting, index);
            EXPECT_EQ(GetWindowTextLengthW(button), 0) << "no caption to read instead";
            EXPECT_EQ(AccessibleName(button), c.names[index]);
        }
        EXPECT_EQ(AccessibleName(window->ControlWindow(CapsLockSoundSetting, 1)),
                  c.capsLockSoundWhenHeld);
        EXPECT_EQ(AccessibleName(window->ControlWindow(MonitorSetting, 3)), c.everyMonitor);
    }
    CoUninitialize();
}

}  // namespace
}  // namespace keystead::display

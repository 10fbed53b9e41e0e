// Group Policy's broadcast reaches a real form's owner; other changed settings do not.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/fake/FakeToolkit.h"
#include "toolkit/win32/Win32Form.h"

namespace keystead::toolkit::win32 {
namespace {

const FormDesign kBareForm{"Policy notice test", 1500,  1500, {0, 0, 0}, {0, 153, 255},
                           "MS Sans Serif",      8.25f, 0,    {}};

class PolicyRecorder : public fake::NoFormEvents {
public:
    void Form_PolicyChange() override { ++heard; }
    int heard = 0;
};

TEST(PolicyNotice, OnlyTheSettingChangeNamedPolicyIsRaised) {
    PolicyRecorder events;
    Win32Screen screen;
    Win32Form form{kBareForm, events, screen};
    form.SetSystemEvents(events);
    HWND window = reinterpret_cast<HWND>(form.hWnd());
    struct Case {
        const wchar_t* area;  // null: no text
        int heard;
    };
    const Case cases[] = {
        {L"Policy", 1}, {L"policy", 1}, {L"intl", 0}, {L"PolicyX", 0}, {nullptr, 0}, {L"", 0},
    };
    for (const Case& c : cases) {
        events.heard = 0;
        SendMessageW(window, WM_SETTINGCHANGE, 1, reinterpret_cast<LPARAM>(c.area));
        EXPECT_EQ(events.heard, c.heard) << (c.area ? c.area : L"(none)");
    }
}

}  // namespace
}  // namespace keystead::toolkit::win32

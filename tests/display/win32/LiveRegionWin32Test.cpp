// The event a screen reader waits for: EVENT_OBJECT_LIVEREGIONCHANGED on the note, seen by a
// WinEvent hook of this process as an assistive program's hook would see it. Only a note of a
// key put back, and only while a screen reader runs, cuts in. Its own program: the screen
// reader brings COM in, which the note tests check stays out otherwise.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "display/win32/Win32NoteScreen.h"
#include "tests/support/win32/Wait.h"

namespace keystead::display::win32 {
namespace {

using namespace std::chrono_literals;

#ifndef EVENT_OBJECT_LIVEREGIONCHANGED
constexpr DWORD EVENT_OBJECT_LIVEREGIONCHANGED = 0x8019;
#endif

struct Seen {
    HWND window;
    LONG object;
    LONG child;
};
std::vector<Seen> gSeen;

void CALLBACK OnLiveRegion(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                           DWORD) {
    gSeen.push_back({window, object, child});
}

TEST(LiveRegion, AHookSeesTheEventForANoteOfAKeyPutBackWhileAScreenReaderRuns) {
    BOOL screenReaderWas = FALSE;
    SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReaderWas, 0);
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        &OnLiveRegion, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    struct Case {
        const char* text;
        bool announce;
        bool screenReader;
        bool heard;
    };
    const Case cases[] = {
        {"Caps Lock on", false, true, false},
        {"Caps Lock is held off", true, false, false},
        {"Num Lock is held on", true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SystemParametersInfoW(SPI_SETSCREENREADER, c.screenReader, nullptr, 0);
        gSeen.clear();
        Win32NoteScreen screen({{0, 0, 0}, {0, 153, 255}, "MS Sans Serif"});
        screen.ShowNote(c.text, 2, 2000, c.announce);
        HWND note = screen.NoteWindow();
        ASSERT_NE(note, nullptr);
        if (c.heard) {
            ASSERT_TRUE(
                testing::WaitUntil("the live region's event", [] { return !gSeen.empty(); }));
            EXPECT_EQ(gSeen.front().window, note);
            EXPECT_EQ(gSeen.front().object, OBJID_CLIENT);
            EXPECT_EQ(gSeen.front().child, CHILDID_SELF);
        } else {
            EXPECT_TRUE(testing::HoldsFor(
                "no live region's event", [] { return gSeen.empty(); }, 300ms));
        }
    }
    UnhookWinEvent(hook);
    SystemParametersInfoW(SPI_SETSCREENREADER, screenReaderWas, nullptr, 0);
}

}  // namespace
}  // namespace keystead::display::win32

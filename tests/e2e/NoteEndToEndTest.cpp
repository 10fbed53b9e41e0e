// The real Keystead.exe shows a note when it puts a key back, and when a key on "Allow
// toggling" changes, without taking the focus from the program in front: the letters typed
// after the press still land there, small. Without section "display" no note window appears.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "CapsLockTest.h"
#include "KeysteadProcess.h"
#include "display/win32/Win32NoteScreen.h"
#include "sound/SoundEvents.h"
#include "tests/support/win32/EditBox.h"

namespace keystead::e2e {
namespace {

using namespace std::chrono_literals;

constexpr char kSettings[] =
    "[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=2\r\nInterval=60000\r\n";

// The note of that text, once it is up (null when it does not come within the ceiling).
HWND WaitForNote(const wchar_t* text) {
    return testing::WaitFor("the note", [text] {
        return FindWindowW(display::win32::Win32NoteScreen::ClassName(), text);
    });
}

class NoteEndToEnd : public CapsLockTest {
protected:
    void Start(const std::string& display) {
        folder_.WriteIni(kSettings + display);
        process_ = std::make_unique<KeysteadProcess>(folder_.Exe());
        ASSERT_TRUE(process_->WaitUntilReady());
        ASSERT_TRUE(box_.Focus());
    }

    ProgramFolder folder_{L"keystead-note"};
    testing::EditBox box_;
};

// How soon the note comes is the benchmark's to measure: here only that it comes and goes.
TEST_F(NoteEndToEnd, APutBackKeyShowsItsNoteAndTypingGoesOn) {
    Start("[display]\r\nCapsLockNote=1\r\nNoteTime=1000\r\n");
    PressKey(VK_CAPITAL);
    HWND note = WaitForNote(L"Caps Lock is held off");
    ASSERT_NE(note, nullptr);

    const DWORD wanted =
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(note, GWL_EXSTYLE)) & wanted, wanted);
    EXPECT_EQ(GetForegroundWindow(), box_.Handle());
    EXPECT_EQ(GetFocus(), box_.Handle());
    EXPECT_TRUE(CapsGoesOff());
    EXPECT_EQ(box_.TypeLetters(), "abc");
    EXPECT_TRUE(WaitUntil("the note to go", [note] { return !IsWindow(note); }));
}

TEST_F(NoteEndToEnd, WithoutTheSectionNoWindowAppears) {
    Start("");
    PressKey(VK_CAPITAL);
    EXPECT_TRUE(CapsGoesOff());
    EXPECT_TRUE(HoldsFor(
        "no note window",
        [] {
            return FindWindowW(display::win32::Win32NoteScreen::ClassName(), nullptr) == nullptr;
        },
        300ms));
    EXPECT_EQ(box_.TypeLetters(), "abc");
}

// Num Lock starts off, as Caps Lock does in every test: under Wine a program started while a
// lock key is on cannot see it on until its next press once another program (an earlier copy
// checking the keys) has read the key's "pressed since" mark.
TEST_F(NoteEndToEnd, AKeyOnAllowTogglingShowsEachChange) {
    TurnOff(VK_NUMLOCK);
    Start("[display]\r\nNumLockNote=2\r\nNoteTime=500\r\n");
    PressKey(VK_NUMLOCK);
    EXPECT_NE(WaitForNote(L"Num Lock on"), nullptr);
    PressKey(VK_NUMLOCK);
    EXPECT_NE(WaitForNote(L"Num Lock off"), nullptr);
    EXPECT_FALSE(KeyToggled(VK_NUMLOCK));
}

// Every note window up now, of this program or another.
std::vector<HWND> Notes() {
    std::vector<HWND> notes;
    for (HWND note = nullptr;
         (note = FindWindowExW(nullptr, note, display::win32::Win32NoteScreen::ClassName(),
                               nullptr)) != nullptr;) {
        if (IsWindowVisible(note)) {
            notes.push_back(note);
        }
    }
    return notes;
}

// Each choice of monitor, read from outside: Wine has one monitor, so each note, one for
// "every monitor" too, stands inside its work area, wherever the pointer is.
TEST_F(NoteEndToEnd, EachMonitorChoicePutsTheNoteOnTheScreen) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor));
    const RECT work = monitor.rcWork;
    SetCursorPos((work.left + work.right) / 2, (work.top + work.bottom) / 2);
    for (int choice = 0; choice <= 3; ++choice) {
        SCOPED_TRACE("NoteMonitor=" + std::to_string(choice));
        Start("[display]\r\nCapsLockNote=1\r\nNoteTime=5000\r\nNoteMonitor=" +
              std::to_string(choice) + "\r\n");
        PressKey(VK_CAPITAL);
        // The window is made a moment before it is shown: count the notes once one is up.
        ASSERT_TRUE(WaitUntil("a note shown", [] { return !Notes().empty(); }));
        const std::vector<HWND> notes = Notes();
        ASSERT_EQ(notes.size(), 1u);
        RECT note{};
        ASSERT_TRUE(GetWindowRect(notes[0], &note));
        EXPECT_TRUE(note.left >= work.left && note.top >= work.top && note.right <= work.right &&
                    note.bottom <= work.bottom)
            << note.left << "," << note.top << " " << note.right << "," << note.bottom;
        End(*process_);
        process_.reset();
        TurnCapsLockOff();
        ASSERT_TRUE(WaitUntil("the note to go", [] { return Notes().empty(); }));
    }
}

bool AppEventsHave(const std::string& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(opened);
    return true;
}

// The sound events are the user's only once a sound is chosen; and with no sound device (Wine
// here has none) the keys are still held.
TEST_F(NoteEndToEnd, SoundEventsComeWithTheFirstSoundAndKeysStayHeldWithoutADevice) {
    const std::string app = std::string(sound::kAppsKey) + "\\Keystead";
    const std::string label =
        std::string(sound::kEventLabelsKey) + "\\" + sound::kSoundEvents[0].name;
    RegDeleteTreeA(HKEY_CURRENT_USER, app.c_str());
    for (const auto& event : sound::kSoundEvents) {
        RegDeleteTreeA(HKEY_CURRENT_USER,
                       (std::string(sound::kEventLabelsKey) + "\\" + event.name).c_str());
    }

    Start("[display]\r\nCapsLockNote=1\r\n");
    PressKey(VK_CAPITAL);
    EXPECT_TRUE(CapsGoesOff());
    EXPECT_FALSE(AppEventsHave(app));
    EXPECT_FALSE(AppEventsHave(label));
    End(*process_);
    process_.reset();

    Start("[display]\r\nCapsLockSound=1\r\n");
    EXPECT_TRUE(
        WaitUntil("the events", [&] { return AppEventsHave(app) && AppEventsHave(label); }));
    for (int press = 0; press < 3; ++press) {
        PressKey(VK_CAPITAL);
        EXPECT_TRUE(CapsGoesOff());
    }
    EXPECT_EQ(box_.TypeLetters(), "abc");
}

}  // namespace
}  // namespace keystead::e2e

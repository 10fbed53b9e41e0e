#pragma once

// The fixture of the settings window's tests on the real platform: real windows and a real
// notification area under Wine; files, registry, keyboard, foreground and notes in memory.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/Keystead.h"
#include "display/fake/FakeNoteScreen.h"
#include "lockkeys/fake/FakeKeyboard.h"
#include "pause/fake/FakeForeground.h"
#include "programs/fake/FakeRunningPrograms.h"
#include "registry/fake/MemoryRegistry.h"
#include "settings/fake/IniFile.h"
#include "sound/fake/FakeSoundPlayer.h"
#include "tests/support/win32/Wait.h"
#include "toolkit/fake/FakeToolkit.h"
#include "toolkit/win32/Win32Form.h"
#include "tray/win32/Win32NotifyArea.h"

namespace keystead::app {

class Win32AppTest : public ::testing::Test {
protected:
    // Loads the window, a first run's: the folder holds no settings file.
    void SetUp() override {
        main_.Form().Load();
        form_ = dynamic_cast<toolkit::win32::Win32Form*>(&main_.Form());
        ASSERT_NE(form_, nullptr);
        ASSERT_TRUE(testing::WaitUntil("the window to show", [this] { return form_->Visible(); }))
            << "a first run shows the window";
    }
    void TearDown() override {
        if (form_ != nullptr && form_->Loaded()) {
            form_->Unload();
        }
        testing::WaitUntilQuiet();
    }

    HWND Window() const { return reinterpret_cast<HWND>(form_->hWnd()); }

    toolkit::fake::FakeApplication application_;
    toolkit::win32::Win32Screen screen_;
    toolkit::win32::Win32FormFactory forms_{screen_};
    toolkit::fake::FakeShell shell_;
    lockkeys::FakeKeyboard keyboard_;
    settings::fake::IniFile profile_;
    registry::fake::MemoryRegistry registry_;
    tray::win32::Win32NotifyArea notifyArea_;
    pause::FakeForeground foreground_;
    display::FakeNoteScreen notes_;
    display::FakeIconPainter icons_;
    sound::FakeSoundPlayer sounds_;
    programs::fake::FakeRunningPrograms running_;
    const Platform platform_{application_, screen_,   forms_,      shell_,      keyboard_,
                             profile_,     registry_, notifyArea_, foreground_, notes_,
                             icons_,       sounds_,   running_};
    Keystead main_{platform_};
    toolkit::win32::Win32Form* form_ = nullptr;
};

}  // namespace keystead::app

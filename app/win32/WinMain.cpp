// Keystead.exe: the real platform services, the program, and the message loop.
#include <windows.h>

#include "app/ChosenLanguage.h"
#include "app/Keystead.h"
#include "app/Launch.h"
#include "app/MainLayout.h"
#include "display/win32/Win32IconPainter.h"
#include "display/win32/Win32NoteScreen.h"
#include "lockkeys/win32/Win32Keyboard.h"
#include "pause/win32/Win32Foreground.h"
#include "product/Product.h"
#include "programs/win32/Win32RunningPrograms.h"
#include "registry/win32/Win32Registry.h"
#include "settings/win32/Win32Profile.h"
#include "sound/win32/Win32SoundPlayer.h"
#include "toolkit/win32/Library.h"
#include "toolkit/win32/Win32Application.h"
#include "toolkit/win32/Win32Form.h"
#include "toolkit/win32/Win32Shell.h"
#include "tray/win32/Win32NotifyArea.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    using namespace keystead;

    // Before anything loads a DLL by name.
    toolkit::win32::LoadDllsOnlyFromSystemFolder();

    // The common controls are loaded by the toolkit when a window first makes its controls.
    // No COM here: the shell wrapper sets it up around each "open", so that ole32 and what
    // it brings stay out of memory while the program idles in the tray.

    toolkit::win32::Win32Application application(kProductName);
    // Before our own window exists, or the running copy's would not be the only one.
    const app::Launch launch =
        app::PlanLaunch(commandLine != nullptr ? commandLine : "", application);
    if (!launch.run) {
        return launch.exitCode;
    }
    toolkit::win32::Win32Screen screen;
    toolkit::win32::Win32FormFactory forms(screen);
    toolkit::win32::Win32Shell shell;
    lockkeys::win32::Win32Keyboard keyboard;
    settings::win32::Win32Profile profile;
    registry::win32::Win32Registry registry;
    tray::win32::Win32NotifyArea notifyArea;
    pause::win32::Win32Foreground foreground;
    // Once this is the only copy: a second start reads nothing.
    const language::Language language = app::ChosenLanguage(application, profile, registry);
    // Notes wear the settings window's colours and font, in the language it speaks.
    const toolkit::FormDesign& design = app::MainFormDesign(language);
    display::win32::Win32NoteScreen notes({design.background, design.foreground, design.fontFace});
    display::win32::Win32IconPainter icons;
    sound::win32::Win32SoundPlayer sounds;
    programs::win32::Win32RunningPrograms running;
    const app::Platform platform{application, screen,     forms, shell, keyboard, profile, registry,
                                 notifyArea,  foreground, notes, icons, sounds,   running};

    app::Keystead keystead(platform, language);
    keystead.Form().Load();
    if (!keystead.Form().Loaded()) {
        return 0;
    }
    keystead.RunCommand(launch.command);
    return toolkit::win32::RunMessageLoop();
}

// Keystead.exe: the real platform services, the settings window, and the message loop.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/Main.h"
#include "app/Product.h"
#include "lockkeys/win32/Win32Keyboard.h"
#include "registry/win32/Win32Registry.h"
#include "settings/win32/Win32Profile.h"
#include "toolkit/win32/Win32Application.h"
#include "toolkit/win32/Win32Form.h"
#include "toolkit/win32/Win32Shell.h"
#include "tray/win32/Win32NotifyArea.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace keystead;

    // The manifest asks for version 6 of the common controls; loading them here makes the
    // window's buttons take the system's visual style.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The shell's "open" may hand the read-me or the web page to a COM-based handler.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

    toolkit::win32::Win32Application application(app::kProductName);
    toolkit::win32::Win32Screen screen;
    toolkit::win32::Win32FormFactory forms(screen);
    toolkit::win32::Win32Shell shell;
    lockkeys::win32::Win32Keyboard keyboard;
    settings::win32::Win32Profile profile;
    registry::win32::Win32Registry registry;
    tray::win32::Win32NotifyArea notifyArea;
    const app::Platform platform{application, screen,  forms,    shell,
                                 keyboard,    profile, registry, notifyArea};

    app::Main main(platform);
    main.Form().Load();
    if (!main.Form().Loaded()) {
        return 0;
    }
    return toolkit::win32::RunMessageLoop();
}

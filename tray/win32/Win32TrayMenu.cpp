#include <windows.h>

#include "toolkit/win32/Handles.h"
#include "toolkit/win32/Text.h"
#include "tray/win32/Win32NotifyArea.h"

namespace keystead::tray::win32 {

using UniqueMenu = toolkit::win32::UniqueHandle<HMENU, ::DestroyMenu>;

// After Windows-classic-samples' NotificationIcon: the menu opens towards the side the
// system's menus drop to, and is answered with the chosen command rather than WM_COMMAND.
std::uint32_t Win32NotifyArea::TrackMenu(std::uintptr_t owner, std::int32_t x, std::int32_t y,
                                         std::span<const TrayMenuItem> items) {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) {
        return 0;
    }
    for (const TrayMenuItem& item : items) {
        AppendMenuW(menu.get(), MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), item.command,
                    toolkit::win32::Widen(item.caption).c_str());
    }
    if (!items.empty()) {
        SetMenuDefaultItem(menu.get(), items.front().command, FALSE);
    }
    const auto window = reinterpret_cast<HWND>(owner);
    // Our window must be in front while the menu is open, or the menu does not close when
    // the user clicks elsewhere or presses Esc.
    SetForegroundWindow(window);
    UINT flags = TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON;
    flags |= GetSystemMetrics(SM_MENUDROPALIGNMENT) != 0 ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    const BOOL chosen = TrackPopupMenuEx(menu.get(), flags, x, y, window, nullptr);
    // Lets the window's thread leave the menu's modal state before the next message.
    PostMessageW(window, WM_NULL, 0, 0);
    return chosen > 0 ? static_cast<std::uint32_t>(chosen) : 0;
}

}  // namespace keystead::tray::win32

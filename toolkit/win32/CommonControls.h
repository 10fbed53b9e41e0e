#pragma once

#include <windows.h>

#include <commctrl.h>

namespace keystead::toolkit::win32 {

// The common controls library, loaded the first time a form makes its controls rather than
// imported: a program idling in the tray never needs it. The manifest binds the name to
// version 6, so that the buttons take the system's visual style.
void InitCommonControlsOnce();

// comctl32's window subclassing, looked up once the library is loaded. Only windows made
// after InitCommonControlsOnce are subclassed.
BOOL SetSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
BOOL RemoveSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
LRESULT DefSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace keystead::toolkit::win32

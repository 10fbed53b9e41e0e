#pragma once

#include <windows.h>

namespace keystead::toolkit::win32 {

// Gives a control the name a screen reader says for it, where its caption alone does not
// tell (nine option buttons share three captions). The name's text must outlive the window.
// Nothing is loaded until a screen reader asks (WM_GETOBJECT): then oleacc wraps the
// control's standard accessible object, with this name.
void NameForScreenReaders(HWND control, const char* name);

// The name given to a control, or null: what a screen reader is told.
const char* ScreenReaderName(HWND control);

}  // namespace keystead::toolkit::win32

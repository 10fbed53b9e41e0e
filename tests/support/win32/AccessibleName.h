#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

#include "toolkit/win32/Text.h"

namespace keystead::testing {

// The name a screen reader hears for a window: its accessible object through WM_GETOBJECT and
// get_accName, as Narrator and NVDA ask. "<no object>" when the window gives none.
inline std::string AccessibleName(HWND control) {
    IAccessible* accessible = nullptr;
    if (control == nullptr || FAILED(AccessibleObjectFromWindow(
                                  control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                  reinterpret_cast<void**>(&accessible)))) {
        return "<no object>";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text = "<no name>";
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr) {
        text = toolkit::win32::Narrow(name);
        SysFreeString(name);
    }
    accessible->Release();
    return text;
}

}  // namespace keystead::testing

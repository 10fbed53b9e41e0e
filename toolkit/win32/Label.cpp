#include "toolkit/win32/Controls.h"

namespace keystead::toolkit::win32 {

void Label::Make(HWND parent) {
    DWORD style = design_.align == TextAlign::Right    ? SS_RIGHT
                  : design_.align == TextAlign::Center ? SS_CENTER
                                                       : SS_LEFT;
    if (StartsGroup()) {
        style |= WS_GROUP;
    }
    Create(L"STATIC", style, 0, parent);
}

}  // namespace keystead::toolkit::win32

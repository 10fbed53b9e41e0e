#include "toolkit/win32/Controls.h"

namespace keystead::toolkit::win32 {

Label::Label(const ControlDesign& design, FormState& form, const Placement& at)
    : Control(design, form) {
    DWORD style = design.align == TextAlign::Right    ? SS_RIGHT
                  : design.align == TextAlign::Center ? SS_CENTER
                                                      : SS_LEFT;
    if (at.startsGroup) {
        style |= WS_GROUP;
    }
    Create(L"STATIC", style, 0, at.parent, at.commandId);
}

}  // namespace keystead::toolkit::win32

#include "toolkit/win32/Controls.h"

namespace keystead::toolkit::win32 {

void CommandButton::Make(HWND parent) {
    Create(L"BUTTON",
           (design_.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP | WS_GROUP, 0,
           parent);
}

void CommandButton::OnCommand(int code) {
    // The dialog manager sends IDOK and IDCANCEL for Enter and Esc even while the button
    // is disabled.
    if (code == BN_CLICKED && Enabled()) {
        form_.events.Control_Click(design_.id, design_.index);
    }
}

}  // namespace keystead::toolkit::win32

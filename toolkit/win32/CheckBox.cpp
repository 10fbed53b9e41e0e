#include "toolkit/win32/Controls.h"

#include "toolkit/ToolkitError.h"
#include "toolkit/win32/Colours.h"

namespace keystead::toolkit::win32 {

CheckBox::CheckBox(const ControlDesign& design, FormState& form, const Placement& at)
    : Control(design, form) {
    // Three states, so that code may set the grayed one.
    Create(L"BUTTON", BS_3STATE | WS_TABSTOP | WS_GROUP, 0, at.parent, at.commandId);
    DrawInFormColours(Window());
    if (design.value) {
        SendMessageW(Window(), BM_SETCHECK, BST_CHECKED, 0);
    }
}

int CheckBox::Value() const {
    auto state = SendMessageW(Window(), BM_GETCHECK, 0, 0);
    return state == BST_CHECKED ? kChecked : state == BST_INDETERMINATE ? kGrayed : kUnchecked;
}

void CheckBox::SetValue(int value) {
    if (value < kUnchecked || value > kGrayed) {
        throw ToolkitError("check box value out of range");
    }
    if (Value() == value) {
        return;
    }
    WPARAM state = value == kChecked  ? BST_CHECKED
                   : value == kGrayed ? BST_INDETERMINATE
                                      : BST_UNCHECKED;
    SendMessageW(Window(), BM_SETCHECK, state, 0);
    form_.events.Control_Click(design_.id, kNoIndex);
}

void CheckBox::OnCommand(int code) {
    if (code == BN_CLICKED) {
        // A click ticks an unticked box and clears a ticked or grayed one.
        bool ticked = SendMessageW(Window(), BM_GETCHECK, 0, 0) == BST_UNCHECKED;
        SendMessageW(Window(), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
        form_.events.Control_Click(design_.id, design_.index);
    }
}

}  // namespace keystead::toolkit::win32

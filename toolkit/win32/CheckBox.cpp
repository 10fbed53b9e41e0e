#include "toolkit/ToolkitError.h"
#include "toolkit/win32/Colours.h"
#include "toolkit/win32/Controls.h"

namespace keystead::toolkit::win32 {

namespace {

WPARAM CheckState(int value) {
    return value == kChecked ? BST_CHECKED : value == kGrayed ? BST_INDETERMINATE : BST_UNCHECKED;
}

}  // namespace

CheckBox::CheckBox(const ControlDesign& design, FormState& form, const Placement& at)
    : Control(design, form, at), value_(design.value ? kChecked : kUnchecked) {}

void CheckBox::Make(HWND parent) {
    // Three states, so that code may set the grayed one.
    Create(L"BUTTON", BS_3STATE | WS_TABSTOP | WS_GROUP, 0, parent);
    DrawInFormColours(Window());
    if (value_ != kUnchecked) {
        SendMessageW(Window(), BM_SETCHECK, CheckState(value_), 0);
    }
}

int CheckBox::Value() const {
    if (Window() == nullptr) {
        return value_;
    }
    auto state = SendMessageW(Window(), BM_GETCHECK, 0, 0);
    return state == BST_CHECKED ? kChecked : state == BST_INDETERMINATE ? kGrayed : kUnchecked;
}

void CheckBox::Put(int value) {
    if (Window() == nullptr) {
        value_ = value;
    } else {
        SendMessageW(Window(), BM_SETCHECK, CheckState(value), 0);
    }
}

void CheckBox::SetValue(int value) {
    if (value < kUnchecked || value > kGrayed) {
        Fail("check box value out of range");
    }
    if (Value() == value) {
        return;
    }
    Put(value);
    form_.events.Control_Click(design_.id, kNoIndex);
}

void CheckBox::OnCommand(int code) {
    if (code == BN_CLICKED) {
        // A click ticks an unticked box and clears a ticked or grayed one.
        Put(Value() == kUnchecked ? kChecked : kUnchecked);
        form_.events.Control_Click(design_.id, design_.index);
    }
}

}  // namespace keystead::toolkit::win32

#include "toolkit/win32/Controls.h"

#include "toolkit/win32/Colours.h"

namespace keystead::toolkit::win32 {

OptionButton::OptionButton(const ControlDesign& design, FormState& form, const Placement& at,
                           OptionGroup& group)
    : Control(design, form), group_(group) {
    Create(L"BUTTON", BS_AUTORADIOBUTTON | (at.startsGroup ? WS_GROUP : 0), 0, at.parent,
           at.commandId);
    DrawInFormColours(Window());
    if (design.value) {
        SendMessageW(Window(), BM_SETCHECK, BST_CHECKED, 0);
    }
    group_.Add(*this);
}

bool OptionButton::Value() const {
    return SendMessageW(Window(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void OptionButton::SetValue(bool value) {
    bool wasSelected = Value();
    if (value) {
        group_.ClearAllBut(*this);  // BM_SETCHECK leaves the other buttons alone
    }
    SendMessageW(Window(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    group_.UpdateTabStop();
    if (value && !wasSelected) {
        form_.events.Control_Click(design_.id, design_.index);
    }
}

void OptionButton::OnCommand(int code) {
    if (code == BN_CLICKED) {
        group_.UpdateTabStop();
        form_.events.Control_Click(design_.id, design_.index);
    }
}

void OptionGroup::ClearAllBut(const OptionButton& chosen) {
    for (OptionButton* button : buttons_) {
        if (button != &chosen) {
            SendMessageW(button->Window(), BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
}

void OptionGroup::UpdateTabStop() {
    // Tab enters an option group at its selected button (at the first one while none is
    // selected), so only that button carries the tab stop.
    const OptionButton* stop = buttons_.empty() ? nullptr : buttons_.front();
    for (const OptionButton* button : buttons_) {
        if (button->Value()) {
            stop = button;
        }
    }
    for (const OptionButton* button : buttons_) {
        LONG_PTR style = GetWindowLongPtrW(button->Window(), GWL_STYLE);
        style = button == stop ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP});
        SetWindowLongPtrW(button->Window(), GWL_STYLE, style);
    }
}

}  // namespace keystead::toolkit::win32

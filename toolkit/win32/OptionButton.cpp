#include "toolkit/win32/Colours.h"
#include "toolkit/win32/Controls.h"

namespace keystead::toolkit::win32 {

OptionButton::OptionButton(const ControlDesign& design, FormState& form, const Placement& at,
                           OptionGroup& group)
    : Control(design, form, at), group_(group), value_(design.value) {
    group_.Add(*this);
}

void OptionButton::Make(HWND parent) {
    Create(L"BUTTON", BS_AUTORADIOBUTTON | (StartsGroup() ? WS_GROUP : 0), 0, parent);
    DrawInFormColours(Window());
    if (value_) {
        SendMessageW(Window(), BM_SETCHECK, BST_CHECKED, 0);
    }
}

bool OptionButton::Value() const {
    return Window() == nullptr ? value_ : SendMessageW(Window(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void OptionButton::Put(bool value) {
    if (Window() == nullptr) {
        value_ = value;
    } else {
        SendMessageW(Window(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void OptionButton::SetValue(bool value) {
    bool wasSelected = Value();
    if (value) {
        group_.ClearAllBut(*this);  // BM_SETCHECK leaves the other buttons alone
    }
    Put(value);
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
            button->Put(false);
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
        if (button->Window() == nullptr) {
            continue;  // set when the windows are made
        }
        LONG_PTR style = GetWindowLongPtrW(button->Window(), GWL_STYLE);
        style = button == stop ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP});
        SetWindowLongPtrW(button->Window(), GWL_STYLE, style);
    }
}

}  // namespace keystead::toolkit::win32

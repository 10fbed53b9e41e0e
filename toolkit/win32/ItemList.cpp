#include "toolkit/ToolkitError.h"
#include "toolkit/win32/Controls.h"
#include "toolkit/win32/Text.h"

namespace keystead::toolkit::win32 {

void ItemList::Make(HWND parent) {
    if (combo_) {
        const std::string text = Caption();
        Create(L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP, 0,
               parent);
        SetCaption(text);  // a combo box takes no text at its creation
    } else {
        // Exactly the design's height, not whole items only.
        Create(L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
               WS_EX_CLIENTEDGE, parent);
    }
    for (const std::string& item : items_) {
        Send(LB_ADDSTRING, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
    if (!combo_) {  // where it would empty the combo box's text
        SendMessageW(Window(), LB_SETCURSEL, static_cast<WPARAM>(index_), 0);
    }
}

LRESULT ItemList::Send(UINT listMessage, UINT comboMessage, WPARAM wParam, LPARAM lParam) const {
    return Window() == nullptr
               ? 0
               : SendMessageW(Window(), combo_ ? comboMessage : listMessage, wParam, lParam);
}

void ItemList::CheckItem(int item) const {
    if (item < 0 || item >= static_cast<int>(items_.size())) {
        Fail("no such item: " + std::to_string(item));
    }
}

const std::string& ItemList::Text(int item) const {
    CheckItem(item);
    return items_[static_cast<std::size_t>(item)];
}

void ItemList::Add(const std::string& item) {
    items_.push_back(item);
    Send(LB_ADDSTRING, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
}

void ItemList::Remove(int item) {
    CheckItem(item);
    items_.erase(items_.begin() + item);
    Send(LB_DELETESTRING, CB_DELETESTRING, static_cast<WPARAM>(item));
    // The items after it move up, and the selection with them, as the window's does.
    index_ = index_ == item ? kNoIndex : index_ > item ? index_ - 1 : index_;
}

void ItemList::Clear() {
    items_.clear();
    index_ = kNoIndex;
    const std::string text = Caption();  // a combo box empties its text box too
    Send(LB_RESETCONTENT, CB_RESETCONTENT);
    SetCaption(text);
}

int ItemList::Index() const {
    return Window() == nullptr ? index_
                               : static_cast<int>(Send(LB_GETCURSEL, CB_GETCURSEL));  // -1: none
}

void ItemList::SetIndex(int item) {
    if (item != kNoIndex) {
        CheckItem(item);
    }
    if (Index() == item) {
        return;
    }
    index_ = item;
    Send(LB_SETCURSEL, CB_SETCURSEL, static_cast<WPARAM>(item));
    form_.events.Control_Click(design_.id, kNoIndex);
}

void ItemList::SetText(const std::string& text) {
    if (Caption() == text) {
        return;  // an unchanged text is no change
    }
    SetCaption(text);  // a combo box tells no change of its own for this
    form_.events.Control_Change(design_.id);
}

void ItemList::OnCommand(int code) {
    if (code == LBN_SELCHANGE && !combo_) {  // CBN_SELCHANGE too, hence the kind
        form_.events.Control_Click(design_.id, kNoIndex);
    } else if (code == CBN_SELCHANGE) {
        // The box shows the picked item only after this notice: put it there now, so that
        // the handler reads it.
        if (int picked = Index(); picked != kNoIndex) {
            SetText(Text(picked));
        }
    } else if (code == CBN_EDITCHANGE && combo_) {
        form_.events.Control_Change(design_.id);
    }
}

}  // namespace keystead::toolkit::win32

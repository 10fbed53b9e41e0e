#include "toolkit/win32/Controls.h"

#include "toolkit/IgnoreFailure.h"
#include "toolkit/win32/CommonControls.h"

namespace keystead::toolkit::win32 {

void TextBox::Make(HWND parent) {
    Create(L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE, parent);
    SendMessageW(Window(), EM_SETLIMITTEXT, 0, 0);  // no limit but the system's
    SetSubclass(Window(), &TextBoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

TextBox::~TextBox() {
    // The window may outlive this object until its parent goes.
    if (Window() != nullptr) {
        RemoveSubclass(Window(), &TextBoxProc, 0);
    }
}

void TextBox::SetText(const std::string& text) {
    if (Caption() == text) {
        return;  // an unchanged text is no change
    }
    ++form_.quietChanges;  // the edit control's own EN_CHANGE is replaced by the one below
    SetCaption(text);
    --form_.quietChanges;
    form_.events.Control_Change(design_.id);
}

void TextBox::OnCommand(int code) {
    if (code == EN_CHANGE && form_.quietChanges == 0) {
        form_.events.Control_Change(design_.id);
    }
}

LRESULT CALLBACK TextBox::TextBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR /*id*/, DWORD_PTR data) {
    if (message == WM_NCDESTROY) {
        RemoveSubclass(hwnd, &TextBoxProc, 0);
    }
    LRESULT result = DefSubclass(hwnd, message, wParam, lParam);
    // A text box loses the focus to another control of the form only. Switching to another
    // program, or hiding the window, leaves the focus where it was for the form's purposes.
    auto* box = reinterpret_cast<TextBox*>(data);
    auto next = reinterpret_cast<HWND>(wParam);
    if (message == WM_KILLFOCUS && box->form_.loaded && next != nullptr &&
        IsChild(box->form_.window, next)) {
        // as in the form's window procedure: a handler that fails ends, the program goes on
        IgnoreFailure([box] { box->form_.events.Control_LostFocus(box->design_.id); });
    }
    return result;
}

}  // namespace keystead::toolkit::win32

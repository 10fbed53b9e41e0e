#include "toolkit/win32/Controls.h"

#include <string>

#include "toolkit/ToolkitError.h"
#include "toolkit/win32/Accessibility.h"
#include "toolkit/win32/Text.h"

namespace keystead::toolkit::win32 {

namespace {

constexpr int kFirstCommandId = 100;

}  // namespace

Control::Control(const ControlDesign& design, FormState& form, const Placement& at)
    : design_(design),
      form_(form),
      at_(at),
      caption_(Widen(design.caption)),
      enabled_(design.enabled) {}

void Control::Create(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent) {
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (design_.visible) {
        style |= WS_VISIBLE;
    }
    if (!enabled_) {
        style |= WS_DISABLED;
    }
    window_ = CreateWindowExW(exStyle, className, caption_.c_str(), style, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(at_.commandId)),
                              GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) {
        Fail("cannot create control " + std::to_string(design_.id));
    }
    std::wstring().swap(caption_);  // the window holds it now
    if (design_.accessibleName != nullptr) {
        NameForScreenReaders(window_, design_.accessibleName);
    }
}

std::string Control::Caption() const {
    if (window_ == nullptr) {
        return Narrow(caption_);
    }
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void Control::SetCaption(const std::string& text) {
    if (window_ == nullptr) {
        caption_ = Widen(text);
        return;
    }
    SetWindowTextW(window_, Widen(text).c_str());
}

bool Control::Enabled() const {
    return window_ == nullptr ? enabled_ : IsWindowEnabled(window_) != FALSE;
}

void Control::SetEnabled(bool enabled) {
    if (window_ == nullptr) {
        enabled_ = enabled;
        return;
    }
    if (!enabled && GetFocus() == window_) {
        // A disabled control that keeps the focus leaves the keyboard nowhere to go.
        SendMessageW(form_.window, WM_NEXTDLGCTL, 0, FALSE);
    }
    EnableWindow(window_, enabled ? TRUE : FALSE);
}

ControlSet::ControlSet(FormState& form) : form_(form) {
    int nextId = kFirstCommandId;
    const ControlDesign* previous = nullptr;  // the control added last, frames aside
    for (const ControlDesign& design : form_.design.controls) {
        if (design.kind == ControlKind::Frame) {
            AddFrame(design.id);  // a frame that holds nothing yet
            continue;
        }
        // The arrow keys move within a group up to the next control that starts one. Wine
        // looks inside a frame and ignores the frame's own WS_GROUP, so the first button of
        // an option group starts one, and so does the first control after a frame.
        bool startsGroup = design.kind == ControlKind::OptionButton
                               ? previous == nullptr ||
                                     previous->kind != ControlKind::OptionButton ||
                                     previous->id != design.id
                               : previous != nullptr && previous->container != design.container;
        // Enter and Esc reach the buttons through the dialog manager's IDOK and IDCANCEL.
        int commandId = design.kind == ControlKind::PictureBox ? 0
                        : design.isDefault                     ? IDOK
                        : design.isCancel                      ? IDCANCEL
                                                               : nextId++;
        AddFrame(design.container);
        controls_.push_back(New(design, {commandId, startsGroup}));
        if (design.kind != ControlKind::PictureBox) {
            previous = &design;
        }
    }
}

void ControlSet::Make() {
    if (made_) {
        return;
    }
    made_ = true;
    // In tab order: a container's place among its siblings decides when Tab reaches the
    // controls inside, and a frame comes before what it holds.
    for (const auto& control : controls_) {
        const ControlDesign& design = control->Design();
        control->Make(design.kind == ControlKind::Frame ? form_.window
                                                        : ContainerWindow(design.container));
    }
    for (const auto& group : groups_) {
        group->UpdateTabStop();
    }
}

std::unique_ptr<Control> ControlSet::New(const ControlDesign& design, const Placement& at) {
    switch (design.kind) {
        case ControlKind::Label:
            return std::make_unique<Label>(design, form_, at);
        case ControlKind::OptionButton:
            return std::make_unique<OptionButton>(design, form_, at, GroupOf(design.container));
        case ControlKind::CheckBox:
            return std::make_unique<CheckBox>(design, form_, at);
        case ControlKind::TextBox:
            return std::make_unique<TextBox>(design, form_, at);
        case ControlKind::CommandButton:
            return std::make_unique<CommandButton>(design, form_, at);
        case ControlKind::PictureBox:
            return std::make_unique<PictureBox>(design, form_);
        case ControlKind::ListBox:
        case ControlKind::ComboBox:
            return std::make_unique<ItemList>(design, form_, at);
        case ControlKind::Frame:
            break;
    }
    Fail("unknown control kind of " + std::to_string(design.id));
}

// A frame takes its place where its first control stands in the tab order.
void ControlSet::AddFrame(int containerId) {
    if (containerId == kOnForm) {
        return;
    }
    for (const auto& control : controls_) {
        if (control->Design().id == containerId && control->Design().kind == ControlKind::Frame) {
            return;
        }
    }
    for (const ControlDesign& design : form_.design.controls) {
        if (design.id == containerId && design.kind == ControlKind::Frame) {
            controls_.push_back(std::make_unique<Frame>(design, form_));
            return;
        }
    }
    Fail("no such frame: " + std::to_string(containerId));
}

HWND ControlSet::ContainerWindow(int containerId) const {
    if (containerId != kOnForm) {
        for (const auto& control : controls_) {
            if (control->Design().id == containerId &&
                control->Design().kind == ControlKind::Frame) {
                return control->Window();
            }
        }
    }
    return form_.window;
}

OptionGroup& ControlSet::GroupOf(int containerId) {
    for (const auto& group : groups_) {
        if (group->Container() == containerId) {
            return *group;
        }
    }
    return *groups_.emplace_back(std::make_unique<OptionGroup>(containerId));
}

Control& ControlSet::At(int id, int index) const {
    for (const auto& control : controls_) {
        if (control->Design().id == id && control->Design().index == index) {
            return *control;
        }
    }
    Fail("no such control: " + std::to_string(id) + "(" + std::to_string(index) + ")");
}

ItemList& ControlSet::ListAt(int id) const {
    Control& control = At(id, kNoIndex);
    if (control.Design().kind != ControlKind::ListBox &&
        control.Design().kind != ControlKind::ComboBox) {
        FailWrongKind(id);
    }
    return static_cast<ItemList&>(control);
}

void ControlSet::FailWrongKind(int id) {
    Fail("control " + std::to_string(id) + " is of another kind");
}

Control* ControlSet::FindByWindow(HWND window) const {
    for (const auto& control : controls_) {
        if (control->Window() == window && window != nullptr && control->CommandId() != 0) {
            return control.get();
        }
    }
    return nullptr;
}

Control* ControlSet::FindByCommand(int commandId) const {
    for (const auto& control : controls_) {
        if (control->CommandId() == commandId && commandId != 0) {
            return control.get();
        }
    }
    return nullptr;
}

}  // namespace keystead::toolkit::win32

#include <stdexcept>

#include "toolkit/ToolkitError.h"
#include "toolkit/fake/FakeToolkit.h"

namespace keystead::toolkit::fake {

FakeForm::FakeForm(const FormDesign& design, FormEvents& events, std::uintptr_t handle)
    : events_(events), handle_(handle), icon_(static_cast<std::uintptr_t>(1000 + design.icon)) {
    for (const ControlDesign& control : design.controls) {
        controls_.emplace(std::pair{control.id, control.index},
                          Control{&control,
                                  control.caption,
                                  control.enabled,
                                  control.kind == ControlKind::ListBox ? kNoIndex
                                  : control.value                      ? 1
                                                                       : 0,
                                  {}});
        if (control.kind == ControlKind::PictureBox) {
            pictures_.emplace(control.id,
                              FakePicture(1000 + static_cast<std::uintptr_t>(control.picture)));
        }
    }
}

void FakeForm::Load() {
    loaded_ = true;
    events_.Form_Load();
}

void FakeForm::Unload() {
    bool cancel = false;
    events_.Form_Unload(cancel);
    if (!cancel) {
        timer_.SetEnabled(false);
        retryTimer_.SetEnabled(false);
        recheckTimer_.SetEnabled(false);
        loaded_ = false;
        visible_ = false;
    }
}

FakeForm::Control& FakeForm::At(int id, int index) {
    auto found = controls_.find({id, index});
    if (found == controls_.end()) {
        throw ToolkitError("no such control: " + std::to_string(id) + "(" + std::to_string(index) +
                           ")");
    }
    return found->second;
}

const FakeForm::Control& FakeForm::At(int id, int index) const {
    return const_cast<FakeForm*>(this)->At(id, index);
}

FakeForm::Control& FakeForm::List(int id) {
    Control& list = At(id, kNoIndex);
    if (list.design->kind != ControlKind::ListBox && list.design->kind != ControlKind::ComboBox) {
        throw ToolkitError("no list: " + std::to_string(id));
    }
    return list;
}

void FakeForm::RemoveItem(int id, int item) {
    Control& list = List(id);
    (void)ListText(id, item);  // in range
    list.items.erase(list.items.begin() + item);
    // The items after it move up, and the selection with them, as Windows' lists do.
    list.value = list.value == item ? kNoIndex : list.value > item ? list.value - 1 : list.value;
}

int FakeForm::ListCount(int id) const {
    return static_cast<int>(List(id).items.size());
}

std::string FakeForm::ListText(int id, int item) const {
    if (item < 0 || item >= ListCount(id)) {
        throw ToolkitError("no such item: " + std::to_string(item));
    }
    return List(id).items[static_cast<std::size_t>(item)];
}

void FakeForm::SetListIndex(int id, int item) {
    if (item != kNoIndex) {
        (void)ListText(id, item);
    }
    Control& list = List(id);
    if (list.value != item) {
        list.value = item;
        events_.Control_Click(id, kNoIndex);
    }
}

void FakeForm::Pick(int id, int item) {
    if (!List(id).enabled) {
        return;
    }
    if (List(id).design->kind == ControlKind::ComboBox) {
        SetText(id, ListText(id, item));
    } else {
        SetListIndex(id, item);
    }
}

const ControlDesign& FakeForm::Design(int id, int index) const {
    return *At(id, index).design;
}

bool FakeForm::ControlVisible(int id) const {
    return At(id, kNoIndex).design->visible;
}

const Picture& FakeForm::PictureOf(int id) const {
    auto found = pictures_.find(id);
    if (found == pictures_.end()) {
        throw ToolkitError("no picture box: " + std::to_string(id));
    }
    return found->second;
}

bool FakeForm::OptionValue(int id, int index) const {
    return At(id, index).value != 0;
}

void FakeForm::SetOptionValue(int id, int index, bool value) {
    Control& chosen = At(id, index);
    bool wasSelected = chosen.value != 0;
    if (!value) {
        chosen.value = 0;
        return;
    }
    for (auto& [key, control] : controls_) {
        if (control.design->kind == ControlKind::OptionButton &&
            control.design->container == chosen.design->container) {
            control.value = 0;
        }
    }
    chosen.value = 1;
    if (!wasSelected) {
        events_.Control_Click(id, index);
    }
}

int FakeForm::CheckValue(int id) const {
    return At(id, kNoIndex).value;
}

void FakeForm::SetCheckValue(int id, int value) {
    if (value < kUnchecked || value > kGrayed) {
        throw ToolkitError("check box value out of range");
    }
    Control& box = At(id, kNoIndex);
    if (box.value != value) {
        box.value = value;
        events_.Control_Click(id, kNoIndex);
    }
}

std::string FakeForm::Text(int id) const {
    return At(id, kNoIndex).text;
}

void FakeForm::SetText(int id, const std::string& text) {
    Control& box = At(id, kNoIndex);
    if (box.text != text) {
        box.text = text;
        events_.Control_Change(id);
    }
}

bool FakeForm::Enabled(int id) const {
    return At(id, kNoIndex).enabled;
}

void FakeForm::SetEnabled(int id, bool enabled) {
    At(id, kNoIndex).enabled = enabled;
}

std::string FakeForm::Caption(int id) const {
    return At(id, kNoIndex).text;
}

void FakeForm::SetCaption(int id, const std::string& caption) {
    At(id, kNoIndex).text = caption;
}

void FakeForm::Click(int id, int index) {
    Control& control = At(id, index);
    if (!control.enabled) {
        return;
    }
    switch (control.design->kind) {
        case ControlKind::OptionButton:
            // A click on the selected button raises Click again, as a real one does.
            if (control.value != 0) {
                events_.Control_Click(id, index);
            } else {
                SetOptionValue(id, index, true);
            }
            break;
        case ControlKind::CheckBox:
            SetCheckValue(id, control.value == kUnchecked ? kChecked : kUnchecked);
            break;
        case ControlKind::CommandButton:
            events_.Control_Click(id, index);
            break;
        default:
            throw std::logic_error("this control takes no clicks");
    }
}

void FakeForm::Type(int id, const std::string& text) {
    SetText(id, text);
}

void FakeForm::LeaveField(int id) {
    events_.Control_LostFocus(id);
}

void FakeForm::ReleaseKey(int keyCode, int shift) {
    events_.Form_KeyUp(keyCode, shift);
}

void FakeForm::Tick() {
    if (driver_.running) {
        timer_.Fire();
    }
}

std::unique_ptr<Form> FakeFormFactory::Create(const FormDesign& design, FormEvents& events) {
    auto form = std::make_unique<FakeForm>(design, events);
    last = form.get();
    ++created;
    return form;
}

std::optional<std::uint64_t> FakeApplication::FileLength(const std::string& file) const {
    auto found = files.find(file);
    if (found == files.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace keystead::toolkit::fake

#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Form.h"
#include "toolkit/win32/Colours.h"
#include "toolkit/win32/Pictures.h"

namespace keystead::toolkit::win32 {

// What the controls of one form share with it: its window, its handlers and its state.
struct FormState {
    const FormDesign& design;
    FormEvents& events;
    SystemEvents* system = nullptr;  // the main window's alone
    HWND window = nullptr;
    bool loaded = false;
    int quietChanges = 0;  // > 0 while code changes a control: its own notice is not raised
};

// Where a control goes among its siblings: its command id and whether it begins a group for
// the arrow keys.
struct Placement {
    int commandId;
    bool startsGroup;
};

// One control of a form. Its child window is made when the form is first shown; until then
// the control keeps its caption, state and value itself, and every property reads and writes
// those. Each kind lives in a file of its own (make, read, write, notifications); the window
// goes with its parent.
class Control {
public:
    Control(const ControlDesign& design, FormState& form, const Placement& at);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const ControlDesign& Design() const { return design_; }
    HWND Window() const { return window_; }
    int CommandId() const { return at_.commandId; }

    // Makes the child window in `parent`, showing what was kept.
    virtual void Make(HWND parent) = 0;

    std::string Caption() const;
    void SetCaption(const std::string& text);
    bool Enabled() const;
    void SetEnabled(bool enabled);

    // A notice the control sent its parent (WM_COMMAND), as the form's events.
    virtual void OnCommand(int /*code*/) {}
    // Whether it draws in the form's colours; command buttons and text boxes keep the
    // system's.
    virtual bool InFormColours() const { return true; }
    // High contrast or the system's colours changed; the form repaints everything after.
    virtual void OnColoursChange() {}

protected:
    // Creates the child window with the caption and enabled state kept, visible as designed.
    void Create(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent);
    // A window of the project's own, with a procedure that finds `this` at WM_NCCREATE.
    void Adopt(HWND window) { window_ = window; }
    bool StartsGroup() const { return at_.startsGroup; }

    const ControlDesign& design_;
    FormState& form_;

private:
    HWND window_ = nullptr;
    Placement at_;
    // Kept until the window is made, which holds them from then on.
    std::wstring caption_;
    bool enabled_;
};

class Label final : public Control {
public:
    static constexpr ControlKind kKind = ControlKind::Label;
    using Control::Control;
    void Make(HWND parent) override;
};

// An invisible container: its option buttons form one group, and Tab enters it where its
// first control stands in the tab order.
class Frame final : public Control {
public:
    static constexpr ControlKind kKind = ControlKind::Frame;
    Frame(const ControlDesign& design, FormState& form) : Control(design, form, {0, false}) {}
    void Make(HWND parent) override;

private:
    static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

class OptionGroup;

class OptionButton final : public Control {
public:
    static constexpr ControlKind kKind = ControlKind::OptionButton;
    OptionButton(const ControlDesign& design, FormState& form, const Placement& at,
                 OptionGroup& group);
    void Make(HWND parent) override;
    bool Value() const;
    // Selecting one clears the others of its container; a newly selected one raises Click.
    void SetValue(bool value);
    void OnCommand(int code) override;
    void OnColoursChange() override { DrawInFormColours(Window()); }

private:
    friend class OptionGroup;
    void Put(bool value);

    OptionGroup& group_;
    bool value_;  // until the window is made
};

// The option buttons of one container: one is selected, and only it takes Tab.
class OptionGroup {
public:
    explicit OptionGroup(int container) : container_(container) {}
    int Container() const { return container_; }
    void Add(OptionButton& button) { buttons_.push_back(&button); }
    void ClearAllBut(const OptionButton& chosen);
    void UpdateTabStop();

private:
    int container_;
    std::vector<OptionButton*> buttons_;
};

class CheckBox final : public Control {
public:
    static constexpr ControlKind kKind = ControlKind::CheckBox;
    CheckBox(const ControlDesign& design, FormState& form, const Placement& at);
    void Make(HWND parent) override;
    int Value() const;
    void SetValue(int value);
    void OnCommand(int code) override;
    void OnColoursChange() override { DrawInFormColours(Window()); }

private:
    void Put(int value);

    int value_;  // until the window is made
};

class TextBox final : public Control {
public:
    static constexpr ControlKind kKind = ControlKind::TextBox;
    using Control::Control;
    ~TextBox() override;
    void Make(HWND parent) override;
    void SetText(const std::string& text);
    void OnCommand(int code) override;
    bool InFormColours() const override { return false; }

private:
    static LRESULT CALLBACK TextBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data);
};

// A list box, or a combo box: a text box with a list to pick from. Both keep their items here
// too, so that they read back before the window is made and without asking it.
class ItemList final : public Control {
public:
    ItemList(const ControlDesign& design, FormState& form, const Placement& at)
        : Control(design, form, at), combo_(design.kind == ControlKind::ComboBox) {}
    void Make(HWND parent) override;
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Text(int item) const;
    void Add(const std::string& item);
    void Remove(int item);
    void Clear();
    int Index() const;
    void SetIndex(int item);
    // A combo box's text; raises Change when it changes.
    void SetText(const std::string& text);
    void OnCommand(int code) override;
    bool InFormColours() const override { return false; }

private:
    // The message of a list box, or the combo box's that does the same.
    LRESULT Send(UINT listMessage, UINT comboMessage, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void CheckItem(int item) const;

    bool combo_;
    std::vector<std::string> items_;
    int index_ = kNoIndex;  // until the window is made
};

class CommandButton final : public Control {
public:
    static constexpr ControlKind kKind = ControlKind::CommandButton;
    using Control::Control;
    void Make(HWND parent) override;
    void OnCommand(int code) override;
    bool InFormColours() const override { return false; }
};

// Holds an image only; it is never shown, so it has no window. The image is loaded the
// first time it is asked for.
class PictureBox final : public Control {
public:
    static constexpr ControlKind kKind = ControlKind::PictureBox;
    PictureBox(const ControlDesign& design, FormState& form) : Control(design, form, {0, false}) {}
    void Make(HWND /*parent*/) override {}
    const Win32Picture& Picture() const;

private:
    mutable std::unique_ptr<Win32Picture> picture_;
};

// Every control of a form, in tab order. Their windows come later, all at once (Make).
class ControlSet {
public:
    explicit ControlSet(FormState& form);

    // Makes every control's window, in tab order, frames before what they hold.
    void Make();
    bool Made() const { return made_; }

    const std::vector<std::unique_ptr<Control>>& All() const { return controls_; }
    Control& At(int id, int index) const;
    // The control of that id and index, which must be of this kind.
    template <typename Kind>
    Kind& As(int id, int index) const {
        // Each kind has one class, so the design's kind says what the control is, without RTTI.
        Control& control = At(id, index);
        if (control.Design().kind != Kind::kKind) {
            FailWrongKind(id);
        }
        return static_cast<Kind&>(control);
    }
    // A list box or a combo box.
    ItemList& ListAt(int id) const;
    Control* FindByWindow(HWND window) const;
    Control* FindByCommand(int commandId) const;

private:
    [[noreturn]] static void FailWrongKind(int id);
    std::unique_ptr<Control> New(const ControlDesign& design, const Placement& at);
    void AddFrame(int containerId);
    HWND ContainerWindow(int containerId) const;
    OptionGroup& GroupOf(int containerId);

    FormState& form_;
    bool made_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<OptionGroup>> groups_;
};

}  // namespace keystead::toolkit::win32

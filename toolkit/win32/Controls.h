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

// One control of a form as a child window. Each kind lives in a file of its own (create,
// read, write, notifications); the window goes with its parent.
class Control {
public:
    Control(const ControlDesign& design, FormState& form) : design_(design), form_(form) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const ControlDesign& Design() const { return design_; }
    HWND Window() const { return window_; }
    int CommandId() const { return commandId_; }

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
    // Creates the child window, visible and enabled as designed.
    void Create(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, int commandId);
    // A window of the project's own, with a procedure that finds `this` at WM_NCCREATE.
    void Adopt(HWND window) { window_ = window; }

    const ControlDesign& design_;
    FormState& form_;

private:
    HWND window_ = nullptr;
    int commandId_ = 0;
};

// Where a new control goes and how it starts: its parent, its command id and whether it
// begins a group for the arrow keys.
struct Placement {
    HWND parent;
    int commandId;
    bool startsGroup;
};

class Label final : public Control {
public:
    Label(const ControlDesign& design, FormState& form, const Placement& at);
};

// An invisible container: its option buttons form one group, and Tab enters it where its
// first control stands in the tab order.
class Frame final : public Control {
public:
    Frame(const ControlDesign& design, FormState& form, HWND parent);

private:
    static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

class OptionGroup;

class OptionButton final : public Control {
public:
    OptionButton(const ControlDesign& design, FormState& form, const Placement& at,
                 OptionGroup& group);
    bool Value() const;
    // Selecting one clears the others of its container; a newly selected one raises Click.
    void SetValue(bool value);
    void OnCommand(int code) override;
    void OnColoursChange() override { DrawInFormColours(Window()); }

private:
    OptionGroup& group_;
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
    CheckBox(const ControlDesign& design, FormState& form, const Placement& at);
    int Value() const;
    void SetValue(int value);
    void OnCommand(int code) override;
    void OnColoursChange() override { DrawInFormColours(Window()); }
};

class TextBox final : public Control {
public:
    TextBox(const ControlDesign& design, FormState& form, const Placement& at);
    ~TextBox() override;
    void SetText(const std::string& text);
    void OnCommand(int code) override;
    bool InFormColours() const override { return false; }

private:
    static LRESULT CALLBACK TextBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data);
};

class CommandButton final : public Control {
public:
    CommandButton(const ControlDesign& design, FormState& form, const Placement& at);
    void OnCommand(int code) override;
    bool InFormColours() const override { return false; }
};

// Holds an image only; it is never shown, so it has no window.
class PictureBox final : public Control {
public:
    PictureBox(const ControlDesign& design, FormState& form);
    const Win32Picture& Picture() const { return *picture_; }

private:
    std::unique_ptr<Win32Picture> picture_;
};

// Every control of a form, created in tab order.
class ControlSet {
public:
    explicit ControlSet(FormState& form);

    const std::vector<std::unique_ptr<Control>>& All() const { return controls_; }
    Control& At(int id, int index) const;
    // The control of that id and index, which must be of this kind.
    template <typename Kind>
    Kind& As(int id, int index) const {
        auto* control = dynamic_cast<Kind*>(&At(id, index));
        if (control == nullptr) {
            ThrowWrongKind(id);
        }
        return *control;
    }
    Control* FindByWindow(HWND window) const;
    Control* FindByCommand(int commandId) const;

private:
    [[noreturn]] static void ThrowWrongKind(int id);
    std::unique_ptr<Control> Make(const ControlDesign& design, const Placement& at);
    HWND ContainerWindow(int containerId);
    OptionGroup& GroupOf(int containerId);

    FormState& form_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<OptionGroup>> groups_;
};

}  // namespace keystead::toolkit::win32

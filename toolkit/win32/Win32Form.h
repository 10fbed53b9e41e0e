#pragma once

#include <windows.h>

#include <chrono>
#include <memory>
#include <vector>

#include "toolkit/Form.h"
#include "toolkit/Screen.h"
#include "toolkit/win32/Handles.h"

namespace keystead::toolkit::win32 {

class Win32SystemNotices;

// The screen's resolution for the whole program (the system DPI).
class Win32Screen : public Screen {
public:
    Win32Screen();
    float TwipsPerPixelX() const override { return twipsPerPixelX_; }
    float TwipsPerPixelY() const override { return twipsPerPixelY_; }

private:
    float twipsPerPixelX_;
    float twipsPerPixelY_;
};

class Win32Picture : public Picture {
public:
    explicit Win32Picture(HICON icon, bool owned) : icon_(icon), owned_(owned ? icon : nullptr) {}
    std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(icon_); }
    HICON Get() const { return icon_; }

private:
    HICON icon_;
    UniqueIcon owned_;
};

// A form as a real top-level window with child controls, laid out from twips at the
// window's DPI.
class Win32Form : public Form, private TimerDriver {
public:
    Win32Form(const FormDesign& design, FormEvents& events, const Screen& screen);
    ~Win32Form() override;

    void Load() override;
    void Show() override;
    void Hide() override;
    void Unload() override;
    bool Loaded() const override { return loaded_; }
    bool Visible() const override;
    std::uintptr_t hWnd() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }
    const Picture& Icon() const override { return *smallIcon_; }
    toolkit::Timer& Timer() override { return timer_; }
    MouseMoveEvent& MouseMove() override { return mouseMove_; }
    Event<>& TaskbarCreated() override { return taskbarCreated_; }
    const Picture& PictureOf(int id) const override;
    bool OptionValue(int id, int index) const override;
    void SetOptionValue(int id, int index, bool value) override;
    int CheckValue(int id) const override;
    void SetCheckValue(int id, int value) override;
    std::string Text(int id) const override;
    void SetText(int id, const std::string& text) override;
    bool Enabled(int id) const override;
    void SetEnabled(int id, bool enabled) override;
    std::string Caption(int id) const override;
    void SetCaption(int id, const std::string& caption) override;

    // The control's window, for tests that press keys and look at the layout.
    HWND ControlWindow(int id, int index = kNoIndex) const;

    // Gives a message of the loop to the form that owns its window: the key preview and
    // dialog-style keyboard navigation. Returns true when the message was used up.
    static bool PreTranslate(MSG& message);

private:
    struct Control {
        const ControlDesign* design;
        HWND hwnd;
        int commandId;
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK TextBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int commandId, int code, HWND source);
    LRESULT OnControlColor(HDC dc, HWND control);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    void OnDpiChanged(UINT dpi, const RECT& suggested);

    void CreateControls();
    void UpdateTabStop(int containerId);
    void MoveFocus(HWND target);
    void ApplyLayout();
    void CreateFonts();
    int Scale(int twips) const;
    RECT WindowRectForClient() const;

    const Control& At(int id, int index) const;
    const Control* FindByWindow(HWND hwnd) const;
    const Control* FindByCommand(int commandId) const;
    HWND ContainerWindow(int containerId);

    void Start(std::uint32_t milliseconds) override;
    void Stop() override;

    const FormDesign& design_;
    FormEvents& events_;
    const Screen& screen_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::vector<Control> controls_;
    std::vector<std::pair<int, HWND>> containers_;
    UniqueFont font_;
    UniqueFont boldFont_;
    std::unique_ptr<Win32Picture> bigIcon_;
    std::unique_ptr<Win32Picture> smallIcon_;
    std::vector<std::pair<int, std::unique_ptr<Win32Picture>>> pictures_;
    toolkit::Timer timer_{*this};
    std::unique_ptr<Win32SystemNotices> notices_;  // system notices: raw input, unlock, resume
    MouseMoveEvent mouseMove_;
    Event<> taskbarCreated_;
    HWND lastFocus_ = nullptr;
    bool loaded_ = false;
    bool unloading_ = false;
    int quietChanges_ = 0;  // > 0 while code changes a control: its own notice is not raised
};

class Win32FormFactory : public FormFactory {
public:
    explicit Win32FormFactory(const Screen& screen) : screen_(screen) {}
    std::unique_ptr<Form> Create(const FormDesign& design, FormEvents& events) override {
        return std::make_unique<Win32Form>(design, events, screen_);
    }

private:
    const Screen& screen_;
};

// The program's one message loop; returns when the last form has been unloaded.
int RunMessageLoop();

// Serves the message queue for a while, as the loop would: for tests.
void PumpMessages(std::chrono::milliseconds duration);

}  // namespace keystead::toolkit::win32

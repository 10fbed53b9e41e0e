#pragma once

#include <windows.h>

#include <memory>

#include "toolkit/Form.h"
#include "toolkit/Screen.h"
#include "toolkit/win32/Controls.h"
#include "toolkit/win32/Layout.h"
#include "toolkit/win32/MessageLoop.h"
#include "toolkit/win32/Pictures.h"
#include "toolkit/win32/WindowTimer.h"

namespace keystead::toolkit::win32 {

class Win32SystemNotices;

// A form as a real top-level window with child controls, laid out from twips at the
// window's DPI. This file is the window and its message dispatch; the controls, the layout,
// the colours, the timer and the shell's notices each live in a file of their own.
class Win32Form : public Form {
public:
    Win32Form(const FormDesign& design, FormEvents& events, const Screen& screen);
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;
    ~Win32Form() override;

    void SetSystemEvents(SystemEvents& listener) override;
    void Load() override;
    void Show() override;
    void Hide() override;
    void Unload() override;
    bool Loaded() const override { return state_.loaded; }
    bool Visible() const override;
    std::uintptr_t hWnd() const override { return reinterpret_cast<std::uintptr_t>(Window()); }
    const Picture& Icon() const override { return *smallIcon_; }
    toolkit::Timer& Timer() override { return timer_; }
    toolkit::Timer& RetryTimer() override { return retryTimer_; }
    toolkit::Timer& RecheckTimer() override { return recheckTimer_; }
    MouseMoveEvent& MouseMove() override { return mouseMove_; }
    ScreenPoint NotifyAnchor() const override { return notifyAnchor_; }
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
    bool ItemEnabled(int id, int index) const override;
    void SetItemEnabled(int id, int index, bool enabled) override;
    void AddItem(int id, const std::string& item) override { controls_->ListAt(id).Add(item); }
    void RemoveItem(int id, int item) override { controls_->ListAt(id).Remove(item); }
    void ClearItems(int id) override { controls_->ListAt(id).Clear(); }
    int ListCount(int id) const override { return controls_->ListAt(id).Count(); }
    std::string ListText(int id, int item) const override {
        return controls_->ListAt(id).Text(item);
    }
    int ListIndex(int id) const override { return controls_->ListAt(id).Index(); }
    void SetListIndex(int id, int item) override { controls_->ListAt(id).SetIndex(item); }

    // The control's window, for tests that press keys and look at the layout; null until
    // the form is first shown.
    HWND ControlWindow(int id, int index = kNoIndex) const;

    // Gives a message of the loop to the form that owns its window: the key preview and
    // dialog-style keyboard navigation. Returns true when the message was used up.
    static bool PreTranslate(MSG& message);
    // The window class of every form, by which a later start finds the running copy.
    static const wchar_t* ClassName();

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND Window() const { return state_.window; }

    // One handler per message.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int commandId, int code, HWND source);
    LRESULT OnControlColor(UINT message, HDC dc, HWND control);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    bool OnSystemMenu(int command);
    void OnClose();
    void OnDestroy();
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnSettingChange(WPARAM action, LPARAM area);
    void OnColoursChange();
    // Makes the controls' windows and fonts, once, and lays them out.
    void MakeControls();
    // Places every control at the window's DPI, and sizes the window around them.
    void ApplyLayout();
    void AddSystemMenuItems();

    FormState state_;
    const Screen& screen_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    int extraWidth_ = 0;  // pixels the window grew so that no text is cut
    std::unique_ptr<ControlSet> controls_;
    FormFonts fonts_;
    std::unique_ptr<Win32Picture> bigIcon_;
    std::unique_ptr<Win32Picture> smallIcon_;
    WindowTimer timerDriver_{1};
    toolkit::Timer timer_{timerDriver_};
    WindowTimer retryTimerDriver_{2};
    toolkit::Timer retryTimer_{retryTimerDriver_};
    WindowTimer recheckDriver_{3};
    toolkit::Timer recheckTimer_{recheckDriver_};
    // Raw keyboard input, unlock, resume and keyboard arrival, for the form's owner.
    std::unique_ptr<Win32SystemNotices> notices_;
    MouseMoveEvent mouseMove_;
    ScreenPoint notifyAnchor_;
    Event<> taskbarCreated_;
    bool unloading_ = false;
    bool making_ = false;  // while MakeControls makes the windows
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

}  // namespace keystead::toolkit::win32

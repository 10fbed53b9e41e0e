#pragma once

// In-memory stand-ins for the toolkit, for tests: a form whose controls are plain values,
// with drivers that act as the user would (click, type, leave a box, release a key).

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"
#include "toolkit/Shell.h"

namespace keystead::toolkit::fake {

class FakeTimerDriver : public TimerDriver {
public:
    void Start(std::uint32_t milliseconds) override {
        running = true;
        period = milliseconds;
        ++starts;
    }
    void Stop() override { running = false; }

    bool running = false;
    std::uint32_t period = 0;
    int starts = 0;
};

class FakePicture : public Picture {
public:
    explicit FakePicture(std::uintptr_t handle) : handle_(handle) {}
    std::uintptr_t Handle() const override { return handle_; }

private:
    std::uintptr_t handle_;
};

class FakeForm : public Form {
public:
    FakeForm(const FormDesign& design, FormEvents& events, std::uintptr_t handle = 0x10);

    // Form
    void SetSystemEvents(SystemEvents& listener) override { system_ = &listener; }
    void Load() override;
    void Show() override { visible_ = true; }
    void Hide() override { visible_ = false; }
    void Unload() override;
    bool Loaded() const override { return loaded_; }
    bool Visible() const override { return visible_; }
    std::uintptr_t hWnd() const override { return handle_; }
    const Picture& Icon() const override { return icon_; }
    toolkit::Timer& Timer() override { return timer_; }
    toolkit::Timer& RetryTimer() override { return retryTimer_; }
    toolkit::Timer& RecheckTimer() override { return recheckTimer_; }
    MouseMoveEvent& MouseMove() override { return mouseMove_; }
    ScreenPoint NotifyAnchor() const override { return anchor; }
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
    bool ItemEnabled(int id, int index) const override { return At(id, index).enabled; }
    void SetItemEnabled(int id, int index, bool enabled) override {
        At(id, index).enabled = enabled;
    }
    void AddItem(int id, const std::string& item) override { List(id).items.push_back(item); }
    void RemoveItem(int id, int item) override;
    void ClearItems(int id) override {
        List(id).items.clear();
        List(id).value = kNoIndex;
    }
    int ListCount(int id) const override;
    std::string ListText(int id, int item) const override;
    int ListIndex(int id) const override { return List(id).value; }
    void SetListIndex(int id, int item) override;

    // What a user does. A click on a disabled control does nothing.
    void Click(int id, int index = kNoIndex);
    void Type(int id, const std::string& text);
    // Picks an item of a list box, or of a combo box's list, which puts it in its text.
    void Pick(int id, int item);
    void LeaveField(int id);
    void ReleaseKey(int keyCode, int shift = 0);
    // What the system reports.
    void RawKeyUp(int keyCode, std::uint32_t extraInformation = 0) {
        System().Form_RawKeyUp(keyCode, extraInformation);
    }
    void SessionUnlock() { System().Form_SessionUnlock(); }
    void PowerResume() { System().Form_PowerResume(); }
    void KeyboardArrival() { System().Form_KeyboardArrival(); }
    // What a later start of the program hands over; whether the form took it.
    RequestAnswer Request(std::uint32_t request) {
        return loaded_ ? System().Form_Request(request) : kRequestNotTaken;
    }
    void PolicyChange() { System().Form_PolicyChange(); }
    // The user chose an item of the system menu.
    void SystemMenu(int command) { events_.Form_SystemMenu(command); }
    void ThemeChange() { System().Form_ThemeChange(); }
    // One period of the timer, if it runs.
    void Tick();
    // One period of the retry timer, if it runs.
    void RetryTick() {
        if (retryDriver_.running) {
            retryTimer_.Fire();
        }
    }

    FakeTimerDriver& TimerDriver() { return driver_; }
    FakeTimerDriver& RetryTimerDriver() { return retryDriver_; }
    // One period of the second timer, if it runs.
    void RecheckTick() {
        if (recheckDriver_.running) {
            recheckTimer_.Fire();
        }
    }
    FakeTimerDriver& RecheckDriver() { return recheckDriver_; }
    // What NotifyAnchor reports.
    ScreenPoint anchor;
    const ControlDesign& Design(int id, int index = kNoIndex) const;
    bool ControlVisible(int id) const;

private:
    struct Control {
        const ControlDesign* design;
        std::string text;  // caption or text
        bool enabled;
        int value;                       // a list box's selected item
        std::vector<std::string> items;  // of a list box or a combo box
    };
    Control& At(int id, int index);
    const Control& At(int id, int index) const;
    Control& List(int id);
    const Control& List(int id) const { return const_cast<FakeForm*>(this)->List(id); }
    SystemEvents& System() { return system_ != nullptr ? *system_ : unheard_; }

    struct Unheard final : SystemEvents {};
    FormEvents& events_;
    SystemEvents* system_ = nullptr;
    Unheard unheard_;
    std::uintptr_t handle_;
    std::map<std::pair<int, int>, Control> controls_;
    std::map<int, FakePicture> pictures_;
    FakePicture icon_;
    FakeTimerDriver driver_;
    toolkit::Timer timer_{driver_};
    FakeTimerDriver retryDriver_;
    toolkit::Timer retryTimer_{retryDriver_};
    FakeTimerDriver recheckDriver_;
    toolkit::Timer recheckTimer_{recheckDriver_};
    MouseMoveEvent mouseMove_;
    Event<> taskbarCreated_;
    bool loaded_ = false;
    bool visible_ = false;
};

// A form's owner that handles none of its events: for tests of what stands on a form.
class NoFormEvents : public FormEvents, public SystemEvents {
public:
    void Form_Load() override {}
    void Form_Unload(bool&) override {}
    void Form_KeyUp(int, int) override {}
    void Control_Click(int, int) override {}
    void Control_Change(int) override {}
    void Control_LostFocus(int) override {}
};

class FakeFormFactory : public FormFactory {
public:
    std::unique_ptr<Form> Create(const FormDesign& design, FormEvents& events) override;
    FakeForm* last = nullptr;
    int created = 0;
};

// Thrown by FakeApplication::End; not a std::exception, so handlers that skip failures let
// it through as the real process end would.
struct ProcessEnded {};

class FakeApplication : public Application {
public:
    std::string Path() const override { return path; }
    std::string ExeName() const override { return exeName; }
    bool PrevInstance() override { return prevInstance; }
    void RegisterForRestart() override { ++restartRegistrations; }
    [[noreturn]] void End() override { throw ProcessEnded{}; }
    std::optional<std::uint64_t> FileLength(const std::string& file) const override;
    std::string LocalAppDataPath() const override { return localAppData; }
    std::int64_t TickCount() const override { return tickCount; }
    std::vector<std::string> PreferredLanguages() const override { return preferredLanguages; }
    RequestAnswer SendToRunningCopy(std::uint32_t request, bool waitForEnd) override {
        sentRequests.push_back(request);
        waitedForEnd.push_back(waitForEnd);
        return runningCopyTakes ? runningCopyAnswer : kRequestNotTaken;
    }

    std::string path = "C:\\Tools";
    std::string localAppData = "C:\\Users\\Ann\\AppData\\Local";
    std::string exeName = "Keystead";
    std::vector<std::string> preferredLanguages;
    bool prevInstance = false;
    int restartRegistrations = 0;
    std::int64_t tickCount = 0;
    std::map<std::string, std::uint64_t> files;  // the files that exist, with their lengths
    std::vector<std::uint32_t> sentRequests;     // to the running copy
    std::vector<bool> waitedForEnd;              // with each request
    bool runningCopyTakes = true;
    RequestAnswer runningCopyAnswer = kRequestDone;  // when it takes it
};

class FakeScreen : public Screen {
public:
    explicit FakeScreen(float twipsPerPixel = 15.0f) : twipsPerPixel_(twipsPerPixel) {}
    float TwipsPerPixelX() const override { return twipsPerPixel_; }
    float TwipsPerPixelY() const override { return twipsPerPixel_; }

private:
    float twipsPerPixel_;
};

class FakeShell : public Shell {
public:
    struct Call {
        std::uintptr_t owner;
        std::string operation, file, parameters, directory;
        int showCommand;
    };
    std::intptr_t Execute(std::uintptr_t owner, const std::string& operation,
                          const std::string& file, const std::string& parameters,
                          const std::string& directory, int showCommand) override {
        calls.push_back({owner, operation, file, parameters, directory, showCommand});
        return 42;  // above 32: success
    }
    std::vector<Call> calls;
};

}  // namespace keystead::toolkit::fake

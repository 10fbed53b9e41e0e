#pragma once

#include <memory>
#include <string>

#include "app/Platform.h"
#include "lockkeys/Enforcer.h"
#include "lockkeys/Settings.h"
#include "pause/StepAside.h"
#include "toolkit/Form.h"
#include "tray/TrayIcon.h"

namespace keystead::app {

// The settings window: the program's start-up object and the owner of everything else.
// It holds the applied settings, the enforcement timer and the notification-area icon;
// the program lives exactly as long as it is loaded.
class Main final : private toolkit::FormEvents,
                   private tray::TrayIconEvents,
                   private pause::ForegroundEvents {
public:
    explicit Main(const Platform& platform);
    Main(const Main&) = delete;
    Main& operator=(const Main&) = delete;

    toolkit::Form& Form() { return *form_; }
    const lockkeys::Settings& Settings() const { return settings_; }
    // Null until start-up has put the icon in place.
    tray::TrayIcon* TrayIcon() { return trayIcon_.get(); }

    // Opens the read-me beside the executable.
    void HelpFile();

private:
    // Start-up and shut-down.
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    // The controls.
    void Form_KeyUp(int keyCode, int shift) override;
    void Control_Click(int id, int index) override;
    void Control_Change(int id) override;
    void Control_LostFocus(int id) override;
    void ApplyButton_Click();
    void OKButton_Click();
    void CancelButton_Click();
    void DonateButton_Click();
    void IntervalSetting_LostFocus();

    // The notification-area icon.
    void TrayIcon_MouseUp(std::int16_t Button) override;
    void TrayIcon_MouseDblClick(std::int16_t Button) override;

    // The lock keys: at each tick, and at once when a key may have changed.
    void Timer_Timer();
    void Form_RawKeyUp(int keyCode, std::uint32_t extraInformation) override;
    void Form_SessionUnlock() override;
    void Form_PowerResume() override;
    void Form_KeyboardArrival() override;
    bool Enforcing() const;

    // Stepping aside for listed or full-screen programs.
    void LoadStepAside(const std::string& settingsPath);
    void Foreground_Change() override;
    void UpdateStepAside();
    std::string Tooltip(bool suspended) const;

    void ApplyControls();
    void LoadControls();
    void ToggleSuspend();
    bool RunValueIsSet();

    const Platform& platform_;
    lockkeys::Settings settings_;
    std::unique_ptr<toolkit::Form> form_;
    std::unique_ptr<tray::TrayIcon> trayIcon_;
    lockkeys::Enforcer enforcer_;
    bool timerHasFired_ = false;
    pause::StepAside stepAside_;
    std::unique_ptr<pause::ForegroundWatch> foregroundWatch_;
};

}  // namespace keystead::app

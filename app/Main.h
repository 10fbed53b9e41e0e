#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/ManagedSettings.h"
#include "app/Platform.h"
#include "app/Policies.h"
#include "display/DisplayWindow.h"
#include "display/KeyDisplay.h"
#include "language/Texts.h"
#include "lockkeys/Enforcer.h"
#include "lockkeys/Settings.h"
#include "pause/StepAside.h"
#include "settings/DisplaySection.h"
#include "settings/PauseSection.h"
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
    // `language`: what the window, the menu, the tooltips and the notes speak (ChosenLanguage
    // at the program's start).
    explicit Main(const Platform& platform,
                  language::Language language = language::Language::English);
    Main(const Main&) = delete;
    Main& operator=(const Main&) = delete;

    toolkit::Form& Form() { return *form_; }
    const lockkeys::Settings& Settings() const { return settings_; }
    // Null until start-up has put the icon in place.
    tray::TrayIcon* TrayIcon() { return trayIcon_.get(); }
    // The administrator's rules in force; pausePrograms is their list of programs to pause for.
    const Policies& Rules() const { return policies_; }

    // Opens the read-me beside the executable.
    void HelpFile();
    // Carries out a command-line switch, of this start or handed over by a later one;
    // refused, and nothing done, where the administrator's rules forbid it.
    toolkit::RequestAnswer RunCommand(Command command);

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
    // The keyboard on the icon (MainTrayMenu.cpp).
    void TrayIcon_KeySelect() override;
    std::vector<tray::TrayMenuItem> TrayIcon_MenuItems() override;
    void TrayIcon_MenuClick(std::uint32_t command) override;

    // The lock keys: at each tick, and at once when a key may have changed.
    void Timer_Timer();
    void RecheckTimer_Timer();
    void Form_RawKeyUp(int keyCode, std::uint32_t extraInformation) override;
    void Form_SessionUnlock() override;
    void Form_PowerResume() override;
    void Form_KeyboardArrival() override;
    void Form_PolicyChange() override;
    bool Enforcing() const;

    // A later start's command-line switch.
    toolkit::RequestAnswer Form_Request(std::uint32_t request) override;
    // Stepping aside for listed or full-screen programs.
    void LoadStepAside(const std::string& settingsPath);
    void PutStepAsideRulesInForce();
    void WatchForeground();
    void Foreground_Change() override;
    void UpdateStepAside();
    std::string Tooltip(bool suspended) const;
    // Showing the lock keys (MainDisplay.cpp).
    void LoadDisplay(const std::string& settingsPath);
    void PutDisplayRulesInForce();
    void ShowKeys(bool tick = false);
    void Form_ThemeChange() override;
    const toolkit::Picture* TrayPicture(bool suspended);
    // The window in which the user chooses all that (MainDisplay.cpp).
    void ShowDisplayWindow();
    void Form_SystemMenu(int command) override;
    void LoadDisplayWindow();
    void KeepDisplay();

    void ApplyControls();
    void LoadControls();
    void ToggleSuspend();
    // Whether the administrator lets the user suspend the checks.
    bool SuspendAllowed() const { return policies_.allowSuspend != false; }
    bool RunValueIsSet();
    bool UpdatePolicies();
    // Writes the applied settings and the registration (KeepApplied.cpp).
    void KeepApplied();
    void KeepRegistration();

    const Platform& platform_;
    // Chosen once at the start: a change takes effect at the next.
    const language::Language language_;
    lockkeys::Settings settings_;
    std::unique_ptr<toolkit::Form> form_;
    std::unique_ptr<tray::TrayIcon> trayIcon_;
    lockkeys::Enforcer enforcer_;
    bool timerHasFired_ = false;
    bool loadFinished_ = false;  // requests wait for the tray icon and the timer
    // Group Policy's rules, and the user's own choices that they hide.
    Policies policies_;
    UserChoice own_;
    bool autoRunChanged_ = false;  // by an Apply in this run
    settings::PauseSection pauseSection_;
    pause::StepAside stepAside_;
    std::unique_ptr<pause::ForegroundWatch> foregroundWatch_;
    settings::DisplaySection ownDisplay_;  // as the file has it
    display::KeyDisplay display_;
    std::unique_ptr<display::DisplayWindow> displayWindow_;  // once opened
};

}  // namespace keystead::app

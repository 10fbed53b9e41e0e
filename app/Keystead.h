#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "app/CommandLine.h"
#include "app/Main.h"
#include "app/Platform.h"
#include "display/Display.h"
#include "language/Language.h"
#include "lockkeys/Checks.h"
#include "pause/SteppingAside.h"
#include "policies/Rules.h"
#include "programs/ProgramsInForce.h"
#include "programs/ProgramsWindow.h"
#include "sound/Sounds.h"
#include "toolkit/Form.h"
#include "tray/TrayIcon.h"

namespace keystead::app {

// The program: it owns the settings window, the checks of the lock keys, the administrator's
// rules, stepping aside, the programs' own lock modes, what is shown and heard, and the tray
// icon, and tells each what another did.
// It lives exactly as long as the settings window is loaded.
class Keystead final : private MainEvents,
                       private toolkit::SystemEvents,
                       private lockkeys::CheckEvents,
                       private pause::SteppingAsideEvents,
                       private tray::TrayIconEvents {
public:
    // `language`: what the windows, the menu, the tooltips and the notes speak.
    explicit Keystead(const Platform& platform,
                      language::Language language = language::Language::English);
    Keystead(const Keystead&) = delete;
    Keystead& operator=(const Keystead&) = delete;

    Main& SettingsWindow() { return main_; }
    toolkit::Form& Form() { return main_.Form(); }
    // The main settings, as applied: a program's own modes never show or go to [main].
    const lockkeys::Settings& Settings() const { return applied_; }
    // The programs' own lock modes: the user's list (Own), which entries the administrator set
    // (Managed), and the program whose modes are in force (Front).
    const programs::ProgramsInForce& Programs() const { return programs_; }
    // The user's new list (the Programs window's OK or Apply): written at once as section
    // "programs", as the settings window's Apply writes, and put in force.
    void ProgramsApplied(programs::ProgramModesList own);
    // Null until start-up has put the icon in place.
    tray::TrayIcon* TrayIcon() { return trayIcon_.get(); }
    // The administrator's rules in force.
    const policies::Policies& Rules() const { return rules_.InForce(); }
    // Carries out a command-line switch, of this start or handed over by a later one;
    // refused, and nothing done, where the administrator's rules forbid it.
    toolkit::RequestAnswer RunCommand(Command command);

private:
    // Start-up and shut-down, and what the user does in the settings window.
    void Form_Load() override;
    void Form_Unload() override;
    void Main_Applied(const lockkeys::Settings& settings, std::int64_t interval,
                      bool autoRunChanged) override;
    void SuspendButton_Click() override { ToggleSuspend(); }
    void DisplayMenu_Click() override { display_.ShowWindow(); }
    void ProgramsMenu_Click() override { ShowProgramsWindow(); }
    // Made at its first showing, and again after the user closed it; brought to the front.
    void ShowProgramsWindow();
    // Its OK or Apply: both lists written and in force at once.
    void ProgramsChosen(const programs::ProgramsChoice& choice);
    void ToggleSuspend();

    // The system's notices.
    void Form_RawKeyUp(int keyCode, std::uint32_t extraInformation) override;
    void Form_SessionUnlock() override { checks_.CheckNow(); }
    void Form_PowerResume() override { checks_.CheckNow(); }
    void Form_KeyboardArrival() override { checks_.KeyboardArrived(); }
    void Form_PolicyChange() override;
    void Form_ThemeChange() override { display_.ThemeChanged(); }
    toolkit::RequestAnswer Form_Request(std::uint32_t request) override;

    // The checks, and stepping aside.
    void Checks_Tick() override;
    void Checks_PutBack(const lockkeys::Flips& flips) override;
    void Checks_KeysMayHaveChanged(bool tick) override { display_.KeysMayHaveChanged(tick); }
    void SteppingAside_Change() override;
    void SteppingAside_Foreground() override;
    // The modes of the program in front, or the main settings, to the checks; a change is put
    // right at once when `check`. WatchForeground: while the display or the list asks for it.
    void FollowFront(bool check);
    void PutInForce(bool check);
    void WatchForeground();
    // The keys whose main mode the administrator fixes: a user's program leaves them be.
    static programs::ProgramsInForce::Fixed FixedModes(const policies::Policies& rules);

    // The tray icon: the mouse, and the keyboard with its menu (TrayMenu.cpp).
    void TrayIcon_MouseUp(std::int16_t Button) override;
    void TrayIcon_MouseDblClick(std::int16_t Button) override;
    void TrayIcon_KeySelect() override { main_.Show(); }
    std::vector<tray::TrayMenuItem> TrayIcon_MenuItems() override;
    void TrayIcon_MenuClick(std::uint32_t command) override;

    // The sounds the display's section in force chooses, and when they keep quiet.
    void SoundsFollowDisplay();
    void SoundsKeepQuiet() { sounds_.SetQuiet(checks_.Suspended() || steppingAside_.Active()); }

    // Writes the applied settings and the registration (KeepApplied.cpp).
    void KeepApplied();
    void KeepRegistration();

    const Platform& platform_;
    const language::Language language_;
    Main main_;
    lockkeys::Checks checks_;  // with the settings in force
    lockkeys::Settings applied_;
    policies::Rules rules_;
    pause::SteppingAside steppingAside_;
    programs::ProgramsInForce programs_;
    display::Display display_;
    sound::Sounds sounds_;
    std::unique_ptr<tray::TrayIcon> trayIcon_;
    std::unique_ptr<programs::ProgramsWindow> programsWindow_;
    bool loadFinished_ = false;    // requests wait for the tray icon and the timer
    bool autoRunChanged_ = false;  // by an Apply in this run
};

}  // namespace keystead::app

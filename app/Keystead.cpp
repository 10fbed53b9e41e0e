#include "app/Keystead.h"

#include <string>
#include <utility>

#include "app/MainLayout.h"
#include "product/Product.h"
#include "programs/ProgramsSection.h"
#include "registry/KeyboardLayout.h"
#include "registry/Registration.h"
#include "settings/PauseSection.h"
#include "settings/SettingsFile.h"
#include "toolkit/IgnoreFailure.h"

namespace keystead::app {

using toolkit::IgnoreFailure;

Keystead::Keystead(const Platform& platform, language::Language language)
    : platform_(platform),
      language_(language),
      main_(platform.forms, platform.app, platform.shell, language, *this),
      checks_(
          platform.keyboard, [&app = platform.app] { return app.TickCount(); },
          [&registry = platform.registry] { return registry::ShiftTurnsOffCapsLock(registry); },
          main_.Form().Timer(), main_.Form().RecheckTimer(), *this),
      rules_(platform.registry),
      steppingAside_(platform.foreground, *this),
      display_({platform.keyboard, platform.notes, platform.icons, platform.foreground,
                platform.registry, platform.forms, platform.profile, platform.app},
               checks_.Settings(), language),
      // Windows looks the program's sound events up under its file name.
      sounds_(platform.sounds, platform.foreground, platform.registry, platform.app.ExeName()) {
    main_.Form().SetSystemEvents(*this);
    // A lasting note gives way to a full-screen program: while one is asked for, the window
    // in front is watched.
    display_.OnWatchChange([this] { WatchForeground(); });
    display_.OnSectionChange([this] { SoundsFollowDisplay(); });
    display_.OnKeyChange([this](std::size_t key, bool on) { sounds_.Changed(key, on); });
}

void Keystead::SoundsFollowDisplay() {
    sound::Choices choices{};
    for (std::size_t key = 0; key < choices.size(); ++key) {
        choices[key] = static_cast<sound::SoundChoice>(display_.InForce().sounds[key]);
    }
    IgnoreFailure([&] { sounds_.SetChoices(choices, language_); });
}

void Keystead::Checks_PutBack(const lockkeys::Flips& flips) {
    display_.PutBack(flips);
    sounds_.PutBack(flips);
}

// Start-up. Each step runs on when the one before it failed.
void Keystead::Form_Load() {
    toolkit::Application& app = platform_.app;
    if (app.PrevInstance()) {
        app.End();  // the instance already running carries on alone
    }
    // The only copy: an upgrade of the package that closes it brings it back.
    IgnoreFailure([&] { app.RegisterForRestart(); });

    // The file beside the program, unless that cannot be written and the user has a copy.
    std::string settingsPath;
    std::string beside;
    IgnoreFailure([&] { settingsPath = beside = settings::SettingsFilePath(app); });
    IgnoreFailure([&] {
        settingsPath =
            settings::FileToLoad(platform_.profile, settings::FindSettingsFiles(app, kProductName));
    });

    // A missing or empty settings file marks a first run: show the user the settings.
    if (app.FileLength(settingsPath).value_or(0) == 0) {
        IgnoreFailure([&] { main_.Show(); });
    }

    lockkeys::Settings& settings = applied_;
    IgnoreFailure([&] {
        settings::LoadSettings(platform_.profile, settingsPath, settings, checks_.Interval());
    });
    // Machine-wide or the user's own, and not disabled in Task Manager.
    IgnoreFailure([&] {
        if (registry::IsRegistered(platform_.registry, kProductName)) {
            settings.AutoRun = lockkeys::kTrue;
        }
    });
    IgnoreFailure([&] { rules_.Refresh(settings, checks_.Interval()); });
    IgnoreFailure(
        [&] { main_.LoadControls(settings, checks_.Interval().Interval(), rules_.InForce()); });
    IgnoreFailure([&] {
        steppingAside_.Load(platform_.profile, settingsPath, beside,
                            rules_.InForce().pausePrograms);
    });
    IgnoreFailure([&] {
        programs_.SetAdministrator(rules_.InForce().programs, FixedModes(rules_.InForce()));
        programs_.SetOwn(programs::LoadProgramsSection(platform_.profile, settingsPath, beside));
        WatchForeground();
        FollowFront(false);
    });
    PutInForce(false);
    IgnoreFailure([&] { display_.Load(settingsPath, rules_.InForce().display); });

    trayIcon_ = std::make_unique<tray::TrayIcon>(platform_.notifyArea, platform_.screen);
    trayIcon_->SetListener(this);
    trayIcon_->SetClock([&app = platform_.app] { return app.TickCount(); });
    IgnoreFailure([&] { trayIcon_->SetOwnerForm(&main_.Form()); });
    display_.SetTray(*trayIcon_, main_.Form().Icon(), main_.Form().PictureOf(SuspendedIcon));
    IgnoreFailure([&] { trayIcon_->Add(); });

    // Last, so that no check runs before everything is in place.
    IgnoreFailure([&] { checks_.Start(); });
    loadFinished_ = true;
}

// Shut-down: the applied settings go to the file and the registration is rewritten or
// removed, as at every Apply. Each step runs on when the one before it failed.
void Keystead::Form_Unload() {
    display_.CloseWindow();  // the program ends with its main window
    programsWindow_.reset();
    steppingAside_.StopWatching();  // a program coming to the front no longer matters
    KeepApplied();
    IgnoreFailure([&] {
        if (trayIcon_) {
            trayIcon_->Remove();
        }
    });
}

void Keystead::Main_Applied(const lockkeys::Settings& settings, std::int64_t interval,
                            bool autoRunChanged) {
    applied_ = settings;
    checks_.Apply(programs_.Over(applied_), interval);
    autoRunChanged_ = autoRunChanged_ || autoRunChanged;
    KeepApplied();
}

// Right click, the Suspend button, the menu and the switches: the checks stop or start
// again, what shows follows, and the button says what it would do next.
void Keystead::ToggleSuspend() {
    const bool suspend = !checks_.Suspended();
    if (suspend && !rules_.SuspendAllowed()) {
        return;  // the administrator keeps the keys checked
    }
    checks_.SetSuspended(suspend);
    display_.SetSuspended(suspend);
    SoundsKeepQuiet();
    main_.ShowSuspended(suspend);
}

void Keystead::Form_RawKeyUp(int keyCode, std::uint32_t extraInformation) {
    checks_.KeyReleased(keyCode, extraInformation);
}

// Group Policy has been applied: changed rules show at once, without a restart.
void Keystead::Form_PolicyChange() {
    const policies::Policies before = rules_.InForce();
    if (!rules_.Refresh(applied_, checks_.Interval())) {
        return;
    }
    const policies::Policies& now = rules_.InForce();
    main_.ShowRules(applied_, checks_.Interval().Interval(), before, now);
    steppingAside_.SetAdministratorList(now.pausePrograms);
    programs_.SetAdministrator(now.programs, FixedModes(now));
    WatchForeground();
    FollowFront(false);
    PutInForce(false);
    display_.SetRules(now.display);
    if (!rules_.SuspendAllowed() && checks_.Suspended()) {
        ToggleSuspend();  // suspended before the rule came
    }
}

// Stepping aside began or ended: what shows says so first, so that a key the checks put back
// at once when it ends may show its note; then the checks hold back or go on, with the modes
// of the program now in front.
void Keystead::SteppingAside_Change() {
    FollowFront(false);
    display_.SetPause(steppingAside_.Active(), steppingAside_.Program());
    SoundsKeepQuiet();
    checks_.SetHeldBack(steppingAside_.Active());
}

// The tick's check follows with the modes of the program in front, should a notice of the
// window in front have been missed.
void Keystead::Checks_Tick() {
    steppingAside_.Update();
    FollowFront(false);
}

void Keystead::SteppingAside_Foreground() {
    FollowFront(true);
    display_.ForegroundChanged();
}

// Only a listed program asks the platform for the name of the one in front.
void Keystead::FollowFront(bool check) {
    if (programs_.SetFront(programs_.Empty() ? std::string()
                                             : platform_.foreground.ProgramName())) {
        PutInForce(check);
    }
}

void Keystead::PutInForce(bool check) {
    lockkeys::Settings& inForce = checks_.Settings();
    const lockkeys::Settings now = programs_.Over(applied_);
    const bool changed = now != inForce;
    inForce = now;
    display_.SetProgram(programs_.Front());
    if (changed && check) {
        checks_.CheckNewModes();  // not at the next tick
    }
}

programs::ProgramsInForce::Fixed Keystead::FixedModes(const policies::Policies& rules) {
    programs::ProgramsInForce::Fixed fixed{};
    for (std::size_t key = 0; key < fixed.size(); ++key) {
        fixed[key] = rules.modes[key].has_value();
    }
    return fixed;
}

void Keystead::WatchForeground() {
    steppingAside_.WatchAlsoFor(display_.WatchesForeground() || !programs_.Empty());
}

void Keystead::ProgramsApplied(programs::ProgramModesList own) {
    programs_.SetOwn(std::move(own));
    IgnoreFailure([&] {
        settings::SaveBesideOrInUsersCopy(
            platform_.profile, settings::FindSettingsFiles(platform_.app, kProductName),
            [this](const std::string& path) {
                return programs::SaveProgramsSection(platform_.profile, path, programs_.Own());
            });
    });
    WatchForeground();
    FollowFront(true);
    PutInForce(true);
}

void Keystead::ShowProgramsWindow() {
    if (!programsWindow_ || !programsWindow_->Open()) {
        programsWindow_ = std::make_unique<programs::ProgramsWindow>(
            platform_.forms, kEnforcingIcon, platform_.running,
            [this](const programs::ProgramsChoice& choice) { ProgramsChosen(choice); }, language_);
    }
    const settings::PauseSection& ownPause = steppingAside_.Own();
    const programs::ProgramsChoice own{.pause = pause::BuildProgramList(ownPause.programs),
                                       .fullScreen = ownPause.fullScreen,
                                       .modes = programs_.Own()};
    // The administrator's programs, which the window shows greyed.
    std::vector<std::string> fixed =
        pause::BuildProgramList(rules_.InForce().pausePrograms).Names();
    for (const programs::ProgramModes& program : programs_.Administrator().Programs()) {
        fixed.push_back(program.name);
    }
    programsWindow_->Load(own, fixed);
    programsWindow_->Form().Show();
}

void Keystead::ProgramsChosen(const programs::ProgramsChoice& choice) {
    std::string names;
    for (const std::string& name : choice.pause.Names()) {
        names += names.empty() ? name : ";" + name;
    }
    steppingAside_.SetOwnList(names, choice.fullScreen);
    ProgramsApplied(choice.modes);
    IgnoreFailure([&] {
        settings::SaveBesideOrInUsersCopy(
            platform_.profile, settings::FindSettingsFiles(platform_.app, kProductName),
            [this](const std::string& path) {
                return settings::SavePauseSection(platform_.profile, path, steppingAside_.Own());
            });
    });
}

void Keystead::TrayIcon_MouseUp(std::int16_t Button) {
    if (Button == tray::kRightButton) {
        ToggleSuspend();
    }
}

void Keystead::TrayIcon_MouseDblClick(std::int16_t Button) {
    if (Button == tray::kLeftButton) {
        main_.Show();
    } else if (Button == tray::kRightButton) {
        main_.Form().Unload();
    }
}

}  // namespace keystead::app

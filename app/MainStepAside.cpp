// The settings window's part in stepping aside for listed and full-screen programs.
#include "app/Main.h"
#include "settings/PauseSection.h"
#include "settings/SettingsFile.h"
#include "toolkit/IgnoreFailure.h"

namespace keystead::app {

// Section "pause" of the settings file, to which the administrator's list adds. With no rule,
// nothing watches the foreground and no check ever asks about it.
// The section comes from the file read, or from the one beside the program when that has
// none: the user's copy, written by the program, never holds it unless the user added it.
void Main::LoadStepAside(const std::string& settingsPath) {
    constexpr std::size_t kMaxLength = pause::ProgramList::kMaxListLength + 1;
    pauseSection_ = settings::LoadPauseSection(
        platform_.profile, settingsPath, settings::SettingsFilePath(platform_.app), kMaxLength);
    PutStepAsideRulesInForce();
    stepAside_.Update();
}

void Main::PutStepAsideRulesInForce() {
    stepAside_.SetRules(pause::BuildProgramList(pauseSection_.programs, {policies_.pausePrograms}),
                        pauseSection_.fullScreen);
    WatchForeground();
}

// Also while the display keeps a lasting note, which a full-screen program in front takes down.
void Main::WatchForeground() {
    if (!stepAside_.HasRules() && !display_.WatchesForeground()) {
        foregroundWatch_.reset();
    } else if (!foregroundWatch_) {
        foregroundWatch_ = platform_.foreground.Watch(*this);
    }
}

// Another window came to the front. When that ends stepping aside, the keys are checked at
// once: the program stepped aside for may have left them any way.
void Main::Foreground_Change() {
    const bool wasActive = stepAside_.Active();
    UpdateStepAside();
    display_.ForegroundChanged();
    if (wasActive && Enforcing()) {
        enforcer_.CheckNow(settings_);
    }
}

void Main::UpdateStepAside() {
    if (!stepAside_.Update() || !trayIcon_) {
        return;
    }
    trayIcon_->SetTooltip(Tooltip(!form_->Timer().Enabled()));
    toolkit::IgnoreFailure([&] { trayIcon_->Modify(); });
}

}  // namespace keystead::app

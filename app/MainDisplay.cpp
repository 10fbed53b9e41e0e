// The settings window's part in showing the lock keys: it hands the display the moments a key
// may have changed and puts what the display draws into the tray.
#include "app/Main.h"
#include "app/MainLayout.h"
#include "toolkit/IgnoreFailure.h"

namespace keystead::app {

// Section "display" of the settings file, under the administrator's rules.
void Main::LoadDisplay(const std::string& settingsPath) {
    ownDisplay_ = settings::LoadDisplaySection(platform_.profile, settingsPath);
    display_.SetSection(DisplayInForce(policies_.display, ownDisplay_));
    display_.KeysMayHaveChanged(settings_);
}

// A rule that changed nothing of the display leaves the tray as it is.
void Main::PutDisplayRulesInForce() {
    const settings::DisplaySection inForce = DisplayInForce(policies_.display, ownDisplay_);
    if (inForce == display_.Section()) {
        return;
    }
    display_.SetSection(inForce);
    display_.KeysMayHaveChanged(settings_);
    if (trayIcon_) {
        trayIcon_->SetIcon(TrayPicture(!form_->Timer().Enabled()));
        trayIcon_->SetTooltip(Tooltip(!form_->Timer().Enabled()));
        toolkit::IgnoreFailure([&] { trayIcon_->Modify(); });
    }
}

// After a check or a tick: a changed key shows in the tray at once.
void Main::ShowKeys(bool tick) {
    if (!display_.KeysMayHaveChanged(settings_, tick) || !trayIcon_) {
        return;
    }
    const bool suspended = !form_->Timer().Enabled();
    trayIcon_->SetIcon(TrayPicture(suspended));
    trayIcon_->SetTooltip(Tooltip(suspended));
    toolkit::IgnoreFailure([&] { trayIcon_->Modify(); });
}

void Main::Form_ThemeChange() {
    if (!display_.ThemeChanged() || !trayIcon_) {
        return;
    }
    trayIcon_->SetIcon(TrayPicture(!form_->Timer().Enabled()));
    toolkit::IgnoreFailure([&] { trayIcon_->Modify(); });
}

// The keys drawn, or the classic icons: green while checking, red while suspended.
const toolkit::Picture* Main::TrayPicture(bool suspended) {
    if (const toolkit::Picture* keys = display_.TrayPicture(suspended, settings_)) {
        return keys;
    }
    return suspended ? &form_->PictureOf(SuspendedIcon) : &form_->Icon();
}

}  // namespace keystead::app

// The settings window's part in showing the lock keys: it hands the display the moments a key
// may have changed and puts what the display draws into the tray.
#include "app/Main.h"
#include "app/MainLayout.h"
#include "product/Product.h"
#include "settings/SettingsFile.h"
#include "toolkit/IgnoreFailure.h"

namespace keystead::app {

// Section "display" of the settings file, under the administrator's rules. Like section
// "pause", it comes from the file beside the program when the user's copy has none.
void Main::LoadDisplay(const std::string& settingsPath) {
    ownDisplay_ = settings::LoadDisplaySection(platform_.profile, settingsPath,
                                               settings::SettingsFilePath(platform_.app));
    display_.SetSection(DisplayInForce(policies_.display, ownDisplay_));
    display_.KeysMayHaveChanged(settings_);
}

// A rule that changed nothing of the display leaves the tray as it is.
void Main::PutDisplayRulesInForce() {
    LoadDisplayWindow();
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
    if (tick && displayWindow_ && !displayWindow_->Open()) {
        displayWindow_.reset();  // closed: its fonts and pictures go, and idle memory with them
    }
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

// From the system menu, the tray icon's menu and the switch /display.
void Main::ShowDisplayWindow() {
    if (!displayWindow_ || !displayWindow_->Open()) {
        displayWindow_ = std::make_unique<display::DisplayWindow>(
            platform_.forms, kEnforcingIcon,
            [this](const settings::DisplaySection& own) {
                ownDisplay_ = own;
                KeepDisplay();
                PutDisplayRulesInForce();
            },
            language_);
    }
    LoadDisplayWindow();
    displayWindow_->Form().Show();
}

void Main::Form_SystemMenu(int command) {
    if (command == kDisplayMenuCommand) {
        ShowDisplayWindow();
    }
}

// The window, while open, shows the user's choices under the rules in force.
void Main::LoadDisplayWindow() {
    if (!displayWindow_ || !displayWindow_->Open()) {
        return;
    }
    const Policies::Display& rules = policies_.display;
    display::DisplayManaged managed{.showKeys = rules.showKeys.has_value(),
                                    .position = rules.position.has_value(),
                                    .noteTime = rules.noteTime.has_value()};
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        managed.notes[key] = rules.notes[key].has_value();
    }
    displayWindow_->Load(ownDisplay_, DisplayInForce(rules, ownDisplay_), managed);
}

// Written at once, as the settings window's Apply writes: into the file beside the program,
// or the user's own copy when that cannot be written.
void Main::KeepDisplay() {
    const settings::SettingsFiles files = settings::FindSettingsFiles(platform_.app, kProductName);
    if (settings::SaveDisplaySection(platform_.profile, files.beside, ownDisplay_) ||
        files.user.empty()) {
        return;
    }
    toolkit::IgnoreFailure([&] {
        if (platform_.profile.State(files.user) == settings::FileState::Missing) {
            platform_.profile.CreateFolder(files.userFolder);
        }
    });
    settings::SaveDisplaySection(platform_.profile, files.user, ownDisplay_);
}

}  // namespace keystead::app

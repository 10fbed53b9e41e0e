#include "display/Display.h"

#include "language/Texts.h"
#include "pause/PauseTooltip.h"
#include "product/Product.h"
#include "settings/SettingsFile.h"
#include "toolkit/IgnoreFailure.h"

namespace keystead::display {

using toolkit::IgnoreFailure;

Display::Display(const Services& services, const lockkeys::Settings& settings,
                 language::Language language)
    : services_(services),
      settings_(settings),
      language_(language),
      keys_(services.keyboard, services.notes, services.icons, services.foreground,
            services.registry) {
    keys_.SetLanguage(language);
}

// Like section "pause", it comes from the file beside the program when the user's copy has
// none.
void Display::Load(const std::string& settingsPath, const policies::Policies::Display& rules) {
    own_ = settings::LoadDisplaySection(services_.profile, settingsPath,
                                        settings::SettingsFilePath(services_.app));
    rules_ = rules;
    keys_.SetSection(policies::DisplayInForce(rules_, own_));
    keys_.KeysMayHaveChanged(settings_);
    if (sectionChanged_) {
        sectionChanged_();
    }
}

// A rule that changed nothing of the display leaves the tray as it is.
void Display::SetRules(const policies::Policies::Display& rules) {
    rules_ = rules;
    LoadWindow();
    const settings::DisplaySection inForce = policies::DisplayInForce(rules_, own_);
    if (inForce == keys_.Section()) {
        return;
    }
    keys_.SetSection(inForce);
    keys_.KeysMayHaveChanged(settings_);
    Refresh();
    if (sectionChanged_) {
        sectionChanged_();
    }
}

void Display::SetTray(tray::TrayIcon& icon, const toolkit::Picture& checking,
                      const toolkit::Picture& suspended) {
    tray_ = &icon;
    checking_ = &checking;
    suspendedPicture_ = &suspended;
    IgnoreFailure([&] { tray_->SetIcon(TrayPicture()); });
    IgnoreFailure([&] { tray_->SetTooltip(Tooltip()); });
}

// Notes go while suspended, and come back after.
void Display::SetSuspended(bool suspended) {
    suspended_ = suspended;
    keys_.SetQuiet(suspended_ || paused_);
    keys_.KeysMayHaveChanged(settings_);
    Refresh();
}

void Display::SetPause(bool active, const std::string& program) {
    paused_ = active;
    pausedFor_ = program;
    keys_.SetQuiet(suspended_ || paused_);
    Refresh();
}

void Display::SetProgram(const std::string& program) {
    if (program != modesOf_) {
        modesOf_ = program;
        Refresh();
    }
}

void Display::PutBack(const lockkeys::Flips& flips) {
    keys_.PutBack(flips, settings_);
}

void Display::KeysMayHaveChanged(bool tick) {
    if (tick && window_ && !window_->Open()) {
        window_.reset();  // closed: its fonts and pictures go, and idle memory with them
    }
    if (keys_.KeysMayHaveChanged(settings_, tick)) {
        Refresh();
    }
}

void Display::ThemeChanged() {
    if (keys_.ThemeChanged()) {
        Refresh();
    }
}

// The one way the tray icon is redrawn. A shell that fails the change is tried again by the
// icon itself; nothing here depends on it.
void Display::Refresh() {
    if (tray_ == nullptr) {
        return;
    }
    IgnoreFailure([&] {
        tray_->SetIcon(TrayPicture());
        tray_->SetTooltip(Tooltip());
        tray_->Modify();
    });
}

// The keys drawn, or the classic icons.
const toolkit::Picture* Display::TrayPicture() {
    if (const toolkit::Picture* keys = keys_.TrayPicture(suspended_, settings_)) {
        return keys;
    }
    return suspended_ ? suspendedPicture_ : checking_;
}

std::string Display::Tooltip() const {
    std::string tooltip = kProductName;
    if (suspended_) {
        tooltip += "\r\n";
        tooltip += language::Say(language::Text::SuspendedLine, language_);
    }
    if (paused_) {
        tooltip = pause::PausedTooltip(tooltip, pausedFor_, tray::kMaxTooltipLength, language_);
    }
    // With the keys listed, the line of the program whose modes hold them: the keys leave it
    // room, its name cut to a third of the tooltip at most.
    using language::Text;
    constexpr std::size_t kMax = tray::kMaxTooltipLength;
    const bool named = !paused_ && !modesOf_.empty() && keys_.Section().showKeys;
    const std::size_t line =
        named ? pause::TooltipWithLine({}, Text::ProgramModesLine, modesOf_, kMax / 3, language_)
                    .size()
              : 0;
    const std::string keys = keys_.Tooltip(tooltip, settings_, kMax - line);
    return named ? pause::TooltipWithLine(keys, Text::ProgramModesLine, modesOf_, kMax, language_)
                 : keys;
}

void Display::ShowWindow() {
    if (!window_ || !window_->Open()) {
        window_ = std::make_unique<DisplayWindow>(
            services_.forms, kEnforcingIcon,
            [this](const settings::DisplaySection& own) {
                own_ = own;
                Keep();
                SetRules(rules_);
            },
            language_);
    }
    LoadWindow();
    window_->Form().Show();
}

// The window, while open, shows the user's choices under the rules in force.
void Display::LoadWindow() {
    if (!window_ || !window_->Open()) {
        return;
    }
    DisplayManaged managed{.showKeys = rules_.showKeys.has_value(),
                           .position = rules_.position.has_value(),
                           .noteTime = rules_.noteTime.has_value(),
                           .monitor = rules_.monitor.has_value()};
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        managed.notes[key] = rules_.notes[key].has_value();
        managed.sounds[key] = rules_.sounds[key].has_value();
    }
    window_->Load(own_, policies::DisplayInForce(rules_, own_), managed);
}

// Written at once, as the settings window's Apply writes.
void Display::Keep() {
    settings::SaveBesideOrInUsersCopy(
        services_.profile, settings::FindSettingsFiles(services_.app, kProductName),
        [this](const std::string& path) {
            return settings::SaveDisplaySection(services_.profile, path, own_);
        });
}

}  // namespace keystead::display

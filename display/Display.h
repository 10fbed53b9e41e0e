#pragma once

#include <functional>
#include <memory>
#include <string>

#include "display/DisplayWindow.h"
#include "display/IconPainter.h"
#include "display/KeyDisplay.h"
#include "display/NoteScreen.h"
#include "language/Language.h"
#include "lockkeys/Keyboard.h"
#include "lockkeys/Settings.h"
#include "pause/Foreground.h"
#include "policies/Policies.h"
#include "registry/RegistryApi.h"
#include "settings/DisplaySection.h"
#include "settings/Profile.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "tray/TrayIcon.h"

namespace keystead::display {

// What the program shows of itself and the lock keys: the notes, the tray icon's picture and
// tooltip, and the window in which the user chooses them. It keeps the user's choices (section
// "display") and puts them into force under the administrator's rules; whoever owns it tells
// it what happens, and it alone decides what shows.
class Display {
public:
    struct Services {
        lockkeys::Keyboard& keyboard;
        NoteScreen& notes;
        IconPainter& icons;
        pause::Foreground& foreground;
        registry::RegistryApi& registry;
        toolkit::FormFactory& forms;
        settings::Profile& profile;
        toolkit::Application& app;
    };
    // `settings`: the modes in force, which the icon and the notes show as held.
    Display(const Services& services, const lockkeys::Settings& settings,
            language::Language language);
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Section "display" of the file read, or of the one beside the program when that has none.
    void Load(const std::string& settingsPath, const policies::Policies::Display& rules);
    // New rules: the section in force, and the window while open, show them at once.
    void SetRules(const policies::Policies::Display& rules);
    // The icon that shows it all, with the classic pictures for when the keys are not drawn
    // (green while checking, red while suspended). Sets its picture and tooltip, for Add.
    void SetTray(tray::TrayIcon& icon, const toolkit::Picture& checking,
                 const toolkit::Picture& suspended);

    // What the program does: each may change what shows, and the tray is redrawn once.
    void SetSuspended(bool suspended);
    void SetPause(bool active, const std::string& program);
    // The listed program whose own lock modes are in force, or empty for the main settings.
    void SetProgram(const std::string& program);
    void PutBack(const lockkeys::Flips& flips);
    // `tick`: the timer's, at which a display window the user closed is let go.
    void KeysMayHaveChanged(bool tick);
    void ThemeChanged();
    void ForegroundChanged() { keys_.ForegroundChanged(); }
    // Whether it wants to hear of each window that comes to the front; `changed` hears when
    // that changes.
    bool WatchesForeground() const { return keys_.WatchesForeground(); }
    void OnWatchChange(std::function<void()> changed) { keys_.OnWatchChange(std::move(changed)); }
    // The section in force: what shows, where, and what sounds. `changed` hears when it
    // changes (the file read, a rule, the window's OK or Apply).
    const settings::DisplaySection& InForce() const { return keys_.Section(); }
    void OnSectionChange(std::function<void()> changed) { sectionChanged_ = std::move(changed); }
    // `changed` hears of each key on "Allow toggling" that the user turned on or off.
    void OnKeyChange(std::function<void(std::size_t key, bool on)> changed) {
        keys_.OnKeyChange(std::move(changed));
    }

    // From the settings window's system menu, the tray icon's menu and the switch /display.
    void ShowWindow();
    void CloseWindow() { window_.reset(); }
    // The tray's tooltip: the program's name, a line when suspended or stepping aside, and the
    // keys when they are shown, with the program whose lock modes hold them.
    std::string Tooltip() const;

private:
    void Refresh();
    const toolkit::Picture* TrayPicture();
    void LoadWindow();
    void Keep();

    const Services services_;
    const lockkeys::Settings& settings_;
    const language::Language language_;
    KeyDisplay keys_;
    settings::DisplaySection own_;  // as the file has it
    policies::Policies::Display rules_;
    std::unique_ptr<DisplayWindow> window_;  // once opened
    tray::TrayIcon* tray_ = nullptr;
    const toolkit::Picture* checking_ = nullptr;
    const toolkit::Picture* suspendedPicture_ = nullptr;
    bool suspended_ = false;
    bool paused_ = false;
    std::string pausedFor_;
    std::string modesOf_;
    std::function<void()> sectionChanged_;
};

}  // namespace keystead::display

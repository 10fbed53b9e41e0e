// The tray icon from the keyboard: Enter or Space shows the settings window, the menu key
// opens a menu of the icon's commands.
#include "app/Keystead.h"
#include "language/Texts.h"

namespace keystead::app {

namespace {

// The menu's commands beyond the command-line switches'.
constexpr std::uint32_t kHelpCommand = 100;

}  // namespace

// One line per item, in the menu's order; the first is what Enter on the icon does.
std::vector<tray::TrayMenuItem> Keystead::TrayIcon_MenuItems() {
    const bool enforcing = !checks_.Suspended();
    const bool maySuspend = !enforcing || rules_.SuspendAllowed();
    using language::Text;
    const auto say = [this](Text text) { return language::Say(text, language_); };
    return {
        {say(Text::MenuSettings), static_cast<std::uint32_t>(Command::Settings)},
        {say(enforcing ? Text::MenuSuspend : Text::Resume),
         static_cast<std::uint32_t>(Command::Toggle), maySuspend},
        {say(Text::DisplayCommand), static_cast<std::uint32_t>(Command::Display)},
        {say(Text::ProgramsCommand), static_cast<std::uint32_t>(Command::Programs)},
        {say(Text::Help), kHelpCommand},
        {say(Text::MenuExit), static_cast<std::uint32_t>(Command::Exit)},
    };
}

void Keystead::TrayIcon_MenuClick(std::uint32_t command) {
    if (command == kHelpCommand) {
        main_.HelpFile();
    } else if (command >= static_cast<std::uint32_t>(kFirstCommand) &&
               command <= static_cast<std::uint32_t>(kLastCommand)) {
        RunCommand(static_cast<Command>(command));
    }
}

}  // namespace keystead::app

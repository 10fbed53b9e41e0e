// The command-line switches, as the running program carries them out: each does what the
// matching tray command or button does.
#include "app/Main.h"

namespace keystead::app {

toolkit::RequestAnswer Main::RunCommand(Command command) {
    // Suspended is the timer being off (Suspend button, right click on the icon).
    const bool enforcing = form_->Timer().Enabled();
    const bool toggles = command == Command::Toggle || (command == Command::Suspend && enforcing) ||
                         (command == Command::Resume && !enforcing);
    if (toggles && !SuspendAllowed()) {
        return toolkit::kRequestRefused;  // the administrator keeps the keys checked
    }
    switch (command) {
        case Command::Settings:
            form_->Show();
            break;
        case Command::Suspend:
            if (enforcing) {
                ToggleSuspend();
            }
            break;
        case Command::Resume:
            if (!enforcing) {
                ToggleSuspend();
            }
            break;
        case Command::Toggle:
            ToggleSuspend();
            break;
        case Command::Exit:
            form_->Unload();
            break;
        case Command::Display:
            ShowDisplayWindow();
            break;
        case Command::None:
            break;
    }
    return toolkit::kRequestDone;
}

// Taken only from a program that has finished starting, and only a known switch: anything
// else another program sends is turned away.
toolkit::RequestAnswer Main::Form_Request(std::uint32_t request) {
    if (!loadFinished_ || !form_->Loaded() || request < static_cast<std::uint32_t>(kFirstCommand) ||
        request > static_cast<std::uint32_t>(kLastCommand)) {
        return toolkit::kRequestNotTaken;
    }
    return RunCommand(static_cast<Command>(request));
}

}  // namespace keystead::app

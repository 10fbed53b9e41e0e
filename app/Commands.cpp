// The command-line switches, as the running program carries them out: each does what the
// matching tray command or button does.
#include "app/Keystead.h"

namespace keystead::app {

toolkit::RequestAnswer Keystead::RunCommand(Command command) {
    const bool enforcing = !checks_.Suspended();
    const bool toggles = command == Command::Toggle || (command == Command::Suspend && enforcing) ||
                         (command == Command::Resume && !enforcing);
    if (toggles && !rules_.SuspendAllowed()) {
        return toolkit::kRequestRefused;  // the administrator keeps the keys checked
    }
    switch (command) {
        case Command::Settings:
            main_.Show();
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
            main_.Form().Unload();
            break;
        case Command::Display:
            display_.ShowWindow();
            break;
        case Command::Programs:
            ShowProgramsWindow();
            break;
        case Command::None:
            break;
    }
    return toolkit::kRequestDone;
}

// Taken only from a program that has finished starting, and only a known switch: anything
// else another program sends is turned away.
toolkit::RequestAnswer Keystead::Form_Request(std::uint32_t request) {
    if (!loadFinished_ || !main_.Form().Loaded() ||
        request < static_cast<std::uint32_t>(kFirstCommand) ||
        request > static_cast<std::uint32_t>(kLastCommand)) {
        return toolkit::kRequestNotTaken;
    }
    return RunCommand(static_cast<Command>(request));
}

}  // namespace keystead::app

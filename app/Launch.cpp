#include "app/Launch.h"

namespace keystead::app {

Launch PlanLaunch(std::string_view arguments, toolkit::Application& app) {
    const std::optional<Command> command = ParseCommandLine(arguments);
    if (!command) {
        return {.exitCode = kExitInvalidParameter};
    }
    if (app.PrevInstance()) {
        // Without a switch, the copy that runs carries on alone and is not disturbed.
        if (*command == Command::None) {
            return {.command = *command, .exitCode = kExitDone};
        }
        // /exit answers once the copy has gone, so that a start right after it runs.
        switch (app.SendToRunningCopy(static_cast<std::uint32_t>(*command),
                                      *command == Command::Exit)) {
            case toolkit::kRequestDone:
                return {.command = *command, .exitCode = kExitDone};
            case toolkit::kRequestRefused:
                return {.command = *command, .exitCode = kExitRefused};
            case toolkit::kRequestNotEnded:
                return {.command = *command, .exitCode = kExitNotEnded};
            case toolkit::kRequestNotTaken:
                break;
        }
        return {.command = *command, .exitCode = kExitNoRunningCopy};
    }
    if (*command == Command::None || *command == Command::Settings ||
        *command == Command::Display || *command == Command::Programs) {
        return {.run = true, .command = *command};
    }
    return {.command = *command, .exitCode = kExitNoRunningCopy};
}

}  // namespace keystead::app

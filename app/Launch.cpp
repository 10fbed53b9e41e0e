#include "app/Launch.h"

namespace keystead::app {

Launch PlanLaunch(std::string_view arguments, toolkit::Application& app) {
    const std::optional<Command> command = ParseCommandLine(arguments);
    if (!command) {
        return {.exitCode = kExitInvalidParameter};
    }
    if (app.PrevInstance()) {
        // Without a switch, the copy that runs carries on alone and is not disturbed.
        if (*command == Command::None ||
            app.SendToRunningCopy(static_cast<std::uint32_t>(*command))) {
            return {.command = *command, .exitCode = kExitDone};
        }
        return {.command = *command, .exitCode = kExitNoRunningCopy};
    }
    if (*command == Command::None || *command == Command::Settings) {
        return {.run = true, .command = *command};
    }
    return {.command = *command, .exitCode = kExitNoRunningCopy};
}

}  // namespace keystead::app

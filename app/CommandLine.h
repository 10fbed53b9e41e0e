#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace keystead::app {

// What a start of the program asks for, by its switch. The values travel from one copy of
// the program to another: never renumber them.
enum class Command : std::uint32_t {
    None = 0,  // no switch: start, or leave the running copy alone
    Settings = 1,
    Suspend = 2,
    Resume = 3,
    Toggle = 4,
    Exit = 5,
    Display = 6,   // the lock-key display window
    Programs = 7,  // the programs window
};
inline constexpr Command kFirstCommand = Command::Settings;
inline constexpr Command kLastCommand = Command::Programs;

// How a start that runs nothing ends.
inline constexpr int kExitDone = 0;
inline constexpr int kExitNoRunningCopy = 1;
inline constexpr int kExitRefused = 5;            // ERROR_ACCESS_DENIED: by the administrator
inline constexpr int kExitInvalidParameter = 87;  // ERROR_INVALID_PARAMETER
inline constexpr int kExitNotEnded = 1460;        // ERROR_TIMEOUT: /exit, the copy still runs

// The command of a command line without the program's name: None when it is blank, empty
// when it is anything but one known switch ("/settings", "-SUSPEND", "\"/exit\"").
std::optional<Command> ParseCommandLine(std::string_view arguments);

}  // namespace keystead::app

#pragma once

#include <string_view>

#include "app/CommandLine.h"
#include "toolkit/Application.h"

namespace keystead::app {

// What a start of the program does with its command line. Decided before any window of its
// own exists, so that the only window a command can be handed to is the running copy's.
struct Launch {
    bool run = false;                 // build the window and run the program
    Command command = Command::None;  // for the program to carry out once it runs
    int exitCode = kExitDone;         // when it does not run
};

Launch PlanLaunch(std::string_view arguments, toolkit::Application& app);

}  // namespace keystead::app

#include "pause/StepAside.h"

#include <utility>

namespace keystead::pause {

bool FullScreenBusy(UserNotificationState state, bool frontCoversMonitor) {
    switch (state) {
        case UserNotificationState::RunningD3dFullScreen:
        case UserNotificationState::PresentationMode:
            return true;
        case UserNotificationState::Busy:
            return frontCoversMonitor;
        default:
            return false;
    }
}

bool FullScreenProgram(Foreground& foreground) {
    const UserNotificationState state = foreground.NotificationState();
    return state == UserNotificationState::Busy
               ? FullScreenBusy(state, foreground.FrontCoversMonitor())
               : FullScreenBusy(state, false);
}

void StepAside::SetRules(ProgramList programs, bool fullScreen) {
    programs_ = std::move(programs);
    fullScreen_ = fullScreen;
}

bool StepAside::Update() {
    bool active = false;
    std::string program;
    if (HasRules()) {
        program = foreground_.ProgramName();
        active = (!program.empty() && programs_.Contains(program)) ||
                 (fullScreen_ && FullScreenProgram(foreground_));
    }
    if (!active) {
        program.clear();
    }
    const bool changed = active != active_ || program != program_;
    active_ = active;
    program_ = std::move(program);
    return changed;
}

}  // namespace keystead::pause

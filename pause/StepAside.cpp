#include "pause/StepAside.h"

#include <utility>

namespace keystead::pause {

bool FullScreenBusy(UserNotificationState state) {
    return state == UserNotificationState::Busy ||
           state == UserNotificationState::RunningD3dFullScreen;
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
                 (fullScreen_ && FullScreenBusy(foreground_.NotificationState()));
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

#pragma once

#include <string>

#include "pause/Foreground.h"
#include "pause/ProgramList.h"

namespace keystead::pause {

// Whether the shell's answer means a full-screen program (a game, a video, a presentation)
// has the screen: always for Direct3D full screen and presentation mode; "busy" only with a
// window in front that covers its monitor, since the shell also answers it for overlays and
// borderless windows on a bare desktop.
bool FullScreenBusy(UserNotificationState state, bool frontCoversMonitor);
// The same rule, asking the platform whether the front window covers its monitor only when
// the shell answers "busy".
bool FullScreenProgram(Foreground& foreground);

// Decides when the program steps aside and leaves the keys alone: while a listed program
// owns the foreground window, or, with the full-screen rule on, while a full-screen program
// has the screen.
class StepAside {
public:
    explicit StepAside(Foreground& foreground) : foreground_(foreground) {}

    void SetRules(ProgramList programs, bool fullScreen);
    // False for an empty list with the full-screen rule off: then the platform is never asked.
    bool HasRules() const { return fullScreen_ || !programs_.Empty(); }

    // Asks the platform again. True when stepping aside began or ended, or now names another
    // program.
    bool Update();

    bool Active() const { return active_; }
    // The program stepped aside for: its file name as the system gives it, or empty for a
    // full-screen program whose name cannot be read.
    const std::string& Program() const { return program_; }

private:
    Foreground& foreground_;
    ProgramList programs_;
    bool fullScreen_ = false;
    bool active_ = false;
    std::string program_;
};

}  // namespace keystead::pause

#pragma once

#include <memory>
#include <string>

namespace keystead::pause {

// What the shell says about interrupting the user now, as SHQueryUserNotificationState
// answers (the same numbers).
enum class UserNotificationState : int {
    Unknown = 0,  // the question failed
    NotPresent = 1,
    Busy = 2,  // a full-screen program, or presentation settings applied
    RunningD3dFullScreen = 3,
    PresentationMode = 4,
    AcceptsNotifications = 5,
    QuietTime = 6,
    App = 7,
};

// Watches until destroyed.
class ForegroundWatch {
public:
    virtual ~ForegroundWatch() = default;
};

// The one listener of a watch.
class ForegroundEvents {
public:
    // Another window came to the foreground.
    virtual void Foreground_Change() = 0;

protected:
    ~ForegroundEvents() = default;
};

// The program in front of the user.
class Foreground {
public:
    virtual ~Foreground() = default;
    // The file name, without its folder, of the program that owns the foreground window, in
    // UTF-8; empty when no window is in front or its program may not be asked (one running
    // as administrator, seen by a standard user's program).
    virtual std::string ProgramName() = 0;
    virtual UserNotificationState NotificationState() = 0;
    // Whether the foreground window covers the whole of its monitor and is not the desktop
    // or the shell's taskbar.
    virtual bool FrontCoversMonitor() = 0;
    // Tells the listener on this thread, from its message loop, whenever another window comes
    // to the foreground, as long as the watch lives. Null when the platform cannot watch.
    virtual std::unique_ptr<ForegroundWatch> Watch(ForegroundEvents& listener) = 0;
};

}  // namespace keystead::pause

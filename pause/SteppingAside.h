#pragma once

#include <memory>
#include <string>

#include "pause/Foreground.h"
#include "pause/StepAside.h"
#include "settings/PauseSection.h"
#include "settings/Profile.h"

namespace keystead::pause {

// What stepping aside tells the rest of the program.
class SteppingAsideEvents {
public:
    // Stepping aside began or ended, or now names another program.
    virtual void SteppingAside_Change() = 0;
    // Another window came to the front; a change it made was raised first.
    virtual void SteppingAside_Foreground() = 0;

protected:
    ~SteppingAsideEvents() = default;
};

// Stepping aside for listed and full-screen programs: section "pause" of the settings file
// with the administrator's list added, the rule, and the watch of the window in front, which
// lives only while something asks for it.
class SteppingAside final : private ForegroundEvents {
public:
    SteppingAside(Foreground& foreground, SteppingAsideEvents& events);
    SteppingAside(const SteppingAside&) = delete;
    SteppingAside& operator=(const SteppingAside&) = delete;

    // Section "pause" of the file read, or of the one beside the program when that has none
    // (the user's copy, written by the program, never holds it unless the user added it),
    // with the administrator's programs (SetAdministratorList).
    void Load(settings::Profile& profile, const std::string& path, const std::string& beside,
              const std::string& administratorList);
    // The administrator's programs, names separated by ';', added to the file's.
    void SetAdministratorList(const std::string& programs);
    // The user's own list and FullScreen, as the programs window applies them: in force at
    // once, with the administrator's programs still added.
    void SetOwnList(const std::string& programs, bool fullScreen);
    // The user's own section, without the administrator's programs.
    const settings::PauseSection& Own() const { return section_; }
    // Asks the platform again (at each tick, and after new rules).
    void Update();
    // Another part of the program wants to hear of each window that comes to the front.
    void WatchAlsoFor(bool wanted);
    // At the program's end.
    void StopWatching() { watch_.reset(); }

    bool Active() const { return rule_.Active(); }
    // The program stepped aside for, or empty for a full-screen program with no name.
    const std::string& Program() const { return rule_.Program(); }

private:
    void Foreground_Change() override;
    void Watch();

    Foreground& foreground_;
    SteppingAsideEvents& events_;
    settings::PauseSection section_;
    std::string administrator_;
    StepAside rule_;
    bool watchWanted_ = false;
    std::unique_ptr<ForegroundWatch> watch_;
};

}  // namespace keystead::pause

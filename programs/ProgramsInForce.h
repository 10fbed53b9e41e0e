#pragma once

#include <array>
#include <string>
#include <string_view>

#include "lockkeys/Settings.h"
#include "programs/ProgramModes.h"

namespace keystead::programs {

// The lock modes of the program in front: the user's list (section "programs"), the
// administrator's entries over it, and which listed program owns the window in front. Each
// setter says whether the modes for the window in front changed, so that the keys can be put
// right at once.
class ProgramsInForce {
public:
    using Fixed = std::array<bool, lockkeys::kLockKeyCount>;

    // The user's own list, as the settings file keeps it and the window edits it.
    bool SetOwn(ProgramModesList own);
    // The administrator's entries, lines "name=modes" as the policy's values give them; an
    // entry replaces the user's for the same program. `fixed`: the keys whose main mode the
    // administrator fixes, which the user's own entries leave as they are.
    bool SetAdministrator(std::string_view lines, const Fixed& fixed = {});
    const ProgramModesList& Own() const { return own_; }
    const ProgramModesList& Administrator() const { return administrator_; }
    // Whether the administrator's entries name the program.
    bool Managed(std::string_view fileName) const {
        return administrator_.Find(fileName) != nullptr;
    }
    bool Empty() const { return own_.Programs().empty() && administrator_.Programs().empty(); }

    // The file name of the program that owns the window in front (empty for none).
    bool SetFront(std::string_view fileName);
    // The listed program in front, as the list spells it; empty while the main settings are
    // in force.
    const std::string& Front() const { return front_.name; }
    // The main settings with the modes of the program in front over them.
    lockkeys::Settings Over(const lockkeys::Settings& main) const {
        return SettingsWith(main, front_.modes);
    }

private:
    ProgramModesList own_;
    ProgramModesList administrator_;
    Fixed fixed_{};
    std::string frontName_;
    ProgramModes front_;  // empty name and no modes: none listed is in front
};

}  // namespace keystead::programs

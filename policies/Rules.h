#pragma once

#include "lockkeys/Settings.h"
#include "policies/Policies.h"
#include "policies/UserChoice.h"
#include "registry/RegistryApi.h"
#include "toolkit/Timer.h"

namespace keystead::policies {

// The administrator's rules in force, and the user's own choices that they hide: what the
// settings file keeps, so that each comes back when its rule goes.
class Rules {
public:
    explicit Rules(registry::RegistryApi& registry) : registry_(registry) {}

    const Policies& InForce() const { return rules_; }
    // Reads the rules again and puts them into force in the applied settings and interval,
    // keeping first what the user chose of each. False when they are as before.
    bool Refresh(lockkeys::Settings& settings, toolkit::Timer& interval);
    // What the user chose, as of the settings in force: what the settings file keeps.
    const UserChoice& Own(const lockkeys::Settings& settings, const toolkit::Timer& interval);
    // Whether the administrator lets the user suspend the checks.
    bool SuspendAllowed() const { return rules_.allowSuspend != false; }
    // Where starting with Windows is forbidden, the user's registration goes (the machine's
    // is the administrator's own). True then.
    bool KeepStartUpRule();

private:
    registry::RegistryApi& registry_;
    Policies rules_;
    UserChoice own_;
};

}  // namespace keystead::policies

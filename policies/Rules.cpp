#include "policies/Rules.h"

#include <utility>

#include "product/Product.h"
#include "registry/Registration.h"
#include "registry/RunKey.h"

namespace keystead::policies {

bool Rules::Refresh(lockkeys::Settings& settings, toolkit::Timer& interval) {
    own_.Keep(rules_, settings, interval);
    Policies rules = ReadPolicies(registry_);
    rules.machineStartUp = registry::IsRegisteredIn(registry_, registry::kRunRoot, kProductName) &&
                           !registry::MachineRunWritable(registry_);
    if (rules == rules_) {
        return false;
    }
    rules_ = std::move(rules);
    PutInForce(rules_, own_, settings, interval);
    KeepStartUpRule();
    return true;
}

const UserChoice& Rules::Own(const lockkeys::Settings& settings, const toolkit::Timer& interval) {
    own_.Keep(rules_, settings, interval);
    return own_;
}

bool Rules::KeepStartUpRule() {
    if (rules_.startWithWindows != false) {
        return false;
    }
    registry::UnregisterUser(registry_, kProductName);
    return true;
}

}  // namespace keystead::policies

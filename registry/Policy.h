#pragma once

#include <cstdint>
#include <string>

#include "registry/RegistryApi.h"
#include "registry/ScopedKey.h"

namespace keystead::registry {

// Where an administrator's rule for one setting stands. The order matters: FirstSet reports
// the worst state when no rule is set.
enum class PolicyState : std::uint8_t {
    NotConfigured,  // no key or no value: the user chooses
    Set,            // a REG_DWORD within its range
    WrongValue,     // another type, or outside the range: ignored, as a hand-edited setting is
    Unreadable,     // there may be a rule, but reading it failed
};

struct PolicyValue {
    PolicyState state = PolicyState::NotConfigured;
    std::int32_t value = 0;
};

// One REG_DWORD of an open policy key, judged against its range.
PolicyValue ReadPolicyDword(RegistryApi& api, const ScopedKey& key, const std::string& name,
                            std::int32_t min, std::int32_t max);

// The machine's rule beats the user's. When neither is set, the worse of the two states says
// whether a rule was lost to a failed read.
PolicyValue FirstSet(const PolicyValue& machine, const PolicyValue& user);

// A list policy's key, machine-wide then the user's: a line "name=data\n" for each REG_SZ
// value, at most kMaxPolicyList of each. Anything else, text with a line break, or a failed
// read adds nothing.
inline constexpr std::uint32_t kMaxPolicyList = 256;
std::string ReadPolicyList(RegistryApi& api, const std::string& subKey);

// A program's policy keys, machine-wide and the user's, open for reading while this lives.
class PolicyKeys {
public:
    PolicyKeys(RegistryApi& api, const std::string& subKey);

    PolicyValue Dword(const std::string& name, std::int32_t min, std::int32_t max) const;
    // A REG_SZ of both keys, the machine's then the user's, joined by ';' when both hold
    // text. Anything else, or a failed read, adds nothing.
    std::string Text(const std::string& name) const;

private:
    RegistryApi& api_;
    ScopedKey machine_;
    ScopedKey user_;
};

}  // namespace keystead::registry

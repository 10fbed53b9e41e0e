#include "registry/Policy.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "registry/Registry.h"
#include "registry/RegistryCodes.h"

namespace keystead::registry {

namespace {

// Group Policy writes the machine's rules into the 64-bit view, also for 32-bit programs;
// 32-bit Windows ignores the flag.
constexpr std::uint32_t kMachinePolicyAccess = kReadAccess | kKeyWow64_64Key;

}  // namespace

PolicyValue ReadPolicyDword(RegistryApi& api, const ScopedKey& key, const std::string& name,
                            std::int32_t min, std::int32_t max) {
    std::int32_t status = key.Status();
    Value value;
    if (status == kErrorSuccess) {
        status = ReadValueData(api, key.Handle(), name, value);
    }
    switch (status) {
        case kErrorSuccess:
            break;
        case kErrorFileNotFound:
            return {};
        // Another type, or a REG_DWORD holding more than four bytes.
        case kUnhandledType:
        case kErrorMoreData:
            return {PolicyState::WrongValue};
        default:
            return {PolicyState::Unreadable};
    }
    const std::int32_t* number = std::get_if<std::int32_t>(&value);
    if (number == nullptr || *number < min || *number > max) {
        return {PolicyState::WrongValue};
    }
    return {PolicyState::Set, *number};
}

std::string ReadPolicyList(RegistryApi& api, const std::string& subKey) {
    std::string lines;
    for (const auto& [root, access] : {std::pair(kHkeyLocalMachine, kMachinePolicyAccess),
                                       std::pair(kHkeyCurrentUser, kReadAccess)}) {
        const ScopedKey key(api, root, subKey, access);
        for (std::uint32_t index = 0; key.Status() == kErrorSuccess && index < kMaxPolicyList;
             ++index) {
            std::string name;
            const std::int32_t status = api.EnumValueName(key.Handle(), index, name);
            if (status == kErrorMoreData) {
                continue;  // a name no program has
            }
            Value value;
            if (status != kErrorSuccess) {
                break;
            }
            if (ReadValueData(api, key.Handle(), name, value) == kErrorSuccess) {
                const std::string* text = std::get_if<std::string>(&value);
                if (text != nullptr && (name + *text).find('\n') == std::string::npos) {
                    lines.append(name).append(1, '=').append(*text).append(1, '\n');
                }
            }
        }
    }
    return lines;
}

PolicyValue FirstSet(const PolicyValue& machine, const PolicyValue& user) {
    if (machine.state == PolicyState::Set) {
        return machine;
    }
    if (user.state == PolicyState::Set) {
        return user;
    }
    return {std::max(machine.state, user.state)};
}

PolicyKeys::PolicyKeys(RegistryApi& api, const std::string& subKey)
    : api_(api),
      machine_(api, kHkeyLocalMachine, subKey, kMachinePolicyAccess),
      user_(api, kHkeyCurrentUser, subKey, kReadAccess) {}

PolicyValue PolicyKeys::Dword(const std::string& name, std::int32_t min, std::int32_t max) const {
    return FirstSet(ReadPolicyDword(api_, machine_, name, min, max),
                    ReadPolicyDword(api_, user_, name, min, max));
}

std::string PolicyKeys::Text(const std::string& name) const {
    std::string joined;
    for (const ScopedKey* key : {&machine_, &user_}) {
        Value value;
        if (key->Status() != kErrorSuccess ||
            ReadValueData(api_, key->Handle(), name, value) != kErrorSuccess) {
            continue;
        }
        if (const std::string* text = std::get_if<std::string>(&value)) {
            if (!joined.empty() && !text->empty()) {
                joined += ';';
            }
            joined += *text;
        }
    }
    return joined;
}

}  // namespace keystead::registry

#include "registry/Registration.h"

#include <string_view>
#include <vector>

#include "registry/RegistryCodes.h"
#include "registry/RunKey.h"
#include "registry/ScopedKey.h"

namespace keystead::registry {

namespace {

// The marks are read and written in the 64-bit view, where Windows keeps them also for the
// values of 32-bit programs; 32-bit Windows ignores the flag.
constexpr std::uint32_t kMarkReadAccess = kReadAccess | kKeyWow64_64Key;
constexpr std::uint32_t kMarkWriteAccess = kOpenAccess | kKeyWow64_64Key;

const std::string& RunSubKey() {
    static const std::string subKey(kRunSubKey);
    return subKey;
}

bool MarkedDisabled(RegistryApi& api, std::uint32_t root, const std::string& name) {
    const ScopedKey key(api, root, StartupApprovedSubKey(api, root), kMarkReadAccess);
    if (key.Status() != kErrorSuccess) {
        return false;
    }
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (api.QueryValue(key.Handle(), name, &type, nullptr, &size) != kErrorSuccess ||
        type != kRegBinary || size == 0) {
        return false;
    }
    std::vector<std::uint8_t> data(size);
    if (api.QueryValue(key.Handle(), name, &type, data.data(), &size) != kErrorSuccess ||
        size == 0) {
        return false;
    }
    return (data[0] & 1) != 0;
}

void DeleteMark(RegistryApi& api, std::uint32_t root, const std::string& name) {
    const ScopedKey key(api, root, StartupApprovedSubKey(api, root), kMarkWriteAccess);
    if (key.Status() == kErrorSuccess) {
        api.DeleteValue(key.Handle(), name);
    }
}

// A value just written must really start the program.
void ClearDisabledMark(RegistryApi& api, std::uint32_t root, const std::string& name) {
    if (MarkedDisabled(api, root, name)) {
        DeleteMark(api, root, name);
    }
}

void Remove(RegistryApi& api, std::uint32_t root, const std::string& name) {
    const std::int32_t status = DeleteValue(api, root, RunSubKey(), name);
    if (status == kErrorSuccess || status == kErrorFileNotFound) {
        DeleteMark(api, root, name);
    }
}

// A path as Windows compares it: ASCII letters in either case and a run of separators (a
// drive root's doubled one) stand for the same.
std::string Comparable(std::string_view path) {
    std::string result;
    for (char c : path) {
        if (c == '/') {
            c = '\\';
        }
        if (c == '\\' && !result.empty() && result.back() == '\\') {
            continue;
        }
        result += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return result;
}

// The program the value in `root` names, its environment strings expanded; empty for none.
std::string ProgramIn(RegistryApi& api, std::uint32_t root, const std::string& name,
                      const std::function<std::string(const std::string&)>& expand) {
    const Value value = ReadValue(api, root, RunSubKey(), name);
    const auto* text = std::get_if<std::string>(&value);
    if (text == nullptr || text->empty()) {
        return {};
    }
    return expand(std::string(RunValueProgram(*text)));
}

}  // namespace

bool StartsProgramIn(RegistryApi& api, std::uint32_t root, const std::string& name,
                     const std::string& ownProgram,
                     const std::function<std::string(const std::string&)>& expand) {
    const std::string program = ProgramIn(api, root, name, expand);
    return !program.empty() && Comparable(program) == Comparable(ownProgram) &&
           !MarkedDisabled(api, root, name);
}

bool NamesAnotherCopyIn(RegistryApi& api, std::uint32_t root, const std::string& name,
                        const std::string& ownProgram,
                        const std::function<std::string(const std::string&)>& expand,
                        const std::function<bool(const std::string&)>& exists) {
    const std::string program = ProgramIn(api, root, name, expand);
    return !program.empty() && Comparable(program) != Comparable(ownProgram) && exists(program);
}

bool NamesAnotherCopy(RegistryApi& api, const std::string& name, const std::string& ownProgram,
                      const std::function<std::string(const std::string&)>& expand,
                      const std::function<bool(const std::string&)>& exists) {
    return NamesAnotherCopyIn(api, kRunRoot, name, ownProgram, expand, exists) ||
           NamesAnotherCopyIn(api, kUserRunRoot, name, ownProgram, expand, exists);
}

bool MachineRunWritable(RegistryApi& api) {
    const ScopedKey key(api, kRunRoot, RunSubKey(), kKeySetValue);
    return key.Status() == kErrorSuccess;
}

bool CountsAsSet(const Value& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        return !text->empty();
    }
    return std::holds_alternative<std::int32_t>(value);
}

std::string StartupApprovedSubKey(const RegistryApi& api, std::uint32_t root) {
    if (root == kRunRoot && api.Uses32BitView()) {
        return std::string(kStartupApprovedRun32);
    }
    return std::string(kStartupApprovedRun);
}

bool IsRegisteredIn(RegistryApi& api, std::uint32_t root, const std::string& name) {
    return CountsAsSet(ReadValue(api, root, RunSubKey(), name)) && !MarkedDisabled(api, root, name);
}

bool IsRegistered(RegistryApi& api, const std::string& name) {
    return IsRegisteredIn(api, kRunRoot, name) || IsRegisteredIn(api, kUserRunRoot, name);
}

void Register(RegistryApi& api, const std::string& name, const std::string& data) {
    if (WriteValue(api, kRunRoot, RunSubKey(), name, data, kRunValueType) == kErrorSuccess) {
        ClearDisabledMark(api, kRunRoot, name);
        Remove(api, kUserRunRoot, name);
        return;
    }
    // A standard user may not write the machine-wide key.
    if (IsRegisteredIn(api, kRunRoot, name)) {
        Remove(api, kUserRunRoot, name);
        return;
    }
    const ScopedKey userKey(api, kUserRunRoot, RunSubKey(), kOpenAccess, true);
    if (userKey.Status() == kErrorSuccess &&
        WriteValueData(api, userKey.Handle(), name, kRunValueType, data) == kErrorSuccess) {
        ClearDisabledMark(api, kUserRunRoot, name);
    }
}

void Unregister(RegistryApi& api, const std::string& name) {
    Remove(api, kRunRoot, name);
    Remove(api, kUserRunRoot, name);
}

void UnregisterUser(RegistryApi& api, const std::string& name) {
    Remove(api, kUserRunRoot, name);
}

}  // namespace keystead::registry

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "registry/win32/Win32Registry.h"
#include "tests/registry/Stores.h"

namespace keystead::registry::testing {

// The registry of Windows (or Wine), through Win32Registry. Each instance works in a fresh
// key "HKEY_CURRENT_USER\Software\KeysteadTest-<process>-<n>" that it deletes again, and
// sets up and inspects values with advapi32 directly. String data is kept as UTF-16.
class Win32Store {
public:
    static constexpr const char* kName = "Win32";

    Win32Store();
    ~Win32Store();
    Win32Store(const Win32Store&) = delete;
    Win32Store& operator=(const Win32Store&) = delete;

    RegistryApi& Api() { return registry_; }
    std::uint32_t Root() const { return kHkeyCurrentUser; }
    const std::string& SubKey() const { return subKey_; }

    std::vector<std::uint8_t> Text(const std::string& utf8) const;
    void Put(const std::string& name, StoredValue value);
    std::optional<StoredValue> Get(const std::string& name) const;
    bool RefuseWriting();
    // Needs the right to write under HKEY_LOCAL_MACHINE; keeps what the value held before
    // and puts it back when the store goes.
    bool PrepareRunKey(const std::string& name);

private:
    win32::Win32Registry registry_;
    std::string subKey_;
    std::optional<std::string> runValueName_;
    std::optional<StoredValue> runValueBefore_;
};

}  // namespace keystead::registry::testing

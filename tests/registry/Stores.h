#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "registry/RegistryApi.h"
#include "registry/RegistryCodes.h"
#include "registry/RunKey.h"
#include "registry/fake/MemoryRegistry.h"

namespace keystead::registry::fake {

inline void PrintTo(const MemoryRegistry::StoredValue& value, std::ostream* out) {
    *out << "type " << value.type << " data {";
    const char* separator = "";
    for (const std::uint8_t byte : value.data) {
        *out << separator << static_cast<unsigned>(byte);
        separator = ", ";
    }
    *out << "}";
}

}  // namespace keystead::registry::fake

namespace keystead::registry::testing {

using fake::MemoryRegistry;

using StoredValue = MemoryRegistry::StoredValue;

// The contract tests run against each store through the same few calls:
//   RegistryApi& Api()                  the implementation under test
//   Root(), SubKey()                    an existing, empty key of the test's own
//   Text(utf8)                          the bytes the store keeps for a text
//   Put(name, value), Get(name)         set up and inspect the key beside Api()
//   RefuseWriting()                     make the key grant reading only; false if impossible
//   PrepareRunKey(name)                 make the Run key usable; false if impossible

// The in-memory store: string data is kept as UTF-8.
class MemoryStore {
public:
    static constexpr const char* kName = "Memory";

    MemoryStore() { registry_.CreateKey(Root(), SubKey()); }

    RegistryApi& Api() { return registry_; }
    MemoryRegistry& Registry() { return registry_; }
    std::uint32_t Root() const { return kHkeyCurrentUser; }
    const std::string& SubKey() const { return subKey_; }

    std::vector<std::uint8_t> Text(const std::string& utf8) const {
        return {utf8.begin(), utf8.end()};
    }
    void Put(const std::string& name, StoredValue value) {
        registry_.PutValue(Root(), SubKey(), name, std::move(value));
    }
    std::optional<StoredValue> Get(const std::string& name) const {
        return registry_.FindValue(Root(), SubKey(), name);
    }
    bool RefuseWriting() {
        registry_.SetAllowedAccess(Root(), SubKey(), kKeyRead);
        return true;
    }
    bool PrepareRunKey(const std::string& /*name*/) {
        registry_.CreateKey(kRunRoot, std::string(kRunSubKey));
        return true;
    }

private:
    MemoryRegistry registry_;
    std::string subKey_ = "Software\\KeysteadTest";
};

}  // namespace keystead::registry::testing

#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "registry/RegistryApi.h"

namespace keystead::registry::testing {

// Passes every call on to another registry and notes it in a line of text, so that a test
// can check which calls a procedure makes, in what order and with what. A handle reads "key"
// when an open through this recorder produced it, and "0" when it is 0:
//   "open 63 = 0", "create 63 = 0", "query key size 0>3 = 0" (no buffer), "query key buffer 3>3 =
//   0", "set key type 1 size 3 = 0", "delete key = 2", "enum key 0 = 0", "close key = 0".
class RecordingRegistry : public RegistryApi {
public:
    explicit RecordingRegistry(RegistryApi& inner) : inner_(inner) {}

    const std::vector<std::string>& Calls() const { return calls_; }

    std::int32_t OpenKey(std::uint32_t root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, KeyHandle& key) override;
    std::int32_t CreateKey(std::uint32_t root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t access, KeyHandle& key) override;
    std::int32_t QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                            std::uint8_t* data, std::uint32_t* size) override;
    std::int32_t SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t size) override;
    std::int32_t DeleteValue(KeyHandle key, const std::string& name) override;
    std::int32_t EnumValueName(KeyHandle key, std::uint32_t index, std::string& name) override;
    std::int32_t CloseKey(KeyHandle key) override;
    bool Uses32BitView() const override { return inner_.Uses32BitView(); }

private:
    std::string Describe(KeyHandle key) const;

    RegistryApi& inner_;
    std::set<KeyHandle> opened_;
    std::vector<std::string> calls_;
};

}  // namespace keystead::registry::testing

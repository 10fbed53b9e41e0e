#pragma once

#include <cstdint>
#include <string>

#include "registry/RegistryApi.h"

namespace keystead::registry {

// The owner of one opened key: it closes the key when it goes. The close is made even when
// the open failed and left handle 0, as every procedure of the module has always done; the
// platform refuses it, and nothing comes of that.
class ScopedKey {
public:
    // Opens the sub-key, or with create also creates it when it is missing.
    ScopedKey(RegistryApi& api, std::uint32_t root, const std::string& subKey, std::uint32_t access,
              bool create = false)
        : api_(api) {
        status_ = create ? api.CreateKey(root, subKey, 0, access, key_)
                         : api.OpenKey(root, subKey, 0, access, key_);
    }
    ~ScopedKey() { api_.CloseKey(key_); }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;

    KeyHandle Handle() const { return key_; }
    // The platform's answer to the open.
    std::int32_t Status() const { return status_; }

private:
    RegistryApi& api_;
    KeyHandle key_ = 0;
    std::int32_t status_ = 0;
};

}  // namespace keystead::registry

#pragma once

#include "registry/RegistryApi.h"

namespace keystead::registry::win32 {

// The registry of Windows, through advapi32's wide-character calls. Names and string data
// are converted between UTF-8 and UTF-16 at this boundary, so that a path the ANSI code
// page cannot spell still reaches the registry intact.
class Win32Registry final : public RegistryApi {
public:
    std::int32_t OpenKey(std::uint32_t root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, KeyHandle& key) override;
    std::int32_t CreateKey(std::uint32_t root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t access, KeyHandle& key) override;
    // For REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ the data and its size are UTF-8: a NUL that
    // is stored comes back as a NUL byte, and an odd trailing byte is dropped. Other types
    // pass their bytes through unchanged.
    std::int32_t QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                            std::uint8_t* data, std::uint32_t* size) override;
    // String types are stored as UTF-16 of exactly the bytes given, with no NUL added.
    std::int32_t SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t size) override;
    std::int32_t DeleteValue(KeyHandle key, const std::string& name) override;
    std::int32_t EnumValueName(KeyHandle key, std::uint32_t index, std::string& name) override;
    std::int32_t CloseKey(KeyHandle key) override;
    // Asks IsWow64Process once.
    bool Uses32BitView() const override;

private:
    mutable int uses32BitView_ = -1;  // not asked yet
};

}  // namespace keystead::registry::win32

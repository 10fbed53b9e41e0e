#pragma once

#include <cstdint>
#include <string>

namespace keystead::registry {

using KeyHandle = std::uintptr_t;

// The registry calls of Windows' advapi32, one to one, and the one fact about the registry's
// views that the program needs. Statuses are the platform's error
// codes (0 for success). Names are UTF-8, and so is the data of string values (types 1, 2
// and 7): sizes count UTF-8 bytes, whatever the store keeps inside.
class RegistryApi {
public:
    virtual ~RegistryApi() = default;
    virtual std::int32_t OpenKey(std::uint32_t root, const std::string& subKey,
                                 std::uint32_t options, std::uint32_t access, KeyHandle& key) = 0;
    // Opens the key, creating it and its missing parents first (RegCreateKeyEx).
    virtual std::int32_t CreateKey(std::uint32_t root, const std::string& subKey,
                                   std::uint32_t options, std::uint32_t access, KeyHandle& key) = 0;
    // data may be null to ask only for the type and size. A buffer too small gives
    // kErrorMoreData and the needed size.
    virtual std::int32_t QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                                    std::uint8_t* data, std::uint32_t* size) = 0;
    virtual std::int32_t SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                                  const std::uint8_t* data, std::uint32_t size) = 0;
    virtual std::int32_t DeleteValue(KeyHandle key, const std::string& name) = 0;
    // The name of the key's value at the index (RegEnumValue): kErrorNoMoreItems past the
    // last, kErrorMoreData for a name longer than kMaxEnumName characters.
    virtual std::int32_t EnumValueName(KeyHandle key, std::uint32_t index, std::string& name) = 0;
    virtual std::int32_t CloseKey(KeyHandle key) = 0;

    // True for a 32-bit program on 64-bit Windows: its HKEY_LOCAL_MACHINE\Software is the
    // 32-bit view of the registry, unless an open asks for kKeyWow64_64Key.
    virtual bool Uses32BitView() const = 0;
};

inline constexpr std::uint32_t kHkeyCurrentUser = 0x80000001;
inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::int32_t kErrorSuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorInvalidHandle = 6;
inline constexpr std::int32_t kErrorMoreData = 234;
inline constexpr std::int32_t kErrorNoMoreItems = 259;
inline constexpr std::uint32_t kMaxEnumName = 255;

}  // namespace keystead::registry

#pragma once

#include <cstdint>

#include "registry/RegistryApi.h"

namespace keystead::registry {

// The platform's further value types, access rights and statuses that the stores and their
// callers need beside those in RegistryApi.h.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegMultiSz = 7;
inline constexpr std::uint32_t kRegQword = 11;

inline constexpr std::uint32_t kKeyQueryValue = 0x1;
inline constexpr std::uint32_t kKeySetValue = 0x2;
inline constexpr std::uint32_t kKeyCreateSubKey = 0x4;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x8;
inline constexpr std::uint32_t kKeyNotify = 0x10;
inline constexpr std::uint32_t kKeyCreateLink = 0x20;
// The six specific rights of a key together (63).
inline constexpr std::uint32_t kKeySpecificRights = kKeyQueryValue | kKeySetValue |
                                                    kKeyCreateSubKey | kKeyEnumerateSubKeys |
                                                    kKeyNotify | kKeyCreateLink;
// KEY_WOW64_64KEY: open the 64-bit view of the registry, also from a 32-bit program.
inline constexpr std::uint32_t kKeyWow64_64Key = 0x100;
// KEY_READ: what a key that refuses writing still grants.
inline constexpr std::uint32_t kKeyRead = 0x20019;

inline constexpr std::int32_t kErrorAccessDenied = 5;
inline constexpr std::int32_t kErrorInvalidParameter = 87;
inline constexpr std::int32_t kErrorNoAccess = 998;
inline constexpr std::int32_t kErrorNoUnicodeTranslation = 1113;

// True for the types whose data is text: REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ.
constexpr bool IsTextType(std::uint32_t type) {
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

}  // namespace keystead::registry

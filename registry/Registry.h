#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "registry/RegistryApi.h"
#include "registry/RegistryCodes.h"

namespace keystead::registry {

// A value as the procedures hand it over: empty, a string or a 32-bit integer.
using Value = std::variant<std::monostate, std::string, std::int32_t>;

// Writing and deleting open the key with the six specific rights (63); reading asks only
// for what it needs, which a standard user is granted on the machine-wide keys too.
inline constexpr std::uint32_t kOpenAccess = kKeySpecificRights;
inline constexpr std::uint32_t kReadAccess = kKeyQueryValue;

// ReadValueData's status for a stored type other than REG_SZ and REG_DWORD.
inline constexpr std::int32_t kUnhandledType = -1;

// Opens the key, reads the named value and closes the key. A REG_SZ value comes back as a
// string, a REG_DWORD value as an integer; anything else, and any failure, as empty.
Value ReadValue(RegistryApi& api, std::uint32_t root, const std::string& subKey,
                const std::string& name);

// Opens the key, writes the value with the given type (REG_SZ or REG_DWORD; other types
// write nothing) and closes the key. Returns WriteValueData's status (a failed open shows
// as the refused write on handle 0).
std::int32_t WriteValue(RegistryApi& api, std::uint32_t root, const std::string& subKey,
                        const std::string& name, const Value& value, std::uint32_t type);

// Opens the key, deletes the named value and closes the key. Returns the platform's status
// of the delete (a failed open shows as the refused delete on handle 0).
std::int32_t DeleteValue(RegistryApi& api, std::uint32_t root, const std::string& subKey,
                         const std::string& name);

// Writes the value into an open key: REG_SZ as its text and a terminating NUL, counted in the
// size, REG_DWORD as 4 bytes (text must be a decimal number, else nothing is written and the status
// is kErrorInvalidParameter). Returns the platform's status, or 0 without writing for any other
// type.
std::int32_t WriteValueData(RegistryApi& api, KeyHandle key, const std::string& name,
                            std::uint32_t type, const Value& value);

// Reads the named value of an open key into `value`. Returns 0, the platform's status, or
// kUnhandledType. A REG_SZ value is its text up to the first NUL, whether or not one was
// stored. A failed REG_SZ read empties `value`; other failures leave it unchanged.
std::int32_t ReadValueData(RegistryApi& api, KeyHandle key, const std::string& name, Value& value);

}  // namespace keystead::registry

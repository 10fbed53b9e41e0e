#include "registry/KeyboardLayout.h"

#include <cstdint>
#include <string>
#include <variant>

#include "registry/Registry.h"

namespace keystead::registry {

namespace {

constexpr char kKeyboardLayoutKey[] = "Keyboard Layout";
constexpr char kAttributesValue[] = "Attributes";
constexpr std::int32_t kShiftLock = 0x00010000;  // KLF_SHIFTLOCK

}  // namespace

bool ShiftTurnsOffCapsLock(RegistryApi& registry) {
    Value value = ReadValue(registry, kHkeyCurrentUser,
                                                kKeyboardLayoutKey, kAttributesValue);
    const auto* attributes = std::get_if<std::int32_t>(&value);
    return attributes != nullptr && (*attributes & kShiftLock) != 0;
}

}  // namespace keystead::registry

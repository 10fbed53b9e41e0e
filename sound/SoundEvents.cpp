#include "sound/SoundEvents.h"

#include <cstdint>
#include <cstring>

#include "product/Product.h"
#include "registry/Registry.h"
#include "registry/RegistryCodes.h"
#include "registry/ScopedKey.h"

namespace keystead::sound {

namespace {

using registry::kHkeyCurrentUser;
using registry::ScopedKey;

// A key's default value, created with its key (and the key's parents).
void WriteDefault(registry::RegistryApi& api, const std::string& subKey, std::uint32_t type,
                  const char* text) {
    const ScopedKey key(api, kHkeyCurrentUser, subKey, registry::kOpenAccess, true);
    // With its terminating NUL counted, as Windows asks of string data.
    api.SetValue(key.Handle(), "", type, reinterpret_cast<const std::uint8_t*>(text),
                 static_cast<std::uint32_t>(std::strlen(text) + 1));
}

bool HasDefault(registry::RegistryApi& api, const std::string& subKey) {
    const ScopedKey key(api, kHkeyCurrentUser, subKey, registry::kReadAccess);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    return api.QueryValue(key.Handle(), "", &type, nullptr, &size) == registry::kErrorSuccess;
}

}  // namespace

void RegisterSoundEvents(registry::RegistryApi& api, const std::string& appKey,
                         language::Language language) {
    const std::string app = std::string(kAppsKey) + "\\" + appKey;
    WriteDefault(api, app, registry::kRegSz, kProductName);
    for (const SoundEventEntry& event : kSoundEvents) {
        WriteDefault(api, std::string(kEventLabelsKey) + "\\" + event.name, registry::kRegSz,
                     language::Say(event.label, language));
        // Expandable, as Windows writes its own schemes: the sound follows the system folder.
        const std::string sounds = app + "\\" + event.name;
        WriteDefault(api, sounds + "\\.Default", registry::kRegExpandSz, event.defaultSound);
        if (!HasDefault(api, sounds + "\\.Current")) {
            WriteDefault(api, sounds + "\\.Current", registry::kRegExpandSz, event.defaultSound);
        }
    }
}

}  // namespace keystead::sound

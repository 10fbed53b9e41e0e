#pragma once

#include "registry/RegistryApi.h"

namespace keystead::registry {

// Whether Windows is set "To turn off Caps Lock: Press the SHIFT key", as the user's
// keyboard settings in the registry say. Wine knows no such setting: there it reads false.
bool ShiftTurnsOffCapsLock(RegistryApi& registry);

}  // namespace keystead::registry

#pragma once

#include "registry/RegistryApi.h"

namespace keystead::app {

// Whether Windows is set "To turn off Caps Lock: Press the SHIFT key", as the user's
// keyboard settings in the registry say. Wine knows no such setting: there it reads false.
bool ShiftTurnsOffCapsLock(registry::RegistryApi& registry);

}  // namespace keystead::app

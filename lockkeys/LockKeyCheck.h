#pragma once

#include "lockkeys/Keyboard.h"
#include "lockkeys/Settings.h"

namespace keystead::lockkeys {

// One check of the three lock keys: every key whose toggle state disagrees with a forced
// mode gets one press and one release, which flips it back. The window's timer runs this.
void CheckLockKeys(Keyboard& keyboard, const Settings& settings);

}  // namespace keystead::lockkeys

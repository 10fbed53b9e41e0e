#pragma once

#include <string>

#include "lockkeys/Settings.h"
#include "settings/Profile.h"
#include "toolkit/Application.h"
#include "toolkit/Timer.h"

namespace keystead::settings {

// "Keystead.ini" in the folder of the executable. The separator is always added, so a
// program at the root of a drive gets "C:\\Keystead.ini", which Windows accepts.
std::string SettingsFilePath(const toolkit::Application& app);

// Reads section "main" of the file: "CapsLock", "NumLock" and "ScrollLock" into the three
// modes (defaults 0, 1 and 0) and "Interval" into the timer (default 1000). Each read stands
// alone and a failing one is skipped: a mode that does not fit into 16 bits keeps the value
// the field had, and an interval that the timer refuses leaves the timer's interval as it was.
void LoadSettings(Profile& profile, const std::string& path, lockkeys::Settings& settings,
                  toolkit::Timer& timer);

// Writes the three modes and the timer's interval, in the order above, as plain decimal
// text. Each write stands alone; one that fails is lost and the next one is still tried.
void SaveSettings(Profile& profile, const std::string& path, const lockkeys::Settings& settings,
                  const toolkit::Timer& timer);

}  // namespace keystead::settings

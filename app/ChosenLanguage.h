#pragma once

#include "language/Language.h"
#include "registry/RegistryApi.h"
#include "settings/Profile.h"
#include "toolkit/Application.h"

namespace keystead::app {

// The language of this start: the administrator's `Language` policy, else `Language` in
// section "main" of the settings file, else the first of Windows' display languages that the
// program speaks, else English. Read once, before any window exists.
language::Language ChosenLanguage(toolkit::Application& app, settings::Profile& profile,
                                  registry::RegistryApi& registry);

}  // namespace keystead::app

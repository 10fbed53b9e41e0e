#pragma once

#include <string>

#include "programs/ProgramModes.h"
#include "settings/Profile.h"

namespace keystead::programs {

// Section "programs" of the settings file: a program's file name on each line and its lock
// modes as its value ("excel.exe=,1,"). The user may keep it by hand; the program writes it
// whole.
ProgramModesList LoadProgramsSection(settings::Profile& profile, const std::string& path);
// From the file start-up read, or from the one beside the program when that file holds no
// line of the section (settings::ReadFromFileOrBeside).
ProgramModesList LoadProgramsSection(settings::Profile& profile, const std::string& path,
                                     const std::string& beside);
// Replaces the section's lines with the list, keeping every other line of the file; true when
// it was written.
bool SaveProgramsSection(settings::Profile& profile, const std::string& path,
                         const ProgramModesList& list);

}  // namespace keystead::programs

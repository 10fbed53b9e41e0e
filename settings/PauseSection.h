#pragma once

#include <cstddef>
#include <string>

#include "settings/Profile.h"

namespace keystead::settings {

// Section "pause" of the settings file: read at start-up, written only by the programs
// window, so that a list kept by hand stays as the user left it until then.
struct PauseSection {
    std::string programs;     // "Programs": file names separated by ';'; empty when missing
    bool fullScreen = false;  // "FullScreen" is exactly 1
    bool present = false;     // the file holds either key
};

// At most maxProgramsLength characters of "Programs" are read.
PauseSection LoadPauseSection(Profile& profile, const std::string& path,
                              std::size_t maxProgramsLength);
// From the file start-up read, or from the one beside the program (ReadFromFileOrBeside).
PauseSection LoadPauseSection(Profile& profile, const std::string& path, const std::string& beside,
                              std::size_t maxProgramsLength);
// Writes "Programs" and "FullScreen" alone: every other line of the file stays.
bool SavePauseSection(Profile& profile, const std::string& path, const PauseSection& section);

}  // namespace keystead::settings

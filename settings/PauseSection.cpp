#include "settings/PauseSection.h"

namespace keystead::settings {

namespace {

constexpr const char* kSection = "pause";

}  // namespace

PauseSection LoadPauseSection(Profile& profile, const std::string& path,
                              std::size_t maxProgramsLength) {
    PauseSection section;
    section.programs = profile.GetString(kSection, "Programs", "", path, maxProgramsLength);
    section.fullScreen = profile.GetInt(kSection, "FullScreen", 0, path) == 1;
    return section;
}

}  // namespace keystead::settings

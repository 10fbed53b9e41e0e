#include "settings/PauseSection.h"

#include <cstdint>
#include <limits>

namespace keystead::settings {

namespace {

constexpr const char* kSection = "pause";
// Defaults that no file holds, to tell a missing key from any value.
constexpr const char* kNoPrograms = "\x7F";
constexpr std::int32_t kNoFullScreen = std::numeric_limits<std::int32_t>::min();

}  // namespace

PauseSection LoadPauseSection(Profile& profile, const std::string& path,
                              std::size_t maxProgramsLength) {
    PauseSection section;
    section.programs =
        profile.GetString(kSection, "Programs", kNoPrograms, path, maxProgramsLength);
    const std::int32_t fullScreen = profile.GetInt(kSection, "FullScreen", kNoFullScreen, path);
    section.fullScreen = fullScreen == 1;
    section.present = section.programs != kNoPrograms || fullScreen != kNoFullScreen;
    if (section.programs == kNoPrograms) {
        section.programs.clear();
    }
    return section;
}

}  // namespace keystead::settings

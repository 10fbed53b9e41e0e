#include "settings/PauseSection.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "settings/SettingsFile.h"

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

PauseSection LoadPauseSection(Profile& profile, const std::string& path, const std::string& beside,
                              std::size_t maxProgramsLength) {
    return ReadFromFileOrBeside(path, beside,
                                [&](const std::string& file) -> std::optional<PauseSection> {
                                    PauseSection section =
                                        LoadPauseSection(profile, file, maxProgramsLength);
                                    if (!section.present) {
                                        return std::nullopt;
                                    }
                                    return section;
                                })
        .value_or(PauseSection{});
}

bool SavePauseSection(Profile& profile, const std::string& path, const PauseSection& section) {
    return profile.WriteString(kSection, "Programs", section.programs, path) &&
           profile.WriteString(kSection, "FullScreen", section.fullScreen ? "1" : "0", path);
}

}  // namespace keystead::settings

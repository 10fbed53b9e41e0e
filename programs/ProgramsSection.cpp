#include "programs/ProgramsSection.h"

#include <optional>
#include <vector>

#include "settings/SettingsFile.h"

namespace keystead::programs {

namespace {

constexpr const char* kSection = "programs";

}  // namespace

ProgramModesList LoadProgramsSection(settings::Profile& profile, const std::string& path) {
    return BuildProgramModesList(profile.GetSection(kSection, path));
}

ProgramModesList LoadProgramsSection(settings::Profile& profile, const std::string& path,
                                     const std::string& beside) {
    const auto lines = settings::ReadFromFileOrBeside(
        path, beside, [&](const std::string& file) -> std::optional<std::vector<std::string>> {
            std::vector<std::string> found = profile.GetSection(kSection, file);
            if (found.empty()) {
                return std::nullopt;
            }
            return found;
        });
    return BuildProgramModesList(lines.value_or(std::vector<std::string>{}));
}

bool SaveProgramsSection(settings::Profile& profile, const std::string& path,
                         const ProgramModesList& list) {
    return profile.WriteSection(kSection, SectionLines(list), path);
}

}  // namespace keystead::programs

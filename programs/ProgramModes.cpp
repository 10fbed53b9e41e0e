#include "programs/ProgramModes.h"

#include <algorithm>
#include <utility>

#include "pause/ProgramList.h"

namespace keystead::programs {

namespace {

// A file name the settings file can hold as a key: one starting with ';' would be a comment,
// one starting with '[' a section, and the key would end at a '='.
bool IsKeyName(std::string_view name) {
    return pause::IsProgramFileName(name) && !name.starts_with(';') && !name.starts_with('[') &&
           name.find('=') == std::string_view::npos;
}

}  // namespace

std::optional<Modes> ParseModes(std::string_view value) {
    Modes modes;
    std::size_t start = 0;
    for (std::size_t key = 0; key < modes.size(); ++key) {
        const std::size_t comma = value.find(',', start);
        // The last field runs to the end; the others end at a comma.
        const bool last = key + 1 == modes.size();
        if (last != (comma == std::string_view::npos)) {
            return std::nullopt;
        }
        const std::string_view field =
            pause::TrimBlanks(value.substr(start, last ? std::string_view::npos : comma - start));
        if (field.size() == 1 && field[0] >= '0' && field[0] <= '2') {
            modes[key] = static_cast<lockkeys::LockMode>(field[0] - '0');
        } else if (!field.empty()) {
            return std::nullopt;
        }
        start = comma + 1;
    }
    return modes;
}

std::string FormatModes(const Modes& modes) {
    std::string text;
    for (std::size_t key = 0; key < modes.size(); ++key) {
        if (key > 0) {
            text += ',';
        }
        if (modes[key]) {
            text += static_cast<char>('0' + *modes[key]);
        }
    }
    return text;
}

std::optional<ProgramModes> ParseProgramLine(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view name = pause::TrimBlanks(line.substr(0, equals));
    if (!IsKeyName(name)) {
        return std::nullopt;
    }
    const std::optional<Modes> modes = ParseModes(line.substr(equals + 1));
    if (!modes) {
        return std::nullopt;
    }
    return ProgramModes{std::string(name), *modes};
}

bool ProgramModesList::Add(ProgramModes program) {
    program.name = std::string(pause::TrimBlanks(program.name));
    if (programs_.size() >= kMaxPrograms || !IsKeyName(program.name) ||
        Find(program.name) != nullptr) {
        return false;
    }
    programs_.push_back(std::move(program));
    return true;
}

bool ProgramModesList::Remove(std::string_view fileName) {
    return std::erase_if(programs_, [&](const ProgramModes& program) {
               return pause::SameProgramName(program.name, fileName);
           }) > 0;
}

const ProgramModes* ProgramModesList::Find(std::string_view fileName) const {
    const auto found =
        std::find_if(programs_.begin(), programs_.end(), [&](const ProgramModes& program) {
            return pause::SameProgramName(program.name, fileName);
        });
    return found == programs_.end() ? nullptr : &*found;
}

ProgramModesList BuildProgramModesList(const std::vector<std::string>& lines) {
    ProgramModesList list;
    for (const std::string& line : lines) {
        if (std::optional<ProgramModes> program = ParseProgramLine(line)) {
            list.Add(std::move(*program));
        }
    }
    return list;
}

std::vector<std::string> SectionLines(const ProgramModesList& list) {
    std::vector<std::string> lines;
    for (const ProgramModes& program : list.Programs()) {
        lines.push_back(program.name + "=" + FormatModes(program.modes));
    }
    return lines;
}

lockkeys::Settings SettingsWith(const lockkeys::Settings& main, const Modes& modes) {
    lockkeys::Settings settings = main;
    for (std::size_t key = 0; key < modes.size(); ++key) {
        if (modes[key]) {
            lockkeys::ModeOf(settings, key) = *modes[key];
        }
    }
    return settings;
}

std::optional<lockkeys::Settings> SettingsFor(const lockkeys::Settings& main,
                                              const ProgramModesList& list,
                                              std::string_view fileName) {
    const ProgramModes* program = list.Find(fileName);
    if (program == nullptr) {
        return std::nullopt;
    }
    return SettingsWith(main, program->modes);
}

}  // namespace keystead::programs

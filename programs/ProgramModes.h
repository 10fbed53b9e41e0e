#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lockkeys/LockKeys.h"
#include "lockkeys/Settings.h"

namespace keystead::programs {

// A program's own modes of the three lock keys, in the order of kLockKeys (Caps Lock, Num
// Lock, Scroll Lock); none for a key that keeps the main setting.
using Modes = std::array<std::optional<lockkeys::LockMode>, lockkeys::kLockKeyCount>;

struct ProgramModes {
    std::string name;  // the program's file name, as the user spelt it
    Modes modes;

    friend bool operator==(const ProgramModes&, const ProgramModes&) = default;
};

// The modes as the settings file holds them: "0", "1" or "2" for each key, or nothing for the
// main setting, separated by commas. Exactly three fields, blanks around each one ignored
// (" 1 , ,2" is fine, "1 1" is not); none when malformed.
std::optional<Modes> ParseModes(std::string_view value);
// The value ParseModes reads back: ",1," for Num Lock on and the main settings otherwise.
std::string FormatModes(const Modes& modes);

// One line "name=modes" of the section; none when malformed: no '=', a name that is no file
// name (pause::IsProgramFileName, blanks around it ignored) or that the file cannot hold as a
// key (one starting with ';', a comment, or '['), or modes ParseModes refuses.
std::optional<ProgramModes> ParseProgramLine(std::string_view line);

// The programs that have lock modes of their own, each once, at most kMaxPrograms.
class ProgramModesList {
public:
    static constexpr std::size_t kMaxPrograms = 64;

    // Adds a program whose name ParseProgramLine would take (blanks around it dropped, no '=')
    // and that is not listed yet
    // in any case, while the list has room; true when it was added. The first entry for a
    // name wins, as it does in the "pause" list.
    bool Add(ProgramModes program);
    // Removes the program; true when it was listed.
    bool Remove(std::string_view fileName);
    // The program's entry, its name matched as ProgramList matches it; null when not listed.
    const ProgramModes* Find(std::string_view fileName) const;
    const std::vector<ProgramModes>& Programs() const { return programs_; }

private:
    std::vector<ProgramModes> programs_;
};

// The list the section's lines give, in file order: each malformed line is left out alone,
// and lines past the 64th program are ignored.
ProgramModesList BuildProgramModesList(const std::vector<std::string>& lines);
// The section's lines for the list, in its order ("name=modes").
std::vector<std::string> SectionLines(const ProgramModesList& list);

// The main settings with the modes the program sets over them.
lockkeys::Settings SettingsWith(const lockkeys::Settings& main, const Modes& modes);
// The settings in force while the program's window is in front: none when the program is not
// listed, so that the main settings stay.
std::optional<lockkeys::Settings> SettingsFor(const lockkeys::Settings& main,
                                              const ProgramModesList& list,
                                              std::string_view fileName);

}  // namespace keystead::programs

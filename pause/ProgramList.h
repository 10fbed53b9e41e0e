#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace keystead::pause {

// The rules of a program's name in every list the user keeps ("pause", "programs").
// The text without the blanks (spaces and tabs) around it, which do not count in a name.
std::string_view TrimBlanks(std::string_view text);
// Whether a trimmed name can be a program's file name: not empty, no path (no '\', '/' or
// ':'), no longer than a file name may be, no control characters or other characters no file
// name holds, not ending in '.'.
bool IsProgramFileName(std::string_view name);
// Whether two names name the same program: the letters A to Z match either case.
bool SameProgramName(std::string_view a, std::string_view b);

// Programs named by their executable's file name ("mstsc.exe"), each once. Names are only
// compared with the file name of a running program, never run or opened.
class ProgramList {
public:
    // No file name on Windows is longer.
    static constexpr std::size_t kMaxNameLength = 255;
    // Of each list text only this many bytes count; a name that does not end within them is
    // left out, so that a list cut short never yields part of a name.
    static constexpr std::size_t kMaxListLength = 4096;

    // Adds the names of a list separated by ';'. Blanks around a name do not count. Each
    // malformed entry (see IsProgramFileName) is left out alone, and so is a name already
    // listed.
    void Add(std::string_view listText);

    bool Empty() const { return names_.empty(); }
    const std::vector<std::string>& Names() const { return names_; }
    // Whether a program's file name is on the list; the letters A to Z match either case.
    bool Contains(std::string_view fileName) const;

private:
    std::vector<std::string> names_;
};

// The names of the settings file's list, then those of further lists (an administrator's
// policies), each list judged alone.
ProgramList BuildProgramList(std::string_view iniText,
                             const std::vector<std::string>& extraTexts = {});

}  // namespace keystead::pause

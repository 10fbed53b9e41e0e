#pragma once

#include <functional>
#include <string>

#include "lockkeys/Settings.h"
#include "settings/Profile.h"
#include "toolkit/Application.h"
#include "toolkit/Timer.h"

namespace keystead::settings {

// "Keystead.ini" in the folder of the executable. The separator is always added, so a
// program at the root of a drive gets "C:\\Keystead.ini", which Windows accepts.
std::string SettingsFilePath(const toolkit::Application& app);

// Where the settings may live: the file beside the program, and the user's own copy for a
// program whose folder cannot be written, "Keystead.ini" in a folder named after the program
// in the user's local application data. The user's folder and file are empty when the
// platform names no such place.
struct SettingsFiles {
    std::string beside;
    std::string userFolder;
    std::string user;
};
SettingsFiles FindSettingsFiles(const toolkit::Application& app, const std::string& folderName);

// The file start-up reads. When both are there and this user can write the one beside the
// program, the one written last: a save that found that file held by someone else for a
// moment (a virus scanner, a sync client) left the user's latest choices in their copy.
// Otherwise, or when both were written at the same moment: the one beside the program when
// it is there and can be written; otherwise the user's copy when it is there; otherwise the
// one beside the program.
std::string FileToLoad(Profile& profile, const SettingsFiles& files);

// A section the user keeps by hand ("pause", "display") comes from the file start-up read,
// or from the one beside the program when that is another file (the user's copy) and holds
// none of it: the user edits the file beside the program, and the program writes its
// sections into the user's copy only when it cannot write there. `read` gives what a file
// holds of the section, or nothing when it holds none of its keys.
template <typename Read>
auto ReadFromFileOrBeside(const std::string& path, const std::string& beside, Read read) {
    auto section = read(path);
    if (!section && path != beside) {
        section = read(beside);
    }
    return section;
}

// Reads section "main" of the file: "CapsLock", "NumLock" and "ScrollLock" into the three
// modes (defaults 0, 1 and 0) and "Interval" into the timer (default 1000). Each read stands
// alone and a failing one is skipped: a mode that does not fit into 16 bits keeps the value
// the field had, and an interval that the timer refuses leaves the timer's interval as it was.
void LoadSettings(Profile& profile, const std::string& path, lockkeys::Settings& settings,
                  toolkit::Timer& timer);

// Writes the three modes and the timer's interval, in the order above, as plain decimal
// text. Each write stands alone; one that fails is lost and the next one is still tried.
// True when every write succeeded.
bool SaveSettings(Profile& profile, const std::string& path, const lockkeys::Settings& settings,
                  const toolkit::Timer& timer);

// Saves with `save` into the file beside the program; when a write there fails (`save` says
// false), into the user's copy instead, creating its folder first.
void SaveBesideOrInUsersCopy(Profile& profile, const SettingsFiles& files,
                             const std::function<bool(const std::string& path)>& save);
// Saves beside the program; when a write there fails, saves everything into the user's copy
// instead, creating its folder first.
void SaveSettings(Profile& profile, const SettingsFiles& files, const lockkeys::Settings& settings,
                  const toolkit::Timer& timer);

}  // namespace keystead::settings

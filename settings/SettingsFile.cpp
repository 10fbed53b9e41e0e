#include "settings/SettingsFile.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "lockkeys/LockKeys.h"
#include "toolkit/IgnoreFailure.h"

namespace keystead::settings {

namespace {

constexpr const char* kFileName = "\\Keystead.ini";
constexpr const char* kSection = "main";
constexpr const char* kIntervalKey = "Interval";
constexpr std::int32_t kDefaultInterval = toolkit::Timer::kDefaultInterval;

// A mode is kept in 16 bits; a value that does not fit is refused rather than cut down, and
// the mode keeps what it held.
std::optional<lockkeys::LockMode> ToLockMode(std::int32_t value) {
    if (value < std::numeric_limits<lockkeys::LockMode>::min() ||
        value > std::numeric_limits<lockkeys::LockMode>::max()) {
        return std::nullopt;
    }
    return static_cast<lockkeys::LockMode>(value);
}

}  // namespace

std::string SettingsFilePath(const toolkit::Application& app) {
    return app.Path() + kFileName;
}

SettingsFiles FindSettingsFiles(const toolkit::Application& app, const std::string& folderName) {
    SettingsFiles files{SettingsFilePath(app), {}, {}};
    const std::string localData = app.LocalAppDataPath();
    if (!localData.empty()) {
        files.userFolder = localData + "\\" + folderName;
        files.user = files.userFolder + kFileName;
    }
    return files;
}

std::string FileToLoad(Profile& profile, const SettingsFiles& files) {
    const FileState beside = profile.State(files.beside);
    const bool userThere = !files.user.empty() && profile.State(files.user) != FileState::Missing;
    // Only a file this user may write can hold this user's latest choices: one that another
    // account wrote (an administrator's run, on a shared PC) is not theirs to take.
    if (beside == FileState::Writable && userThere) {
        const std::int64_t besideWritten = profile.LastWriteTime(files.beside);
        const std::int64_t userWritten = profile.LastWriteTime(files.user);
        if (besideWritten != userWritten) {
            return userWritten > besideWritten ? files.user : files.beside;
        }
    }
    if (beside == FileState::Writable) {
        return files.beside;
    }
    return userThere ? files.user : files.beside;
}

void LoadSettings(Profile& profile, const std::string& path, lockkeys::Settings& settings,
                  toolkit::Timer& timer) {
    for (std::size_t i = 0; i < lockkeys::kLockKeyCount; ++i) {
        const lockkeys::LockKey& key = lockkeys::kLockKeys[i];
        toolkit::IgnoreFailure([&] {
            if (const auto mode =
                    ToLockMode(profile.GetInt(kSection, key.iniKey, key.defaultMode, path))) {
                lockkeys::ModeOf(settings, i) = *mode;
            }
        });
    }
    // The timer judges the interval itself: outside 0..65535 it refuses and keeps its own.
    toolkit::IgnoreFailure(
        [&] { timer.SetInterval(profile.GetInt(kSection, kIntervalKey, kDefaultInterval, path)); });
}

bool SaveSettings(Profile& profile, const std::string& path, const lockkeys::Settings& settings,
                  const toolkit::Timer& timer) {
    // std::to_string gives the shortest decimal text: a minus sign for negative numbers and
    // nothing in front of the others.
    std::array<std::pair<const char*, std::string>, lockkeys::kLockKeyCount + 1> entries;
    for (std::size_t i = 0; i < lockkeys::kLockKeyCount; ++i) {
        entries[i] = {lockkeys::kLockKeys[i].iniKey, std::to_string(lockkeys::ModeOf(settings, i))};
    }
    entries.back() = {kIntervalKey, std::to_string(timer.Interval())};
    bool allWritten = true;
    for (const auto& [key, value] : entries) {
        bool written = false;
        toolkit::IgnoreFailure([&] { written = profile.WriteString(kSection, key, value, path); });
        allWritten = allWritten && written;
    }
    return allWritten;
}

void SaveBesideOrInUsersCopy(Profile& profile, const SettingsFiles& files,
                             const std::function<bool(const std::string& path)>& save) {
    if (save(files.beside) || files.user.empty()) {
        return;
    }
    // The program's folder cannot be written (under Program Files for a standard user, or a
    // read-only share): the changes go to the user's own copy rather than being lost.
    toolkit::IgnoreFailure([&] {
        if (profile.State(files.user) == FileState::Missing) {
            profile.CreateFolder(files.userFolder);
        }
    });
    save(files.user);
}

void SaveSettings(Profile& profile, const SettingsFiles& files, const lockkeys::Settings& settings,
                  const toolkit::Timer& timer) {
    SaveBesideOrInUsersCopy(profile, files, [&](const std::string& path) {
        return SaveSettings(profile, path, settings, timer);
    });
}

}  // namespace keystead::settings

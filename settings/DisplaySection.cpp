#include "settings/DisplaySection.h"

#include <charconv>
#include <optional>

#include "settings/SettingsFile.h"

namespace keystead::settings {

namespace {

constexpr const char* kSection = "display";
constexpr const char* kNoteKeys[lockkeys::kLockKeyCount] = {"CapsLockNote", "NumLockNote",
                                                            "ScrollLockNote"};
constexpr const char* kSoundKeys[lockkeys::kLockKeyCount] = {"CapsLockSound", "NumLockSound",
                                                             "ScrollLockSound"};
// Longer than any value the section holds, so that a long one is seen to be wrong.
constexpr std::size_t kLongestValue = 12;

// A default that no file holds, to tell a missing key from any value.
constexpr const char* kMissing = "\x7F";

// Reads the section's values one by one and notes whether the file held any of its keys.
class SectionReader {
public:
    SectionReader(Profile& profile, const std::string& path) : profile_(profile), path_(path) {}

    // The value when it is a plain decimal number within min..max. Windows' own
    // GetPrivateProfileInt would read "5x" as 5 and "x" as 0, both of which may look valid.
    std::optional<std::int32_t> Number(const char* key, std::int32_t min, std::int32_t max) {
        const std::string text =
            profile_.GetString(kSection, key, kMissing, path_, kLongestValue + 1);
        found_ = found_ || text != kMissing;
        std::int32_t value = 0;
        const char* end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data(), end, value);
        if (text.empty() || error != std::errc() || stop != end || value < min || value > max) {
            return std::nullopt;
        }
        return value;
    }

    bool Found() const { return found_; }

private:
    Profile& profile_;
    const std::string& path_;
    bool found_ = false;
};

DisplaySection Read(SectionReader& reader) {
    DisplaySection section;
    section.showKeys = reader.Number("ShowKeys", 0, 1).value_or(0) == 1;
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        section.notes[key] = static_cast<NoteMode>(reader.Number(kNoteKeys[key], 0, 3).value_or(0));
    }
    section.position =
        reader.Number("NotePosition", 1, 9).value_or(DisplaySection::kDefaultPosition);
    section.noteTime =
        reader.Number("NoteTime", DisplaySection::kMinNoteTime, DisplaySection::kMaxNoteTime)
            .value_or(DisplaySection::kDefaultNoteTime);
    section.monitor = static_cast<NoteMonitor>(reader.Number("NoteMonitor", 0, 3).value_or(0));
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        section.sounds[key] =
            static_cast<SoundMode>(reader.Number(kSoundKeys[key], 0, 2).value_or(0));
    }
    return section;
}

}  // namespace

bool DisplaySection::AnyOn() const {
    for (NoteMode note : notes) {
        if (note != NoteMode::None) {
            return true;
        }
    }
    for (SoundMode sound : sounds) {
        if (sound != SoundMode::None) {
            return true;
        }
    }
    return showKeys;
}

const char* NoteKey(std::size_t key) {
    return kNoteKeys[key];
}

const char* SoundKey(std::size_t key) {
    return kSoundKeys[key];
}

DisplaySection LoadDisplaySection(Profile& profile, const std::string& path) {
    SectionReader reader(profile, path);
    return Read(reader);
}

DisplaySection LoadDisplaySection(Profile& profile, const std::string& path,
                                  const std::string& beside) {
    return ReadFromFileOrBeside(path, beside,
                                [&](const std::string& file) -> std::optional<DisplaySection> {
                                    SectionReader reader(profile, file);
                                    DisplaySection section = Read(reader);
                                    if (!reader.Found()) {
                                        return std::nullopt;
                                    }
                                    return section;
                                })
        .value_or(DisplaySection{});
}

bool SaveDisplaySection(Profile& profile, const std::string& path, const DisplaySection& section) {
    bool written = profile.WriteString(kSection, "ShowKeys", section.showKeys ? "1" : "0", path);
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        written = profile.WriteString(kSection, kNoteKeys[key],
                                      std::to_string(static_cast<int>(section.notes[key])), path) &&
                  written;
    }
    written =
        profile.WriteString(kSection, "NotePosition", std::to_string(section.position), path) &&
        written;
    written = profile.WriteString(kSection, "NoteTime", std::to_string(section.noteTime), path) &&
              written;
    written = profile.WriteString(kSection, "NoteMonitor",
                                  std::to_string(static_cast<int>(section.monitor)), path) &&
              written;
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        written =
            profile.WriteString(kSection, kSoundKeys[key],
                                std::to_string(static_cast<int>(section.sounds[key])), path) &&
            written;
    }
    return written;
}

}  // namespace keystead::settings

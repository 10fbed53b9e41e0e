#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "settings/Profile.h"
#include "settings/fake/IniFile.h"
#include "tests/app/MemoryProfile.h"
#ifdef _WIN32
#include "settings/win32/Win32Profile.h"
#endif

namespace keystead::settings::testing {

// One implementation of Profile that the shared tests run against.
struct ProfileKind {
    std::string name;
    std::function<std::unique_ptr<Profile>()> make;
};

inline void PrintTo(const ProfileKind& kind, std::ostream* out) {
    *out << kind.name;
}

// MemoryProfile, the fake the app tests use, reading each value as the file holds it: what it
// reads is held to the same cases as IniFile. Writes and the file's state are IniFile's.
class MemoryProfileOverFile final : public Profile {
public:
    std::int32_t GetInt(const std::string& section, const std::string& key,
                        std::int32_t defaultValue, const std::string& path) override {
        return Seeded(section, key, path).GetInt(section, key, defaultValue, path);
    }
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue, const std::string& path,
                          std::size_t maxLength) override {
        return Seeded(section, key, path).GetString(section, key, defaultValue, path, maxLength);
    }
    bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& path) override {
        return file_.WriteString(section, key, value, path);
    }
    std::vector<std::string> GetSection(const std::string& section,
                                        const std::string& path) override {
        return file_.GetSection(section, path);
    }
    bool WriteSection(const std::string& section, const std::vector<std::string>& lines,
                      const std::string& path) override {
        return file_.WriteSection(section, lines, path);
    }
    FileState State(const std::string& path) override { return file_.State(path); }
    std::int64_t LastWriteTime(const std::string& path) override {
        return file_.LastWriteTime(path);
    }
    void CreateFolder(const std::string& path) override { file_.CreateFolder(path); }

private:
    app::testing::MemoryProfile& Seeded(const std::string& section, const std::string& key,
                                        const std::string& path) {
        memory_.emplace();
        if (file_.State(path) != FileState::Missing) {
            memory_->files[path];
        }
        if (const auto value = fake::IniFile::Value(section, key, path)) {
            memory_->files[path][{section, key}] = *value;
        }
        return *memory_;
    }

    fake::IniFile file_;
    std::optional<app::testing::MemoryProfile> memory_;
};

// IniFile and MemoryProfile everywhere; on Windows also Win32Profile, that is the platform's
// own functions, which the fakes have to agree with.
inline std::vector<ProfileKind> ProfileKinds() {
    std::vector<ProfileKind> kinds{
        {"IniFile", [] { return std::make_unique<fake::IniFile>(); }},
        {"MemoryProfile", [] { return std::make_unique<MemoryProfileOverFile>(); }}};
#ifdef _WIN32
    kinds.push_back({"Win32Profile", [] { return std::make_unique<win32::Win32Profile>(); }});
#endif
    return kinds;
}

inline std::string ToUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

inline std::filesystem::path FromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

#ifdef _WIN32
inline constexpr const char* kSeparator = "\\";
#else
inline constexpr const char* kSeparator = "/";
#endif

// A fresh folder for one test, removed afterwards. Its name holds a letter that no Western
// ANSI code page has, as a program folder such as C:\Users\Łukasz\Tools would.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<unsigned> counter{0};
        std::random_device random;
        const std::string unique = std::to_string(random()) + "-" + std::to_string(++counter);
        root_ = std::filesystem::temp_directory_path() / ("keystead-settings-" + unique);
        folder_ = root_ / std::filesystem::path(u8"Łukasz Tools");
        std::filesystem::create_directories(folder_);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    // The UTF-8 path of a file in the folder.
    std::string File(const std::string& name) const { return ToUtf8(folder_) + kSeparator + name; }

    std::string Folder() const { return ToUtf8(folder_); }

private:
    std::filesystem::path root_;
    std::filesystem::path folder_;
};

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(FromUtf8(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The file's bytes, or "<missing>" when there is no such file.
inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(FromUtf8(path), std::ios::binary);
    if (!in) {
        return "<missing>";
    }
    return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A suite run over every profile kind and a table of cases.
template <typename Case>
class ProfileCaseTest : public ::testing::TestWithParam<std::tuple<ProfileKind, Case>> {
protected:
    // The settings file, holding `content` when there is any and missing otherwise.
    std::string SettingsFile(const std::optional<std::string>& content) const {
        const std::string path = folder_.File("Keystead.ini");
        if (content) {
            WriteFileBytes(path, *content);
        }
        return path;
    }

    TempFolder folder_;
};

// Names each case of a ProfileCaseTest "<profile>_<case>".
inline constexpr auto kProfileCaseName = [](const auto& caseInfo) {
    return std::get<0>(caseInfo.param).name + "_" + std::get<1>(caseInfo.param).name;
};

}  // namespace keystead::settings::testing

#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "settings/Profile.h"
#include "settings/fake/IniFile.h"

namespace keystead::app::testing {

// Settings files kept in memory, one map of (section, key) to text per path. Reads and
// writes are noted in order; writes also change the map, so that a second program start on
// the same object reads what the first one saved. `values` is the file beside the program
// in C:\Tools. A file counts as there and writable once it has a map; `states` says
// otherwise, and writes to a path in `refused` fail. Each write that succeeds makes its file
// the newest; `writtenAt` may also be set by hand. A value reads as the profile functions of
// Windows read it from a file (IniFile's rules); the profile contract suite holds this
// class to them too.
class MemoryProfile : public settings::Profile {
public:
    using Values = std::map<std::pair<std::string, std::string>, std::string>;
    struct Write {
        std::string section, key, value, path;
        bool operator==(const Write&) const = default;
    };

    std::int32_t GetInt(const std::string& section, const std::string& key,
                        std::int32_t defaultValue, const std::string& path) override {
        reads.push_back(key + "@" + path);
        const auto file = files.find(path);
        if (file == files.end()) {
            return defaultValue;
        }
        auto found = file->second.find({section, key});
        if (found == file->second.end()) {
            return defaultValue;
        }
        return settings::fake::IniFile::IntegerOf(found->second, defaultValue);
    }

    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue, const std::string& path,
                          std::size_t maxLength) override {
        reads.push_back(key + "@" + path);
        const auto file = files.find(path);
        if (file == files.end()) {
            return defaultValue.substr(0, maxLength);
        }
        auto found = file->second.find({section, key});
        std::string value = found == file->second.end() ? defaultValue : found->second;
        // Matching quotes around the text are dropped.
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        return value.substr(0, maxLength);
    }

    bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& path) override {
        writes.push_back({section, key, value, path});
        if (refused.count(path) != 0) {
            return false;
        }
        files[path][{section, key}] = value;
        writtenAt[path] = ++clock;
        return true;
    }

    // The section's keys in the order of their names, not of their writing.
    std::vector<std::string> GetSection(const std::string& section,
                                        const std::string& path) override {
        std::vector<std::string> lines;
        if (const auto file = files.find(path); file != files.end()) {
            for (const auto& [name, value] : file->second) {
                if (name.first == section) {
                    lines.push_back(name.second + "=" + value);
                }
            }
        }
        return lines;
    }

    bool WriteSection(const std::string& section, const std::vector<std::string>& lines,
                      const std::string& path) override {
        if (refused.count(path) != 0) {
            return false;
        }
        Values& file = files[path];
        std::erase_if(file, [&](const auto& entry) { return entry.first.first == section; });
        for (const std::string& line : lines) {
            const std::size_t equals = line.find('=');
            file[{section, line.substr(0, equals)}] =
                equals == std::string::npos ? std::string() : line.substr(equals + 1);
        }
        writtenAt[path] = ++clock;
        return true;
    }

    settings::FileState State(const std::string& path) override {
        if (const auto state = states.find(path); state != states.end()) {
            return state->second;
        }
        return files.count(path) != 0 ? settings::FileState::Writable
                                      : settings::FileState::Missing;
    }

    std::int64_t LastWriteTime(const std::string& path) override {
        const auto found = writtenAt.find(path);
        return found == writtenAt.end() ? 0 : found->second;
    }

    void CreateFolder(const std::string& path) override { folders.push_back(path); }

    void Put(const std::string& key, const std::string& value) { values[{"main", key}] = value; }

    std::map<std::string, Values> files;
    Values& values = files["C:\\Tools\\Keystead.ini"];
    std::map<std::string, settings::FileState> states;
    std::set<std::string> refused;
    std::map<std::string, std::int64_t> writtenAt;
    std::int64_t clock = 1000;
    std::vector<std::string> folders;  // created, in order
    std::vector<std::string> reads;
    std::vector<Write> writes;
};

}  // namespace keystead::app::testing

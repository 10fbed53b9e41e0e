#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace keystead::settings {

// What start-up needs to know of a settings file before it reads it.
enum class FileState {
    Missing,   // no such file (a folder of that name counts as none)
    ReadOnly,  // there, but it cannot be opened for writing
    Writable,
};

// A private-profile (INI) file store, shaped like Windows' GetPrivateProfileInt and
// WritePrivateProfileString, and the little of the file system that choosing the file needs.
// Names, values and paths are UTF-8.
class Profile {
public:
    virtual ~Profile() = default;
    // The key's value as an integer, or defaultValue when the file, section or key is missing.
    virtual std::int32_t GetInt(const std::string& section, const std::string& key,
                                std::int32_t defaultValue, const std::string& path) = 0;
    // The key's text, without matching quotes around it, or defaultValue when the file,
    // section or key is missing. At most maxLength characters of it (UTF-16 units on Windows),
    // so a caller that asks for one more than it uses can tell a longer value.
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue, const std::string& path,
                                  std::size_t maxLength) = 0;
    // Creates the file and the section when missing, replaces the key's value or adds the
    // key, and leaves every other line alone. False when the value could not be written.
    virtual bool WriteString(const std::string& section, const std::string& key,
                             const std::string& value, const std::string& path) = 0;
    // The lines of the section, in file order, as GetPrivateProfileSection gives them: each
    // "key=value" (the key alone for a line without '='), without the blanks around the key
    // and the value; blank lines left out. Empty when the file or the section is missing or the
    // section holds no line. A comment line (';') may or may not be among them.
    virtual std::vector<std::string> GetSection(const std::string& section,
                                                const std::string& path) = 0;
    // Replaces every line of the section with `lines` ("key=value" each), creating the file
    // and the section when missing, as WritePrivateProfileSection does; every other section
    // keeps its lines. False when the lines could not be written.
    virtual bool WriteSection(const std::string& section, const std::vector<std::string>& lines,
                              const std::string& path) = 0;
    virtual FileState State(const std::string& path) = 0;
    // When the file was last written, in units that only compare with each other; 0 when
    // that cannot be told (no such file).
    virtual std::int64_t LastWriteTime(const std::string& path) = 0;
    // Creates the folder when it is missing; its parent must exist. Failures are not reported.
    virtual void CreateFolder(const std::string& path) = 0;
};

}  // namespace keystead::settings

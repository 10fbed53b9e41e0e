#pragma once

#include <cstdint>
#include <string>

namespace keystead::settings {

// A private-profile (INI) file store, shaped like Windows' GetPrivateProfileInt and
// WritePrivateProfileString. Names, values and paths are UTF-8.
class Profile {
public:
    virtual ~Profile() = default;
    // The key's value as an integer, or defaultValue when the file, section or key is missing.
    virtual std::int32_t GetInt(const std::string& section, const std::string& key,
                                std::int32_t defaultValue, const std::string& path) = 0;
    // Creates the file and the section when missing, replaces the key's value or adds the
    // key, and leaves every other line alone. Failures are not reported.
    virtual void WriteString(const std::string& section, const std::string& key,
                             const std::string& value, const std::string& path) = 0;
};

}  // namespace keystead::settings

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/Profile.h"

namespace keystead::settings::win32 {

// The settings file through kernel32's GetPrivateProfileIntW and WritePrivateProfileStringW.
//
// It calls the wide-character functions, with names and path converted from UTF-8. This mends
// a plain fault of calling the ANSI ones: they pass the path through the system's ANSI code
// page, so a program folder that the code page cannot spell (C:\Users\Łukasz\Tools on a
// Western European system) never found its settings file; every start looked like the first
// and every save was lost.
//
// A file that WritePrivateProfileStringW creates holds plain single-byte text (no byte-order
// mark) with CR LF line ends, so the program's own keys read the same in every code page.
class Win32Profile final : public Profile {
public:
    std::int32_t GetInt(const std::string& section, const std::string& key,
                        std::int32_t defaultValue, const std::string& path) override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue, const std::string& path,
                          std::size_t maxLength) override;
    // Judged by what WritePrivateProfileStringW returns.
    bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& path) override;
    // GetPrivateProfileSectionW, with a buffer grown until the whole section fits (up to a
    // megabyte of text), so that one long line does not cut off the lines after it.
    std::vector<std::string> GetSection(const std::string& section,
                                        const std::string& path) override;
    // Judged by what WritePrivateProfileSectionW returns.
    bool WriteSection(const std::string& section, const std::vector<std::string>& lines,
                      const std::string& path) override;
    // Writable when CreateFileW opens the existing file for writing.
    FileState State(const std::string& path) override;
    std::int64_t LastWriteTime(const std::string& path) override;
    void CreateFolder(const std::string& path) override;
};

}  // namespace keystead::settings::win32

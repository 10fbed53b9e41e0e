#include "settings/win32/Win32Profile.h"

#include <windows.h>

#include "toolkit/win32/Text.h"

namespace keystead::settings::win32 {

using toolkit::win32::Widen;

std::int32_t Win32Profile::GetInt(const std::string& section, const std::string& key,
                                  std::int32_t defaultValue, const std::string& path) {
    const UINT value = GetPrivateProfileIntW(Widen(section).c_str(), Widen(key).c_str(),
                                             defaultValue, Widen(path).c_str());
    // The function hands the 32 bits back unsigned; the program reads them signed.
    return static_cast<std::int32_t>(value);
}

void Win32Profile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path) {
    // Not examined: a value that cannot be written is lost.
    WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                               Widen(path).c_str());
}

}  // namespace keystead::settings::win32

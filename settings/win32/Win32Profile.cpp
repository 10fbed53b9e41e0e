#include "settings/win32/Win32Profile.h"

#include <windows.h>

#include <string_view>

namespace keystead::settings::win32 {

namespace {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

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

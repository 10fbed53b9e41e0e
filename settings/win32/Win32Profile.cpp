#include "settings/win32/Win32Profile.h"

#include <windows.h>

#include <algorithm>

#include "toolkit/win32/Handles.h"
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

std::string Win32Profile::GetString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path,
                                    std::size_t maxLength) {
    // The function cuts the text to the buffer, less one for the terminating NUL.
    std::wstring buffer(maxLength + 1, L'\0');
    const DWORD copied = GetPrivateProfileStringW(
        Widen(section).c_str(), Widen(key).c_str(), Widen(defaultValue).c_str(), buffer.data(),
        static_cast<DWORD>(buffer.size()), Widen(path).c_str());
    return toolkit::win32::Narrow(
        std::wstring_view(buffer.data(), std::min<std::size_t>(copied, maxLength)));
}

bool Win32Profile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path) {
    return WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(),
                                      Widen(value).c_str(), Widen(path).c_str()) != FALSE;
}

std::vector<std::string> Win32Profile::GetSection(const std::string& section,
                                                  const std::string& path) {
    // The function fills the buffer with "key=value\0...\0\0"; when the section does not fit
    // it returns the buffer's size less two.
    constexpr DWORD kLargest = 1 << 20;
    const std::wstring wideSection = Widen(section);
    const std::wstring widePath = Widen(path);
    std::wstring buffer;
    DWORD copied = 0;
    for (DWORD size = 4096;; size *= 2) {
        buffer.assign(size, L'\0');
        copied =
            GetPrivateProfileSectionW(wideSection.c_str(), buffer.data(), size, widePath.c_str());
        if (copied + 2 < size || size >= kLargest) {
            break;
        }
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < copied) {
        const std::size_t end = std::min<std::size_t>(buffer.find(L'\0', start), copied);
        if (end > start) {
            lines.push_back(
                toolkit::win32::Narrow(std::wstring_view(buffer.data() + start, end - start)));
        }
        start = end + 1;
    }
    return lines;
}

bool Win32Profile::WriteSection(const std::string& section, const std::vector<std::string>& lines,
                                const std::string& path) {
    std::wstring text;
    for (const std::string& line : lines) {
        text += Widen(line);
        text += L'\0';
    }
    text += L'\0';
    return WritePrivateProfileSectionW(Widen(section).c_str(), text.c_str(), Widen(path).c_str()) !=
           FALSE;
}

FileState Win32Profile::State(const std::string& path) {
    const std::wstring widePath = Widen(path);
    const DWORD attributes = GetFileAttributesW(widePath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return FileState::Missing;
    }
    // Opened and closed again at once, shared every way, so that nobody else is in the way.
    const HANDLE file = CreateFileW(widePath.c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return FileState::ReadOnly;
    }
    toolkit::win32::UniqueKernelHandle owner(file);
    return FileState::Writable;
}

std::int64_t Win32Profile::LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) {
        return 0;
    }
    return static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
        data.ftLastWriteTime.dwLowDateTime);
}

void Win32Profile::CreateFolder(const std::string& path) {
    CreateDirectoryW(Widen(path).c_str(), nullptr);
}

}  // namespace keystead::settings::win32

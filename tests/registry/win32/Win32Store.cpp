#include "tests/registry/win32/Win32Store.h"

#include <windows.h>

#include <sddl.h>

#include <stdexcept>

namespace keystead::registry::testing {

namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                           static_cast<int>(utf8.size()), nullptr, 0);
    if (length <= 0) {
        throw std::runtime_error("not UTF-8: " + utf8);
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                        wide.data(), length);
    return wide;
}

std::optional<StoredValue> GetRaw(HKEY root, const std::string& subKey, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, Wide(subKey).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring wideName = Wide(name);
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key, wideName.c_str(), nullptr, &type, nullptr, &size);
    StoredValue value{type, std::vector<std::uint8_t>(size)};
    if (status == ERROR_SUCCESS && size != 0) {
        status = RegQueryValueExW(key, wideName.c_str(), nullptr, &type, value.data.data(), &size);
        value.data.resize(size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

void PutRaw(HKEY root, const std::string& subKey, const std::string& name,
            const StoredValue& value) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, Wide(subKey).c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot open " + subKey);
    }
    // Windows counts a NUL after string data that has none when one follows in memory; the
    // bytes after the data are therefore not NUL, so that exactly the bytes given are stored.
    std::vector<BYTE> bytes(value.data.begin(), value.data.end());
    bytes.insert(bytes.end(), {'x', 'x'});
    const LONG status = RegSetValueExW(key, Wide(name).c_str(), 0, value.type, bytes.data(),
                                       static_cast<DWORD>(value.data.size()));
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error("cannot set " + name);
    }
}

}  // namespace

Win32Store::Win32Store() {
    static int counter = 0;
    subKey_ = "Software\\KeysteadTest-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(++counter);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Wide(subKey_).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create " + subKey_);
    }
    RegCloseKey(key);
}

Win32Store::~Win32Store() {
    RegDeleteTreeW(HKEY_CURRENT_USER, Wide(subKey_).c_str());
    if (runValueName_) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(std::string(kRunSubKey)).c_str(), 0,
                          KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegDeleteValueW(key, Wide(*runValueName_).c_str());
            RegCloseKey(key);
        }
        if (runValueBefore_) {
            PutRaw(HKEY_LOCAL_MACHINE, std::string(kRunSubKey), *runValueName_, *runValueBefore_);
        }
    }
}

std::vector<std::uint8_t> Win32Store::Text(const std::string& utf8) const {
    const std::wstring wide = Wide(utf8);
    std::vector<std::uint8_t> bytes;
    for (const wchar_t unit : wide) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

void Win32Store::Put(const std::string& name, StoredValue value) {
    PutRaw(HKEY_CURRENT_USER, subKey_, name, value);
}

std::optional<StoredValue> Win32Store::Get(const std::string& name) const {
    return GetRaw(HKEY_CURRENT_USER, subKey_, name);
}

bool Win32Store::RefuseWriting() {
    // Everyone may read the key, delete it and change its rights again, but not write in it.
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"D:P(A;;KRSDWD;;;WD)", SDDL_REVISION_1, &descriptor, nullptr)) {
        return false;
    }
    HKEY key = nullptr;
    LONG status = RegOpenKeyExW(HKEY_CURRENT_USER, Wide(subKey_).c_str(), 0,
                                WRITE_DAC | KEY_ALL_ACCESS, &key);
    if (status == ERROR_SUCCESS) {
        status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
        RegCloseKey(key);
    }
    LocalFree(descriptor);
    if (status != ERROR_SUCCESS) {
        return false;
    }
    // Only worth it where the platform enforces it.
    key = nullptr;
    status = RegOpenKeyExW(HKEY_CURRENT_USER, Wide(subKey_).c_str(), 0, KEY_SET_VALUE, &key);
    if (status == ERROR_SUCCESS) {
        RegCloseKey(key);
        return false;
    }
    return status == ERROR_ACCESS_DENIED;
}

bool Win32Store::PrepareRunKey(const std::string& name) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(std::string(kRunSubKey)).c_str(), 0,
                                      kKeySpecificRights, &key);
    if (status != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    runValueName_ = name;
    runValueBefore_ = GetRaw(HKEY_LOCAL_MACHINE, std::string(kRunSubKey), name);
    return true;
}

}  // namespace keystead::registry::testing

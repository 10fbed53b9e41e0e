#include "registry/win32/Win32Registry.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "registry/RegistryCodes.h"
#include "toolkit/win32/Text.h"

namespace keystead::registry::win32 {

namespace {

using toolkit::win32::Narrow;
using toolkit::win32::WidenStrict;

// The predefined roots are 32-bit values that Windows sign-extends into a 64-bit handle.
HKEY RootHandle(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

HKEY Handle(KeyHandle key) {
    return reinterpret_cast<HKEY>(key);
}

// Reads the whole of a string value as stored, following it should it grow between the
// size query and the read.
LONG ReadWide(HKEY key, const wchar_t* name, DWORD& type, DWORD byteSize,
              std::vector<BYTE>& bytes) {
    LONG status = ERROR_MORE_DATA;
    for (int attempt = 0; attempt < 8 && status == ERROR_MORE_DATA; ++attempt) {
        bytes.assign(byteSize, 0);
        DWORD got = byteSize;
        status = RegQueryValueExW(key, name, nullptr, &type, bytes.data(), &got);
        if (status == ERROR_SUCCESS) {
            bytes.resize(std::min<DWORD>(got, byteSize));
        }
        byteSize = got;
    }
    return status;
}

}  // namespace

std::int32_t Win32Registry::OpenKey(std::uint32_t root, const std::string& subKey,
                                    std::uint32_t options, std::uint32_t access, KeyHandle& key) {
    key = 0;
    const std::optional<std::wstring> wideSubKey = WidenStrict(subKey);
    if (!wideSubKey) {
        return kErrorNoUnicodeTranslation;
    }
    HKEY opened = nullptr;
    const LONG status =
        RegOpenKeyExW(RootHandle(root), wideSubKey->c_str(), options, access, &opened);
    if (status == ERROR_SUCCESS) {
        key = reinterpret_cast<KeyHandle>(opened);
    }
    return status;
}

std::int32_t Win32Registry::CreateKey(std::uint32_t root, const std::string& subKey,
                                      std::uint32_t options, std::uint32_t access, KeyHandle& key) {
    key = 0;
    const std::optional<std::wstring> wideSubKey = WidenStrict(subKey);
    if (!wideSubKey) {
        return kErrorNoUnicodeTranslation;
    }
    HKEY opened = nullptr;
    const LONG status = RegCreateKeyExW(RootHandle(root), wideSubKey->c_str(), 0, nullptr, options,
                                        access, nullptr, &opened, nullptr);
    if (status == ERROR_SUCCESS) {
        key = reinterpret_cast<KeyHandle>(opened);
    }
    return status;
}

std::int32_t Win32Registry::QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                                       std::uint8_t* data, std::uint32_t* size) {
    if (data != nullptr && size == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const std::optional<std::wstring> wideName = WidenStrict(name);
    if (!wideName) {
        return kErrorNoUnicodeTranslation;
    }
    DWORD storedType = 0;
    DWORD byteSize = 0;
    LONG status =
        RegQueryValueExW(Handle(key), wideName->c_str(), nullptr, &storedType, nullptr, &byteSize);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    if (type != nullptr) {
        *type = storedType;
    }
    if (size == nullptr) {
        return ERROR_SUCCESS;
    }
    if (!IsTextType(storedType)) {
        if (data == nullptr) {
            *size = byteSize;
            return ERROR_SUCCESS;
        }
        DWORD got = *size;
        status = RegQueryValueExW(Handle(key), wideName->c_str(), nullptr, &storedType, data, &got);
        if (type != nullptr) {
            *type = storedType;
        }
        *size = got;
        return status;
    }

    // The caller sees UTF-8 and its size, whatever the store keeps: the whole value has to
    // be read to tell that size.
    std::vector<BYTE> bytes;
    status = ReadWide(Handle(key), wideName->c_str(), storedType, byteSize, bytes);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    if (type != nullptr) {
        *type = storedType;
    }
    std::wstring wide(bytes.size() / sizeof(wchar_t), L'\0');  // an odd last byte is dropped
    std::copy_n(bytes.begin(), wide.size() * sizeof(wchar_t), reinterpret_cast<BYTE*>(wide.data()));
    const std::string text = Narrow(std::wstring_view(wide.data(), wide.size()));
    const auto needed = static_cast<std::uint32_t>(text.size());
    if (data != nullptr) {
        if (*size < needed) {
            *size = needed;
            return ERROR_MORE_DATA;
        }
        std::copy(text.begin(), text.end(), data);
    }
    *size = needed;
    return ERROR_SUCCESS;
}

std::int32_t Win32Registry::SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                                     const std::uint8_t* data, std::uint32_t size) {
    const std::optional<std::wstring> wideName = WidenStrict(name);
    if (!wideName) {
        return kErrorNoUnicodeTranslation;
    }
    if (!IsTextType(type) || (data == nullptr && size != 0)) {
        return RegSetValueExW(Handle(key), wideName->c_str(), 0, type, data, size);
    }
    std::optional<std::wstring> text =
        WidenStrict(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!text) {
        return kErrorNoUnicodeTranslation;
    }
    const std::size_t byteCount = text->size() * sizeof(wchar_t);
    if (byteCount > std::numeric_limits<DWORD>::max()) {
        return ERROR_INVALID_PARAMETER;
    }
    // Windows adds a NUL to the count of a string whose last character is not NUL when the
    // character after it is; a non-NUL after the end keeps the data exactly as given.
    text->push_back(L' ');
    return RegSetValueExW(Handle(key), wideName->c_str(), 0, type,
                          reinterpret_cast<const BYTE*>(text->data()),
                          static_cast<DWORD>(byteCount));
}

std::int32_t Win32Registry::DeleteValue(KeyHandle key, const std::string& name) {
    const std::optional<std::wstring> wideName = WidenStrict(name);
    if (!wideName) {
        return kErrorNoUnicodeTranslation;
    }
    return RegDeleteValueW(Handle(key), wideName->c_str());
}

std::int32_t Win32Registry::EnumValueName(KeyHandle key, std::uint32_t index, std::string& name) {
    wchar_t buffer[kMaxEnumName + 1];
    DWORD length = kMaxEnumName + 1;
    const LONG status =
        RegEnumValueW(Handle(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS) {
        name = Narrow(std::wstring_view(buffer, length));
    }
    return status;
}

std::int32_t Win32Registry::CloseKey(KeyHandle key) {
    return RegCloseKey(Handle(key));
}

bool Win32Registry::Uses32BitView() const {
    if (uses32BitView_ < 0) {
        BOOL wow64 = FALSE;
        uses32BitView_ = IsWow64Process(GetCurrentProcess(), &wow64) && wow64 ? 1 : 0;
    }
    return uses32BitView_ == 1;
}

}  // namespace keystead::registry::win32

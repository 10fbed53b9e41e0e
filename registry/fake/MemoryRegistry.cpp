#include "registry/fake/MemoryRegistry.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

#include "registry/RegistryCodes.h"

namespace keystead::registry::fake {

namespace {

constexpr std::uint32_t kFirstPredefinedRoot = 0x80000000;  // HKEY_CLASSES_ROOT
constexpr std::uint32_t kLastPredefinedRoot = 0x80000006;   // HKEY_DYN_DATA

}  // namespace

bool MemoryRegistry::IsPredefinedRoot(std::uint32_t root) {
    return root >= kFirstPredefinedRoot && root <= kLastPredefinedRoot;
}

std::string MemoryRegistry::RootPath(std::uint32_t root) {
    char text[16];
    std::snprintf(text, sizeof text, "#%08x", static_cast<unsigned>(root));
    return text;
}

std::string MemoryRegistry::Fold(const std::string& text) {
    std::string folded = text;
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

std::string MemoryRegistry::Join(const std::string& parent, const std::string& subKey) {
    // Empty components (a doubled or trailing backslash) name no key of their own.
    std::string path = parent;
    const std::string folded = Fold(subKey);
    std::size_t start = 0;
    while (start < folded.size()) {
        std::size_t end = folded.find('\\', start);
        if (end == std::string::npos) {
            end = folded.size();
        }
        if (end > start) {
            path += "\\" + folded.substr(start, end - start);
        }
        start = end + 1;
    }
    return path;
}

MemoryRegistry::Key& MemoryRegistry::EnsureKey(std::uint32_t root, const std::string& subKey) {
    const std::string path = Join(RootPath(root), subKey);
    // The parents come into being with the key.
    for (std::size_t end = path.find('\\'); end != std::string::npos;
         end = path.find('\\', end + 1)) {
        keys_.try_emplace(path.substr(0, end));
    }
    return keys_[path];
}

const MemoryRegistry::Key* MemoryRegistry::FindKey(const std::string& path) const {
    const auto found = keys_.find(path);
    return found == keys_.end() ? nullptr : &found->second;
}

std::optional<MemoryRegistry::OpenKeyEntry> MemoryRegistry::Resolve(KeyHandle key) const {
    if (const auto found = handles_.find(key); found != handles_.end()) {
        return found->second;
    }
    if (key <= kLastPredefinedRoot && IsPredefinedRoot(static_cast<std::uint32_t>(key))) {
        return OpenKeyEntry{RootPath(static_cast<std::uint32_t>(key)), ~0u};
    }
    return std::nullopt;
}

MemoryRegistry::Key* MemoryRegistry::KeyFor(KeyHandle key, std::uint32_t right,
                                            std::int32_t& status) {
    const std::optional<OpenKeyEntry> entry = Resolve(key);
    if (!entry) {
        status = kErrorInvalidHandle;
        return nullptr;
    }
    if ((entry->access & right) == 0) {
        status = kErrorAccessDenied;
        return nullptr;
    }
    // A predefined root that nobody has created yet is still there, only empty.
    Key& found = keys_[entry->path];
    status = kErrorSuccess;
    return &found;
}

std::int32_t MemoryRegistry::OpenKey(std::uint32_t root, const std::string& subKey,
                                     std::uint32_t /*options*/, std::uint32_t access,
                                     KeyHandle& key) {
    key = 0;
    const std::optional<OpenKeyEntry> parent = Resolve(root);
    if (!parent) {
        return kErrorInvalidHandle;
    }
    const std::string path = Join(parent->path, subKey);
    const Key* found = FindKey(path);
    if (found == nullptr && !(IsPredefinedRoot(root) && path == RootPath(root))) {
        return kErrorFileNotFound;
    }
    const std::uint32_t allowed = found == nullptr ? ~0u : found->allowedAccess;
    if ((access & kKeySpecificRights & ~allowed) != 0) {
        return kErrorAccessDenied;
    }
    key = nextHandle_;
    nextHandle_ += 4;
    handles_.emplace(key, OpenKeyEntry{path, access});
    return kErrorSuccess;
}

std::int32_t MemoryRegistry::CreateKey(std::uint32_t root, const std::string& subKey,
                                       std::uint32_t options, std::uint32_t access,
                                       KeyHandle& key) {
    key = 0;
    const std::optional<OpenKeyEntry> parent = Resolve(root);
    if (!parent) {
        return kErrorInvalidHandle;
    }
    const std::string path = Join(parent->path, subKey);
    if (FindKey(path) == nullptr) {
        // The nearest key that exists must let sub-keys be created under it.
        std::string existing = path;
        const Key* found = nullptr;
        while (found == nullptr && existing.find('\\') != std::string::npos) {
            existing.erase(existing.rfind('\\'));
            found = FindKey(existing);
        }
        const std::uint32_t allowed = found == nullptr ? ~0u : found->allowedAccess;
        if ((allowed & kKeyCreateSubKey) == 0) {
            return kErrorAccessDenied;
        }
        for (std::size_t end = path.find('\\'); end != std::string::npos;
             end = path.find('\\', end + 1)) {
            keys_.try_emplace(path.substr(0, end));
        }
        keys_.try_emplace(path);
    }
    return OpenKey(root, subKey, options, access, key);
}

std::int32_t MemoryRegistry::QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                                        std::uint8_t* data, std::uint32_t* size) {
    std::int32_t status = kErrorSuccess;
    Key* found = KeyFor(key, kKeyQueryValue, status);
    if (found == nullptr) {
        return status;
    }
    if (data != nullptr && size == nullptr) {
        return kErrorInvalidParameter;
    }
    const auto value = found->values.find(Fold(name));
    if (value == found->values.end()) {
        return kErrorFileNotFound;
    }
    const StoredValue& stored = value->second;
    const auto needed = static_cast<std::uint32_t>(stored.data.size());
    if (type != nullptr) {
        *type = stored.type;
    }
    if (size == nullptr) {
        return kErrorSuccess;
    }
    if (data != nullptr) {
        if (*size < needed) {
            *size = needed;
            return kErrorMoreData;
        }
        std::copy(stored.data.begin(), stored.data.end(), data);
    }
    *size = needed;
    return kErrorSuccess;
}

std::int32_t MemoryRegistry::SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                                      const std::uint8_t* data, std::uint32_t size) {
    std::int32_t status = kErrorSuccess;
    Key* found = KeyFor(key, kKeySetValue, status);
    if (found == nullptr) {
        return status;
    }
    if (data == nullptr && size != 0) {
        return kErrorNoAccess;
    }
    StoredValue stored{type, {}};
    if (size != 0) {
        stored.data.assign(data, data + size);
    }
    found->values[Fold(name)] = std::move(stored);
    found->names.emplace(Fold(name), name);  // Windows keeps the name a value was created by
    return kErrorSuccess;
}

std::int32_t MemoryRegistry::DeleteValue(KeyHandle key, const std::string& name) {
    std::int32_t status = kErrorSuccess;
    Key* found = KeyFor(key, kKeySetValue, status);
    if (found == nullptr) {
        return status;
    }
    found->names.erase(Fold(name));
    return found->values.erase(Fold(name)) == 0 ? kErrorFileNotFound : kErrorSuccess;
}

std::int32_t MemoryRegistry::EnumValueName(KeyHandle key, std::uint32_t index, std::string& name) {
    std::int32_t status = kErrorSuccess;
    const Key* found = KeyFor(key, kKeyQueryValue, status);
    if (found == nullptr) {
        return status;
    }
    if (index >= found->names.size()) {
        return kErrorNoMoreItems;
    }
    const std::string& given = std::next(found->names.begin(), index)->second;
    if (given.size() > kMaxEnumName) {
        return kErrorMoreData;
    }
    name = given;
    return kErrorSuccess;
}

std::int32_t MemoryRegistry::CloseKey(KeyHandle key) {
    if (handles_.erase(key) != 0) {
        return kErrorSuccess;
    }
    const bool predefined =
        key <= kLastPredefinedRoot && IsPredefinedRoot(static_cast<std::uint32_t>(key));
    return predefined ? kErrorSuccess : kErrorInvalidHandle;
}

void MemoryRegistry::CreateKey(std::uint32_t root, const std::string& subKey) {
    EnsureKey(root, subKey);
}

void MemoryRegistry::PutValue(std::uint32_t root, const std::string& subKey,
                              const std::string& name, StoredValue value) {
    Key& key = EnsureKey(root, subKey);
    key.values[Fold(name)] = std::move(value);
    key.names.emplace(Fold(name), name);
}

void MemoryRegistry::SetAllowedAccess(std::uint32_t root, const std::string& subKey,
                                      std::uint32_t access) {
    EnsureKey(root, subKey).allowedAccess = access;
}

bool MemoryRegistry::HasKey(std::uint32_t root, const std::string& subKey) const {
    return FindKey(Join(RootPath(root), subKey)) != nullptr;
}

std::optional<MemoryRegistry::StoredValue> MemoryRegistry::FindValue(
    std::uint32_t root, const std::string& subKey, const std::string& name) const {
    const Key* key = FindKey(Join(RootPath(root), subKey));
    if (key == nullptr) {
        return std::nullopt;
    }
    const auto value = key->values.find(Fold(name));
    if (value == key->values.end()) {
        return std::nullopt;
    }
    return value->second;
}

}  // namespace keystead::registry::fake

#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "registry/RegistryApi.h"

namespace keystead::registry::fake {

// A registry kept in memory, for the tests. It answers like Windows' advapi32: key paths and value
// names compare without regard to ASCII case, a missing key or value gives ERROR_FILE_NOT_FOUND, an
// unknown handle ERROR_INVALID_HANDLE, and the rights a key grants are checked when it is opened
// and when it is used. String data is kept as the UTF-8 bytes it arrives in. It has one view: the
// flags that choose a view of the registry are ignored.
class MemoryRegistry final : public RegistryApi {
public:
    struct StoredValue {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;

        friend bool operator==(const StoredValue&, const StoredValue&) = default;
    };

    std::int32_t OpenKey(std::uint32_t root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, KeyHandle& key) override;
    // Creating a missing key needs kKeyCreateSubKey on the nearest key that exists.
    std::int32_t CreateKey(std::uint32_t root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t access, KeyHandle& key) override;
    std::int32_t QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                            std::uint8_t* data, std::uint32_t* size) override;
    std::int32_t SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t size) override;
    std::int32_t DeleteValue(KeyHandle key, const std::string& name) override;
    // Values come in the order of their folded names, each by the name it was given.
    std::int32_t EnumValueName(KeyHandle key, std::uint32_t index, std::string& name) override;
    std::int32_t CloseKey(KeyHandle key) override;
    bool Uses32BitView() const override { return uses32BitView_; }

    // Whoever sets the store up creates keys and values with these, whatever the rights.
    // Both create the key and its parents when they are missing. `root` is a predefined key.
    void CreateKey(std::uint32_t root, const std::string& subKey);
    void PutValue(std::uint32_t root, const std::string& subKey, const std::string& name,
                  StoredValue value);

    // Limits the rights an open may ask for (kKeyRead refuses writing); the default is all.
    void SetAllowedAccess(std::uint32_t root, const std::string& subKey, std::uint32_t access);

    // Plays a 32-bit program on 64-bit Windows.
    void SetUses32BitView(bool uses) { uses32BitView_ = uses; }

    bool HasKey(std::uint32_t root, const std::string& subKey) const;
    std::optional<StoredValue> FindValue(std::uint32_t root, const std::string& subKey,
                                         const std::string& name) const;
    std::size_t OpenHandleCount() const { return handles_.size(); }

private:
    struct Key {
        std::uint32_t allowedAccess = ~0u;
        std::map<std::string, StoredValue> values;  // by folded name
        std::map<std::string, std::string> names;   // as given, by folded name
    };
    struct OpenKeyEntry {
        std::string path;  // folded, root included
        std::uint32_t access = 0;
    };

    static bool IsPredefinedRoot(std::uint32_t root);
    static std::string RootPath(std::uint32_t root);
    static std::string Fold(const std::string& text);
    static std::string Join(const std::string& parent, const std::string& subKey);

    Key& EnsureKey(std::uint32_t root, const std::string& subKey);
    const Key* FindKey(const std::string& path) const;
    // The open key behind a handle (a predefined root stands for itself, with all rights).
    std::optional<OpenKeyEntry> Resolve(KeyHandle key) const;
    // Resolves the handle and checks it grants `right`; returns the key or sets status.
    Key* KeyFor(KeyHandle key, std::uint32_t right, std::int32_t& status);

    std::map<std::string, Key> keys_;  // by folded path
    std::map<KeyHandle, OpenKeyEntry> handles_;
    KeyHandle nextHandle_ = 0x100;
    bool uses32BitView_ = false;
};

}  // namespace keystead::registry::fake

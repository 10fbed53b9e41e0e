#include "registry/Registry.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>
#include <utility>

#include "registry/ScopedKey.h"

namespace keystead::registry {

namespace {

constexpr std::uint32_t kMaxTextBytes = 1U << 20;

std::string ToText(const Value& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        return std::to_string(*number);
    }
    return {};
}

// Decimal text, optionally signed and surrounded by spaces, as a 32-bit integer. Empty is 0.
std::optional<std::int32_t> ToNumber(const Value& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        return *number;
    }
    const auto* text = std::get_if<std::string>(&value);
    if (text == nullptr) {
        return 0;
    }
    std::string_view digits = *text;
    while (!digits.empty() && digits.front() == ' ') {
        digits.remove_prefix(1);
    }
    while (!digits.empty() && digits.back() == ' ') {
        digits.remove_suffix(1);
    }
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
    }
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return number;
}

// REG_DWORD data is little-endian whatever the host.
std::array<std::uint8_t, 4> DwordBytes(std::int32_t number) {
    const auto bits = static_cast<std::uint32_t>(number);
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

std::int32_t DwordValue(const std::array<std::uint8_t, 4>& bytes) {
    const std::uint32_t bits =
        static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
        static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return static_cast<std::int32_t>(bits);
}

}  // namespace

// Each procedure runs every step whether the open succeeded or not: a failed open leaves
// handle 0, and the calls that follow fail on it.

Value ReadValue(RegistryApi& api, std::uint32_t root, const std::string& subKey,
                const std::string& name) {
    const ScopedKey key(api, root, subKey, kReadAccess);
    Value value;
    ReadValueData(api, key.Handle(), name, value);
    return value;
}

std::int32_t WriteValue(RegistryApi& api, std::uint32_t root, const std::string& subKey,
                        const std::string& name, const Value& value, std::uint32_t type) {
    const ScopedKey key(api, root, subKey, kOpenAccess);
    return WriteValueData(api, key.Handle(), name, type, value);
}

std::int32_t DeleteValue(RegistryApi& api, std::uint32_t root, const std::string& subKey,
                         const std::string& name) {
    const ScopedKey key(api, root, subKey, kOpenAccess);
    return api.DeleteValue(key.Handle(), name);
}

std::int32_t WriteValueData(RegistryApi& api, KeyHandle key, const std::string& name,
                            std::uint32_t type, const Value& value) {
    if (type == kRegSz) {
        // With its terminating NUL counted, as Windows asks of REG_SZ data: a reader that
        // trusts the stored size to end the string must not read past it.
        const std::string text = ToText(value);
        return api.SetValue(key, name, kRegSz, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                            static_cast<std::uint32_t>(text.size() + 1));
    }
    if (type == kRegDword) {
        // Text that is no number is refused here rather than written as something else.
        const std::optional<std::int32_t> number = ToNumber(value);
        if (!number) {
            return kErrorInvalidParameter;
        }
        const auto bytes = DwordBytes(*number);
        return api.SetValue(key, name, kRegDword, bytes.data(),
                            static_cast<std::uint32_t>(bytes.size()));
    }
    return kErrorSuccess;
}

std::int32_t ReadValueData(RegistryApi& api, KeyHandle key, const std::string& name, Value& value) {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    std::int32_t status = api.QueryValue(key, name, &type, nullptr, &size);
    if (status != kErrorSuccess) {
        return status;
    }
    if (type == kRegSz) {
        // No text this program reads comes near a megabyte; a larger value in a key anyone
        // may write is not given the memory it asks for: stop here with what was reached.
        if (size > kMaxTextBytes) {
            return status;
        }
        std::string buffer(size, '\0');
        status =
            api.QueryValue(key, name, &type, reinterpret_cast<std::uint8_t*>(buffer.data()), &size);
        if (status == kErrorSuccess) {
            // The string ends at its first NUL, whether the writer counted one or not.
            buffer.resize(size < buffer.size() ? size : buffer.size());
            buffer.resize(std::min(buffer.find('\0'), buffer.size()));
            value = std::move(buffer);
        } else {
            value = std::monostate{};
        }
        return status;
    }
    if (type == kRegDword) {
        // The buffer is 4 bytes whatever size the first query reported, and the second query
        // is told so: a REG_DWORD stored with more data must not be copied past it. The
        // platform then answers ERROR_MORE_DATA and the value stays as it is.
        std::array<std::uint8_t, 4> bytes{};
        std::uint32_t dwordSize = static_cast<std::uint32_t>(bytes.size());
        status = api.QueryValue(key, name, &type, bytes.data(), &dwordSize);
        if (status == kErrorSuccess) {
            value = DwordValue(bytes);
        }
        return status;
    }
    return kUnhandledType;
}

}  // namespace keystead::registry

#include "tests/registry/RecordingRegistry.h"

namespace keystead::registry::testing {

namespace {

std::string Status(std::int32_t status) {
    return " = " + std::to_string(status);
}

}  // namespace

std::string RecordingRegistry::Describe(KeyHandle key) const {
    if (key == 0) {
        return "0";
    }
    return opened_.count(key) != 0 ? "key" : "other";
}

std::int32_t RecordingRegistry::OpenKey(std::uint32_t root, const std::string& subKey,
                                        std::uint32_t options, std::uint32_t access,
                                        KeyHandle& key) {
    const std::int32_t status = inner_.OpenKey(root, subKey, options, access, key);
    if (key != 0) {
        opened_.insert(key);
    }
    std::string call = "open " + std::to_string(access);
    if (options != 0) {
        call += " options " + std::to_string(options);
    }
    calls_.push_back(call + Status(status));
    return status;
}

std::int32_t RecordingRegistry::CreateKey(std::uint32_t root, const std::string& subKey,
                                          std::uint32_t options, std::uint32_t access,
                                          KeyHandle& key) {
    const std::int32_t status = inner_.CreateKey(root, subKey, options, access, key);
    if (key != 0) {
        opened_.insert(key);
    }
    calls_.push_back("create " + std::to_string(access) + Status(status));
    return status;
}

std::int32_t RecordingRegistry::QueryValue(KeyHandle key, const std::string& name,
                                           std::uint32_t* type, std::uint8_t* data,
                                           std::uint32_t* size) {
    const std::string sizeIn = size == nullptr ? "-" : std::to_string(*size);
    const std::int32_t status = inner_.QueryValue(key, name, type, data, size);
    const std::string sizeOut = size == nullptr ? "-" : std::to_string(*size);
    calls_.push_back("query " + Describe(key) + (data == nullptr ? " size " : " buffer ") + sizeIn +
                     ">" + sizeOut + Status(status));
    return status;
}

std::int32_t RecordingRegistry::SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                                         const std::uint8_t* data, std::uint32_t size) {
    const std::int32_t status = inner_.SetValue(key, name, type, data, size);
    calls_.push_back("set " + Describe(key) + " type " + std::to_string(type) + " size " +
                     std::to_string(size) + Status(status));
    return status;
}

std::int32_t RecordingRegistry::DeleteValue(KeyHandle key, const std::string& name) {
    const std::int32_t status = inner_.DeleteValue(key, name);
    calls_.push_back("delete " + Describe(key) + Status(status));
    return status;
}

std::int32_t RecordingRegistry::EnumValueName(KeyHandle key, std::uint32_t index,
                                              std::string& name) {
    const std::int32_t status = inner_.EnumValueName(key, index, name);
    calls_.push_back("enum " + Describe(key) + " " + std::to_string(index) + Status(status));
    return status;
}

std::int32_t RecordingRegistry::CloseKey(KeyHandle key) {
    const std::int32_t status = inner_.CloseKey(key);
    calls_.push_back("close " + Describe(key) + Status(status));
    return status;
}

}  // namespace keystead::registry::testing

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "registry/RegistryApi.h"

namespace keystead::registry {

// Where Windows looks for the programs to start when a user logs on. The program keeps one
// REG_SZ value there, named after the product.
inline constexpr std::uint32_t kRunRoot = kHkeyLocalMachine;
inline constexpr std::string_view kRunSubKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::uint32_t kRunValueType = kRegSz;

// The command line Windows runs: the executable's full path in double quotes. The folder is
// taken as given, so a drive root such as "C:\" is followed by a second backslash.
inline std::string RunValueData(std::string_view appPath, std::string_view exeName) {
    std::string data;
    data.reserve(appPath.size() + exeName.size() + 7);
    data += '"';
    data += appPath;
    data += '\\';
    data += exeName;
    data += ".exe\"";
    return data;
}

}  // namespace keystead::registry

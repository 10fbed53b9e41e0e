#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "registry/RegistryApi.h"

namespace keystead::registry {

// Where Windows looks for the programs to start when a user logs on. The program keeps one
// REG_SZ value there, named after the product: machine-wide, or under the same sub-key of the
// user's own root when a standard user may not write the machine-wide one.
inline constexpr std::uint32_t kRunRoot = kHkeyLocalMachine;
inline constexpr std::uint32_t kUserRunRoot = kHkeyCurrentUser;
inline constexpr std::string_view kRunSubKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::uint32_t kRunValueType = kRegSz;

// Where the Startup tab of Task Manager keeps a mark for each Run value, in the same root:
// a REG_BINARY value of the same name whose odd first byte means "Disabled". A machine-wide
// value that a 32-bit program wrote on 64-bit Windows has its mark under "Run32".
inline constexpr std::string_view kStartupApprovedRun =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
inline constexpr std::string_view kStartupApprovedRun32 =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run32";

// The program a Run value starts: the text between its leading double quote and the next one,
// or the whole text when it does not begin with a quote.
inline std::string_view RunValueProgram(std::string_view data) {
    if (!data.empty() && data.front() == '"') {
        data.remove_prefix(1);
        return data.substr(0, data.find('"'));
    }
    return data;
}

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

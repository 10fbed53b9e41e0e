#pragma once

#include <cstdint>
#include <string>

namespace keystead::toolkit {

// The shell's verbs on files and web addresses ("open" a read-me, a web page).
class Shell {
public:
    virtual ~Shell() = default;
    // Arguments as the platform takes them: owner window, operation, file, parameters,
    // directory, show command. The result is the platform's; callers may ignore it.
    virtual std::intptr_t Execute(std::uintptr_t owner, const std::string& operation,
                                  const std::string& file, const std::string& parameters,
                                  const std::string& directory, int showCommand) = 0;
};

}  // namespace keystead::toolkit

#pragma once

#include "toolkit/Shell.h"

namespace keystead::toolkit::win32 {

class Win32Shell : public Shell {
public:
    std::intptr_t Execute(std::uintptr_t owner, const std::string& operation,
                          const std::string& file, const std::string& parameters,
                          const std::string& directory, int showCommand) override;
};

}  // namespace keystead::toolkit::win32

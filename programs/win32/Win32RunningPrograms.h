#pragma once

#include "programs/RunningPrograms.h"

namespace keystead::programs::win32 {

// The programs of the visible top-level windows (EnumWindows) through their processes' image
// names; one that may not be asked (run as administrator) is missing.
class Win32RunningPrograms final : public RunningPrograms {
public:
    std::vector<std::string> Names() override;
};

}  // namespace keystead::programs::win32

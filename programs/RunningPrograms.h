#pragma once

#include <string>
#include <vector>

namespace keystead::programs {

// The programs that show a window now, for the user to pick one from.
class RunningPrograms {
public:
    virtual ~RunningPrograms() = default;
    // Their file names without a folder, each once, in UTF-8; this program's own left out.
    virtual std::vector<std::string> Names() = 0;
};

}  // namespace keystead::programs

#pragma once

#include <string>
#include <vector>

#include "programs/RunningPrograms.h"

namespace keystead::programs::fake {

class FakeRunningPrograms : public RunningPrograms {
public:
    std::vector<std::string> Names() override { return names; }
    std::vector<std::string> names;
};

}  // namespace keystead::programs::fake

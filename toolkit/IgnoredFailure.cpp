#include <cstdio>

#include "toolkit/IgnoreFailure.h"

namespace keystead::toolkit {

void ReportIgnoredFailure(const char* what) noexcept {
    std::fprintf(stderr, "Keystead: failure: %s\n", what);
}

}  // namespace keystead::toolkit

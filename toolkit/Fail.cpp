#include <cstdlib>
#include <string>
#include <utility>

#include "toolkit/IgnoreFailure.h"
#include "toolkit/ToolkitError.h"

namespace keystead::toolkit {

void Fail(std::string what) {
#ifdef __cpp_exceptions
    throw ToolkitError(std::move(what));
#else
    ReportIgnoredFailure(what.c_str());
    std::abort();
#endif
}

}  // namespace keystead::toolkit

#pragma once

#include <exception>
#include <utility>

namespace keystead::toolkit {

// Runs one step of a handler whose failures are to be skipped, so that the next step
// still runs. Only failures are swallowed: anything not derived from std::exception (such
// as a test's stand-in for ending the process) passes through.
template <typename Step>
void IgnoreFailure(Step&& step) {
    try {
        std::forward<Step>(step)();
    } catch (const std::exception&) {
    }
}

}  // namespace keystead::toolkit

#pragma once

#include <exception>
#include <utility>

namespace keystead::toolkit {

// Tells a developer what a handler skipped: the debugger's output on Windows, stderr
// elsewhere. The user sees nothing.
void ReportIgnoredFailure(const char* what) noexcept;

// Runs one step of a handler whose failures are to be skipped, so that the next step
// still runs. Only failures are swallowed: anything not derived from std::exception (such
// as a test's stand-in for ending the process) passes through.
template <typename Step>
void IgnoreFailure(Step&& step) {
    try {
        std::forward<Step>(step)();
    } catch (const std::exception& failure) {
        ReportIgnoredFailure(failure.what());
    }
}

}  // namespace keystead::toolkit

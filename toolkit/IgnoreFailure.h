#pragma once

#include <exception>
#include <utility>

namespace keystead::toolkit {

// Tells a developer of a failure that a handler skipped, or that ends the program (Fail):
// the debugger's output on Windows, stderr elsewhere. The user sees nothing.
void ReportIgnoredFailure(const char* what) noexcept;

// Runs one step of a handler whose failures are to be skipped, so that the next step
// still runs. Only failures are swallowed: anything not derived from std::exception (such
// as a test's stand-in for ending the process) passes through.
// Built without exceptions (the program users download), a step cannot throw: what it
// meets is a value it handles, or a fault that ends the program (Fail).
template <typename Step>
void IgnoreFailure(Step&& step) {
#ifdef __cpp_exceptions
    try {
        std::forward<Step>(step)();
    } catch (const std::exception& failure) {
        ReportIgnoredFailure(failure.what());
    }
#else
    std::forward<Step>(step)();
#endif
}

}  // namespace keystead::toolkit

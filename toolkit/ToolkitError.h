#pragma once

#include <exception>
#include <string>
#include <utility>

namespace keystead::toolkit {

// A property assignment or call that the toolkit refuses, such as a control that does not
// exist; raised by Fail below.
class ToolkitError : public std::exception {
public:
    explicit ToolkitError(std::string what) : what_(std::move(what)) {}
    const char* what() const noexcept override { return what_.c_str(); }

private:
    std::string what_;
};

// Refuses what a caller asked that it should not have: a control or an item that does not
// exist, a value out of its range, a window Windows will not make. A build with exceptions
// (every test build) throws ToolkitError. The program users download is built without them:
// there no caller can step past the refusal, so it is reported, as an ignored failure is,
// and the program ends, as it does on an exception nothing catches. Failures a caller is
// to handle (a file that is missing) are values, never this.
[[noreturn]] void Fail(std::string what);

}  // namespace keystead::toolkit

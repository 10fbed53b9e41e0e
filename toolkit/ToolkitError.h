#pragma once

#include <exception>
#include <string>
#include <utility>

namespace keystead::toolkit {

// A property assignment or call that the toolkit refuses, such as a timer interval
// outside 0..65535 or the length of a file that does not exist.
class ToolkitError : public std::exception {
public:
    explicit ToolkitError(std::string what) : what_(std::move(what)) {}
    const char* what() const noexcept override { return what_.c_str(); }

private:
    std::string what_;
};

}  // namespace keystead::toolkit

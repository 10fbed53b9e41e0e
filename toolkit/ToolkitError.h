#pragma once

#include <stdexcept>

namespace keystead::toolkit {

// A property assignment or call that the toolkit refuses, such as a timer interval
// outside 0..65535 or the length of a file that does not exist.
class ToolkitError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace keystead::toolkit

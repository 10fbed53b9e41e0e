#pragma once

#include <cstdint>

namespace keystead::toolkit {

// An image held by the toolkit; its handle is what the notification area shows.
class Picture {
public:
    virtual ~Picture() = default;
    virtual std::uintptr_t Handle() const = 0;
};

}  // namespace keystead::toolkit

#pragma once

#include <cstdint>

namespace keystead::toolkit {

// What the running copy answers a later start's request. The numbers travel between copies
// of the program as the answer to its message (a copy of an older version answers 1 or 0):
// never renumber them.
enum RequestAnswer : std::uint32_t {
    kRequestNotTaken = 0,  // no copy took it: not a request, or the copy is starting or ending
    kRequestDone = 1,
    kRequestRefused = 2,  // the administrator's rules forbid it; nothing changed
    // The sender's own: done, but the copy that was to end still ran after the wait.
    kRequestNotEnded = 3,
};

}  // namespace keystead::toolkit

#pragma once

#include <chrono>

namespace keystead::toolkit::win32 {

// The program's one message loop; returns when the last form has been unloaded.
int RunMessageLoop();

// Serves the message queue for a while, as the loop would: for tests.
void PumpMessages(std::chrono::milliseconds duration);

}  // namespace keystead::toolkit::win32

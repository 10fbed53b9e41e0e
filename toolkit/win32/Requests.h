#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/Form.h"

namespace keystead::toolkit::win32 {

// Requests from a later start of the program to the window of the copy that runs: a
// WM_COPYDATA with our tag and one 32-bit number, and nothing else is taken.

// Tells our requests from whatever else any program sends as WM_COPYDATA.
inline constexpr ULONG_PTR kRequestTag = 0x4B535251;

// Gives the request to the first form window of another process that takes it; waits a
// little for a copy that is still starting. False when none took it.
bool SendRequest(std::uint32_t request);
// Lets requests through to the window of an elevated copy from a plain start.
void AllowRequests(HWND window);
// The answer to a WM_COPYDATA: TRUE when it was a well-formed request and the form took it.
LRESULT ReceiveRequest(LPARAM copyData, FormEvents& events);

}  // namespace keystead::toolkit::win32

#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/Form.h"

namespace keystead::toolkit::win32 {

// Requests from a later start of the program to the window of the copy that runs: a
// WM_COPYDATA with our tag and one 32-bit number, and nothing else is taken.

// Tells our requests from whatever else any program sends as WM_COPYDATA.
inline constexpr ULONG_PTR kRequestTag = 0x4B535251;

// How long a start waits for the copy it asked to end.
inline constexpr DWORD kEndTimeoutMs = 5000;

// Gives the request to the first form window of another process that takes it, and gives
// its answer; waits a little for a copy that is still starting. With waitForEnd, the copy's
// process is opened before the request goes, and a request carried out is done only once
// that process has ended, or its window has gone when the process could not be opened
// (kRequestNotEnded after kEndTimeoutMs).
RequestAnswer SendRequest(std::uint32_t request, bool waitForEnd = false);
// The wait for a copy that took the request to end (AwaitEnd): on its process when the
// handle is there, else on its window.
RequestAnswer AwaitCopyEnd(HANDLE process, HWND window, DWORD timeoutMs = kEndTimeoutMs);
// Lets requests through to the window of an elevated copy from a plain start.
void AllowRequests(HWND window);
// The answer to a WM_COPYDATA: the form's answer to a well-formed request, else not taken.
LRESULT ReceiveRequest(LPARAM copyData, SystemEvents& events);

}  // namespace keystead::toolkit::win32

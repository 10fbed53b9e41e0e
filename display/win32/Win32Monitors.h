#pragma once

#include <windows.h>

#include "display/NotePlacement.h"

namespace keystead::display::win32 {

// A monitor as Windows has it: its rectangles, its DPI, and whether it is the main one.
Monitor MonitorOf(HMONITOR monitor);

// The real monitors, the pointer and the window in front.
class Win32Monitors : public Monitors {
public:
    Desk Now() override;
};

}  // namespace keystead::display::win32

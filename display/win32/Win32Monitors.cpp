#include "display/win32/Win32Monitors.h"

#include "toolkit/win32/Layout.h"
#include "toolkit/win32/Library.h"

namespace keystead::display::win32 {

namespace {

using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

Rect ToRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    reinterpret_cast<std::vector<Monitor>*>(list)->push_back(MonitorOf(monitor));
    return TRUE;
}

}  // namespace

Monitor MonitorOf(HMONITOR monitor) {
    const Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    Monitor result{screen, screen, toolkit::win32::SystemDpi(), true};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        result.area = ToRect(info.rcMonitor);
        result.work = ToRect(info.rcWork);
        result.main = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    }
    // Windows 8.1 and later; shcore is looked up, not imported.
    static const auto getDpiForMonitor = toolkit::win32::SystemLibraryFunction<GetDpiForMonitorFn>(
        L"shcore.dll", "GetDpiForMonitor");
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (getDpiForMonitor != nullptr && getDpiForMonitor(monitor, 0, &dpiX, &dpiY) == S_OK &&
        dpiX != 0) {
        result.dpi = dpiX;
    }
    return result;
}

Desk Win32Monitors::Now() {
    Desk desk;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&desk.monitors));
    if (desk.monitors.empty()) {
        desk.monitors.push_back(MonitorOf(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY)));
    }
    POINT pointer{};
    if (GetCursorPos(&pointer)) {
        desk.pointer = {pointer.x, pointer.y};
    }
    // Windows' own rule of a window's monitor (it knows where a minimized one stands): the
    // window in front counts as that monitor's whole area.
    if (const HWND front = GetForegroundWindow()) {
        desk.front = MonitorOf(MonitorFromWindow(front, MONITOR_DEFAULTTOPRIMARY)).area;
    }
    return desk;
}

}  // namespace keystead::display::win32

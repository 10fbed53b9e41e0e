#include "tray/win32/Win32NotifyArea.h"

#include <windows.h>

#include <shellapi.h>

#include <cstddef>
#include <cstring>

namespace keystead::tray::win32 {

// The portable record is the first version of NOTIFYICONDATAA, field for field; the shell
// tells the versions apart by cbSize alone.
static_assert(kNotifyIconRecordSize == NOTIFYICONDATAA_V1_SIZE);
static_assert(offsetof(NotifyIconRecord, hWnd) == offsetof(NOTIFYICONDATAA, hWnd));
static_assert(offsetof(NotifyIconRecord, uID) == offsetof(NOTIFYICONDATAA, uID));
static_assert(offsetof(NotifyIconRecord, uFlags) == offsetof(NOTIFYICONDATAA, uFlags));
static_assert(offsetof(NotifyIconRecord, uCallbackMessage) ==
              offsetof(NOTIFYICONDATAA, uCallbackMessage));
static_assert(offsetof(NotifyIconRecord, hIcon) == offsetof(NOTIFYICONDATAA, hIcon));
static_assert(offsetof(NotifyIconRecord, szTip) == offsetof(NOTIFYICONDATAA, szTip));
static_assert(sizeof(NOTIFYICONDATAA::szTip) >= sizeof(NotifyIconRecord::szTip));

bool Win32NotifyArea::NotifyIcon(std::uint32_t operation, const NotifyIconRecord& record) {
    // The full-size structure, so that the shell can never read beyond it, whatever cbSize
    // says; the fields after the first version's stay zero.
    NOTIFYICONDATAA data{};
    data.cbSize = record.cbSize;
    data.hWnd = reinterpret_cast<HWND>(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.hIcon);
    std::memcpy(data.szTip, record.szTip, sizeof(record.szTip));
    return Shell_NotifyIconA(operation, &data) != FALSE;
}

}  // namespace keystead::tray::win32

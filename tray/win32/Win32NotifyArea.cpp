#include "tray/win32/Win32NotifyArea.h"

#include <windows.h>

#include <shellapi.h>

#include <cstddef>
#include <cstring>

namespace keystead::tray::win32 {

// The portable record is the first version of NOTIFYICONDATAA, field for field; the shell
// tells the versions apart by cbSize alone.
static_assert(kNotifyIconRecordSize == NOTIFYICONDATAA_V1_SIZE);
static_assert(kLongTipRecordSize == NOTIFYICONDATAA_V2_SIZE);
static_assert(offsetof(NotifyIconRecord, hWnd) == offsetof(NOTIFYICONDATAA, hWnd));
static_assert(offsetof(NotifyIconRecord, uID) == offsetof(NOTIFYICONDATAA, uID));
static_assert(offsetof(NotifyIconRecord, uFlags) == offsetof(NOTIFYICONDATAA, uFlags));
static_assert(offsetof(NotifyIconRecord, uCallbackMessage) ==
              offsetof(NOTIFYICONDATAA, uCallbackMessage));
static_assert(offsetof(NotifyIconRecord, hIcon) == offsetof(NOTIFYICONDATAA, hIcon));
static_assert(offsetof(NotifyIconRecord, szTip) == offsetof(NOTIFYICONDATAA, szTip));
static_assert(sizeof(NOTIFYICONDATAA::szTip) >= sizeof(NotifyIconRecord::szTip));
static_assert(kNimSetFocus == NIM_SETFOCUS && kNimSetVersion == NIM_SETVERSION);
static_assert(kNotifyIconVersion4 == NOTIFYICON_VERSION_4);

bool Win32NotifyArea::NotifyIcon(std::uint32_t operation, const NotifyIconRecord& record) {
    // The full-size structure, so that the shell can never read beyond it, whatever cbSize
    // says; the fields after the first version's stay zero.
    NOTIFYICONDATAA data{};
    data.cbSize = record.cbSize;
    if (operation == NIM_SETVERSION) {
        // The version field lies beyond the first version's record: the shell reads it only
        // from a record that is long enough.
        data.cbSize = sizeof data;
        data.uVersion = record.uVersion;
    }
    data.hWnd = reinterpret_cast<HWND>(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.hIcon);
    std::memcpy(data.szTip, record.szTip, sizeof(record.szTip));
    return Shell_NotifyIconA(operation, &data) != FALSE;
}

}  // namespace keystead::tray::win32

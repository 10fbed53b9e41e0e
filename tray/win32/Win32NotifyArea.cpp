#include "tray/win32/Win32NotifyArea.h"

#include <shellapi.h>

#include <cstddef>

namespace keystead::tray::win32 {

// The portable record is the first version of NOTIFYICONDATAA, field for field, its tooltip
// in UTF-8; it goes to the shell as NOTIFYICONDATAW of the same version, which the shell
// tells apart by cbSize alone.
static_assert(kNotifyIconRecordSize == NOTIFYICONDATAA_V1_SIZE);
static_assert(kLongTipRecordSize == NOTIFYICONDATAA_V2_SIZE);
static_assert(offsetof(NotifyIconRecord, hWnd) == offsetof(NOTIFYICONDATAA, hWnd));
static_assert(offsetof(NotifyIconRecord, uID) == offsetof(NOTIFYICONDATAA, uID));
static_assert(offsetof(NotifyIconRecord, uFlags) == offsetof(NOTIFYICONDATAA, uFlags));
static_assert(offsetof(NotifyIconRecord, uCallbackMessage) ==
              offsetof(NOTIFYICONDATAA, uCallbackMessage));
static_assert(offsetof(NotifyIconRecord, hIcon) == offsetof(NOTIFYICONDATAA, hIcon));
static_assert(offsetof(NotifyIconRecord, szTip) == offsetof(NOTIFYICONDATAA, szTip));
static_assert(sizeof(NOTIFYICONDATAW::szTip) / sizeof(wchar_t) == sizeof(NotifyIconRecord::szTip));
static_assert(kNimSetFocus == NIM_SETFOCUS && kNimSetVersion == NIM_SETVERSION);
static_assert(kNotifyIconVersion4 == NOTIFYICON_VERSION_4);

NOTIFYICONDATAW WideRecord(std::uint32_t operation, const NotifyIconRecord& record) {
    // The full-size structure, so that the shell can never read beyond it, whatever cbSize
    // says; the fields after the first version's stay zero.
    NOTIFYICONDATAW data{};
    // The same version in its wide size: the tip field holds as many characters as the
    // record's holds bytes (64 or 128), and UTF-8 never takes fewer bytes than UTF-16 units.
    data.cbSize =
        record.cbSize >= kLongTipRecordSize ? NOTIFYICONDATAW_V2_SIZE : NOTIFYICONDATAW_V1_SIZE;
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
    // The whole field the shell reads, its NUL and what stands after it included.
    const auto field = static_cast<int>(TipFieldSize(record));
    MultiByteToWideChar(CP_UTF8, 0, record.szTip, field, data.szTip, field);
    return data;
}

bool Win32NotifyArea::NotifyIcon(std::uint32_t operation, const NotifyIconRecord& record) {
    NOTIFYICONDATAW data = WideRecord(operation, record);
    return Shell_NotifyIconW(operation, &data) != FALSE;
}

}  // namespace keystead::tray::win32

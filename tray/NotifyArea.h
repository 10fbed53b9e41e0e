#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace keystead::tray {

// The first (ANSI) version of the shell's NOTIFYICONDATA record, field for field. Handles
// are pointer-sized, so the record is 88 bytes on 32-bit Windows and 104 on 64-bit.
struct NotifyIconRecord {
    std::uint32_t cbSize = 0;
    std::uintptr_t hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    std::uintptr_t hIcon = 0;
    char szTip[64] = {};
    // Of a later version of the record: read by the shell with NIM_SETVERSION only.
    std::uint32_t uVersion = 0;
};

inline constexpr std::uint32_t kNotifyIconRecordSize =
    static_cast<std::uint32_t>(offsetof(NotifyIconRecord, szTip) + sizeof(NotifyIconRecord::szTip));

// The tooltip text the record holds, before its terminating NUL.
inline constexpr std::size_t kMaxTooltipLength = sizeof(NotifyIconRecord::szTip) - 1;

inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimModify = 1;
inline constexpr std::uint32_t kNimDelete = 2;
inline constexpr std::uint32_t kNimSetFocus = 3;
inline constexpr std::uint32_t kNimSetVersion = 4;

// The version under which the shell reports Enter, Space and the menu key on the icon
// (NIN_KEYSELECT, WM_CONTEXTMENU) rather than turning them into clicks.
inline constexpr std::uint32_t kNotifyIconVersion4 = 4;

// One item of the icon's menu: its caption with '&' before the access key, and the command
// its choice reports (never 0).
struct TrayMenuItem {
    std::string caption;
    std::uint32_t command;
    bool enabled = true;
};

// The shell's notification area (Shell_NotifyIconA).
class NotifyArea {
public:
    virtual ~NotifyArea() = default;
    virtual bool NotifyIcon(std::uint32_t operation, const NotifyIconRecord& record) = 0;
    // Opens a menu for the owner window with its top-left or top-right corner at a point of
    // the screen (pixels), the first item the default one, and waits for the user. Returns
    // the chosen item's command, or 0 when the menu closed without a choice.
    virtual std::uint32_t TrackMenu(std::uintptr_t /*owner*/, std::int32_t /*x*/,
                                    std::int32_t /*y*/, std::span<const TrayMenuItem> /*items*/) {
        return 0;
    }
};

}  // namespace keystead::tray

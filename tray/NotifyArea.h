#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace keystead::tray {

// The shell's NOTIFYICONDATAA record, field for field up to the tooltip. Handles are
// pointer-sized, so its first version is 88 bytes on 32-bit Windows and 104 on 64-bit, and
// holds 64 characters of tooltip; from the second version on the field holds 128, and the
// record's size (cbSize) tells the shell which it reads.
struct NotifyIconRecord {
    std::uint32_t cbSize = 0;
    std::uintptr_t hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    std::uintptr_t hIcon = 0;
    char szTip[128] = {};
    // Of a later version of the record: read by the shell with NIM_SETVERSION only.
    std::uint32_t uVersion = 0;
};

// The first version's size, and its tooltip field's.
inline constexpr std::size_t kShortTipField = 64;
inline constexpr std::uint32_t kNotifyIconRecordSize =
    static_cast<std::uint32_t>(offsetof(NotifyIconRecord, szTip) + kShortTipField);
// The second version's size: the 128-character tooltip, then the state, the balloon's text
// (256), its time-out, its title (64) and its flags.
inline constexpr std::uint32_t kLongTipRecordSize = static_cast<std::uint32_t>(
    offsetof(NotifyIconRecord, szTip) + sizeof(NotifyIconRecord::szTip) + 4 + 4 + 256 + 4 + 64 + 4);

// The tooltip text the record holds, before its terminating NUL.
inline constexpr std::size_t kMaxTooltipLength = sizeof(NotifyIconRecord::szTip) - 1;

// The tip field as the shell reads it, by the record's size.
inline std::size_t TipFieldSize(const NotifyIconRecord& record) {
    return record.cbSize >= kLongTipRecordSize ? sizeof record.szTip : kShortTipField;
}

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

// The shell's notification area (Shell_NotifyIcon).
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

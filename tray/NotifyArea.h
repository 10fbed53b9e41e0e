#pragma once

#include <cstddef>
#include <cstdint>

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
};

inline constexpr std::uint32_t kNotifyIconRecordSize =
    static_cast<std::uint32_t>(offsetof(NotifyIconRecord, szTip) + sizeof(NotifyIconRecord::szTip));

// The tooltip text the record holds, before its terminating NUL.
inline constexpr std::size_t kMaxTooltipLength = sizeof(NotifyIconRecord::szTip) - 1;

inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimModify = 1;
inline constexpr std::uint32_t kNimDelete = 2;

// The shell's notification area (Shell_NotifyIconA).
class NotifyArea {
public:
    virtual ~NotifyArea() = default;
    virtual bool NotifyIcon(std::uint32_t operation, const NotifyIconRecord& record) = 0;
};

}  // namespace keystead::tray

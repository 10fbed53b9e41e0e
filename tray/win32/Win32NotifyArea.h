#pragma once

#include <cstdint>

#include "tray/NotifyArea.h"

namespace keystead::tray::win32 {

// The real notification area: Shell_NotifyIconA, and the icon's menu (Win32TrayMenu.cpp).
class Win32NotifyArea final : public NotifyArea {
public:
    bool NotifyIcon(std::uint32_t operation, const NotifyIconRecord& record) override;
    std::uint32_t TrackMenu(std::uintptr_t owner, std::int32_t x, std::int32_t y,
                            std::span<const TrayMenuItem> items) override;
};

}  // namespace keystead::tray::win32

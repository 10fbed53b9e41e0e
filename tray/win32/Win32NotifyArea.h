#pragma once

#include <windows.h>

#include <shellapi.h>

#include <cstdint>

#include "tray/NotifyArea.h"

namespace keystead::tray::win32 {

// The record as the shell's wide functions take it: the tooltip, kept in UTF-8, in UTF-16,
// so that every language's letters reach the shell whatever the ANSI code page.
NOTIFYICONDATAW WideRecord(std::uint32_t operation, const NotifyIconRecord& record);

// The real notification area: Shell_NotifyIconW, and the icon's menu (Win32TrayMenu.cpp).
class Win32NotifyArea final : public NotifyArea {
public:
    bool NotifyIcon(std::uint32_t operation, const NotifyIconRecord& record) override;
    std::uint32_t TrackMenu(std::uintptr_t owner, std::int32_t x, std::int32_t y,
                            std::span<const TrayMenuItem> items) override;
};

}  // namespace keystead::tray::win32

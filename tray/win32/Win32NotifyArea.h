#pragma once

#include <cstdint>

#include "tray/NotifyArea.h"

namespace keystead::tray::win32 {

// The real notification area: Shell_NotifyIconA.
class Win32NotifyArea final : public NotifyArea {
public:
    bool NotifyIcon(std::uint32_t operation, const NotifyIconRecord& record) override;
};

}  // namespace keystead::tray::win32

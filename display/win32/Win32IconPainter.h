#pragma once

#include "display/IconPainter.h"

namespace keystead::display::win32 {

// The tray icon drawn at run time: the notification area's size at the system DPI, the
// user's high-contrast colours, and an icon with an alpha channel made from the pixels.
class Win32IconPainter : public IconPainter {
public:
    int IconSize() override;
    std::optional<ContrastColours> HighContrast() override;
    std::unique_ptr<toolkit::Picture> MakePicture(const IconPixels& pixels) override;
};

}  // namespace keystead::display::win32

#pragma once

#include <cstdint>
#include <memory>

#include "display/KeyIcon.h"
#include "toolkit/Picture.h"

namespace keystead::display {

// Turns the drawn tray icon into a picture the notification area shows, and tells what the
// drawing must fit: the icon's size and the colours of high contrast.
class IconPainter {
public:
    virtual ~IconPainter() = default;
    // The notification area's icon size in pixels, at its DPI.
    virtual int IconSize() = 0;
    // The user's colours while high contrast is on; empty otherwise.
    virtual std::optional<ContrastColours> HighContrast() = 0;
    virtual std::unique_ptr<toolkit::Picture> MakePicture(const IconPixels& pixels) = 0;
};

}  // namespace keystead::display

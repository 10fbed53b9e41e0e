#pragma once

namespace keystead::toolkit {

// The screen's resolution in the units the layout uses: twips are 1/1440 inch.
class Screen {
public:
    virtual ~Screen() = default;
    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;
};

}  // namespace keystead::toolkit

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "lockkeys/LockKeys.h"

namespace keystead::display {

// Colours as 0xRRGGBB.
struct ContrastColours {
    std::uint32_t text;       // COLOR_WINDOWTEXT: the marks' outlines and signs
    std::uint32_t highlight;  // COLOR_HIGHLIGHT: a lit mark
    friend bool operator==(const ContrastColours&, const ContrastColours&) = default;
};

// What the tray icon shows: per key whether it is on and whether the program holds it.
struct IconLook {
    std::array<bool, lockkeys::kLockKeyCount> on{};
    std::array<bool, lockkeys::kLockKeyCount> held{};
    bool suspended = false;
    bool lightTaskbar = false;
    std::optional<ContrastColours> highContrast;
    friend bool operator==(const IconLook&, const IconLook&) = default;
};

// A square image, rows from the top, each pixel 0xAARRGGBB with straight alpha.
struct IconPixels {
    int size = 0;
    std::vector<std::uint32_t> argb;
    std::uint32_t At(int x, int y) const { return argb[static_cast<std::size_t>(y * size + x)]; }
};

// The three keys as three upright marks side by side, Caps Lock on the left: a lit mark is
// filled, a dark one only outlined; a bar under a mark says the program holds that key.
// Lit marks are green while the keys are checked; while suspended they are the red of the
// suspended icon, and dark marks are faintly red. Outlines are light on a dark taskbar and
// dark on a light one, or the user's colours in high contrast.
IconPixels DrawKeyIcon(const IconLook& look, int size);

}  // namespace keystead::display

#include "display/KeyIcon.h"

#include <algorithm>

namespace keystead::display {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;
constexpr std::uint32_t kFaint = 0x60000000;
constexpr std::uint32_t kGreen = 0x22B14C;  // the classic icon's
constexpr std::uint32_t kRed = 0xE02020;    // the suspended icon's
constexpr std::uint32_t kLightOutline = 0xF0F0F0;
constexpr std::uint32_t kDarkOutline = 0x202020;

void Fill(IconPixels& pixels, int left, int top, int right, int bottom, std::uint32_t rgb) {
    for (int y = std::max(top, 0); y < std::min(bottom, pixels.size); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, pixels.size); ++x) {
            pixels.argb[static_cast<std::size_t>(y * pixels.size + x)] = kOpaque | rgb;
        }
    }
}

}  // namespace

IconPixels DrawKeyIcon(const IconLook& look, int size) {
    IconPixels pixels{size, std::vector<std::uint32_t>(static_cast<std::size_t>(size * size), 0)};
    std::uint32_t outline = look.lightTaskbar ? kDarkOutline : kLightOutline;
    std::uint32_t lit = look.suspended ? kRed : kGreen;
    if (look.highContrast) {
        outline = look.highContrast->text;
        if (!look.suspended) {
            lit = look.highContrast->highlight;
        }
    }
    // While suspended even a dark mark shows the red, faintly.
    const std::uint32_t darkInside = look.suspended ? (kFaint | kRed) : 0;
    // Measured on 16 pixels, scaled to the size asked for.
    const auto scale = [size](int sixteenths) { return (sixteenths * size + 8) / 16; };
    const int line = std::max(1, scale(1));
    const int top = scale(1);
    const int bottom = scale(12);
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        const int left = scale(static_cast<int>(key) * 5 + 1);
        const int right = scale(static_cast<int>(key) * 5 + 5);
        Fill(pixels, left, top, right, bottom, outline);
        if (!look.on[key]) {
            // Dark: only the outline stays.
            for (int y = top + line; y < bottom - line; ++y) {
                for (int x = left + line; x < right - line; ++x) {
                    pixels.argb[static_cast<std::size_t>(y * size + x)] = darkInside;
                }
            }
        } else {
            Fill(pixels, left + line, top + line, right - line, bottom - line, lit);
        }
        if (look.held[key]) {
            Fill(pixels, left, scale(13), right, scale(15), outline);
        }
    }
    return pixels;
}

}  // namespace keystead::display

// The drawn tray icon tells every state of the three keys apart, suspended or not, and
// follows the taskbar's light or dark theme and high contrast.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "display/KeyIcon.h"

namespace keystead::display {
namespace {

std::vector<IconLook> EveryKeyState(bool suspended, bool light) {
    std::vector<IconLook> looks;
    for (int bits = 0; bits < 8; ++bits) {
        IconLook look;
        look.on = {(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
        look.suspended = suspended;
        look.lightTaskbar = light;
        looks.push_back(look);
    }
    return looks;
}

TEST(KeyIcon, EveryStateLooksDifferentAtEverySize) {
    for (int size : {16, 20, 24, 32}) {
        std::set<std::vector<std::uint32_t>> seen;
        for (bool suspended : {false, true}) {
            for (bool light : {false, true}) {
                for (IconLook look : EveryKeyState(suspended, light)) {
                    seen.insert(DrawKeyIcon(look, size).argb);
                    look.held = {true, false, true};
                    seen.insert(DrawKeyIcon(look, size).argb);
                }
            }
        }
        EXPECT_EQ(seen.size(), 64u) << size;
    }
}

TEST(KeyIcon, OutlinesAreLightOnADarkTaskbarAndTheUsersColourInHighContrast) {
    IconLook look;
    const auto topLeft = [&look] { return DrawKeyIcon(look, 16).At(1, 1) & 0xFFFFFF; };
    const auto brightness = [](std::uint32_t rgb) {
        return ((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF);
    };
    EXPECT_GT(brightness(topLeft()), 600u);
    look.lightTaskbar = true;
    EXPECT_LT(brightness(topLeft()), 150u);
    look.highContrast = ContrastColours{0xFFFF00, 0x00FFFF};
    EXPECT_EQ(topLeft(), 0xFFFF00u);
    EXPECT_EQ(DrawKeyIcon(look, 16).At(0, 0), 0u) << "the corner lets the taskbar through";
    look.suspended = true;
    EXPECT_EQ(DrawKeyIcon(look, 16).At(3, 5) & 0xFFFFFF, 0xE02020u) << "a dark mark turns red";
    look.on[0] = true;
    EXPECT_EQ(DrawKeyIcon(look, 16).At(3, 5), 0xFFE02020u);
}

}  // namespace
}  // namespace keystead::display

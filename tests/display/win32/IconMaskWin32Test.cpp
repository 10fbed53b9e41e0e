// The drawn icon's AND mask under Wine: what draws the icon without its alpha channel sees
// through exactly the pixels that nothing was drawn on.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "display/win32/Win32IconPainter.h"
#include "toolkit/win32/Pictures.h"

namespace keystead::display::win32 {
namespace {

// A picture in which every row has its own run of see-through pixels, some half see-through
// ones counting as drawn.
IconPixels Stripes(int size) {
    IconPixels pixels{size, std::vector<std::uint32_t>(static_cast<std::size_t>(size * size))};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint32_t alpha = (x + y) % 5 < 2 ? 0x00 : (x % 3 == 0 ? 0x40 : 0xFF);
            pixels.argb[static_cast<std::size_t>(y * size + x)] = (alpha << 24) | 0x00336699;
        }
    }
    return pixels;
}

// The mask's bits as rows of whole 16-bit words, the first row at the top.
std::vector<std::uint8_t> MaskOf(HICON icon, int size) {
    ICONINFO info{};
    EXPECT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmMask, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    EXPECT_EQ(bitmap.bmHeight, size) << "a colour icon's mask is the AND mask alone";
    const std::size_t stride = static_cast<std::size_t>((size + 15) / 16 * 2);
    std::vector<std::uint8_t> bits(stride * static_cast<std::size_t>(size));
    EXPECT_EQ(GetBitmapBits(info.hbmMask, static_cast<LONG>(bits.size()), bits.data()),
              static_cast<LONG>(bits.size()));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bits;
}

// 16 pixels fill a row's word, 20 leave part of the second one over.
TEST(DrawnIconMask, IsSetExactlyWhereThePictureIsTransparent) {
    Win32IconPainter painter;
    for (const int size : {16, 20}) {
        const IconPixels drawn = Stripes(size);
        const auto picture = painter.MakePicture(drawn);
        ASSERT_NE(picture, nullptr);
        const auto* icon = static_cast<const toolkit::win32::Win32Picture*>(picture.get());
        const std::vector<std::uint8_t> mask = MaskOf(icon->Get(), size);
        const std::size_t stride = mask.size() / static_cast<std::size_t>(size);
        int wrong = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const bool set =
                    (mask[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x / 8)] &
                     (0x80 >> (x % 8))) != 0;
                const bool transparent = (drawn.At(x, y) >> 24) == 0;
                wrong += set != transparent ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0) << "pixels whose mask bit is wrong at size " << size;
    }
}

}  // namespace
}  // namespace keystead::display::win32

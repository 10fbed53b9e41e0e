#include "display/win32/Win32IconPainter.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "toolkit/win32/Colours.h"
#include "toolkit/win32/Layout.h"
#include "toolkit/win32/Library.h"
#include "toolkit/win32/Pictures.h"

namespace keystead::display::win32 {

namespace {

using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using UniqueBitmap = toolkit::win32::UniqueHandle<HBITMAP, ::DeleteObject>;

// The AND mask, for whatever draws the icon without its alpha channel (a remote session in
// 16-bit colour, an icon copied out to a file): set where nothing is drawn. A bitmap made
// without bits holds undefined ones, and a monochrome one takes rows of whole 16-bit words.
std::vector<std::uint8_t> MaskBits(const IconPixels& pixels) {
    const auto size = static_cast<std::size_t>(pixels.size);
    const std::size_t stride = (size + 15) / 16 * 2;
    std::vector<std::uint8_t> bits(stride * size, 0);
    for (int y = 0; y < pixels.size; ++y) {
        for (int x = 0; x < pixels.size; ++x) {
            if ((pixels.At(x, y) >> 24) == 0) {
                bits[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x / 8)] |=
                    static_cast<std::uint8_t>(0x80U >> (x % 8));
            }
        }
    }
    return bits;
}

std::uint32_t ToRgb(COLORREF colour) {
    return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

}  // namespace

// The taskbar sits on the primary monitor, at the system DPI.
int Win32IconPainter::IconSize() {
    static const auto forDpi =
        toolkit::win32::User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    const int size = forDpi != nullptr ? forDpi(SM_CXSMICON, toolkit::win32::SystemDpi())
                                       : GetSystemMetrics(SM_CXSMICON);
    return size > 0 ? size : 16;
}

// Asked where the windows ask, so that the icon and the windows never disagree.
std::optional<ContrastColours> Win32IconPainter::HighContrast() {
    if (!toolkit::win32::HighContrast()) {
        return std::nullopt;
    }
    return ContrastColours{ToRgb(GetSysColor(COLOR_WINDOWTEXT)),
                           ToRgb(GetSysColor(COLOR_HIGHLIGHT))};
}

std::unique_ptr<toolkit::Picture> Win32IconPainter::MakePicture(const IconPixels& pixels) {
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = pixels.size;
    header.bV5Height = -pixels.size;  // rows from the top, as drawn
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    toolkit::win32::ScopedDc screen(nullptr);
    UniqueBitmap colour(CreateDIBSection(screen.Get(), reinterpret_cast<BITMAPINFO*>(&header),
                                         DIB_RGB_COLORS, &bits, nullptr, 0));
    const std::vector<std::uint8_t> maskBits = MaskBits(pixels);
    UniqueBitmap mask(CreateBitmap(pixels.size, pixels.size, 1, 1, maskBits.data()));
    if (!colour || !mask || bits == nullptr) {
        return nullptr;
    }
    std::memcpy(bits, pixels.argb.data(), pixels.argb.size() * sizeof(std::uint32_t));
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour.get();
    info.hbmMask = mask.get();
    HICON icon = CreateIconIndirect(&info);  // copies both bitmaps
    if (icon == nullptr) {
        return nullptr;
    }
    return std::make_unique<toolkit::win32::Win32Picture>(icon, true);
}

}  // namespace keystead::display::win32

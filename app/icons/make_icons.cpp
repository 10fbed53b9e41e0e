// Generates the program's two icons at build time; run on the build machine.
//
//   make_icons OUTDIR
//
// writes OUTDIR/Keystead.ico (a green A on black, the window and tray icon) and
// OUTDIR/Suspended.ico (the same A in red). Each file holds three images, 16x16, 32x32
// and 48x48, every one 4 bits per pixel with a 16-entry palette and an all-zero AND mask,
// so no pixel is transparent. Both files carry identical pixel indexes; only the palettes
// differ:
//
//   index 0        black (background)
//   indexes 1..14  a linear ramp from near black up to the pure colour at index 14
//   15             black (unused)
//
// Sixteen colours hold the ramp exactly, and an icon of them is a third the size of one with
// a 256-entry palette: the two icons are part of every download.
//
// The A is drawn per size from a small geometric model (two slanted strokes that meet in
// a flat top, and a crossbar). Horizontal edges sit on pixel boundaries so that they stay
// sharp at 16 px; each pixel is sampled 8x8 times and its coverage quantised to the ramp.
//
// Standard library only, so that a cross build can compile it with the host compiler.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kLevels = 14;  // ramp entries, indexes 1..kLevels
constexpr int kPaletteSize = 16;
constexpr int kBitsPerPixel = 4;
constexpr int kSubsamples = 8;  // per axis, per pixel

// The A of one icon size, in pixels; x runs right and y down from the top-left corner.
// The glyph is symmetric about the vertical centre line x = size / 2.
struct Design {
    int size;         // width and height of the image
    int top;          // y of the flat top of the A
    int bottom;       // y of the feet
    double footLeft;  // x of the outer edge of the left foot
    int apexHalf;     // half width of the flat top
    double stroke;    // horizontal width of each slanted stroke
    int barTop;       // y range of the crossbar
    int barBottom;
};

// Tuned by eye at each size; the 16 px one matters most (tray).
constexpr Design kDesigns[] = {
    {16, 1, 15, 1.0, 2, 3.0, 9, 11},
    {32, 2, 30, 2.0, 3, 5.5, 19, 22},
    {48, 3, 45, 3.0, 5, 8.0, 28, 33},
};

bool Inside(const Design& d, double x, double y) {
    if (y < d.top || y > d.bottom) {
        return false;
    }
    const double centre = d.size / 2.0;
    // Mirror the right half onto the left one.
    if (x > centre) {
        x = d.size - x;
    }
    const double t = (y - d.top) / (d.bottom - d.top);
    const double apexLeft = centre - d.apexHalf;
    const double outer = apexLeft + (d.footLeft - apexLeft) * t;
    if (x < outer) {
        return false;
    }
    if (x <= outer + d.stroke) {
        return true;
    }
    return y >= d.barTop && y <= d.barBottom;
}

// One image of an icon: palette indexes, top row first.
struct Image {
    int size;
    std::vector<std::uint8_t> pixels;
};

Image Render(const Design& d) {
    std::vector<std::uint8_t> pixels;
    pixels.reserve(static_cast<std::size_t>(d.size) * static_cast<std::size_t>(d.size));
    constexpr int kSamples = kSubsamples * kSubsamples;
    for (int row = 0; row < d.size; ++row) {
        for (int col = 0; col < d.size; ++col) {
            int hits = 0;
            for (int sy = 0; sy < kSubsamples; ++sy) {
                for (int sx = 0; sx < kSubsamples; ++sx) {
                    const double x = col + (sx + 0.5) / kSubsamples;
                    const double y = row + (sy + 0.5) / kSubsamples;
                    if (Inside(d, x, y)) {
                        ++hits;
                    }
                }
            }
            // Round hits / kSamples to the nearest of 0..kLevels.
            const int level = (hits * kLevels * 2 + kSamples) / (kSamples * 2);
            pixels.push_back(static_cast<std::uint8_t>(level));
        }
    }
    return Image{d.size, pixels};
}

class Bytes {
public:
    void U8(unsigned value) { data_.push_back(static_cast<std::uint8_t>(value & 0xFFu)); }
    void U16(unsigned value) {
        U8(value);
        U8(value >> 8);
    }
    void U32(std::uint32_t value) {
        U16(static_cast<unsigned>(value & 0xFFFFu));
        U16(static_cast<unsigned>(value >> 16));
    }
    void Append(const std::vector<std::uint8_t>& bytes) {
        data_.insert(data_.end(), bytes.begin(), bytes.end());
    }
    const std::vector<std::uint8_t>& Data() const { return data_; }

private:
    std::vector<std::uint8_t> data_;
};

std::size_t Padded4(std::size_t bytes) {
    return (bytes + 3) / 4 * 4;
}

// One image of the icon resource: BITMAPINFOHEADER, palette, XOR rows, AND rows.
std::vector<std::uint8_t> IconImage(const Image& image, int red, int green, int blue) {
    const int size = image.size;
    const std::size_t width = static_cast<std::size_t>(size);
    const std::size_t xorStride = Padded4((width * kBitsPerPixel + 7) / 8);
    const std::size_t andStride = Padded4((width + 7) / 8);
    const std::size_t bitsSize = (xorStride + andStride) * width;

    Bytes out;
    out.U32(40);                                    // biSize
    out.U32(static_cast<std::uint32_t>(size));      // biWidth
    out.U32(static_cast<std::uint32_t>(size * 2));  // biHeight: XOR and AND halves
    out.U16(1);                                     // biPlanes
    out.U16(kBitsPerPixel);                         // biBitCount
    out.U32(0);                                     // biCompression: BI_RGB
    out.U32(static_cast<std::uint32_t>(bitsSize));  // biSizeImage
    out.U32(0);                                     // biXPelsPerMeter
    out.U32(0);                                     // biYPelsPerMeter
    out.U32(0);                                     // biClrUsed: all 16
    out.U32(0);                                     // biClrImportant

    // RGBQUAD entries are blue, green, red, reserved.
    for (int index = 0; index < kPaletteSize; ++index) {
        const int level = index <= kLevels ? index : 0;
        const auto channel = [level](int full) {
            return static_cast<unsigned>((full * level * 2 + kLevels) / (kLevels * 2));
        };
        out.U8(channel(blue));
        out.U8(channel(green));
        out.U8(channel(red));
        out.U8(0);
    }

    // XOR bitmap, bottom row first, two pixels a byte with the left one in the high half.
    const auto pixel = [&image, width](std::size_t row, std::size_t col) -> unsigned {
        return col < width ? image.pixels[row * width + col] : 0u;
    };
    for (std::size_t row = width; row-- > 0;) {
        for (std::size_t col = 0; col < xorStride * 2; col += 2) {
            out.U8(pixel(row, col) << 4 | pixel(row, col + 1));
        }
    }
    // AND mask: every pixel opaque.
    for (std::size_t i = 0; i < andStride * width; ++i) {
        out.U8(0);
    }
    return out.Data();
}

bool WriteIcon(const std::string& path, const std::vector<Image>& images, int red, int green,
               int blue) {
    constexpr std::size_t kDirSize = 6;
    constexpr std::size_t kEntrySize = 16;
    const std::size_t count = images.size();

    std::vector<std::vector<std::uint8_t>> blobs;
    for (const Image& image : images) {
        blobs.push_back(IconImage(image, red, green, blue));
    }

    Bytes out;
    out.U16(0);  // idReserved
    out.U16(1);  // idType: icon
    out.U16(static_cast<unsigned>(count));
    std::size_t offset = kDirSize + kEntrySize * count;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned size = static_cast<unsigned>(images[i].size);
        out.U8(size);            // bWidth (0 would mean 256)
        out.U8(size);            // bHeight
        out.U8(kPaletteSize);    // bColorCount
        out.U8(0);               // bReserved
        out.U16(1);              // wPlanes
        out.U16(kBitsPerPixel);  // wBitCount
        out.U32(static_cast<std::uint32_t>(blobs[i].size()));
        out.U32(static_cast<std::uint32_t>(offset));
        offset += blobs[i].size();
    }
    for (const auto& blob : blobs) {
        out.Append(blob);
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        return false;
    }
    const auto& data = out.Data();
    file.write(reinterpret_cast<const char*>(data.data()),
               static_cast<std::streamsize>(data.size()));
    file.close();
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons OUTDIR\n");
        return 2;
    }
    std::string dir = argv[1];
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') {
        dir += '/';
    }

    std::vector<Image> images;
    for (const Design& design : kDesigns) {
        images.push_back(Render(design));
    }

    const std::string window = dir + "Keystead.ico";
    const std::string suspended = dir + "Suspended.ico";
    if (!WriteIcon(window, images, 0, 255, 0)) {
        std::fprintf(stderr, "make_icons: cannot write %s\n", window.c_str());
        return 1;
    }
    if (!WriteIcon(suspended, images, 255, 0, 0)) {
        std::fprintf(stderr, "make_icons: cannot write %s\n", suspended.c_str());
        return 1;
    }
    return 0;
}

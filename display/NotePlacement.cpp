#include "display/NotePlacement.h"

#include <algorithm>
#include <cstdint>

namespace keystead::display {

namespace {

// Measured at 96 DPI.
constexpr int kMargin = 24;
constexpr int kGap = 8;

std::int64_t Overlap(const Rect& one, const Rect& other) {
    const std::int64_t width = std::min(one.right, other.right) - std::max(one.left, other.left);
    const std::int64_t height = std::min(one.bottom, other.bottom) - std::max(one.top, other.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// How far a point is outside a rectangle, squared; 0 inside.
std::int64_t DistanceSquared(const Rect& rect, Point point) {
    const std::int64_t dx = point.x < rect.left     ? rect.left - point.x
                            : point.x >= rect.right ? point.x - (rect.right - 1)
                                                    : 0;
    const std::int64_t dy = point.y < rect.top       ? rect.top - point.y
                            : point.y >= rect.bottom ? point.y - (rect.bottom - 1)
                                                     : 0;
    return dx * dx + dy * dy;
}

std::size_t MainMonitor(const Desk& desk) {
    for (std::size_t i = 0; i < desk.monitors.size(); ++i) {
        if (desk.monitors[i].main) {
            return i;
        }
    }
    return 0;
}

std::size_t Nearest(const Desk& desk, Point point) {
    std::size_t best = MainMonitor(desk);
    for (std::size_t i = 0; i < desk.monitors.size(); ++i) {
        if (DistanceSquared(desk.monitors[i].area, point) <
            DistanceSquared(desk.monitors[best].area, point)) {
            best = i;
        }
    }
    return best;
}

std::size_t OfWindow(const Desk& desk, const Rect& window) {
    std::size_t best = MainMonitor(desk);
    std::int64_t most = 0;
    for (std::size_t i = 0; i < desk.monitors.size(); ++i) {
        if (const std::int64_t overlap = Overlap(desk.monitors[i].area, window); overlap > most) {
            most = overlap;
            best = i;
        }
    }
    if (most > 0) {
        return best;
    }
    return Nearest(desk, {window.left + (window.right - window.left) / 2,
                          window.top + (window.bottom - window.top) / 2});
}

}  // namespace

int Scaled(int pixels96, unsigned dpi) {
    const std::int64_t product = std::int64_t{pixels96} * dpi;
    return static_cast<int>((product + (product >= 0 ? 48 : -48)) / 96);
}

std::vector<std::size_t> NoteMonitors(settings::NoteMonitor choice, const Desk& desk) {
    if (desk.monitors.empty()) {
        return {};
    }
    switch (choice) {
        case settings::NoteMonitor::Pointer:
            return {Nearest(desk, desk.pointer)};
        case settings::NoteMonitor::Main:
            return {MainMonitor(desk)};
        case settings::NoteMonitor::Every: {
            std::vector<std::size_t> all(desk.monitors.size());
            for (std::size_t i = 0; i < all.size(); ++i) {
                all[i] = i;
            }
            return all;
        }
        case settings::NoteMonitor::FrontWindow:
            break;
    }
    return {desk.front ? OfWindow(desk, *desk.front) : MainMonitor(desk)};
}

std::vector<Rect> PlaceRow(const Monitor& monitor, const std::vector<Size>& sizes, int position,
                           int row) {
    const int gap = Scaled(kGap, monitor.dpi);
    const int margin = Scaled(kMargin, monitor.dpi);
    int width = 0;
    int height = 0;
    for (const Size& size : sizes) {
        width += size.width + (width > 0 ? gap : 0);
        height = std::max(height, size.height);
    }
    const Rect& work = monitor.work;
    const int column = (position - 1) % 3;  // 0 left, 1 centre, 2 right
    const int line = (position - 1) / 3;    // 0 bottom, 1 middle, 2 top
    int x = column == 0   ? work.left + margin
            : column == 1 ? (work.left + work.right - width) / 2
                          : work.right - margin - width;
    int y = line == 0   ? work.bottom - margin - height
            : line == 1 ? (work.top + work.bottom - height) / 2
                        : work.top + margin;
    const int step = (height + gap) * row;
    y += line == 2 ? step : -step;
    std::vector<Rect> rects;
    for (const Size& size : sizes) {
        rects.push_back({x, y, x + size.width, y + height});
        x += size.width + gap;
    }
    return rects;
}

}  // namespace keystead::display

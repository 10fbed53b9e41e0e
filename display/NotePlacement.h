#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "settings/DisplaySection.h"

namespace keystead::display {

// In the virtual screen's pixels, right and bottom outside, as Windows counts them.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
};

struct Monitor {
    Rect area;
    Rect work;  // without the taskbar and docked bars
    unsigned dpi = 96;
    bool main = false;
};

// The monitors as they are now, and what a choice of monitor goes by.
struct Desk {
    std::vector<Monitor> monitors;
    Point pointer;
    std::optional<Rect> front;  // the window in front, when there is one
};

// Where the monitors are told: the real ones, or a test's.
class Monitors {
public:
    virtual ~Monitors() = default;
    virtual Desk Now() = 0;
};

// Which of the desk's monitors the notes stand on, by the user's choice: the window in front's
// (the one it overlaps most, else the nearest), the pointer's (the nearest where it is off
// every monitor), the main one, or each. Never none while there is a monitor; the main one
// where the choice finds nothing.
std::vector<std::size_t> NoteMonitors(settings::NoteMonitor choice, const Desk& desk);

// The note rectangles of a row of notes of these sizes on a monitor, left to right, at the
// keypad's number `position` inside its work area (7 top left, 5 centre, 3 bottom right); `row`
// 1 stands one row in from row 0. Sizes, margins and gaps are at the monitor's DPI.
std::vector<Rect> PlaceRow(const Monitor& monitor, const std::vector<Size>& sizes, int position,
                           int row);

// Pixels at 96 DPI as many at `dpi`, rounded as Windows' MulDiv rounds.
int Scaled(int pixels96, unsigned dpi);

}  // namespace keystead::display

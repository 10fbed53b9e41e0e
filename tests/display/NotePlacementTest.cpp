// Which monitors notes stand on, and where on each, for desks of one, two and three monitors
// of different DPI and arrangement.
#include <gtest/gtest.h>

#include <vector>

#include "display/NotePlacement.h"

namespace keystead::display {
namespace {

using settings::NoteMonitor;

// The main monitor; one of 150% above and to its right; one of 125% to its left.
const Monitor kMain{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96, true};
const Monitor kRight{{1920, -200, 4480, 1240}, {1920, -200, 4480, 1180}, 144, false};
const Monitor kLeft{{-1280, 0, 0, 1024}, {-1280, 0, 0, 1024}, 120, false};

Desk DeskOf(std::vector<Monitor> monitors, Point pointer, std::optional<Rect> front) {
    return Desk{std::move(monitors), pointer, front};
}

TEST(NoteMonitors, EachChoiceFindsItsMonitors) {
    struct Case {
        const char* name;
        NoteMonitor choice;
        Desk desk;
        std::vector<std::size_t> expected;
    };
    const std::vector<Monitor> two{kMain, kRight};
    const std::vector<Monitor> three{kLeft, kMain, kRight};  // the main one not first
    const Case cases[] = {
        {"one monitor, front window",
         NoteMonitor::FrontWindow,
         DeskOf({kMain}, {5, 5}, Rect{100, 100, 500, 500}),
         {0}},
        {"front window on the right",
         NoteMonitor::FrontWindow,
         DeskOf(two, {5, 5}, Rect{2000, 0, 2600, 400}),
         {1}},
        {"front window over both, mostly the main",
         NoteMonitor::FrontWindow,
         DeskOf(two, {3000, 5}, Rect{1000, 0, 2100, 400}),
         {0}},
        {"no front window: the main one",
         NoteMonitor::FrontWindow,
         DeskOf(three, {-100, 5}, std::nullopt),
         {1}},
        {"front window off every monitor: the nearest",
         NoteMonitor::FrontWindow,
         DeskOf(three, {5, 5}, Rect{-3000, 100, -2000, 300}),
         {0}},
        {"pointer on the left",
         NoteMonitor::Pointer,
         DeskOf(three, {-5, 1000}, Rect{0, 0, 9, 9}),
         {0}},
        {"pointer on the right's top edge",
         NoteMonitor::Pointer,
         DeskOf(three, {4479, -200}, std::nullopt),
         {2}},
        {"pointer past the right edge: the nearest",
         NoteMonitor::Pointer,
         DeskOf(three, {9000, 100}, std::nullopt),
         {2}},
        {"main monitor", NoteMonitor::Main, DeskOf(three, {2000, 5}, Rect{2000, 0, 2100, 99}), {1}},
        {"every monitor", NoteMonitor::Every, DeskOf(three, {5, 5}, std::nullopt), {0, 1, 2}},
        {"no monitor at all", NoteMonitor::Every, DeskOf({}, {5, 5}, std::nullopt), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NoteMonitors(c.choice, c.desk), c.expected) << c.name;
    }
}

TEST(NoteMonitors, ADeskWithoutAMainMonitorUsesItsFirst) {
    const Desk desk = DeskOf({kLeft, kRight}, {0, 0}, std::nullopt);
    EXPECT_EQ(NoteMonitors(NoteMonitor::Main, desk), std::vector<std::size_t>{0});
}

TEST(PlaceRow, RowsStandInsideTheWorkAreaAtTheMonitorsDpi) {
    struct Case {
        const char* name;
        Monitor monitor;
        int position;
        int row;
        std::vector<Rect> expected;
    };
    const std::vector<Size> sizes{{100, 40}, {80, 50}};
    const Case cases[] = {
        // 96 DPI: margin 24, gap 8; the row is 188 wide and 50 high.
        {"bottom centre", kMain, 2, 0, {{866, 966, 966, 1016}, {974, 966, 1054, 1016}}},
        {"bottom centre, one row in", kMain, 2, 1, {{866, 908, 966, 958}, {974, 908, 1054, 958}}},
        // 144 DPI: margin 36, gap 12; the row is 192 wide.
        {"top right at 150%", kRight, 9, 0, {{4252, -164, 4352, -114}, {4364, -164, 4444, -114}}},
        {"top right at 150%, one row down",
         kRight,
         9,
         1,
         {{4252, -102, 4352, -52}, {4364, -102, 4444, -52}}},
        // 120 DPI: margin 30, gap 10, left of the main monitor.
        {"top left at 125%", kLeft, 7, 0, {{-1250, 30, -1150, 80}, {-1140, 30, -1060, 80}}},
        {"centre at 125%", kLeft, 5, 0, {{-735, 487, -635, 537}, {-625, 487, -545, 537}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceRow(c.monitor, sizes, c.position, c.row), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace keystead::display

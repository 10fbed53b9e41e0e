#include <string>

#include <gtest/gtest.h>

#include "pause/PauseTooltip.h"

namespace keystead::pause {
namespace {

TEST(PausedTooltip, AddsALineThatFitsTheRoomLeft) {
    struct Case {
        const char* tooltip;
        std::string program;
        std::size_t maxLength;
        std::string expected;
    };
    const Case cases[] = {
        {"K", "mstsc.exe", 63, "K\r\n(Paused for mstsc.exe)"},
        {"K", "", 63, "K\r\n(Paused for a full-screen program)"},
        {"K", "abcdefghij.exe", 24, "K\r\n(Paused for abcde...)"},
        {"K", "abcdefg", 23, "K\r\n(Paused for abcdefg)"},  // exactly fits
        // Names beyond ASCII as they are (the shell gets UTF-16), cut between characters.
        {"K", "\xE2\x82\xAC\xF0\x9F\x98\x80.exe", 63,
         "K\r\n(Paused for \xE2\x82\xAC\xF0\x9F\x98\x80.exe)"},
        {"K", "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", 24, "K\r\n(Paused for \xE2\x82\xAC...)"},
        {"K", "abcde", 20, "K\r\n(Paused for a...)"},
        {"K", "abc", 19, "K\r\n(Paused for abc)"},
        {"K", "abcd", 19, "K"},  // no room for a cut name: no line rather than dots alone
        {"Kx", "", 16, "Kx"},
    };
    for (const Case& c : cases) {
        const std::string tip = PausedTooltip(c.tooltip, c.program, c.maxLength);
        EXPECT_EQ(tip, c.expected) << c.program << " in " << c.maxLength;
        EXPECT_LE(tip.size(), c.maxLength);
    }
}

}  // namespace
}  // namespace keystead::pause

// A later start's request reaches a real form under Wine only in its exact shape; the
// sender never asks a window of its own process.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/fake/FakeToolkit.h"
#include "toolkit/win32/Requests.h"
#include "toolkit/win32/Win32Form.h"

namespace keystead::toolkit::win32 {
namespace {

const FormDesign kBareForm{"Requests test", 1500,  1500, {0, 0, 0}, {0, 153, 255},
                           "MS Sans Serif", 8.25f, 0,    {}};

class Taker : public fake::NoFormEvents {
public:
    RequestAnswer Form_Request(std::uint32_t request) override {
        heard.push_back(request);
        return answer;
    }
    std::vector<std::uint32_t> heard;
    RequestAnswer answer = kRequestDone;
};

class Requests : public ::testing::Test {
protected:
    Requests() { form_.SetSystemEvents(events_); }
    LRESULT Send(const COPYDATASTRUCT* data) {
        return SendMessageW(reinterpret_cast<HWND>(form_.hWnd()), WM_COPYDATA, 0,
                            reinterpret_cast<LPARAM>(data));
    }

    Taker events_;
    Win32Screen screen_;
    Win32Form form_{kBareForm, events_, screen_};
};

TEST_F(Requests, OnlyOurTagWithExactlyOneNumberReachesTheForm) {
    std::uint8_t bytes[8] = {4, 0, 0, 0, 9, 9, 9, 9};
    struct Case {
        const char* name;
        ULONG_PTR tag;
        DWORD size;
        void* data;
        bool taken;
    };
    const Case cases[] = {
        {"well formed", kRequestTag, 4, bytes, true},
        {"another program's tag", kRequestTag + 1, 4, bytes, false},
        {"no tag", 0, 4, bytes, false},
        {"nothing", kRequestTag, 0, nullptr, false},
        {"too short", kRequestTag, 3, bytes, false},
        {"too long", kRequestTag, 8, bytes, false},
        {"no data", kRequestTag, 4, nullptr, false},
    };
    for (const Case& c : cases) {
        events_.heard.clear();
        const COPYDATASTRUCT data{c.tag, c.size, c.data};
        EXPECT_EQ(Send(&data), c.taken ? TRUE : FALSE) << c.name;
        EXPECT_EQ(events_.heard,
                  c.taken ? std::vector<std::uint32_t>{4} : std::vector<std::uint32_t>{})
            << c.name;
    }
    events_.heard.clear();
    EXPECT_EQ(Send(nullptr), FALSE);
    EXPECT_TRUE(events_.heard.empty());
}

TEST_F(Requests, TheFormsAnswerGoesBackAndAnUnloadedFormTakesNothing) {
    std::uint32_t request = 2;
    const COPYDATASTRUCT data{kRequestTag, sizeof request, &request};
    events_.answer = kRequestNotTaken;
    EXPECT_EQ(Send(&data), FALSE) << "turned away by the owner";
    EXPECT_EQ(events_.heard, std::vector<std::uint32_t>{2});
    events_.answer = kRequestRefused;
    EXPECT_EQ(Send(&data), kRequestRefused) << "refused by the administrator's rules";

    events_.answer = kRequestDone;
    form_.Unload();
    events_.heard.clear();
    EXPECT_EQ(Send(&data), FALSE);
    EXPECT_TRUE(events_.heard.empty());
}

TEST_F(Requests, ASendSkipsTheWindowsOfItsOwnProcess) {
    EXPECT_EQ(SendRequest(3), kRequestNotTaken);
    EXPECT_TRUE(events_.heard.empty());
}

// An elevated copy's process cannot be opened from a plain start: its window is watched.
TEST(AwaitCopyEnd, WithoutTheProcessTheWindowMustGo) {
    for (const bool destroyed : {false, true}) {
        HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        if (destroyed) {
            DestroyWindow(window);
        }
        EXPECT_EQ(AwaitCopyEnd(nullptr, window, 300), destroyed ? kRequestDone : kRequestNotEnded);
        DestroyWindow(window);
    }
}

}  // namespace
}  // namespace keystead::toolkit::win32

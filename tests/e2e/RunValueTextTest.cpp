// The real Keystead.exe writes its Run value as Windows asks a REG_SZ to be written, with
// the terminating NUL counted, and reads one written without it, as older versions did.
#include <gtest/gtest.h>

#include "KeysteadProcess.h"
#include "toolkit/win32/Text.h"

namespace keystead::e2e {
namespace {

using namespace std::chrono_literals;

constexpr wchar_t kAutoRunBox[] = L"Launch Tarvine Keystead on Windows s&tart-up";

class EndToEndRunValue : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteRunValue();
        folder_.WriteIni("[main]\r\nInterval=1000\r\n");
    }
    void TearDown() override { DeleteRunValue(); }

    // Shows the window, does what the test asks, and ends the program from the tray.
    template <typename Step>
    void Run(Step&& step) {
        KeysteadProcess process(folder_.Exe());
        ASSERT_TRUE(process.WaitUntilReady());
        process.Tray(WM_LBUTTONDBLCLK);
        step(process);
        ASSERT_TRUE(EndFromTheTray(process));
    }

    ProgramFolder folder_{L"keystead-runvalue"};
    const std::string data_ = "\"" + toolkit::win32::Narrow(folder_.Exe()) + "\"";
};

TEST_F(EndToEndRunValue, IsWrittenWithItsNulCounted) {
    Run([](KeysteadProcess& process) {
        process.Click(kAutoRunBox);
        process.Click(L"&OK");
    });
    EXPECT_EQ(ReadRunValue(), data_);
    EXPECT_EQ(RunValueByteCount(), (data_.size() + 1) * sizeof(wchar_t));
}

TEST_F(EndToEndRunValue, WithoutItsNulItStillTicksTheBox) {
    WriteRunValue(data_, false);
    ASSERT_EQ(RunValueByteCount(), data_.size() * sizeof(wchar_t));
    Run([](KeysteadProcess& process) { EXPECT_TRUE(process.Checked(kAutoRunBox)); });
}

}  // namespace
}  // namespace keystead::e2e

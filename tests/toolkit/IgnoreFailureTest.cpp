#include "toolkit/IgnoreFailure.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace keystead::toolkit {
namespace {

TEST(IgnoreFailure, ReportsWhatItSwallowedOnStderr) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows builds report to the debugger's output instead";
#endif
    ::testing::internal::CaptureStderr();
    IgnoreFailure([] { throw std::runtime_error("cannot open Keystead.ini"); });
    std::string output = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(output.find("cannot open Keystead.ini"), std::string::npos) << output;
}

TEST(IgnoreFailure, LetsAnythingButAFailureThrough) {
    struct EndOfProcess {};
    EXPECT_THROW(IgnoreFailure([] { throw EndOfProcess{}; }), EndOfProcess);
}

}  // namespace
}  // namespace keystead::toolkit

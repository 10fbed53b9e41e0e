#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "KeysteadProcess.h"

namespace keystead::e2e {

// The one fixture of the tests of the real program: Caps Lock off and no Run value before and
// after each test, and the copy it started (in process_) ended as a user ends it (a right
// click, then a right double-click), so that the next test starts from the same keyboard.
class CapsLockTest : public ::testing::Test {
protected:
    void SetUp() override { TurnCapsLockOff(); }
    void TearDown() override {
        if (process_) {
            EXPECT_TRUE(EndFromTheTray(*process_)) << "the program did not end";
        }
        TurnCapsLockOff();
        DeleteRunValue();
    }

    // Starts the program from the folder and waits until it is ready.
    static std::unique_ptr<KeysteadProcess> StartIn(const ProgramFolder& folder,
                                                    const std::wstring& arguments = L"") {
        auto process = std::make_unique<KeysteadProcess>(folder.Exe(), arguments);
        EXPECT_TRUE(process->WaitUntilReady()) << "no window appeared";
        return process;
    }

    // Ends the program from the tray and fails the test when it does not end.
    static void End(KeysteadProcess& process) {
        ASSERT_TRUE(EndFromTheTray(process)) << "the program did not end";
    }

    static void TurnCapsLockOff() { TurnOff(VK_CAPITAL); }

    std::unique_ptr<KeysteadProcess> process_;
};

}  // namespace keystead::e2e

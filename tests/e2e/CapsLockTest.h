#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "KeysteadProcess.h"

namespace keystead::e2e {

// A test of the real program that leaves Caps Lock off before and after it, and ends the copy
// it started as a user would (resumed, then a right double-click), so that the next test
// starts from the same keyboard.
class CapsLockTest : public ::testing::Test {
protected:
    void SetUp() override { TurnCapsLockOff(); }
    void TearDown() override {
        if (process_) {
            process_->Tray(WM_RBUTTONUP);
            process_->Tray(WM_RBUTTONDBLCLK);
            EXPECT_TRUE(process_->WaitForExit(std::chrono::seconds(20)));
        }
        TurnCapsLockOff();
        DeleteRunValue();
    }

    std::unique_ptr<KeysteadProcess> process_;

private:
    static void TurnCapsLockOff() {
        if (KeyToggled(VK_CAPITAL)) {
            PressKey(VK_CAPITAL);
        }
    }
};

}  // namespace keystead::e2e
